#include "Audio/fft.h"
#include "adcsim.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>

using TestSupport::DeviceRoot;

namespace {
const QString kEnable = QStringLiteral("/sys/bus/iio/devices/iio:device0/buffer/enable");
const QString kDevice = QStringLiteral("/dev/iio:device0");

qint16 sampleAt(const QByteArray& bytes, int n)
{
    return qint16(quint16(uchar(bytes[2 * n]) | (uchar(bytes[2 * n + 1]) << 8)));
}
} // namespace

class TestAdcSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void signalLevelAndBand_data()
    {
        QTest::addColumn<double>("toneHz");
        QTest::addColumn<double>("toneRms");
        QTest::addColumn<double>("noiseRms");
        QTest::newRow("leak noise") << 0.0 << 0.0 << 300.0;
        QTest::newRow("tone over noise") << 1000.0 << 3000.0 << 300.0;
        QTest::newRow("tone alone") << 440.0 << 1000.0 << 0.0;
    }
    void signalLevelAndBand()
    {
        QFETCH(double, toneHz);
        QFETCH(double, toneRms);
        QFETCH(double, noiseRms);
        LeakSignal::Settings settings;
        settings.toneHz = toneHz;
        settings.toneRms = toneRms;
        settings.noiseRms = noiseRms;
        LeakSignal signal(7670, settings);
        signal.next(4096); // past the filters' start
        // Power per spectrum region over 64 blocks: the noise stays in its band.
        double total = 0, inBand = 0, squares = 0;
        const int blocks = 64;
        for (int b = 0; b < blocks; ++b) {
            const QByteArray bytes = signal.next(1024);
            CArray x(1024);
            for (int n = 0; n < 1024; ++n) {
                const double v = sampleAt(bytes, n);
                squares += v * v;
                x[n] = Complex(float(v), 0.0f);
            }
            fft(x);
            for (int k = 1; k < 512; ++k) {
                const double power = std::norm(x[k]);
                total += power;
                if (k * kAdcHzPerBin >= 150 && k * kAdcHzPerBin <= 1800)
                    inBand += power;
            }
        }
        const double measured = std::sqrt(squares / (blocks * 1024));
        QVERIFY2(std::abs(measured / signal.expectedRms() - 1) < 0.05, qPrintable(QString::number(measured)));
        QVERIFY(inBand / total > 0.97);
    }

    void sameSeedSameSignal()
    {
        LeakSignal::Settings settings;
        LeakSignal a(7670, settings), b(7670, settings);
        settings.seed = 2;
        LeakSignal c(7670, settings);
        const QByteArray first = a.next(1024);
        QCOMPARE(b.next(1024), first);
        QVERIFY(c.next(1024) != first);
        QVERIFY(a.next(1024) != first); // it goes on, it does not repeat
        QCOMPARE(LeakSignal::counting(65534, 3), QByteArray("\xfe\xff\xff\xff\x00\x00", 6));
    }

    void deviceFile_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("bytes"); // -1: no file
        QTest::newRow("disabled: empty") << "normal" << false << 0;
        QTest::newRow("enabled: a block") << "normal" << true << 2048;
        QTest::newRow("short, odd") << "short 1001" << true << 1001;
        QTest::newRow("missing") << "missing" << true << -1;
        QTest::newRow("silence") << "silence" << true << 2048;
    }
    void deviceFile()
    {
        QFETCH(QString, control);
        QFETCH(bool, enabled);
        QFETCH(int, bytes);
        DeviceRoot device;
        device.write(kEnable, enabled ? "1" : "0");
        AdcSimulator sim;
        sim.setRoot(device.root());
        QVERIFY(!sim.control(control).isEmpty());
        sim.publish();
        QCOMPARE(QFile::exists(device.hostPath(kDevice)), bytes >= 0);
        const QByteArray served = device.read(kDevice);
        QCOMPARE(served.size(), qMax(bytes, 0));
        if (control == QLatin1String("silence"))
            QCOMPARE(served, QByteArray(2048, '\0'));
        else if (bytes == 2048)
            QVERIFY(served != QByteArray(2048, '\0'));
        QVERIFY(sim.transcript().contains(QStringLiteral("control: ") + control));
    }

    void chainFollowsCodecAndLinks_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("links");
        QTest::addColumn<double>("rms");
        QTest::addColumn<double>("hz"); // 0: no tone expected
        const QString loop = "sink 0 A2DP 02:00:00:00:4D:03 source-module\nsource testmode\n";
        QTest::newRow("IN1, test microphone") << "IN1" << "sink 0 A2DP 00:07:80:CA:E6:45 test-microphone\n" << 1000.0 << 400.0;
        QTest::newRow("IN1, sensor unit") << "IN1" << "sink 0 A2DP 02:00:00:00:51:01 unit\n" << 300.0 << 0.0;
        QTest::newRow("IN1, nothing linked") << "IN1" << "" << AdcSimulator::kFloorRms << 0.0;
        QTest::newRow("IN3, connector") << "IN3" << "" << 2000.0 << 1000.0;
        QTest::newRow("IN3, loop up") << "IN3" << loop << 2000.0 << 1000.0;
        QTest::newRow("IN3, test mode, no loop") << "IN3" << "source testmode\n" << AdcSimulator::kFloorRms << 0.0;
        QTest::newRow("IN3, loop silent") << "IN3" << loop + "loopaudio off\n" << AdcSimulator::kFloorRms << 0.0;
        QTest::newRow("no input") << "" << "sink 0 A2DP 00:07:80:CA:E6:45 test-microphone\n" << AdcSimulator::kFloorRms << 0.0;
    }
    void chainFollowsCodecAndLinks()
    {
        QFETCH(QString, input);
        QFETCH(QString, links);
        QFETCH(double, rms);
        QFETCH(double, hz);
        DeviceRoot device;
        QString state;
        for (const char* in : {"IN1", "IN2", "IN3"})
            for (const char* side : {"L", "R"})
                state += QStringLiteral("%1 Input Mixer %2_%3 P\t%4\n")
                             .arg(QLatin1String(*side == 'L' ? "Left" : "Right"), QLatin1String(in), QLatin1String(side))
                             .arg(input == QLatin1String(in) ? 1 : 0);
        device.write("/codec-mixer.state", state.toLatin1());
        device.write("/bt-links", links.toLatin1());
        AdcSimulator sim;
        sim.setRoot(device.root());
        sim.setChain(true);
        QVERIFY(!sim.control("mic 400 1000").isEmpty());
        QVERIFY(!sim.control("ext 1000 2000").isEmpty());
        sim.nextBlock(); // past the filters' start
        double squares = 0;
        CArray x(1024);
        const QByteArray block = sim.nextBlock();
        for (int n = 0; n < 1024; ++n) {
            const double v = sampleAt(block, n);
            squares += v * v;
            x[n] = Complex(float(v), 0.0f);
        }
        const double measured = std::sqrt(squares / 1024);
        QVERIFY2(std::abs(measured / rms - 1) < 0.25, qPrintable(QString::number(measured)));
        if (hz > 0) {
            fft(x);
            int peak = 1;
            for (int k = 1; k < 512; ++k)
                peak = std::norm(x[k]) > std::norm(x[peak]) ? k : peak;
            QVERIFY2(std::abs(peak * kAdcHzPerBin - hz) < kAdcHzPerBin, qPrintable(QString::number(peak * kAdcHzPerBin)));
        }
    }

    void rejectsBadControlLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("tone above half the rate") << "tone 4000 100";
        QTest::newRow("tone without level") << "tone 1000";
        QTest::newRow("band upside down") << "noise 1500 200 100";
        QTest::newRow("negative level") << "noise -5";
        QTest::newRow("short of a whole block") << "short 2048";
        QTest::newRow("short, not a count") << "short 10.5";
        QTest::newRow("mic without level") << "mic 400";
        QTest::newRow("ext above half the rate") << "ext 4000 100";
    }
    void rejectsBadControlLines()
    {
        QFETCH(QString, line);
        AdcSimulator sim;
        const QString before = sim.status();
        QVERIFY(!sim.control(line).isEmpty());
        QCOMPARE(sim.status(), before);
        QVERIFY(sim.transcript().isEmpty());
        QVERIFY(sim.control(QStringLiteral("frobnicate")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAdcSim)
#include "tst_adcsim.moc"
