#include "Hardware/driverhelper.h"
#include "Hardware/gpio.h"
#include "testsupport.h"

#include <QtTest>

using TestSupport::DeviceRoot;

class TestGpio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void directionAndValueTexts_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QByteArray>("directionText");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("valueText");
        QTest::newRow("in, 0") << 0 << QByteArray("in") << 0 << QByteArray("0");
        QTest::newRow("out, 1") << 1 << QByteArray("out") << 1 << QByteArray("1");
        QTest::newRow("unknown direction is out, negative value is high") << 5 << QByteArray("out") << -1 << QByteArray("1");
    }
    void directionAndValueTexts()
    {
        QFETCH(int, direction);
        QFETCH(QByteArray, directionText);
        QFETCH(int, value);
        QFETCH(QByteArray, valueText);
        DeviceRoot device;
        Gpio::setDirection(17, direction);
        Gpio::setValue(17, value);
        QCOMPARE(device.read("/sys/class/gpio/gpio17/direction"), directionText);
        QCOMPARE(device.read("/sys/class/gpio/gpio17/value"), valueText);
    }

    void readsValue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("high");
        QTest::newRow("1 with line feed") << QByteArray("1\n") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("0 with line feed") << QByteArray("0\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }
    void readsValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, high);
        DeviceRoot device;
        device.write("/sys/class/gpio/gpio48/value", content);
        QCOMPARE(Gpio::getValue(48), high);
    }

    void unreadableValueIsLow()
    {
        DeviceRoot device;
        QVERIFY(device.remove("/sys/class/gpio/gpio59/value"));
        QCOMPARE(Gpio::getValue(59), false);
    }

    void initSetsLinesUpInOrder()
    {
        DeviceRoot device;
        device.journalWrites();
        Gpio::init();
        const QStringList expected = {
            "/sys/class/gpio/export 58", "/sys/class/gpio/gpio58/direction out", "/sys/class/gpio/gpio58/value 0",
            "/sys/class/gpio/export 59", "/sys/class/gpio/gpio59/direction in",
            "/sys/class/gpio/export 114", "/sys/class/gpio/gpio114/direction out", "/sys/class/gpio/gpio114/value 1",
            "/sys/class/gpio/export 96", "/sys/class/gpio/gpio96/direction out", "/sys/class/gpio/gpio96/value 1",
            "/sys/class/gpio/export 54", "/sys/class/gpio/gpio54/direction out", "/sys/class/gpio/gpio54/value 1",
            "/sys/class/gpio/export 48", "/sys/class/gpio/gpio48/direction in", "/sys/class/gpio/gpio48/value 0",
            "/sys/class/pwm/pwmchip1/export 0",
            "/sys/class/gpio/gpio113/direction out", "/sys/class/gpio/gpio113/value 0",
            "/sys/class/gpio/export 65", "/sys/class/gpio/gpio65/direction out", "/sys/class/gpio/gpio65/value 0",
            "/sys/class/gpio/export 50", "/sys/class/gpio/gpio50/direction out", "/sys/class/gpio/gpio50/value 0",
            "/sys/class/gpio/export 17", "/sys/class/gpio/gpio17/direction out", "/sys/class/gpio/gpio17/value 1",
            "/sys/class/gpio/export 115", "/sys/class/gpio/gpio115/direction out", "/sys/class/gpio/gpio115/value 0",
            "/sys/class/gpio/export 16", "/sys/class/gpio/gpio16/direction out", "/sys/class/gpio/gpio16/value 1",
        };
        QCOMPARE(device.writes(), expected);
        QVERIFY(TestSupport::logged("Init GPIO-Pins"));
        QCOMPARE(device.read("/sys/class/gpio/gpio16/value"), QByteArray("1"));
    }

    void missingLineIsSilent()
    {
        DeviceRoot device;
        QVERIFY(QDir(device.hostPath("/sys/class/gpio/gpio17")).removeRecursively());
        Gpio::setValue(17, 1); // an unexported line: the write fails harmlessly
        QCOMPARE(Gpio::getValue(17), false);
    }

    void driverHelperReportsFailures()
    {
        DeviceRoot device;
        int value = 7;
        QCOMPARE(DriverHelper::readFile("/sys/no/such/file", value), 0);
        QCOMPARE(value, 7);
        QCOMPARE(DriverHelper::writeFile("/sys/no/such/dir/file", "1"), 0);
        QCOMPARE(DriverHelper::writeFile("/sys/class/backlight/backlight/brightness", 5), 1);
        QCOMPARE(DriverHelper::readFile("/sys/class/backlight/backlight/brightness", value), 1);
        QCOMPARE(value, 5);
        char bytes[4] = {};
        QCOMPARE(DriverHelper::readFile("/sys/class/backlight/backlight/brightness", bytes, sizeof bytes), 1);
        QCOMPARE(bytes[0], '5');
    }
};

QTEST_MAIN(TestGpio)
#include "tst_gpio.moc"
