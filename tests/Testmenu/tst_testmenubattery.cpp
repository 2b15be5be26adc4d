// The battery test against the simulated charger and fuel gauge: the values as shown and
// as answered, a gauge that vanishes, automatic reading and the connector switch.
#include "Testmenu/testmenubattery.h"
#include "Testmenu/testmenuremotectrl.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kGauge = QStringLiteral("/sys/class/power_supply/bq27426-0/");
const QString kStatus = QStringLiteral("/sys/class/power_supply/bq24190-battery/status");

QString field(const QWidget& dialog, const char* name)
{
    return TestSupport::child<QLineEdit>(dialog, name)->text();
}

void seed(const DeviceRoot& device, const QByteArray& status)
{
    device.write(kGauge + "voltage_now", "3912000");
    device.write(kGauge + "temp", "253");
    device.write(kGauge + "capacity", "85\n");
    device.write(kGauge + "current_now", "-123000");
    device.write(kStatus, status);
}

} // namespace

class TestTestmenuBattery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void valuesShownAndAnswered()
    {
        DeviceRoot device;
        seed(device, "Charging\n");
        TestmenuBattery dialog;
        QCOMPARE(field(dialog, "lineEditVoltage"), QString("3.912 V"));
        QCOMPARE(field(dialog, "lineEditTemperature"), QString("25.3 °C"));
        QCOMPARE(field(dialog, "lineEditCapacity"), QString("85 %"));
        QCOMPARE(field(dialog, "lineEditCurrent"), QString("-0.123 A"));
        QCOMPARE(field(dialog, "lineEditCharging"), QString("Charging"));
        // Before any Read the answers are those of the reading at construction.
        QCOMPARE(ask(device, dialog, "cmdBatteryGetVoltageNow"), QByteArray("resBatteryVoltage=3.912 V\n"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetTemperature"), QByteArray("resBatteryTemperature=25.3 C\n"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetCapacity"), QByteArray("resBatteryCapacity=85 %\n"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetCurrent"), QByteArray("resBatteryCurrent=-0.123 A\n"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetChargestate"), QByteArray("resBatteryChargestate=charging\n"));
        QVERIFY(!dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));

        device.write(kStatus, "Full\n");
        device.write(kGauge + "capacity", "abc");
        QCOMPARE(ask(device, dialog, "cmdBatteryRead"), QByteArray("staActive\n"));
        QCOMPARE(field(dialog, "lineEditCharging"), QString("Discharging"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetChargestate"), QByteArray("resBatteryChargestate=discharging\n"));
        QCOMPARE(ask(device, dialog, "cmdBatteryGetCapacity"), QByteArray("resBatteryCapacity=0 %\n"));
        QVERIFY(dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));
        QVERIFY(TestSupport::logged("executeCommand cmdBatteryRead"));

        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-battery.png")));
    }

    // After a good reading, a value that cannot be read again is no value to pass on.
    void unreadableValueIsNotPassed_data()
    {
        QTest::addColumn<QByteArray>("voltage"); // null: the attribute vanished
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("vanished") << QByteArray() << QByteArray("resBatteryVoltage=3.912 V\n");
        QTest::newRow("beyond float") << QByteArray("1e40") << QByteArray("resBatteryVoltage=0 V\n");
        QTest::newRow("nan") << QByteArray("nan\n") << QByteArray("resBatteryVoltage=0 V\n");
        QTest::newRow("inf") << QByteArray("-inf") << QByteArray("resBatteryVoltage=0 V\n");
    }
    void unreadableValueIsNotPassed()
    {
        QFETCH(QByteArray, voltage);
        DeviceRoot device;
        seed(device, "Charging\n");
        TestmenuBattery dialog;
        QTest::mouseClick(dialog.findChild<QPushButton*>("butRead"), Qt::LeftButton);
        QVERIFY(dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));
        if (voltage.isNull())
            QVERIFY(device.remove(kGauge + "voltage_now"));
        else
            device.write(kGauge + "voltage_now", voltage);
        QCOMPARE(ask(device, dialog, "cmdBatteryRead"), QByteArray("staActive\n"));
        QCOMPARE(field(dialog, "lineEditVoltage"), QString("not readable"));
        QVERIFY(!dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));
        QTEST(ask(device, dialog, "cmdBatteryGetVoltage"), "answer");
        QCOMPARE(QFile::exists(device.hostPath(kGauge + "voltage_now")), !voltage.isNull());
    }

    void autoreadRunsOneTimerUntilRead()
    {
        DeviceRoot device;
        seed(device, "Charging\n");
        TestmenuBattery dialog;
        auto* timer = dialog.findChild<QTimer*>();
        ask(device, dialog, "cmdBatteryAutoread");
        ask(device, dialog, "cmdBatteryAutoread");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), TestmenuBattery::kAutoreadIntervalMs);
        device.write(kGauge + "voltage_now", "4000000");
        emit timer->timeout({}); // one tick reads once, whatever number of Autoreads came
        QCOMPARE(field(dialog, "lineEditVoltage"), QString("4 V"));
        ask(device, dialog, "cmdBatteryRead");
        QVERIFY(!timer->isActive());
    }

    void connectorSwitchAndLeaving()
    {
        DeviceRoot device;
        device.journalWrites();
        TestmenuBattery dialog;
        auto* label = dialog.findChild<QLabel*>("labelUartUsb");
        QCOMPARE(label->text(), QString("UART"));
        device.journalWrites();
        QTest::mouseClick(dialog.findChild<QPushButton*>("butUartUsb"), Qt::LeftButton);
        QCOMPARE(label->text(), QString("USB"));
        QCOMPARE(device.writes(), QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 0"}));
        device.journalWrites();
        QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resPassed\n"));
        QCOMPARE(device.writes(), QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 1"}));
        QCOMPARE(label->text(), QString("UART"));
    }
};

QTEST_MAIN(TestTestmenuBattery)
#include "tst_testmenubattery.moc"
