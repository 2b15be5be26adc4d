// The module initialisation test against the simulated modules: the set-up and its check
// on each module, a module that does not take the set-up or falls silent, the reset and
// the commands that only are taken.
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuinitbluetooth.h"
#include "Testmenu/testmenuremotectrl.h"
#include "btsimulator.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {


// The main window with both modules, which know no peer: the links rest in command mode.
struct Instrument
{
    Instrument()
    {
        TestSupport::writeSettings(device, TestSupport::pairedPeers());
        simStarted = sim.start(TestSupport::quickSimOptions(device, false));
        Platform::setTerminateHandler([](int) {});
        menu.reset(new MainMenu);
        simStarted = simStarted && TestSupport::waitForRestingLinks(*menu);
        sim.sink()->clearTranscript();
        sim.source()->clearTranscript();
    }
    QString setting(const QString& key) const
    {
        for (const auto& entry : TestSupport::iniEntries(device.read("/home/root/settings.ini")))
            if (entry.first == key)
                return entry.second;
        return "<none>";
    }

    DeviceRoot device;
    BtSimulatorThread sim;
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
};

QString text(const QWidget& dialog, const char* label)
{
    return TestSupport::child<QLabel>(dialog, label)->text();
}

// Runs the dialog's check of one module once the module's answer to "SET" is in (name and
// profile), or at once for a module that stays silent. On the device the dialog gives the
// module a fixed time; a loaded machine stretches the module's answer past any such time.
void checkWhenAnswered(TestmenuInitBluetooth& dialog, const Bluetooth* link, bool source, bool answers = true)
{
    if (answers)
        QTRY_VERIFY_WITH_TIMEOUT(!link->getBtName().isEmpty() && link->getBtProfile() != 0, 3000);
    if (source)
        dialog.updateSourceData();
    else
        dialog.updateSinkData();
}

bool passShown(const QWidget& dialog)
{
    return TestSupport::button(dialog, "butPass")->isVisibleTo(&dialog);
}

// The lines a module got after the last "SET CONTROL AUTOCALL" (the end of a disconnect).
QStringList afterDisconnect(const BtModuleSim* module)
{
    const QStringList lines = module->commandLines();
    return lines.mid(lines.lastIndexOf("SET CONTROL AUTOCALL") + 1);
}

} // namespace

class TestTestmenuInitBluetooth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        // The tests run the check themselves, once the module has answered.
        TestmenuInitBluetooth::checkDelayMs() = 3600 * 1000;
        Bluetooth::timing() = TestSupport::quickLinkTiming();
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }
    void cleanupTestCase() { m_shared.reset(); }

    void setUpPassesAndClearsStoredDevice_data()
    {
        QTest::addColumn<bool>("source");
        QTest::newRow("source") << true;
        QTest::newRow("sink") << false;
    }
    void setUpPassesAndClearsStoredDevice()
    {
        QFETCH(bool, source);
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestmenuInitBluetooth dialog;
        QVERIFY(!passShown(dialog));
        QVERIFY(!TestSupport::button(dialog, "butPairBtSource")->isVisibleTo(&dialog));
        QCOMPARE(TestSupport::button(dialog, "butResetBtSink")->pos(), QPoint(280, 150));

        const char* label = source ? "labelInfoSource" : "labelInfoSink";
        QCOMPARE(ask(instrument.device, dialog, source ? "cmdBluetoothInitSource" : "cmdBluetoothInitSink"),
                 QByteArray("staActive\n"));
        QCOMPARE(text(dialog, label), QString("Checking transmitted values ..."));
        // The stored device goes at once, whatever the check finds.
        QCOMPARE(instrument.setting("Bluetooth/Headphone_ID"), source ? QString() : TestSupport::kHeadphones);
        QCOMPARE(instrument.setting("Bluetooth/Microphone_ID"), source ? TestSupport::kUnit : QString());
        checkWhenAnswered(dialog, source ? instrument.menu->getBtSourceInstance() : instrument.menu->getBtSinkInstance(),
                          source);
        QCOMPARE(text(dialog, label), QString("Finished. OK."));
        QVERIFY(passShown(dialog));

        BtModuleSim* module = source ? instrument.sim.source() : instrument.sim.sink();
        QTRY_VERIFY_WITH_TIMEOUT(afterDisconnect(module).contains("RESET"), 2000);
        const QStringList lines = afterDisconnect(module);
        const int setUpLines = source ? 12 : 11;
        QCOMPARE(lines.size(), setUpLines + 2);
        QCOMPARE(lines.first(), QString("SET BT PAGEMODE 0 2000 2"));
        QVERIFY(lines.contains(source ? "SET PROFILE A2DP SOURCE" : "SET PROFILE A2DP SINK"));
        QCOMPARE(lines.mid(setUpLines), QStringList({"SET", "RESET"}));
        QCOMPARE(text(dialog, source ? "labelInfoSink" : "labelInfoSource"), QString("Press button to start init"));

        if (source) {
            dialog.show();
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-initbluetooth.png")));
        }
    }

    // A module that answered once and then falls silent must not pass on that answer.
    void silentModuleFailsItsSecondCheck()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestmenuInitBluetooth dialog;
        QTest::mouseClick(TestSupport::button(dialog, "butInitBtSink"), Qt::LeftButton);
        checkWhenAnswered(dialog, instrument.menu->getBtSinkInstance(), false);
        QCOMPARE(text(dialog, "labelInfoSink"), QString("Finished. OK."));
        QTRY_VERIFY_WITH_TIMEOUT(afterDisconnect(instrument.sim.sink()).contains("RESET"), 2000);

        instrument.sim.sink()->setModuleSilent(true);
        TestSupport::clearLoggedMessages();
        QTest::mouseClick(TestSupport::button(dialog, "butInitBtSink"), Qt::LeftButton);
        checkWhenAnswered(dialog, instrument.menu->getBtSinkInstance(), false, false);
        QCOMPARE(text(dialog, "labelInfoSink"), QString("Error!"));
        QVERIFY(TestSupport::logged("Sink-Values:  0"));
    }

    // A source module still set up as a sink that ignores the set-up lines answers with the
    // sink's name and profile: no pass, though the station may still pass the dialog.
    void moduleIgnoringSetUpFails()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        instrument.sim.source()->setSettingsOf(BtModuleSim::Role::Sink);
        instrument.sim.source()->setIgnoreSetupLines(true);
        TestmenuInitBluetooth dialog;
        TestSupport::clearLoggedMessages();
        QTest::mouseClick(TestSupport::button(dialog, "butInitBtSource"), Qt::LeftButton);
        checkWhenAnswered(dialog, instrument.menu->getBtSourceInstance(), true);
        QCOMPARE(text(dialog, "labelInfoSource"), QString("Error!"));
        QVERIFY(TestSupport::logged("Source-Values: TKR9400_MIC 1"));
        QVERIFY(!passShown(dialog));
        QVERIFY(!instrument.sim.source()->commandLines().contains("RESET"));
        QCOMPARE(ask(instrument.device, dialog, "cmdPass"), QByteArray("resPassed\n"));
    }

    void resetAndTakenCommands_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("toSink");
        QTest::addColumn<QStringList>("sent");
        const QStringList reset{"SET BT PAIR *", "SET RESET"};
        QTest::newRow("reset sink") << QByteArray("cmdBluetoothResetSink") << QByteArray("staActive\n") << true << reset;
        QTest::newRow("reset source") << QByteArray("cmdBluetoothResetSource") << QByteArray("staActive\n") << false
                                      << reset;
        QTest::newRow("pair sink") << QByteArray("cmdBluetoothPairSink") << QByteArray("staActive\n") << true
                                   << QStringList();
        QTest::newRow("pair source") << QByteArray("cmdBluetoothPairSource") << QByteArray("staActive\n") << false
                                     << QStringList();
        QTest::newRow("opening command, more letters")
            << QByteArray("cmdTestBluetoothNow") << QByteArray("staActive\n") << true << QStringList();
        QTest::newRow("unknown") << QByteArray("cmdBluetoothInit") << QByteArray("staUnknownCommand\n") << true
                                 << QStringList();
    }
    void resetAndTakenCommands()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, answer);
        QFETCH(bool, toSink);
        QFETCH(QStringList, sent);
        // The rows share one instrument.
        if (!m_shared)
            m_shared.reset(new Instrument);
        Instrument& instrument = *m_shared;
        QVERIFY(instrument.simStarted);
        instrument.sim.sink()->clearTranscript();
        instrument.sim.source()->clearTranscript();
        TestmenuInitBluetooth dialog;
        QCOMPARE(ask(instrument.device, dialog, command), answer);
        BtModuleSim* module = toSink ? instrument.sim.sink() : instrument.sim.source();
        BtModuleSim* other = toSink ? instrument.sim.source() : instrument.sim.sink();
        if (!sent.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(module->commandLines(), sent, 2000);
        // A line sent by mistake would have arrived by now.
        QTest::qWait(100);
        QCOMPARE(module->commandLines(), sent);
        QCOMPARE(other->commandLines(), QStringList());
        QCOMPARE(text(dialog, "labelInfoSink"), QString("Press button to start init"));
        QCOMPARE(text(dialog, "labelInfoSource"), QString("Press button to start init"));
    }

private:
    std::unique_ptr<Instrument> m_shared;
};

QTEST_MAIN(TestTestmenuInitBluetooth)
#include "tst_testmenuinitbluetooth.moc"
