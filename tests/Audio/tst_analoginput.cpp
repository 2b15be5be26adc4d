#include "Hardware/analoginput.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {
const QString kDevice = QStringLiteral("/dev/iio:device0");

QByteArray ramp(int bytes, int offset = 0)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char((i + offset) & 0xff);
    return data;
}
} // namespace

class TestAnalogInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void readsOneBlock_data()
    {
        QTest::addColumn<int>("fileBytes");
        QTest::addColumn<int>("blockBytes");
        QTest::newRow("longer file: the first block") << 3000 << 2048;
        QTest::newRow("whole block") << 2048 << 2048;
        QTest::newRow("short, odd read") << 1001 << 1001;
        QTest::newRow("empty") << 0 << 0;
    }
    void readsOneBlock()
    {
        QFETCH(int, fileBytes);
        QFETCH(int, blockBytes);
        DeviceRoot device;
        device.write(kDevice, ramp(fileBytes));
        AnalogInput input;
        QSignalSpy updated(&input, &AnalogInput::bufferUpdated);
        input.updateBuffer();
        QCOMPARE(updated.size(), 1);
        QCOMPARE(input.getBuffer(), ramp(blockBytes));
    }

    void missingDeviceGivesAnEmptyBlock()
    {
        DeviceRoot device;
        device.write(kDevice, ramp(2048));
        AnalogInput input;
        input.updateBuffer();
        const QByteArray kept = input.getBuffer();
        device.remove(kDevice);
        QSignalSpy updated(&input, &AnalogInput::bufferUpdated);
        TestSupport::clearLoggedMessages();
        input.updateBuffer();
        QVERIFY(TestSupport::logged(QStringLiteral("Error: Could not open /dev/iio:device0")));
        QCOMPARE(updated.size(), 1);
        QVERIFY(input.getBuffer().isEmpty());
        // A block handed out earlier keeps its bytes.
        QCOMPARE(kept, ramp(2048));
    }

    void readsEachBlockAfresh()
    {
        DeviceRoot device;
        AnalogInput input;
        device.write(kDevice, ramp(2048));
        input.updateBuffer();
        const QByteArray first = input.getBuffer();
        device.write(kDevice, ramp(2048, 7));
        input.updateBuffer();
        QCOMPARE(input.getBuffer(), ramp(2048, 7));
        QCOMPARE(first, ramp(2048));
    }

    void singleReading()
    {
        DeviceRoot device;
        device.write(QStringLiteral("/sys/bus/iio/devices/iio:device0/in_voltage1_raw"), "1234\n");
        AnalogInput input;
        input.initAnalogInput();
        QCOMPARE(input.readAnalogInput(), 1234);
        device.write(QStringLiteral("/sys/bus/iio/devices/iio:device0/in_voltage1_raw"), "77\n");
        QCOMPARE(input.readAnalogInput(), 77);
        input.closeAnalogInput();
    }
};

QTEST_GUILESS_MAIN(TestAnalogInput)
#include "tst_analoginput.moc"
