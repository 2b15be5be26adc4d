// The sensor detection test against the simulated detection input and converter: values
// shown and answered, the converter's capture stopped at each reading, missing files.
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenusensordetection.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kRaw = QStringLiteral("/sys/bus/iio/devices/iio:device0/in_voltage2_raw");
const QString kEnable = QStringLiteral("/sys/bus/iio/devices/iio:device0/buffer/enable");
const QString kDetect = QStringLiteral("/sys/class/gpio/gpio48/value");

QString field(const QWidget& dialog, const char* name)
{
    return TestSupport::child<QLineEdit>(dialog, name)->text();
}

bool passOffered(const QWidget& dialog)
{
    return dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog);
}

} // namespace

class TestTestmenuSensordetection : public QObject
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

    void detectionAndRawValue_data()
    {
        QTest::addColumn<QByteArray>("pin");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("plugged") << QByteArray("1") << "connected" << QByteArray("resSensordetectionDetected=1\n");
        QTest::newRow("unplugged") << QByteArray("0") << "No sensor" << QByteArray("resSensordetectionDetected=0\n");
    }
    void detectionAndRawValue()
    {
        QFETCH(QByteArray, pin);
        QFETCH(QString, shown);
        QFETCH(QByteArray, answer);
        DeviceRoot device;
        device.write(kDetect, pin);
        device.write(kRaw, "2047\n");
        device.journalWrites();
        TestmenuSensordetection dialog;
        QCOMPARE(field(dialog, "lineEditSensordetection"), shown);
        QCOMPARE(field(dialog, "lineEditADValue"), QString("2047"));
        QVERIFY(!passOffered(dialog));
        QCOMPARE(ask(device, dialog, "cmdSensordetectionRead"), QByteArray("staActive\n"));
        QVERIFY(passOffered(dialog));
        QCOMPARE(ask(device, dialog, "cmdSensordetectionDetectedNow"), answer);
        QCOMPARE(ask(device, dialog, "cmdSensordetectionAdValue"), QByteArray("resSensordetectionAdValue=2047\n"));
        QCOMPARE(device.writes().filter(kEnable + " 0").size(), 2);
        QVERIFY(TestSupport::logged("AD-Value 2047"));
        if (pin == "1") {
            dialog.show();
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-sensordetection.png")));
        }
    }

    void missingRawFileIsNotPassed()
    {
        DeviceRoot device;
        device.write(kRaw, "1500\n");
        TestmenuSensordetection dialog;
        auto* timer = dialog.findChild<QTimer*>();
        ask(device, dialog, "cmdSensordetectionAutoread");
        QCOMPARE(timer->interval(), TestmenuSensordetection::kAutoreadIntervalMs);
        QVERIFY(device.remove(kRaw));
        emit timer->timeout({}); // a tick keeps the value read before
        QCOMPARE(field(dialog, "lineEditADValue"), QString("unknown"));
        QVERIFY(!passOffered(dialog));
        QCOMPARE(ask(device, dialog, "cmdSensordetectionAdValue"), QByteArray("resSensordetectionAdValue=1500\n"));
        QCOMPARE(ask(device, dialog, "cmdSensordetectionRead"), QByteArray("staActive\n"));
        QCOMPARE(ask(device, dialog, "cmdSensordetectionAdValue"), QByteArray("resSensordetectionAdValue=0\n"));
        QVERIFY(!passOffered(dialog));
        QVERIFY(!QFile::exists(device.hostPath(kRaw)));
    }

    void unpluggingDuringAutoread()
    {
        DeviceRoot device;
        device.write(kDetect, "1");
        TestmenuSensordetection dialog;
        ask(device, dialog, "cmdSensordetectionAutoread");
        device.write(kDetect, "0");
        emit dialog.findChild<QTimer*>()->timeout({});
        QCOMPARE(field(dialog, "lineEditSensordetection"), QString("No sensor"));
    }

    void missingBufferEnableIsLoggedAndReadingGoesOn()
    {
        DeviceRoot device;
        device.write(kRaw, "99\n");
        QVERIFY(device.remove(kEnable));
        TestmenuSensordetection dialog;
        QVERIFY(TestSupport::logged("Error: Could not open buffer/enable"));
        QCOMPARE(field(dialog, "lineEditADValue"), QString("99"));
        QVERIFY(!QFile::exists(device.hostPath(kEnable)));
    }
};

QTEST_MAIN(TestTestmenuSensordetection)
#include "tst_testmenusensordetection.moc"
