// The self-test: each check against the simulated device tree, the module checks against
// the simulated modules, the GPS check against the simulated receiver, and a whole run
// as the station reads it.
#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenuselftest.h"
#include "btsimulator.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {


// The main window with both modules (unpaired, so they stay in command mode) and the GPS
// receiver, which sends quickly once started.
struct Instrument
{
    explicit Instrument(bool source = true)
    {
        TestSupport::writeSettings(device);
        BtSimulator::Options options = TestSupport::quickSimOptions(device, false);
        options.source = source;
        simStarted = sim.start(options) && gps.open(device.hostPath("/dev/ttyO1"));
        Platform::setTerminateHandler([](int) {});
        menu.reset(new MainMenu);
        simStarted = simStarted && linksResting(source);
    }
    // The modules have their set-up and the links wait for a peer, so an "AT" meets a
    // module that is not busy booting.
    bool linksResting(bool source) const
    {
        return QTest::qWaitFor(
            [&] {
                return menu->getBtSinkInstance()->getBtState() == 2
                    && (!source || menu->getBtSourceInstance()->getBtState() == 2);
            },
            TestSupport::timeBound(5000));
    }
    void startGps()
    {
        gps.start(100);
        gps.control("on");
    }

    DeviceRoot device;
    BtSimulatorThread sim;
    GpsSimulator gps;
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
};

QString state(const TestmenuSelftest& dialog, const char* label)
{
    return TestSupport::child<QLabel>(dialog, label)->text();
}

// Until every delayed verdict has come.
bool decided(const TestmenuSelftest& dialog)
{
    return QTest::qWaitFor(
        [&] {
            return state(dialog, "labelStateBtIn") != "wait ..." && state(dialog, "labelStateBtOut") != "wait ..."
                && state(dialog, "labelStateGps") != "wait ...";
        },
        TestSupport::timeBound(5000));
}

} // namespace

class TestTestmenuSelftest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        TestmenuSelftest::gpsPollMs() = 150;
        TestmenuSelftest::gpsVerdictMs() = TestSupport::timeBound(450);
        // Patience for the modules' answers.
        TestmenuSelftest::btVerdictMs() = TestSupport::timeBound(TestmenuSelftest::kDefaultBtVerdictMs);
        Bluetooth::timing() = TestSupport::quickLinkTiming();
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // The checks that read the tree: (check, file, content or null to remove it, message).
    void fileChecks_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QString status = "/sys/class/power_supply/bq24190-battery/status";
        const QString voltage = "/sys/class/power_supply/bq27426-0/voltage_now";
        QTest::newRow("charging, blank and line end") << 0 << status << QByteArray(" Charging\n") << "OK";
        QTest::newRow("full") << 0 << status << QByteArray("Full") << "OK";
        QTest::newRow("not charging") << 0 << status << QByteArray("Not charging\n") << "ERR: Stat:not charging";
        QTest::newRow("charger name missing")
            << 0 << "/sys/class/power_supply/bq24190-battery/device/name" << QByteArray() << "ERR: File open 1";
        QTest::newRow("charger name wrong")
            << 0 << "/sys/class/power_supply/bq24190-battery/device/name" << QByteArray("bq24192\n") << "ERR: Wrong name";
        QTest::newRow("status missing") << 0 << status << QByteArray() << "ERR: File open 2";
        QTest::newRow("2.0 V") << 1 << voltage << QByteArray("2000000\n") << "OK";
        QTest::newRow("4.8 V") << 1 << voltage << QByteArray("4800000") << "OK";
        QTest::newRow("below 2.0 V") << 1 << voltage << QByteArray("1999999\n") << "ERR: Wrong voltage";
        QTest::newRow("above 4.8 V") << 1 << voltage << QByteArray("4800001\n") << "ERR: Wrong voltage";
        QTest::newRow("empty voltage") << 1 << voltage << QByteArray("") << "ERR: Wrong voltage";
        QTest::newRow("gauge name missing")
            << 1 << "/sys/class/power_supply/bq27426-0/device/name" << QByteArray() << "ERR: File open 1";
        QTest::newRow("mixer silent") << 2 << "/command-output/amixer_sset__PCM__22" << QByteArray("") << "ERR: Mixer 1";
        QTest::newRow("mixer does not start")
            << 2 << "/command-status/amixer_sset__PCM__22" << QByteArray("nostart") << "ERR: Mixer 1";
        QTest::newRow("second mixer wrong")
            << 2 << "/command-output/amixer_sset__PCM__127" << QByteArray("Mono: Playback 126") << "ERR: Mixer 2";
    }
    void fileChecks()
    {
        QFETCH(int, check);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        DeviceRoot device;
        if (content.isNull())
            QVERIFY(device.remove(file));
        else
            QVERIFY(device.write(file, content));
        TestmenuSelftest dialog;
        QString message;
        const int result = check == 0 ? dialog.startTestChargeController(&message)
            : check == 1              ? dialog.startTestFuelGauge(&message)
                                      : dialog.startTestAudioCodec(&message);
        QTEST(message, "message");
        QCOMPARE(result == 0, message == "OK");
        if (check == 2 && result == 0)
            QCOMPARE(device.commands(), QStringList({"amixer sset \"PCM\" 22", "amixer sset \"PCM\" 127"}));
    }

    void failedCheckAnsweredAsError()
    {
        DeviceRoot device;
        device.write("/sys/class/power_supply/bq24190-battery/status", "not charging\n");
        TestmenuSelftest dialog;
        QCOMPARE(ask(device, dialog, "cmdSelftestStart"), QByteArray("staActive\n"));
        QCOMPARE(state(dialog, "labelStateChargeController"), QString("ERR: Stat:not charging"));
        QCOMPARE(ask(device, dialog, "cmdSelftestGetStatusChargeController"),
                 QByteArray("resSelftestStatusChargeController=ERROR\n"));
        QCOMPARE(ask(device, dialog, "cmdSelftestGetStatusFuelGauge"), QByteArray("resSelftestStatusFuelGauge=OK\n"));
        QCOMPARE(ask(device, dialog, "cmdTestSelftest"), QByteArray("staActive\n"));
        QCOMPARE(ask(device, dialog, "cmdSelftestGetStatus"), QByteArray("staUnknownCommand\n"));
        // Pass is hidden, but the station's word is obeyed.
        dialog.show();
        QVERIFY(TestSupport::button(dialog, "butPass")->isHidden());
        QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resPassed\n"));
        QVERIFY(!dialog.isVisible());
    }

    void modulesAnswerAt_data()
    {
        QTest::addColumn<int>("source"); // 0 answering, 1 silent, 2 absent
        QTest::addColumn<QString>("btOut");
        QTest::newRow("both answer") << 0 << "OK";
        QTest::newRow("source silent") << 1 << "ERROR";
        QTest::newRow("source absent") << 2 << "ERROR";
    }
    void modulesAnswerAt()
    {
        QFETCH(int, source);
        Instrument instrument(source != 2);
        QVERIFY(instrument.simStarted);
        if (source == 1)
            instrument.sim.source()->setModuleSilent(true);
        TestmenuSelftest dialog;
        QString message;
        QCOMPARE(dialog.startTestBluetoothIn(&message), 1);
        QCOMPARE(message, QString("wait ..."));
        dialog.startTestBluetoothOut(&message);
        QTRY_VERIFY_WITH_TIMEOUT(state(dialog, "labelStateBtOut") != "unknown", 3000);
        QCOMPARE(state(dialog, "labelStateBtIn"), QString("OK"));
        QTEST(state(dialog, "labelStateBtOut"), "btOut");
    }

    // With the sensor unit linked the sink module is in data mode: "AT" goes to the unit,
    // which does not answer "OK", so the check fails while the link is up.
    void sinkInDataModeFailsTheCheck()
    {
        TestSupport::PairedInstrument instrument;
        QVERIFY(instrument.simStarted);
        instrument.startMainMenu();
        Bluetooth* sink = instrument.menu->getBtSinkInstance();
        QTRY_VERIFY_WITH_TIMEOUT(sink->getBtState() == 6 && sink->getBtMode() == 1, 5000);
        TestmenuSelftest dialog;
        QString message;
        dialog.startTestBluetoothIn(&message);
        QTRY_VERIFY_WITH_TIMEOUT(state(dialog, "labelStateBtIn") != "unknown", 3000);
        QCOMPARE(state(dialog, "labelStateBtIn"), QString("ERROR"));
        QVERIFY(instrument.sim.sink()->unitLines().contains("AT"));
    }

    // Fresh sentences pass; those the receiver sent before it fell silent do not.
    void gpsCheckWantsFreshSentences()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestmenuSelftest dialog;
        QString message;
        QCOMPARE(dialog.startTestGps(&message), 1);
        QTRY_VERIFY_WITH_TIMEOUT(state(dialog, "labelStateGps") != "unknown", 3000);
        QCOMPARE(state(dialog, "labelStateGps"), QString("ERROR"));

        instrument.startGps();
        Gps* gps = instrument.menu->getGpsInstance();
        QTRY_VERIFY_WITH_TIMEOUT(gps->getNmeaString().contains("RMC"), 5000);
        dialog.startTestGps(&message);
        QTRY_VERIFY_WITH_TIMEOUT(state(dialog, "labelStateGps") == "OK", 3000);

        // The receiver falls silent after one last cycle, which the instrument has read
        // before the check starts: a cycle still on its way would count as fresh.
        instrument.gps.stop();
        QByteArray lastRmc;
        for (const QByteArray& sentence : instrument.gps.emitCycle()) {
            if (sentence.contains("RMC,"))
                lastRmc = sentence;
        }
        instrument.gps.control("off");
        QVERIFY(!lastRmc.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(gps->getNmeaString().contains(QString::fromLatin1(lastRmc)), 5000);
        dialog.startTestGps(&message);
        QCOMPARE(state(dialog, "labelStateGps"), QString("OK")); // the label is the caller's
        QTRY_VERIFY_WITH_TIMEOUT(state(dialog, "labelStateGps") == "ERROR", 3000);
    }

    // The whole run as the station sees it, the Pass button, and a second run that drops
    // the first one's pending verdicts.
    void wholeRun()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        instrument.startGps();
        QTRY_VERIFY_WITH_TIMEOUT(instrument.menu->getGpsInstance()->getNmeaString().contains("RMC"), 5000);
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        TestmenuSelftest dialog;
        dialog.show();
        QPushButton* pass = TestSupport::button(dialog, "butPass");
        QVERIFY(pass->isHidden());
        QCOMPARE(ask(instrument.device, dialog, "cmdSelftestStart"), QByteArray("staActive\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdSelftestGetStatusSelftest"),
                 QByteArray("resSelftestStatusSelftest=ERROR\n"));
        QVERIFY(decided(dialog));
        QVERIFY2(dialog.allPassed(), qPrintable(state(dialog, "labelStateBtIn") + "/" + state(dialog, "labelStateBtOut")
                                                + "/" + state(dialog, "labelStateGps")));
        QCOMPARE(ask(instrument.device, dialog, "cmdSelftestGetStatusSelftest"),
                 QByteArray("resSelftestStatusSelftest=OK\n"));
        QVERIFY(!pass->isHidden());
        QVERIFY(dialog.grab().toImage().save(TestSupport::screenshotPath("selftest.png")));

        // A second run while its verdicts are pending is decided by its own verdicts.
        instrument.sim.sink()->setModuleSilent(true);
        TestSupport::button(dialog, "butStart")->click();
        QCOMPARE(ask(instrument.device, dialog, "cmdSelftestGetStatusBtIn"), QByteArray("resSelftestStatusBtIn=ERROR\n"));
        QVERIFY(decided(dialog));
        QCOMPARE(state(dialog, "labelStateBtIn"), QString("ERROR"));
        QCOMPARE(state(dialog, "labelStateBtOut"), QString("OK"));
        QVERIFY(!pass->isHidden()); // a later run does not hide it again
        QCOMPARE(ask(instrument.device, dialog, "cmdPass"), QByteArray("resPassed\n"));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestTestmenuSelftest)
#include "tst_testmenuselftest.moc"
