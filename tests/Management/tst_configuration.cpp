// The sensor unit's configuration as the instrument shows it, read from the simulated
// unit over the running sensor-unit link: the dump parsed into each field, partial and
// odd answers, no answer, a late answer, reading again, and the keys.
#include "Hardware/bluetooth.h"
#include "Management/configuration.h"
#include "Tools/statusbar.h"
#include "btmodulesim.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::kUnit;
using TestSupport::screenshotPath;

namespace {

// The instrument with its sensor-unit link up in data mode over the simulated unit.
struct Instrument : TestSupport::PairedInstrument
{
    Instrument()
        : PairedInstrument({{"Bluetooth/Microphone_Name", "QJ5 1234"}})
    {
        startMainMenu();
        // The status bar asks the unit only when told to below: a late reply to its
        // periodic question would otherwise land in a dialog's answer.
        StatusbarData()->stopTimers();
    }

    // Up, the unit told its gain by the instrument, and the status bar's questions (sensor
    // type, battery) answered.
    bool linkUp() const
    {
        Bluetooth* sink = menu->getBtSinkInstance();
        if (!QTest::qWaitFor([&] { return sink->getBtState() == 6 && sink->getBtMode() == 1; },
                TestSupport::timeBound(5000))
            || !QTest::qWaitFor([&] { return unit()->unitMicGain() == 15 && !unit()->unitLines().isEmpty(); },
                TestSupport::timeBound(5000)))
            return false;
        StatusbarData()->update();
        return QTest::qWaitFor(
            [] { return StatusbarData()->micSensorConnected() && StatusbarData()->batteryMicrophone() >= 0; },
            TestSupport::timeBound(5000));
    }
    BtModuleSim* unit() const { return sim.sink(); }
    int configRequests() const { return unit()->unitLines().count("BT_TX P"); }
};

QString field(const Configuration& dialog, const char* name)
{
    return TestSupport::child<QLineEdit>(dialog, name)->text();
}

// The six fields the unit fills, as shown.
QStringList unitFields(const Configuration& dialog)
{
    return {field(dialog, "editSensorType"),      field(dialog, "editGain"),
            field(dialog, "editBatteryState"),    field(dialog, "editFirmwareVersion"),
            field(dialog, "editHardwareVersion"), field(dialog, "editButtonMode")};
}

bool answered(const Configuration& dialog)
{
    return !dialog.findChild<QTimer*>(QStringLiteral("answerTimer"))->isActive();
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init()
    {
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        Configuration::answerTimeoutMs() = 400;
        TestSupport::clearLoggedMessages();
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        Configuration::answerTimeoutMs() = Configuration::kDefaultAnswerTimeoutMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void unitAnswersWithItsConfiguration()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        QVERIFY(instrument.linkUp());
        Configuration::answerTimeoutMs() = Configuration::kDefaultAnswerTimeoutMs;
        instrument.unit()->setUnitBattery(3810);
        instrument.unit()->setUnitVersions("1.6.12", "3.1");
        instrument.unit()->setUnitSensorType(2);

        const QRegularExpression settingLines("^BT_TX [GI] ");
        const int settingsSent = instrument.unit()->unitLines().filter(settingLines).size();
        Configuration dialog(instrument.menu.get());
        auto* timer = dialog.findChild<QTimer*>("answerTimer");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 7000);
        // Until the unit answers only the stored name and address are shown.
        QCOMPARE(unitFields(dialog), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(field(dialog, "editBtName"), QString("QJ5 1234"));
        QCOMPARE(field(dialog, "editBtId"), kUnit);

        QTRY_VERIFY(answered(dialog));
        QCOMPARE(instrument.configRequests(), 1);
        const QString percent = QString::number(StatusbarData()->batteryMicrophone());
        QCOMPARE(unitFields(dialog), QStringList({"M-4", "0F (3 / 18dB)", "3810 mV (" + percent + " %)", "V 1.6.12",
                                                  "V 3.1",
                                                  instrument.unit()->unitButtonMode() + " ("
                                                      + instrument.unit()->unitMuteState() + ")"}));
        QCOMPARE(dialog.gain(), QString("0F"));
        QVERIFY(TestSupport::logged("Received Config:"));
        // The unit was asked, nothing was set on it.
        QCOMPARE(instrument.unit()->unitLines().filter(settingLines).size(), settingsSent);

        QVERIFY(dialog.grab().save(screenshotPath("configuration.png")));
    }

    void answerParsedIntoTheFields_data()
    {
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<QStringList>("shown"); // sensor, gain, firmware, hardware, button mode

        auto row = [](const char* name, const QStringList& lines, const QStringList& shown) {
            QTest::newRow(name) << lines + QStringList("!$!") << shown;
        };
        row("gain step 3", {"BT_RX MIC-GAIN 0F"}, {"", "0F (3 / 18dB)", "", "", ""});
        row("gain between steps", {"BT_RX MIC-GAIN 0E"}, {"", "0E (?)", "", "", ""});
        row("gain step 1, lower case", {"BT_RX MIC-GAIN 0a"}, {"", "0a (1 / 3dB)", "", "", ""});
        row("gain step 6 with prefix", {"BT_RX MIC-GAIN 0x15"}, {"", "0x15 (6 / 36dB)", "", "", ""});
        row("gain step 2", {"BT_RX MIC-GAIN 0D"}, {"", "0D (2 / 12dB)", "", "", ""});
        row("gain out of range", {"BT_RX MIC-GAIN 7FFFFFFFFF"}, {"", "7FFFFFFFFF (?)", "", "", ""});
        row("no sensor", {"BT_RX SENSOR 0"}, {"no sensor", "", "", "", ""});
        row("sensor K-2", {"BT_RX SENSOR 1"}, {"K-2", "", "", "", ""});
        row("sensor H2", {"BT_RX SENSOR 3"}, {"H2", "", "", "", ""});
        row("unknown sensor", {"BT_RX SENSOR 7"}, {"unknown", "", "", "", ""});
        row("sensor code too large", {"BT_RX SENSOR 99999999999"}, {"unknown", "", "", "", ""});
        row("button then mute state", {"BT_RX BUTTON SWITCH", "BT_RX MUTE_STATE ACTIVE"},
            {"", "", "", "", "SWITCH (ACTIVE)"});
        row("mute state alone", {"BT_RX MUTE_STATE ACTIVE"}, {"", "", "", "", " (ACTIVE)"});
        row("versions", {"BT_RX FW-VERSION 2.10.3", "BT_RX HW-VERSION 4"}, {"", "", "V 2.10.3", "V 4", ""});
        row("versions that are none", {"BT_RX FW-VERSION beta", "BT_RX HW-VERSION -"}, {"", "", "", "", ""});
        row("the first of several counts", {"BT_RX SENSOR 3", "BT_RX SENSOR 1", "BT_RX BUTTON PUSHBUT", "BT_RX BUTTON SWITCH"},
            {"H2", "", "", "", "PUSHBUT"});
        row("only at the start of a line", {"XBT_RX SENSOR 3", "BT_RX", "SENSOR 2", "BT_RX OK MIC-GAIN 0F"},
            {"", "", "", "", ""});
        row("other lines between", {"BT_RX OK", "BT_RX SENSOR 1", "LIST 0", "BT_RX MIC-GAIN 13"},
            {"K-2", "13 (5 / 30dB)", "", "", ""});
    }
    void answerParsedIntoTheFields()
    {
        QFETCH(QStringList, answer);
        QFETCH(QStringList, shown);
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        instrument.unit()->setUnitConfigDump(answer);
        Configuration dialog(instrument.menu.get());
        QTRY_VERIFY(answered(dialog));
        QCOMPARE(unitFields(dialog),
                 QStringList({shown.at(0), shown.at(1), "", shown.at(2), shown.at(3), shown.at(4)}));
        QCOMPARE(field(dialog, "editBtName"), QString("QJ5 1234"));
    }

    void batteryShowsTheStatusDataPercentage()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        instrument.unit()->setUnitConfigDump({"BT_RX BATT_VOLTAGE 3950", "!$!"});
        Configuration dialog(instrument.menu.get());
        QTRY_VERIFY(answered(dialog));
        QCOMPARE(field(dialog, "editBatteryState"),
                 QString("3950 mV (%1 %)").arg(StatusbarData()->batteryMicrophone()));
        QVERIFY(TestSupport::logged("value"));
    }

    void noAnswer()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        instrument.unit()->setUnitSilent(true);
        QElapsedTimer waited;
        waited.start();
        Configuration dialog(instrument.menu.get());
        QTRY_VERIFY(answered(dialog));
        QVERIFY(waited.elapsed() >= Configuration::answerTimeoutMs());
        QCOMPARE(instrument.configRequests(), 1);
        QCOMPARE(unitFields(dialog), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(field(dialog, "editBtName"), QString("QJ5 1234"));
        QCOMPARE(field(dialog, "editBtId"), kUnit);
        QVERIFY(TestSupport::logged("Received Config:"));
    }

    // Without the terminator the answer is read at the time-out; a late answer when its
    // terminator comes.
    void answerWithoutTerminatorOrLate_data()
    {
        QTest::addColumn<bool>("late");
        QTest::newRow("no terminator") << false;
        QTest::newRow("late") << true;
    }
    void answerWithoutTerminatorOrLate()
    {
        QFETCH(bool, late);
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        if (late)
            instrument.unit()->setUnitReplyDelay(Configuration::answerTimeoutMs() + 300);
        else
            instrument.unit()->setUnitConfigDump({"BT_RX SENSOR 3", "BT_RX MIC-GAIN 11"});
        Configuration dialog(instrument.menu.get());
        QTRY_VERIFY(answered(dialog));
        if (late) {
            QCOMPARE(unitFields(dialog), QStringList({"", "", "", "", "", ""}));
            QTRY_COMPARE(field(dialog, "editSensorType"), QString("K-2"));
            QCOMPARE(field(dialog, "editGain"), QString("0F (3 / 18dB)"));
            QCOMPARE(field(dialog, "editFirmwareVersion"), QString("V 1.4.2"));
        } else {
            QCOMPARE(field(dialog, "editSensorType"), QString("H2"));
            QCOMPARE(field(dialog, "editGain"), QString("11 (4 / 24dB)"));
        }
    }

    // Reload asks again and starts from empty fields; a mute state reported again replaces
    // the one shown.
    void readAgain()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        Configuration dialog(instrument.menu.get());
        QTRY_VERIFY(answered(dialog));
        QCOMPARE(field(dialog, "editSensorType"), QString("K-2"));

        instrument.unit()->setUnitConfigDump({"BT_RX SENSOR 3", "BT_RX BUTTON SWITCH", "BT_RX MUTE_STATE MUTE"});
        dialog.findChild<QPushButton*>("butReadAgain")->click();
        QCOMPARE(unitFields(dialog), QStringList({"", "", "", "", "", ""}));
        QTRY_COMPARE(instrument.configRequests(), 2);
        QTRY_VERIFY(answered(dialog));
        QCOMPARE(field(dialog, "editSensorType"), QString("H2"));
        QCOMPARE(field(dialog, "editButtonMode"), QString("SWITCH (MUTE)"));

        // The rest of the answer after its time-out, with the unit's key state in it.
        instrument.unit()->sendUnitLine("BT_RX MUTE_STATE ACTIVE");
        instrument.unit()->sendUnitLine("!$!");
        QTRY_COMPARE(field(dialog, "editButtonMode"), QString("SWITCH (ACTIVE)"));
    }

    void keys()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        Configuration dialog(instrument.menu.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);
        QPushButton* reload = dialog.findChild<QPushButton*>("butReadAgain");
        reload->setFocus();
        for (QWidget* target : {static_cast<QWidget*>(reload), static_cast<QWidget*>(&dialog)}) {
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
        }
        QTest::qWait(100);
        QCOMPARE(instrument.configRequests(), 1);
        TestSupport::holdEscape(&dialog, [&] {
            QVERIFY(dialog.isVisible());
            QVERIFY(finished.isEmpty());
        });
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"
