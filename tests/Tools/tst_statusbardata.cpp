#include "Hardware/batterystate.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;

namespace {
const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const char* const kGauge = "/sys/class/power_supply/bq27426-0/";

void setGauge(const DeviceRoot& device, const char* attribute, const QByteArray& value)
{
    device.write(QString::fromLatin1(kGauge) + QString::fromLatin1(attribute), value);
}

// The dialog's info text, then its OK button pressed.
void pressOk(QWidget* dialog, QStringList* texts)
{
    texts->append(dialog->findChild<QLabel*>("labelInfotext")->text());
    dialog->findChild<QPushButton*>("butMiddle")->click();
}
} // namespace

class TestStatusbardata : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void unitBattery_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("millivolts");
        QTest::newRow("4300 full") << "4300" << 100 << 4300;
        QTest::newRow("4301 out of range") << "4301" << -1 << 4301;
        QTest::newRow("3400 empty") << "3400" << 0 << 3400;
        QTest::newRow("3399 out of range") << "3399" << -1 << 3399;
        QTest::newRow("3604") << "3604" << 0 << 3604;
        QTest::newRow("3605") << "3605" << 1 << 3605;
        QTest::newRow("4100 and more is full") << "4150" << 100 << 4150;
        QTest::newRow("blanks") << " 3850 " << 50 << 3850;
        QTest::newRow("garbage") << "3x50" << -1 << 0;
    }
    void unitBattery()
    {
        QFETCH(QString, reply);
        QFETCH(int, percent);
        QFETCH(int, millivolts);
        Statusbardata data;
        data.btReceivedBattery(reply);
        QCOMPARE(data.batteryMicrophone(), percent);
        QCOMPARE(data.batteryVoltageMic(), millivolts);
    }

    void sensorType_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("connected");
        QTest::newRow("none") << "0" << 0 << false;
        QTest::newRow("microphone") << "1" << 1 << true;
        QTest::newRow("T-sensor") << "2" << 2 << true;
        QTest::newRow("H2") << "3" << 3 << true;
        QTest::newRow("code 4") << "4" << 5 << true;
        QTest::newRow("unknown") << "7" << 0 << false;
        QTest::newRow("not exact") << " 1" << 0 << false;
    }
    void sensorType()
    {
        QFETCH(QString, reply);
        QFETCH(int, type);
        QFETCH(bool, connected);
        Statusbardata data;
        data.btReceivedSensortype(reply);
        QCOMPARE(data.sensorType(), type);
        QCOMPARE(data.micSensorConnected(), connected);
    }

    void headphoneBatteryFallsBackToTheDevice()
    {
        DeviceRoot device;
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        data->btReceivedHeadphoneBatteryState(40);
        QCOMPARE(data->batteryHeadphone(), 40);
        for (int bad : {101, -1}) {
            data->btReceivedHeadphoneBatteryState(bad);
            QCOMPARE(data->batteryHeadphone(), 80);
        }
    }

    void inactivityCounters_data()
    {
        QTest::addColumn<int>("displayOff");
        QTest::addColumn<int>("powerOff");
        QTest::addColumn<int>("displayCount");
        QTest::addColumn<int>("powerCount");
        QTest::newRow("set") << 4 << 6 << 4 << 6;
        QTest::newRow("never") << 0 << -3 << 259200 << 259200;
    }
    void inactivityCounters()
    {
        QFETCH(int, displayOff);
        QFETCH(int, powerOff);
        QFETCH(int, displayCount);
        QFETCH(int, powerCount);
        DeviceRoot device;
        device.write("/home/root/settings.ini", "[Systemsettings]\nBrightness=7\nDisplayOffTime=" + QByteArray::number(displayOff)
                                                    + "\nPowerOffTime=" + QByteArray::number(powerOff) + "\n");
        int exitCode = 0;
        Platform::setTerminateHandler([&exitCode](int code) { exitCode = code; });
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        QCOMPARE(data->backlightOffCount(), displayCount);
        QCOMPARE(data->powerOffCount(), powerCount);
        QCOMPARE(device.read(kBacklight), QByteArray("7"));
        if (displayOff == 0)
            return;

        data->update();
        QVERIFY(!data->isPowerSavingActive());
        data->update();
        QVERIFY(data->isPowerSavingActive());
        QVERIFY(TestSupport::logged("Backlight off"));
        QCOMPARE(device.read(kBacklight), QByteArray("0"));

        // A key or touch wakes the display and starts both counts again.
        data->resetPowerSavingCnt();
        QVERIFY(!data->isPowerSavingActive());
        QCOMPARE(device.read(kBacklight), QByteArray("7"));
        QCOMPARE(data->powerOffCount(), 6);

        for (int i = 0; i < 3; ++i)
            data->update();
        QVERIFY(TestSupport::logged("Power-Off device"));
        QVERIFY(TestSupport::logged("beforePowerDown: Finish"));
        // Every further tick asks again; the device goes down once.
        data->update();
        QVERIFY(TestSupport::logged("already shutting down"));
        QTRY_COMPARE_WITH_TIMEOUT(exitCode, int(Platform::ExitPoweroff), 5000);
        QCOMPARE(device.commands().filter("poweroff").size(), 1);
    }

    void missingBrightnessNeverLeavesTheDisplayDark()
    {
        DeviceRoot device;
        device.write("/home/root/settings.ini", "[Systemsettings]\nDisplayOffTime=2\n");
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        QCOMPARE(device.read(kBacklight), QByteArray("6"));
        data->update();
        QCOMPARE(device.read(kBacklight), QByteArray("0"));
        data->resetPowerSavingCnt();
        QCOMPARE(device.read(kBacklight), QByteArray("6"));
    }

    void wiredSensor()
    {
        DeviceRoot device;
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        device.write("/sys/class/gpio/gpio48/value", "1");
        data->update();
        QCOMPARE(data->sensorType(), 4);
        QVERIFY(data->micSensorConnected());
        device.write("/sys/class/gpio/gpio48/value", "0");
        data->update();
        QCOMPARE(data->sensorType(), 0);
        QVERIFY(!data->micSensorConnected());
        // No input file at all: no wired sensor.
        QVERIFY(device.remove("/sys/class/gpio/gpio48/value"));
        data->update();
        QCOMPARE(data->sensorType(), 0);
    }

    void lowBattery_data()
    {
        QTest::addColumn<QByteArray>("capacity");
        QTest::addColumn<QByteArray>("microvolts");
        QTest::addColumn<bool>("warning");
        QTest::newRow("10 % at 3.2 V") << QByteArray("10") << QByteArray("3200000") << false;
        QTest::newRow("10 % at 3.0 V") << QByteArray("10") << QByteArray("3000000") << true;
        QTest::newRow("9 % at 4.0 V") << QByteArray("9") << QByteArray("4000000") << true;
        QTest::newRow("80 % at 3.85 V") << QByteArray("80") << QByteArray("3850000") << false;
    }
    void lowBattery()
    {
        QFETCH(QByteArray, capacity);
        QFETCH(QByteArray, microvolts);
        QFETCH(bool, warning);
        DeviceRoot device;
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        setGauge(device, "capacity", capacity);
        setGauge(device, "voltage_now", microvolts);
        QStringList texts;
        {
            ModalCloser closer([&texts](QWidget* dialog) { pressOk(dialog, &texts); });
            data->rareUpdate();
            // Confirmed: not shown again until the battery recovers.
            data->rareUpdate();
        }
        QCOMPARE(texts, warning ? QStringList("The battery is very low. Please recharge.") : QStringList());
        QCOMPARE(data->isLowBatteryWarningArmed(), !warning);
        if (!warning)
            return;
        QVERIFY(TestSupport::logged("Battery low message accepted"));
        setGauge(device, "capacity", "50");
        setGauge(device, "voltage_now", "3700000");
        data->rareUpdate();
        QVERIFY(data->isLowBatteryWarningArmed());
    }

    void flatBatteryPowersDownAtOnce()
    {
        DeviceRoot device;
        int exitCode = 0;
        Platform::setTerminateHandler([&exitCode](int code) { exitCode = code; });
        MainMenu menu;
        setGauge(device, "voltage_now", "2850000");
        ModalCloser closer;
        StatusbarData()->rareUpdate();
        QVERIFY(closer.seen().isEmpty()); // no warning standing in the way
        QVERIFY(TestSupport::logged("Battery is very low. Power-Off device"));
        QVERIFY(TestSupport::logged("beforePowerDown: Finish"));
    }

    void batteryGoingFlatBehindTheWarning()
    {
        DeviceRoot device;
        Platform::setTerminateHandler([](int) {});
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        setGauge(device, "capacity", "5");
        setGauge(device, "voltage_now", "3500000");
        QStringList texts;
        ModalCloser closer([&](QWidget* dialog) {
            setGauge(device, "voltage_now", "2850000");
            data->update(); // the next tick, while the warning stands
            QVERIFY(TestSupport::logged("Battery is very low. Power-Off device"));
            pressOk(dialog, &texts);
        });
        data->rareUpdate();
        QCOMPARE(closer.seen(), QStringList("MessageDialog"));
        QVERIFY(TestSupport::logged("Battery is very low. Power-Off device"));
    }

    // Failed gauge reads keep the last good value and never count as an empty battery.
    void failedGaugeReads_data()
    {
        QTest::addColumn<QByteArray>("capacity");
        QTest::addColumn<QByteArray>("microvolts");
        QTest::newRow("garbled capacity") << QByteArray("x%") << QByteArray("3850000");
        QTest::newRow("capacity out of range") << QByteArray("-5") << QByteArray("3850000");
        QTest::newRow("0 V") << QByteArray("80") << QByteArray("0");
        QTest::newRow("negative") << QByteArray("80") << QByteArray("-3000000");
        QTest::newRow("not finite") << QByteArray("nan") << QByteArray("inf");
    }
    void failedGaugeReads()
    {
        QFETCH(QByteArray, capacity);
        QFETCH(QByteArray, microvolts);
        DeviceRoot device;
        MainMenu menu;
        Statusbardata data;
        setGauge(device, "capacity", capacity);
        setGauge(device, "voltage_now", microvolts);
        data.init();
        ModalCloser closer;
        data.rareUpdate();
        QVERIFY(closer.seen().isEmpty());
        QVERIFY(!TestSupport::logged("Power-Off device"));
        BatteryState gauge;
        setGauge(device, "capacity", "42");
        setGauge(device, "voltage_now", "3850000");
        QCOMPARE(gauge.fuelPercent(), 42);
        QCOMPARE(gauge.voltage(), 3.85f);
        setGauge(device, "capacity", capacity);
        setGauge(device, "voltage_now", microvolts);
        if (capacity != "80")
            QCOMPARE(gauge.fuelPercent(), 42);
        if (microvolts != "3850000")
            QCOMPARE(gauge.voltage(), 3.85f);
    }

    void unknownVoltageIsNotAFlatBattery()
    {
        DeviceRoot device;
        QVERIFY(device.remove(QString::fromLatin1(kGauge) + "voltage_now"));
        MainMenu menu;
        Statusbardata data; // a gauge that has never given a voltage
        data.init();
        ModalCloser closer;
        data.rareUpdate();
        QVERIFY(closer.seen().isEmpty());
        QVERIFY(!TestSupport::logged("Power-Off device"));
        QVERIFY(!TestSupport::logged("beforePowerDown"));
    }

    void unitAlerts()
    {
        DeviceRoot device;
        MainMenu menu;
        Statusbardata* data = StatusbarData();
        QStringList texts;
        ModalCloser closer([&texts](QWidget* dialog) { pressOk(dialog, &texts); });
        data->btReceivedSensortype("1");
        data->analyseAlert("2");
        QVERIFY(!data->micSensorConnected());
        QCOMPARE(texts, QStringList("Type of sensor could not be detected.\nPlease fix sensor or clean contacts."));
        // Within the next 10 s further alerts are dropped.
        data->analyseAlert("0");
        data->analyseAlert("1");
        QCOMPARE(texts.size(), 1);
        data->enableDisplayMsgDlg();
        data->analyseAlert("1");
        QCOMPARE(texts.last(), QString("Battery voltage of QJ-5 is very low.\nPlease recharge."));
        data->enableDisplayMsgDlg();
        data->analyseAlert("0");
        QCOMPARE(texts.last(), QString("The sensor could not be detected."));
        QCOMPARE(closer.seen(), QStringList({"MessageDialog", "MessageDialog", "MessageDialog"}));
        // Other codes only mark the sensor present.
        data->enableDisplayMsgDlg();
        data->analyseAlert("9");
        QVERIFY(data->micSensorConnected());
        QCOMPARE(texts.size(), 3);
    }

    void ticksStopWithTheMainWindow()
    {
        DeviceRoot device;
        {
            MainMenu menu;
            QVERIFY(StatusbarData()->isTicking());
        }
        QVERIFY(!StatusbarData()->isTicking());
    }
};

QTEST_MAIN(TestStatusbardata)
#include "tst_statusbardata.moc"
