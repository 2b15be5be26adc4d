// Measures the background recording on the host PCM: what the audio thread costs while
// the path is open, what the sound queue holds in steady state, and how long a page waits
// for a full clip. Runs the real recorder in its thread on a capture file of its own, the
// simulated device's root (and so the clips) in a temporary directory. Run by
// scripts/benchmark-audio, which sets up ALSA.
//
//     recording-bench [SECONDS]    the span with the path open (default 60)
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Hardware/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kStores = 5;

double threadCpuSeconds()
{
    timespec spent{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
    return double(spent.tv_sec) + double(spent.tv_nsec) / 1e9;
}

template <typename F> void inAudioThread(F fn)
{
    QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), fn, Qt::BlockingQueuedConnection);
}

// Runs the event loop until ready() or the limit; false at the limit.
template <typename F> bool runUntil(F ready, int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void line(const char* label, double value, const char* unit, const std::string& note = std::string())
{
    std::printf("  %-52s %10.2f %-3s %s\n", label, value, unit, note.c_str());
    std::fflush(stdout);
}

// The recorder logs as it does on the device; the figures are what matters here.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

int recording(int seconds)
{
    QTemporaryDir dir;
    // The host PCM reads about 1.5 times as fast as real time: room for the span and the stores.
    const QString capture = dir.filePath("capture.raw");
    {
        QFile file(capture);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(seconds * 3 + 120) * 32000)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(capture));
            return 1;
        }
    }
    qputenv("TK9400_ALSA_CAPTURE", QFile::encodeName(capture));
    Platform::setRootDirectory(dir.path());

    AudioWorker& worker = *Audioworker();
    worker.startAudioRecording();
    worker.pauseAudioRecording(false);
    double cpuBefore = 0;
    inAudioThread([&cpuBefore] { cpuBefore = threadCpuSeconds(); });
    runUntil([] { return false; }, seconds * 1000);
    double cpuAfter = 0;
    qint64 queued = 0;
    int chunks = 0;
    inAudioThread([&] {
        cpuAfter = threadCpuSeconds();
        queued = Audioworker()->backgroundRecording()->audioQueue().byteCount();
        chunks = Audioworker()->backgroundRecording()->audioQueue().chunkCount();
    });
    const double cpu = cpuAfter - cpuBefore;
    line(qPrintable(QStringLiteral("audio thread CPU over %1 s of open path").arg(seconds)), cpu * 1000.0, "ms",
         std::to_string(cpu / seconds * 100.0).substr(0, 5) + " % of one core; "
             + std::to_string(worker.recordedBytesSinceResume() / 1000) + " kB read");
    // Each chunk: its array header and terminating byte, and the queue's pointer to it.
    const qint64 bookkeeping = qint64(chunks) * qint64(sizeof(QArrayData) + 1 + sizeof(void*));
    line("sound queue in steady state", double(queued + bookkeeping) / 1000.0, "kB",
         std::to_string(chunks) + " chunks, " + std::to_string(queued) + " bytes of sound");

    std::vector<double> stores;
    for (int i = 0; i < kStores; ++i) {
        const qint64 enough = worker.recordedBytesSinceResume() + SoundQueue::kMaxBytes;
        if (!runUntil([&] { return worker.recordedBytesSinceResume() > enough; }, 30000)) {
            std::fprintf(stderr, "the recording stalled\n");
            break;
        }
        QElapsedTimer timer;
        timer.start();
        worker.storeAudioData(QStringLiteral("LE_sound"));
        stores.push_back(double(timer.nsecsElapsed()) / 1e6);
        const qint64 size = QFileInfo(BackgroundRecording::clipPath(QStringLiteral("LE_sound"))).size();
        if (size != 320044)
            std::fprintf(stderr, "store %d gave %lld bytes, not 320044\n", i + 1, static_cast<long long>(size));
    }
    worker.stopAudioRecording();
    worker.shutdown();
    Platform::setRootDirectory(QString());
    if (stores.empty())
        return 1;
    std::sort(stores.begin(), stores.end());
    line("one full store (320044 bytes), call to return", stores[stores.size() / 2], "ms",
         "median of " + std::to_string(stores.size()) + ", longest " + std::to_string(stores.back()).substr(0, 5)
             + " ms (goal: under 20 ms)");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: recording-bench [SECONDS]\n");
        return 2;
    }
    std::printf("Background recording and clips, %d s with the path open:\n", seconds);
    return recording(seconds);
}
