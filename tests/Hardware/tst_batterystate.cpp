#include "Hardware/batterystate.h"
#include "testsupport.h"

#include <QtTest>

using TestSupport::DeviceRoot;

namespace {
const char* const kGauge = "/sys/class/power_supply/bq27426-0/";
QString gauge(const char* attribute)
{
    return QString::fromLatin1(kGauge) + QString::fromLatin1(attribute);
}
} // namespace

class TestBatteryState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void readsEveryAttribute()
    {
        DeviceRoot device;
        device.write(gauge("capacity"), "64\n");
        device.write(gauge("voltage_now"), "3850000\n");
        device.write(gauge("current_now"), "-250000\n");
        device.write(gauge("temp"), "253\n");
        BatteryState battery;
        QVERIFY(!battery.isVoltageKnown());
        QCOMPARE(battery.fuelPercent(), 64);
        QVERIFY(qAbs(battery.voltage() - 3.85f) < 1e-5f);
        QVERIFY(battery.isVoltageKnown());
        QVERIFY(qAbs(battery.current() + 0.25f) < 1e-5f);
        QVERIFY(qAbs(battery.temperature() - 25.3f) < 1e-4f);
    }

    void chargingState_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<bool>("charging");
        QTest::newRow("Charging") << QByteArray("Charging\n") << true;
        QTest::newRow("upper case, blanks") << QByteArray("  CHARGING \n") << true;
        QTest::newRow("Full") << QByteArray("Full\n") << false;
        QTest::newRow("Discharging") << QByteArray("Discharging\n") << false;
    }
    void chargingState()
    {
        QFETCH(QByteArray, status);
        QFETCH(bool, charging);
        DeviceRoot device;
        device.write("/sys/class/power_supply/bq24190-battery/status", status);
        BatteryState battery;
        QCOMPARE(battery.isCharging(), charging);
    }

    void updateValuesTakesChargingFromTheGauge()
    {
        DeviceRoot device;
        device.write("/sys/class/power_supply/bq24190-battery/status", "Discharging\n");
        device.write(gauge("status"), "Charging\n");
        BatteryState battery;
        battery.updateValues();
        QVERIFY(battery.isVoltageKnown());
        QVERIFY(battery.isCharging() == false); // the getter reads the charger again
    }

    void failedReadKeepsLastGoodValue()
    {
        DeviceRoot device;
        BatteryState battery;
        QCOMPARE(battery.fuelPercent(), 80);
        const float volts = battery.voltage();
        QVERIFY(device.remove(gauge("capacity")));
        QCOMPARE(battery.fuelPercent(), 80);
        device.write(gauge("voltage_now"), "garbage\n");
        QCOMPARE(battery.voltage(), volts);
    }

    void voltageNeverReadIsUnknown()
    {
        DeviceRoot device;
        QVERIFY(device.remove(gauge("voltage_now")));
        BatteryState battery;
        QCOMPARE(battery.voltage(), 0.0f);
        QVERIFY(!battery.isVoltageKnown());
        battery.updateValues();
        QVERIFY(!battery.isVoltageKnown());
    }
};

QTEST_MAIN(TestBatteryState)
#include "tst_batterystate.moc"
