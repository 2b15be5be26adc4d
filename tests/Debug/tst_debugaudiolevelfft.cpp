// The level and spectrum service dialog: the level of a window, the window taken from the
// ring of captured bytes, and recordings through the default input of the host
// configuration, whose capture file holds a 1 kHz tone.
#include "Debug/debugaudiolevelfft.h"
#include "Tools/freqspectrum.h"
#include "adcsim.h"
#include "testsupport.h"

#include <QAudioInput>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

using Level = DebugAudioLevelFft::Level;

QByteArray samples(const QVector<qint16>& values, int count)
{
    QByteArray bytes(2 * count, '\0');
    for (int i = 0; i < count; ++i)
        qToLittleEndian(values.at(i % values.size()), bytes.data() + 2 * i);
    return bytes;
}

int bar(const DebugAudioLevelFft& dialog, const char* name)
{
    return TestSupport::child<QProgressBar>(dialog, name)->value();
}

} // namespace

class TestDebugAudioLevelFft : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;
    QByteArray m_capture;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        LeakSignal::Settings settings;
        settings.seed = 3;
        settings.noiseRms = 300;
        settings.toneHz = 1000;
        settings.toneRms = 6000;
        // Far longer than a test records: what the device gives past the end is not defined.
        const QByteArray tone = LeakSignal(DebugAudioLevelFft::kSampleRate, settings).next(30 * 16000);
        QFile file(m_files.filePath("tone.raw"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tone) == tone.size());
        file.close();
        m_capture = QFile::encodeName(file.fileName());
        qputenv("TK9400_ALSA_CAPTURE", m_capture);
        DebugAudioLevelFft::recordingMs() = 800;
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup()
    {
        qputenv("TK9400_ALSA_CAPTURE", m_capture);
        TestSupport::verifyExpectedMessagesSeen();
    }

    void levelOfAWindow_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<float>("rms");
        QTest::addColumn<float>("peak");
        QTest::newRow("silence") << samples({0}, 1024) << 0.0f << 0.0f;
        QTest::newRow("all negative: no peak") << samples({-1000}, 1024) << 1000 / 32768.0f << 0.0f;
        QTest::newRow("full scale") << samples({-32768, 32767}, 1024) << 0.99998f << 32767 / 32768.0f;
        QTest::newRow("short window: the rest is 0") << samples({16384}, 256) << 0.25f << 0.5f;
    }
    void levelOfAWindow()
    {
        QFETCH(QByteArray, window);
        QFETCH(float, rms);
        QFETCH(float, peak);
        float signal[DebugAudioLevelFft::kWindowSamples];
        const Level level = DebugAudioLevelFft::windowLevel(window, signal);
        QVERIFY2(std::abs(level.rms - rms) < 1e-5f, qPrintable(QString::number(level.rms)));
        QVERIFY(std::abs(level.peak - peak) < 1e-6f);
        // The bars never pass 99 % for a 16-bit window.
        QVERIFY(level.rms < 1.0f && level.peak < 1.0f);
        QCOMPARE(signal[0], window.size() ? qFromLittleEndian<qint16>(window.constData()) / 32768.0f : 0.0f);
    }

    void windowOfTheRing_data()
    {
        QTest::addColumn<qint64>("captured");
        QTest::addColumn<int>("zeros");  // before the samples
        QTest::addColumn<qint64>("first"); // byte count at the window's first captured byte
        QTest::newRow("nothing yet") << qint64(0) << 2048 << qint64(0);
        QTest::newRow("100 bytes") << qint64(100) << 1948 << qint64(0);
        QTest::newRow("half a sample more") << qint64(101) << 1948 << qint64(0);
        QTest::newRow("exactly one window") << qint64(2048) << 0 << qint64(0);
        QTest::newRow("round the end of the ring") << qint64(301000) << 0 << qint64(301000 - 2048);
        QTest::newRow("400000 bytes") << qint64(400000) << 0 << qint64(400000 - 2048);
        QTest::newRow("odd count") << qint64(400001) << 0 << qint64(400000 - 2048);
    }
    void windowOfTheRing()
    {
        QFETCH(qint64, captured);
        QFETCH(int, zeros);
        QFETCH(qint64, first);
        // Byte n of the capture is (n % 251) + 1, never 0, at n % size in the ring.
        QByteArray ring(DebugAudioLevelFft::kBufferBytes, '\0');
        for (qint64 n = qMax<qint64>(0, captured - ring.size()); n < captured; ++n)
            ring[int(n % ring.size())] = char(n % 251 + 1);
        const QByteArray window = DebugAudioLevelFft::window(ring, captured);
        QCOMPARE(window.size(), DebugAudioLevelFft::kWindowBytes);
        QCOMPARE(window.left(zeros), QByteArray(zeros, '\0'));
        for (int i = zeros; i < window.size(); ++i)
            QCOMPARE(int(uchar(window.at(i))), int((first + i - zeros) % 251 + 1));
    }

    void recordingATone()
    {
        DebugAudioLevelFft dialog;
        QCOMPARE(dialog.spectrum()->peakBin(), 256); // the test triangle
        // Nothing to read or show before a capture.
        dialog.audioDataReady();
        dialog.calculateLevel();
        QCOMPARE(bar(dialog, "progBarAudioLevel"), 24);

        QPushButton* doButton = TestSupport::child<QPushButton>(dialog, "butDo");
        doButton->click();
        QAudioInput* first = dialog.audioInput();
        QVERIFY(first);
        doButton->click();
        QCOMPARE(dialog.findChildren<QAudioInput*>().size(), 1);
        QVERIFY(TestSupport::logged("Finished recording")); // the first one
        TestSupport::clearLoggedMessages();

        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::logged("Finished recording"), 10000);
        QVERIFY(!dialog.audioInput());
        QVERIFY(TestSupport::logged("Started recording"));
        QVERIFY(!TestSupport::logged("Format wird nicht"));
        QVERIFY(bar(dialog, "progBarAudioLevel") > 0);
        QVERIFY(bar(dialog, "progBarAudioLevelPeak") > bar(dialog, "progBarAudioLevel"));
        // 1 kHz at the widget's 1 kHz, within one of its bins.
        const double bin = 1000 / 7.8125;
        QVERIFY2(std::abs(dialog.spectrum()->peakBin() - bin) <= 1.0, qPrintable(QString::number(dialog.spectrum()->peakBin())));
        QVERIFY(dialog.grab().toImage().save(TestSupport::screenshotPath("debug_audiolevelfft.png")));
    }

    void withoutCaptureNoCrash()
    {
        qputenv("TK9400_ALSA_CAPTURE", QFile::encodeName(m_files.filePath("missing.raw")));
        DebugAudioLevelFft dialog;
        TestSupport::child<QPushButton>(dialog, "butDo")->click();
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::logged("Error recording"), 5000);
        QVERIFY(!dialog.audioInput());
        dialog.calculateLevel();
        QCOMPARE(bar(dialog, "progBarAudioLevel"), 24);
    }
};

QTEST_MAIN(TestDebugAudioLevelFft)
#include "tst_debugaudiolevelfft.moc"
