#include "Audio/analoginputworker.h"
#include "Hardware/analoginput.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>

using TestSupport::DeviceRoot;

namespace {

// A block of a sine of `amplitude` counts with `cycles` periods per 1024 samples.
QByteArray toneBlock(double amplitude, double cycles)
{
    QByteArray block(AnalogInput::kBlockBytes, '\0');
    for (int n = 0; n < 1024; ++n) {
        const qint16 sample = qint16(std::lround(amplitude * std::sin(2 * M_PI * cycles * n / 1024)));
        block[2 * n] = char(sample & 0xff);
        block[2 * n + 1] = char((sample >> 8) & 0xff);
    }
    return block;
}

QByteArray constantBlock(qint16 first, qint16 second)
{
    QByteArray block(AnalogInput::kBlockBytes, '\0');
    for (int n = 0; n < 1024; ++n) {
        const qint16 sample = n % 2 ? second : first;
        block[2 * n] = char(sample & 0xff);
        block[2 * n + 1] = char((sample >> 8) & 0xff);
    }
    return block;
}

// Silence but for one swing down by `down` counts and one up by `up` counts.
QByteArray swingsBlock(qint16 down, qint16 up)
{
    QByteArray block(AnalogInput::kBlockBytes, '\0');
    block[0] = char(down & 0xff);
    block[1] = char((down >> 8) & 0xff);
    block[2] = char(up & 0xff);
    block[3] = char((up >> 8) & 0xff);
    return block;
}

float rms(AnalogInputWorker& worker)
{
    float level = 0, peak = 0;
    worker.getAudioLevel(&level, &peak);
    return level;
}

float absoluteMinimum(AnalogInputWorker& worker)
{
    float level = 0, peak = 0, minimum = 0;
    worker.getAudioLevel(&level, &peak, &minimum);
    return minimum;
}

QTimer* requestTimer(AnalogInputWorker& worker)
{
    return worker.findChild<QTimer*>();
}

} // namespace

class TestAnalogInputWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void levelOfOneBlock_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<double>("display");
        QTest::addColumn<double>("peakCounts"); // above the block's mean
        QTest::newRow("100 counts") << toneBlock(100, 134.5) << 42.6 << 100.0;
        QTest::newRow("463 counts") << toneBlock(463, 134.5) << 66.6 << 463.0;
        QTest::newRow("3000 counts") << toneBlock(3000, 134.5) << 95.8 << 3000.0;
        QTest::newRow("one count either way: the floor") << constantBlock(1, -1) << 1.04 << 0.000151 * 32768;
        // Only the upward swing is the peak: not the larger one down, nor none at all.
        QTest::newRow("down 3000, up 300") << swingsBlock(-3000, 300) << 47.1 << 300 + 2700 / 1024.0;
    }
    void levelOfOneBlock()
    {
        QFETCH(QByteArray, block);
        QFETCH(double, display);
        QFETCH(double, peakCounts);
        DeviceRoot device;
        AnalogInputWorker worker;
        worker.analyseBlock(block);
        float level = 0, peak = 0;
        worker.getAudioLevel(&level, &peak);
        QVERIFY2(std::abs(AnalogInputWorker::audioLevelToDb(level) - display) <= 0.2,
                 qPrintable(QString::number(AnalogInputWorker::audioLevelToDb(level))));
        QVERIFY2(std::abs(peak * 32768 - peakCounts) <= 0.01 * peakCounts, qPrintable(QString::number(peak * 32768)));
        if (display < 2)
            QCOMPARE(level, 0.000151f);
    }

    void silentBlock()
    {
        DeviceRoot device;
        AnalogInputWorker worker;
        worker.analyseBlock(toneBlock(500, 20));
        worker.analyseBlock(toneBlock(500, 20));
        TestSupport::clearLoggedMessages();
        worker.analyseBlock(QByteArray(AnalogInput::kBlockBytes, '\0'));
        QVERIFY(TestSupport::logged(QStringLiteral("calculateLevel: Noch keine sinnvollen Werte")));
        QCOMPARE(worker.slidingMinimum(), 1.0f);
        QCOMPARE(absoluteMinimum(worker), 1.0f);
        QCOMPARE(worker.historyPosition(), 2);
        // An all-zero spectrum: the last centre bin wins every tie.
        QCOMPARE(worker.getSignificandFrequency(), 3810u);
    }

    void displayLevel_data()
    {
        QTest::addColumn<float>("level");
        QTest::addColumn<float>("display");
        QTest::newRow("zero") << 0.0f << 0.0f;
        QTest::newRow("below 1e-7") << 9e-8f << 0.0f;
        QTest::newRow("full scale clips") << 1.0f << 99.0f;
        QTest::newRow("below the scale clips") << 1e-6f << 0.0f;
    }
    void displayLevel()
    {
        QFETCH(float, level);
        QFETCH(float, display);
        QCOMPARE(AnalogInputWorker::audioLevelToDb(level), display);
    }

    void minimumWindow()
    {
        DeviceRoot device;
        AnalogInputWorker worker;
        worker.startCapture();
        worker.pauseCapture(false);
        for (int i = 0; i < 3; ++i) {
            worker.analyseBlock(toneBlock(1000, 40));
            QCOMPARE(worker.slidingMinimum(), 1.0f);
            QCOMPARE(absoluteMinimum(worker), 1.0f);
        }
        worker.analyseBlock(toneBlock(800, 53.4)); // 400 Hz
        const float fourth = rms(worker);
        QCOMPARE(absoluteMinimum(worker), fourth);
        QCOMPARE(worker.getSignificandFrequencyAtMin(), 400u);

        worker.analyseBlock(toneBlock(2000, 80.3)); // louder, 600 Hz: the minimum stays
        QCOMPARE(absoluteMinimum(worker), fourth);
        QCOMPARE(worker.getSignificandFrequencyAtMin(), 400u);
        QCOMPARE(worker.getSignificandFrequency(), 600u);

        worker.analyseBlock(toneBlock(300, 106.8)); // quieter, 800 Hz: lower, latched again
        const float quieter = rms(worker);
        QVERIFY(quieter < fourth);
        QCOMPARE(absoluteMinimum(worker), quieter);
        QCOMPARE(worker.getSignificandFrequencyAtMin(), 800u);

        // From the 30th block on the position stays at the last slot; the window holds the
        // newest 27 blocks, so the quiet 6th block leaves it with the 33rd.
        for (int block = 7; block <= 32; ++block)
            worker.analyseBlock(toneBlock(1000, 40));
        QCOMPARE(worker.historyPosition(), 29);
        QCOMPARE(worker.slidingMinimum(), quieter);
        worker.analyseBlock(toneBlock(1000, 40));
        QCOMPARE(worker.historyPosition(), 29);
        QVERIFY(worker.slidingMinimum() > quieter);
        QCOMPARE(absoluteMinimum(worker), quieter);

        // A resume starts the history and the live spectrum afresh; the handed-out spectrum stays.
        float before[1024];
        worker.getFft(before);
        worker.pauseCapture(true);
        worker.pauseCapture(false);
        QCOMPARE(worker.historyPosition(), 0);
        QCOMPARE(rms(worker), 0.0f);
        QCOMPARE(worker.spectrum()[40], 0.0f);
        float after[1024];
        worker.getFft(after);
        QVERIFY(std::equal(before, before + 1024, after));
        QVERIFY(before[40] > 0);
        worker.stopCapture();
    }

    void dominantFrequency_data()
    {
        QTest::addColumn<double>("cycles");
        QTest::addColumn<uint>("rounded");
        QTest::newRow("133.7 cycles: 1003 Hz") << 133.7 << 1000u;
        QTest::newRow("a bin exactly: the tie goes to the highest centre") << 80.0 << 610u;
        QTest::newRow("3000 Hz") << 400.5 << 3000u;
    }
    void dominantFrequency()
    {
        QFETCH(double, cycles);
        QFETCH(uint, rounded);
        DeviceRoot device;
        AnalogInputWorker worker;
        worker.analyseBlock(toneBlock(3000, cycles));
        QCOMPARE(worker.getSignificandFrequency(), rounded);
    }

    void frequencyColour_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<uint>("maximum");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("text");
        const QColor white(255, 255, 255), black(0, 0, 0);
        QTest::newRow("0: first colour") << 0u << 300u << QColor(0, 0, 255) << white;
        QTest::newRow("half: second colour") << 150u << 300u << QColor(255, 0, 0) << white;
        QTest::newRow("75: half way, truncated") << 75u << 300u << QColor(127, 0, 127) << white;
        QTest::newRow("210: white text") << 210u << 300u << QColor(255, 102, 0) << white;
        QTest::newRow("211: black text") << 211u << 300u << QColor(255, 103, 0) << black;
        QTest::newRow("maximum: third colour") << 300u << 300u << QColor(255, 255, 0) << black;
        QTest::newRow("above the maximum") << 5000u << 300u << QColor(255, 255, 0) << black;
        QTest::newRow("odd maximum stays on the scale") << 301u << 301u << QColor(255, 255, 0) << black;
        QTest::newRow("maximum 0") << 7u << 0u << QColor(0, 0, 255) << black;
        QTest::newRow("maximum 1") << 0u << 1u << QColor(0, 0, 255) << white;
    }
    void frequencyColour()
    {
        QFETCH(uint, value);
        QFETCH(uint, maximum);
        QFETCH(QColor, colour);
        QFETCH(QColor, text);
        QColor textColour;
        const QColor result = AnalogInputWorker::calcFrequencyColor(value, maximum, QColor("blue"), QColor("red"),
                                                                    QColor("yellow"), &textColour);
        QCOMPARE(result, colour);
        QCOMPARE(textColour, text);
    }

    void shortBlocksAreSkipped()
    {
        DeviceRoot device;
        AnalogInputWorker worker;
        worker.analyseBlock(toneBlock(1000, 133.7));
        QCOMPARE(worker.blocksAnalysed(), quint64(1));
        const float level = rms(worker);
        float spectrum[1024];
        worker.getFft(spectrum);
        TestSupport::clearLoggedMessages();
        for (int size : {0, 1001, 2047})
            worker.analyseBlock(toneBlock(1000, 20).left(size));
        QCOMPARE(worker.blocksAnalysed(), quint64(1));
        QCOMPARE(rms(worker), level);
        QCOMPARE(worker.getSignificandFrequency(), 1000u);
        float after[1024];
        worker.getFft(after);
        QVERIFY(std::equal(spectrum, spectrum + 1024, after));
        QCOMPARE(TestSupport::loggedMessages().filter(QStringLiteral("short block")).size(), 1);
        worker.analyseBlock(toneBlock(1000, 20));
        worker.analyseBlock(QByteArray());
        QCOMPARE(TestSupport::loggedMessages().filter(QStringLiteral("short block")).size(), 2);
        QCOMPARE(worker.blocksAnalysed(), quint64(2));
    }

    void startWritesTheIioSequence()
    {
        DeviceRoot device;
        device.journalWrites();
        AnalogInputWorker worker;
        worker.startCapture();
        const QString base = QStringLiteral("/sys/bus/iio/devices/iio:device0/");
        QCOMPARE(device.writes(), QStringList({base + "buffer/enable 0", base + "scan_elements/in_voltage0_en 1",
                                               base + "buffer/length 2048", base + "buffer/enable 1"}));
        QVERIFY(worker.isPaused());
        QVERIFY(!requestTimer(worker)->isActive());

        // Without the scan element: its error, the other writes, and no file made.
        DeviceRoot bare;
        bare.journalWrites();
        bare.remove(base + "scan_elements/in_voltage0_en");
        TestSupport::clearLoggedMessages();
        worker.startCapture();
        QVERIFY(TestSupport::logged(QStringLiteral("Error: Could not open AIN1 Continousmode")));
        QCOMPARE(bare.writes(),
                 QStringList({base + "buffer/enable 0", base + "buffer/length 2048", base + "buffer/enable 1"}));
        QVERIFY(!QFile::exists(bare.hostPath(base + "scan_elements/in_voltage0_en")));
    }

    void requests()
    {
        DeviceRoot device;
        device.write(QStringLiteral("/dev/iio:device0"), toneBlock(1000, 40));
        AnalogInputWorker worker;
        QSignalSpy requested(&worker, &AnalogInputWorker::updateAinData);

        worker.pauseCapture(false); // before any start
        QVERIFY(TestSupport::logged(QStringLiteral(
            "AnalogInputWorker::pauseCapture: Wurde aufgerufen, ohne zuvor startCapture auszuführen")));
        QVERIFY(!requestTimer(worker)->isActive());
        QVERIFY(worker.isPaused());

        worker.startCapture();
        worker.pauseCapture(false);
        QVERIFY(requestTimer(worker)->isActive());
        QCOMPARE(requestTimer(worker)->interval(), 300);
        requestTimer(worker)->stop(); // the test ticks by hand
        // The reader has not answered yet: a second tick asks for nothing more.
        worker.updateData();
        worker.updateData();
        QCOMPARE(requested.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(rms(worker) > 0, 5000); // the block has been analysed
        worker.updateData();
        QCOMPARE(requested.size(), 2);
        // A restart does not wait for a block that may never come.
        worker.startCapture();
        worker.updateData();
        QCOMPARE(requested.size(), 3);
        worker.pauseCapture(true);
        QVERIFY(!requestTimer(worker)->isActive());
    }
};

QTEST_GUILESS_MAIN(TestAnalogInputWorker)
#include "tst_analoginputworker.moc"
