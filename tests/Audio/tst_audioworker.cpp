// Recording, clips and playback through Qt Multimedia on the file-backed ALSA device of
// the host configuration: the capture file holds a counting pattern (sample n = n mod
// 65536), so a clip can be checked to be one unbroken slice of it.
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QSemaphore>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <unistd.h>

using TestSupport::DeviceRoot;

namespace {

// ms; the host PCM reads about 1.5 times as fast as real time, but a loaded machine may
// starve it for many seconds: this only bounds a hang.
constexpr int kPatience = 30000;
const QString kClips = QStringLiteral("/home/root/meas/wav_temp/");

// Longer than any test reads: what the PCM gives past the end is not defined.
bool writeCountingCapture(const QString& path, int seconds)
{
    const int samples = seconds * 16000;
    QByteArray bytes(samples * 2, Qt::Uninitialized);
    for (int n = 0; n < samples; ++n)
        qToLittleEndian(quint16(n % 65536), bytes.data() + 2 * n);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The samples follow the pattern without a gap, a repeat or a split sample.
bool isOneSliceOfThePattern(const QByteArray& data)
{
    if (data.size() % 2 != 0)
        return false;
    const uchar* bytes = reinterpret_cast<const uchar*>(data.constData());
    for (int i = 2; i < data.size(); i += 2) {
        if (quint16(qFromLittleEndian<quint16>(bytes + i) - qFromLittleEndian<quint16>(bytes + i - 2)) != 1)
            return false;
    }
    return true;
}

quint32 sizeField(const QByteArray& clip, int offset)
{
    return qFromLittleEndian<quint32>(clip.constData() + offset);
}

AudioWorker& worker()
{
    return *Audioworker();
}

// Returns once the audio thread has handled every request made before.
void syncAudioThread()
{
    QMetaObject::invokeMethod(
        worker().backgroundRecording(), [] {}, Qt::BlockingQueuedConnection);
}

bool recordedMoreThan(qint64 bytes)
{
    syncAudioThread(); // the last start or resume has been handled
    return QTest::qWaitFor(
        [bytes] { return worker().recordedBytesSinceResume() > bytes; }, TestSupport::timeBound(kPatience));
}

// Set in the environment of the child whose audio thread is busy at the program's end.
const char* const kBusyAudioThreadChild = "TK9400_TEST_BUSY_AUDIO_THREAD";

// The program's end while the audio thread waits at a cancellation point for ever (as
// in a slow write): terminate cuts it off there. Runs in a child process, as the end is
// that of the process.
int endWithABusyAudioThread(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DeviceRoot device;
    Audioworker()->startAudioRecording();
    Audioworker()->pauseAudioRecording(false);
    static QSemaphore* const busy = new QSemaphore;
    QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [] {
        busy->release();
        for (;;)
            ::pause();
    });
    busy->acquire();
    const QPointer<BackgroundRecording> recorder = Audioworker()->backgroundRecording();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = app.exec();
    // Whatever is still posted to it could only be delivered to a deleted object.
    QCoreApplication::sendPostedEvents();
    fprintf(stderr, "%s\n", recorder ? "the recorder is left" : "the recorder was deleted");
    return status;
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// The thread cut off in that child leaves the event source GLib was dispatching, whose last
// reference GLib's dispatch holds; LeakSanitizer adds this to scripts/lsan.supp for that
// child's process alone, so that a leak under a dispatcher elsewhere is still reported.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return std::getenv(kBusyAudioThreadChild) ? "leak:QEventDispatcherGlibPrivate::QEventDispatcherGlibPrivate\n" : "";
}
#endif

class TestAudioWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;
    std::unique_ptr<DeviceRoot> m_device;
    QString m_playback;

    QByteArray clip(const QString& name) const { return m_device->read(kClips + name); }
    bool clipExists(const QString& name) const { return QFile::exists(m_device->hostPath(kClips + name)); }
    QByteArray played() const
    {
        QFile file(m_playback);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(writeCountingCapture(m_files.filePath("capture.raw"), 60));
        m_playback = m_files.filePath("playback.raw");
        qputenv("TK9400_ALSA_CAPTURE", QFile::encodeName(m_files.filePath("capture.raw")));
        qputenv("TK9400_ALSA_PLAYBACK", QFile::encodeName(m_playback));
        m_device.reset(new DeviceRoot);
        worker();
        syncAudioThread();
        QVERIFY(TestSupport::logged("Selected Device (IN): "));
        QVERIFY(TestSupport::logged("Selected Device (OUT): "));
        QVERIFY(!TestSupport::logged("Format wird nicht unterst"));
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup()
    {
        worker().stopAudioRecording();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void fullClipIsTheOldestTenSecondsOfTheQueue()
    {
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        QVERIFY(recordedMoreThan(400000));
        worker().storeAudioData("LE_sound");

        const QByteArray file = clip("LE_sound.wav");
        QCOMPARE(file.size(), 320044);
        QCOMPARE(file.left(44).toHex(), QByteArray("52494646" "24e20400" "57415645" "666d7420" "10000000" "0100" "0100"
                                                   "803e0000" "007d0000" "0200" "1000" "64617461" "00e20400"));
        QVERIFY(isOneSliceOfThePattern(file.mid(44)));
        QVERIFY(TestSupport::logged("Directory doesn't exist -> generate directory:"));
        QVERIFY(TestSupport::logged("File written:"));
    }

    // A write that fails keeps its sound queued: the retry stores the whole clip, also
    // after an opening that recorded nothing (the audio thread was busy), until an opening
    // records new sound; another clip never gets it.
    void failedClipKeepsItsSound_data()
    {
        QTest::addColumn<int>("recordBytes");
        QTest::addColumn<QString>("between");
        QTest::addColumn<QString>("retry");
        QTest::newRow("retried at once") << 400000 << "" << "LE_sound";
        QTest::newRow("opening that recorded nothing") << 40000 << "nothing" << "LE_sound";
        QTest::newRow("another clip after that opening") << 40000 << "nothing" << "PP_Sound_1";
        QTest::newRow("opening with new sound") << 40000 << "sound" << "LE_sound";
    }
    void failedClipKeepsItsSound()
    {
        QFETCH(int, recordBytes);
        QFETCH(QString, between);
        QFETCH(QString, retry);
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        QVERIFY(recordedMoreThan(recordBytes));
        worker().pauseAudioRecording(true);
        syncAudioThread();
        const qint64 kept = std::min<qint64>(worker().recordedBytesSinceResume(), BackgroundRecording::kClipDataBytes);
        const QString path = m_device->hostPath(kClips + "LE_sound.wav");
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        QVERIFY(QFile::link("/dev/full", path));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write clip: .*LE_sound.wav"));
        QCOMPARE(worker().storeAudioData("LE_sound"), -1);
        QVERIFY(!QFileInfo(path).isSymLink());

        qint64 expected = kept;
        if (between == "nothing") {
            // Opened and muted again while the thread is held: no read comes in between.
            QSemaphore busy;
            QMetaObject::invokeMethod(worker().backgroundRecording(), [&busy] { busy.acquire(); });
            worker().pauseAudioRecording(false);
            worker().pauseAudioRecording(true);
            busy.release();
            syncAudioThread();
            QCOMPARE(worker().recordedBytesSinceResume(), qint64(0));
            if (retry != "LE_sound")
                expected = 0;
        } else if (between == "sound") {
            worker().pauseAudioRecording(false);
            QVERIFY(recordedMoreThan(16000));
            worker().pauseAudioRecording(true);
            syncAudioThread();
            expected = worker().recordedBytesSinceResume();
        }
        QCOMPARE(worker().storeAudioData(retry), 0);
        const QByteArray file = clip(retry + ".wav");
        QCOMPARE(qint64(file.size()), 44 + expected);
        QVERIFY(isOneSliceOfThePattern(file.mid(44)));
    }

    // Through the listening path's switch: only the sound since the path was last opened.
    void shortListeningAndMutedPath()
    {
        MainMenu menu;
        worker().startAudioRecording();
        menu.muteAudioPath(false, true);
        QVERIFY(recordedMoreThan(96000));
        menu.muteAudioPath(true, true);
        worker().storeAudioData("LE_sound");
        const qint64 recorded = worker().recordedBytesSinceResume();
        QByteArray file = clip("LE_sound.wav");
        QCOMPARE(qint64(file.size() - 44), recorded);
        QCOMPARE(qint64(sizeField(file, 40)), recorded);
        QVERIFY(isOneSliceOfThePattern(file.mid(44)));

        worker().storeAudioData("LE_sound");
        QCOMPARE(clip("LE_sound.wav").size(), 44);

        // Muted, the input is drained and nothing counted; opening again starts afresh.
        menu.muteAudioPath(false, true);
        QVERIFY(recordedMoreThan(64000));
        menu.muteAudioPath(true, true);
        syncAudioThread();
        const qint64 beforeMuted = worker().recordedBytesSinceResume();
        QTest::qWait(300);
        QCOMPARE(worker().recordedBytesSinceResume(), beforeMuted);
        menu.muteAudioPath(false, true);
        syncAudioThread();
        QVERIFY(worker().recordedBytesSinceResume() < 32000);
        QVERIFY(recordedMoreThan(32000));
        menu.muteAudioPath(true, true);
        worker().storeAudioData("LE_sound");
        file = clip("LE_sound.wav");
        QCOMPARE(qint64(file.size() - 44), worker().recordedBytesSinceResume());
        QVERIFY(file.size() - 44 < beforeMuted);
        QVERIFY(isOneSliceOfThePattern(file.mid(44)));
    }

    void clipNames()
    {
        worker().storeAudioData(" LE_sound ");
        QVERIFY(clipExists("LE_sound.wav"));

        m_device->write(kClips + "a.wav", "first");
        worker().renameAudioData("b", "a");
        QVERIFY(!clipExists("a.wav"));
        QCOMPARE(clip("b.wav"), QByteArray("first"));
        m_device->write(kClips + "a.wav", "second");
        worker().renameAudioData("b", "a");
        QVERIFY(TestSupport::logged("Error renameAudioData false"));
        QCOMPARE(clip("a.wav"), QByteArray("second"));
        QCOMPARE(clip("b.wav"), QByteArray("first"));

        worker().deleteAudioData("b");
        QVERIFY(!clipExists("b.wav"));
        worker().deleteAudioData("b");
        QVERIFY(TestSupport::logged("Error deleteAudioData false"));
    }

    void namesLeadingOutOfTheDirectoryAreRefused_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("log");
        QTest::newRow("store") << "store" << "Cannot open file:";
        QTest::newRow("delete") << "delete" << "Error deleteAudioData false";
        QTest::newRow("rename to") << "rename to" << "Error renameAudioData false";
        QTest::newRow("rename from") << "rename from" << "Error renameAudioData false";
        QTest::newRow("store in a subdirectory") << "store sub" << "Cannot open file:";
        QTest::newRow("store under a blank name") << "store blank" << "Cannot open file:";
        QTest::newRow("rename to a blank name") << "rename to blank" << "Error renameAudioData false";
    }
    void namesLeadingOutOfTheDirectoryAreRefused()
    {
        QFETCH(QString, operation);
        QFETCH(QString, log);
        const QString outside = QStringLiteral("/home/root/meas/x.wav");
        m_device->write(outside, "outside");
        m_device->write(kClips + "a.wav", "inside");
        QDir().mkpath(m_device->hostPath(kClips + "sub"));
        const QStringList before = QDir(m_device->hostPath(kClips)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        if (operation == "store")
            worker().storeAudioData("../x");
        else if (operation == "store sub")
            worker().storeAudioData("sub/x");
        else if (operation == "store blank")
            worker().storeAudioData(" ");
        else if (operation == "rename to blank")
            worker().renameAudioData("", "a");
        else if (operation == "delete")
            worker().deleteAudioData(" ../x ");
        else if (operation == "rename to")
            worker().renameAudioData("../x", "a");
        else
            worker().renameAudioData("b", "../x");

        QVERIFY(TestSupport::logged(log));
        QVERIFY(!TestSupport::logged("File written:"));
        QCOMPARE(m_device->read(outside), QByteArray("outside"));
        QCOMPARE(clip("a.wav"), QByteArray("inside"));
        QCOMPARE(QDir(m_device->hostPath(kClips)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(QDir(m_device->hostPath(kClips + "sub")).isEmpty());
    }

    // Our clips play from their samples, any other file from its first byte.
    void playbackSkipsOnlyOurOwnHeader_data()
    {
        QTest::addColumn<bool>("ownClip");
        QTest::newRow("clip") << true;
        QTest::newRow("other file") << false;
    }
    void playbackSkipsOnlyOurOwnHeader()
    {
        QFETCH(bool, ownClip);
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        QVERIFY(recordedMoreThan(40000));
        worker().pauseAudioRecording(true);
        worker().storeAudioData("PP_Sound_1");
        worker().stopAudioRecording();
        QByteArray file = clip("PP_Sound_1.wav");
        QVERIFY(file.size() > 40044);
        if (!ownClip) {
            file[0] = 'X';
            m_device->write(kClips + "PP_Sound_1.wav", file);
        }
        const QByteArray expected = ownClip ? file.mid(44) : file;
        syncAudioThread();
        TestSupport::clearLoggedMessages(); // the recording's output went idle too

        worker().startAudioPlayback(kClips + "PP_Sound_1.wav");
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::logged("handleStateChangedPlayback: Idle"), kPatience);
        worker().stopAudioPlayback(); // played out: nothing to stop
        syncAudioThread();
        QVERIFY(!TestSupport::logged("Stop playing"));
        // The PCM file keeps its last period until the output is stopped.
        const QByteArray out = played();
        QVERIFY(out.size() >= expected.size() / 2);
        QCOMPARE(out, expected.left(out.size()));
    }

    void playbackOfAMissingFileCreatesNothing()
    {
        const QString missing = QStringLiteral("/media/tk9400/meas/LE_2026_12_09/LE_sound.wav");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Cannot open file for playback: .*LE_sound.wav"));
        worker().startAudioPlayback(missing);
        syncAudioThread();
        QVERIFY(!QFile::exists(m_device->hostPath(missing)));

        TestSupport::clearLoggedMessages();
        worker().stopAudioPlayback();
        syncAudioThread();
        QCOMPARE(TestSupport::loggedMessages(), QStringList());

        // Stopped before the audio thread came to it, a playback opens nothing; the next
        // one does.
        QSemaphore busy;
        QMetaObject::invokeMethod(worker().backgroundRecording(), [&busy] { busy.acquire(); });
        worker().startAudioPlayback(missing);
        worker().stopAudioPlayback();
        busy.release();
        syncAudioThread();
        QVERIFY(TestSupport::logged("Playback stopped before it started:"));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Cannot open file for playback: .*LE_sound.wav"));
        worker().startAudioPlayback(missing);
        syncAudioThread();
    }

    void stoppingALongPlayback()
    {
        const QString longFile = QStringLiteral("/home/root/long.raw");
        QVERIFY(QFile::copy(m_files.filePath("capture.raw"), m_device->hostPath(longFile)));
        // The output of the test before stays on disk until this playback's output replaces it.
        QFile::remove(m_playback);
        worker().startAudioPlayback(longFile);
        syncAudioThread();
        QTRY_VERIFY_WITH_TIMEOUT(played().size() > 3200, kPatience);
        worker().stopAudioPlayback();
        syncAudioThread();
        QVERIFY(TestSupport::logged("Stop playing"));
        QVERIFY(TestSupport::logged("handleStateChangedPlayback: StoppedState Finished playing"));
    }

    void withoutCaptureFileTheRecorderStaysStopped()
    {
        const QByteArray capture = qgetenv("TK9400_ALSA_CAPTURE");
        qputenv("TK9400_ALSA_CAPTURE", QFile::encodeName(m_files.filePath("missing.raw")));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^BackgroundRecording: capture could not be started"));
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        worker().storeAudioData("LE_sound");
        qputenv("TK9400_ALSA_CAPTURE", capture);
        QCOMPARE(clip("LE_sound.wav").size(), 44);
        QCOMPARE(worker().recordedBytesSinceResume(), qint64(0));
        QVERIFY(!TestSupport::logged("Recording started"));
    }

    void aClipThatCannotBeWrittenIsNotLeftBehind()
    {
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        QVERIFY(recordedMoreThan(10000));
        const QString link = m_device->hostPath(kClips + "LE_sound.wav");
        QFile::remove(link);
        QVERIFY(QFile::link("/dev/full", link));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write clip: .*LE_sound.wav"));
        worker().storeAudioData("LE_sound");
        QVERIFY(!QFileInfo(link).exists() && !QFileInfo(link).isSymLink());
        QVERIFY(!TestSupport::logged("File written:"));
    }

    // A thread cut off mid-way leaves its recorder as it was: neither deleted nor called.
    void theEndWithABusyAudioThread()
    {
        bool endedWell = false;
        const QString log =
            TestSupport::runAsChild(kBusyAudioThreadChild, 2 * AudioWorker::kShutdownTimeoutMs + 10000, &endedWell);
        QVERIFY2(endedWell, qPrintable(log));
        QVERIFY2(log.contains(QString("AudioWorker: the audio thread did not end within %1 ms; terminating it")
                                  .arg(AudioWorker::kShutdownTimeoutMs)),
                 qPrintable(log));
        QVERIFY2(!log.contains("still runs"), qPrintable(log));
        QVERIFY2(log.contains("the recorder is left"), qPrintable(log));
        // Cut off mid-way through its event loop, the thread leaves that loop's own state
        // for Qt and GLib to complain of as they take it down; nothing of ours may be run.
        QVERIFY2(!log.contains("runtime error") && !log.contains("QThread: Destroyed"), qPrintable(log));
    }

    // Last: the program's end, after which the worker only refuses quietly.
    void shutdownEndsTheThreadAndDeletesTheRecorderOnce()
    {
        QPointer<BackgroundRecording> recorder = worker().backgroundRecording();
        std::atomic<int> deleted{0};
        std::atomic<bool> inItsThread{false};
        connect(
            recorder, &QObject::destroyed, recorder,
            [&] {
                ++deleted;
                inItsThread = QThread::currentThread() == worker().audioThread();
            },
            Qt::DirectConnection);
        worker().startAudioRecording();
        worker().pauseAudioRecording(false);
        QVERIFY(recordedMoreThan(0));

        worker().shutdown();
        QVERIFY(worker().audioThread()->isFinished());
        QVERIFY(recorder.isNull());
        QCOMPARE(deleted.load(), 1);
        // Not on this thread: the audio input's destructor runs the events of its thread.
        QVERIFY(inItsThread.load());
        worker().shutdown();
        worker().storeAudioData("LE_after");
        QVERIFY(!clipExists("LE_after.wav"));
        QCOMPARE(worker().recordedBytesSinceResume(), qint64(0));
    }
};

TK9400_TEST_MAIN_WITH_CHILD(QApplication, TestAudioWorker, kBusyAudioThreadChild, endWithABusyAudioThread)
#include "tst_audioworker.moc"
