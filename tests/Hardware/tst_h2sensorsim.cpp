// The simulated sensor unit's H2 sensor: script and generator answers, heating time, and
// the control lines that drive it from the run script.
#include "btsimulator.h"
#include "h2sensorsim.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

class TestH2SensorSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void scriptThenGenerator()
    {
        H2SensorSim sensor;
        sensor.setRaw(409.6, 0);
        sensor.setScript({"1000", "abc", QString(), "12.5"});
        QStringList answers;
        for (int i = 0; i < 6; ++i) {
            const H2SensorSim::Reading r = sensor.read(1000 * i);
            answers << (r.answered ? r.value : QString("-"));
        }
        QCOMPARE(answers, QStringList({"1000", "abc", "-", "12.5", "409.6", "409.6"}));

        QTemporaryDir dir;
        QFile file(dir.filePath("h2.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# leak ahead\n500\n\nsilence\n 600 \n");
        file.close();
        QStringList values;
        QVERIFY(H2SensorSim::readScript(file.fileName(), &values));
        QCOMPARE(values, QStringList({"500", QString(), "600"}));
        QVERIFY(!H2SensorSim::readScript(dir.filePath("missing.txt"), &values));
    }

    void leakRiseNoiseAndHeating()
    {
        H2SensorSim sensor;
        sensor.powerOn(5000);
        sensor.setRaw(400, 0);
        sensor.setLeak(4000, 10, 10000);
        QCOMPARE(sensor.generatedValue(10000), 400.0);
        // One time constant: 1 - 1/e of the way.
        QVERIFY(std::fabs(sensor.generatedValue(20000) - (4000 - 3600 / M_E)) < 0.01);
        QVERIFY(std::fabs(sensor.generatedValue(200000) - 4000) < 0.01);
        QCOMPARE(sensor.read(20000).activeTime, 15);

        sensor.setNoise(5);
        double low = 1e9, high = -1e9;
        for (int i = 0; i < 200; ++i) {
            const double v = sensor.read(1000000).value.toDouble();
            low = std::min(low, v);
            high = std::max(high, v);
        }
        QVERIFY(low >= 3995 - 0.1 && high <= 4005 + 0.1 && high - low > 5);

        sensor.setActiveTime(890, 30000);
        QCOMPARE(sensor.read(32500).activeTime, 892);
    }

    void controlLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("understood");
        QTest::newRow("raw") << "h2 409.6" << true;
        QTest::newRow("leak") << "h2 leak 4000 60" << true;
        QTest::newRow("noise") << "h2 noise 20" << true;
        QTest::newRow("heat") << "heat 250" << true;
        QTest::newRow("sensor") << "sensor 3" << true;
        QTest::newRow("test devices") << "testdevices on" << true;
        QTest::newRow("test sensor value") << "sensval 37.9 5" << true;
        QTest::newRow("loop silent") << "loopaudio off" << true;
        QTest::newRow("no banner, one module") << "banner off sink" << true;
        QTest::newRow("set-up ignored") << "setup ignore sink" << true;
        QTest::newRow("settings of a source") << "settings source sink" << true;
        QTest::newRow("pairing fails at one module") << "pairing fail sink" << true;
        QTest::newRow("drop at one module") << "drop 500 sink" << true;
        QTest::newRow("settings of nothing known") << "settings mic sink" << false;
        QTest::newRow("set-up neither taken nor ignored") << "setup maybe" << false;
        QTest::newRow("raw not a number") << "h2 lots" << false;
        QTest::newRow("leak without time") << "h2 leak 4000" << false;
        QTest::newRow("heat not a number") << "heat soon" << false;
    }
    void controlLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, understood);
        TestSupport::DeviceRoot device;
        BtSimulatorThread sim;
        BtSimulator::Options options;
        options.root = device.root();
        options.source = false;
        QVERIFY(sim.start(options));
        QCOMPARE(sim.simulator()->control(line), understood ? QString("ok") : QString());
        for (const char* help : {"h2 RAW", "h2 leak RAW SECONDS", "h2 script FILE", "heat SECONDS", "3: H2 sensor"})
            QVERIFY(BtSimulator::controlHelp().contains(QLatin1String(help)));
        QVERIFY(sim.simulator()->control("h2 script /no/such/file").startsWith("cannot read"));
    }
};

QTEST_MAIN(TestH2SensorSim)
#include "tst_h2sensorsim.moc"
