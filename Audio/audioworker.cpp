#include "Audio/audioworker.h"

#include "Audio/analoginputworker.h"
#include "Audio/backgroundrecording.h"
#include "Audio/threadend.h"
#include "Tools/waitnote.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

#include <algorithm>

AudioWorker::AudioWorker(QObject* parent)
    : QObject(parent)
    , m_backgroundRecording(new BackgroundRecording)
{
    BackgroundRecording* recorder = m_backgroundRecording;
    // The recorder goes with the thread's own end (release()), never with its finished():
    // a thread that is terminated emits that too, mid-way through whatever the recorder did.
    recorder->moveToThread(m_audioWorkerThread);
    connect(this, &AudioWorker::startBackgroundRecording, recorder, &BackgroundRecording::startAudioRecording,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::stopBackgroundRecording, recorder, &BackgroundRecording::stopAudioRecording,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::pauseBackgroundRecording, recorder, &BackgroundRecording::pauseAudioRecording,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::initBackgroundRecording, recorder, &BackgroundRecording::init, Qt::UniqueConnection);
    connect(this, &AudioWorker::storeRecordedAudioData, recorder, &BackgroundRecording::storeAudioData,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::startBackgroundPlayback, recorder, &BackgroundRecording::startAudioPlayback,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::stopBackgroundPlayback, recorder, &BackgroundRecording::stopAudioPlayback,
            Qt::UniqueConnection);
    connect(this, &AudioWorker::forgetBackgroundSound, recorder, &BackgroundRecording::forgetKeptSound,
            Qt::UniqueConnection);
    m_audioWorkerThread->setObjectName(QStringLiteral("AudioWorkerThread"));
    m_audioWorkerThread->start(QThread::TimeCriticalPriority);
    emit initBackgroundRecording();

    // The worker is a static that outlives the application object: the audio thread ends
    // while the application still runs, and at the latest as the application object goes
    // (tests never run its event loop to its end).
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AudioWorker::shutdown, Qt::UniqueConnection);
    qAddPostRoutine([] { Audioworker()->shutdown(); });
}

AudioWorker::~AudioWorker()
{
    shutdown();
    if (!m_audioWorkerThread->isRunning())
        delete m_audioWorkerThread;
}

void AudioWorker::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_audioWorkerThread->isRunning() && m_backgroundRecording) {
        QMetaObject::invokeMethod(m_backgroundRecording, &BackgroundRecording::release, Qt::QueuedConnection);
        // A recorder cut off mid-way, or still running, is left.
        if (endThread(m_audioWorkerThread, kShutdownTimeoutMs, "AudioWorker: the audio thread") != ThreadEnd::Ended)
            return;
    }
    // release() had the thread delete the recorder as it ended; it is still here only when
    // the thread never ran.
    delete m_backgroundRecording;
}

int AudioWorker::startAudioRecording()
{
    Analoginputworker()->startCapture();
    qDebug() << "AudioWorker::startAudioRecording" << QThread::currentThreadId();
    m_paused = true;
    ++m_recordingsBegun;
    emit startBackgroundRecording();
    return 0;
}

int AudioWorker::stopAudioRecording()
{
    Analoginputworker()->stopCapture();
    qDebug() << "AudioWorker::stopAudioRecording";
    m_paused = true;
    emit stopBackgroundRecording();
    return 0;
}

int AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording" << pause;
    m_paused = pause;
    if (!pause)
        ++m_recordingsBegun;
    emit pauseBackgroundRecording(pause);
    Analoginputworker()->pauseCapture(pause);
    return 0;
}

int AudioWorker::startAudioPlayback(QString filename)
{
    if (m_backgroundRecording)
        m_backgroundRecording->notePlaybackRequest();
    emit startBackgroundPlayback(filename);
    return 0;
}

int AudioWorker::stopAudioPlayback()
{
    if (m_backgroundRecording)
        m_backgroundRecording->notePlaybackStop();
    emit stopBackgroundPlayback();
    return 0;
}

int AudioWorker::storeAudioData(QString filename)
{
    emit storeRecordedAudioData(filename);
    const quint64 request = ++m_storeRequests;
    // Without a running audio thread nobody would write the clip.
    if (m_shutDown || !m_backgroundRecording || !m_audioWorkerThread->isRunning()
        || QThread::currentThread() == m_audioWorkerThread)
        return 0;
    BackgroundRecording* recorder = m_backgroundRecording;
    const bool done = waitInSight(kStoreTimeoutMs, [&](int ms, bool last) {
        return last ? recorder->waitForStoreOrGiveUp(request, ms) : recorder->waitForStores(request, ms);
    });
    if (!done) {
        qWarning() << "AudioWorker::storeAudioData: the clip" << filename << "is not complete after" << kStoreTimeoutMs
                   << "ms";
        return -1;
    }
    return m_backgroundRecording->storeFailed(request) ? -1 : 0;
}

bool AudioWorker::storesPending() const
{
    return !waitForStores(0);
}

bool AudioWorker::waitForStores(int timeoutMs) const
{
    if (m_shutDown || !m_backgroundRecording || !m_audioWorkerThread->isRunning())
        return true;
    BackgroundRecording* recorder = m_backgroundRecording;
    const quint64 count = m_storeRequests;
    return waitInSight(timeoutMs, [&](int ms, bool) { return recorder->waitForStores(count, ms); });
}

bool AudioWorker::waitInSight(int timeoutMs, const std::function<bool(int ms, bool last)>& wait)
{
    const int unseen = std::min(timeoutMs, kUnseenWaitMs);
    if (wait(unseen, unseen >= timeoutMs))
        return true;
    if (unseen >= timeoutMs)
        return false;
    const WaitNote note(tr("StoringTheSoundPleaseWait"));
    return wait(timeoutMs - unseen, true);
}

bool AudioWorker::storeHadSound(quint64 request) const
{
    return !m_backgroundRecording || m_backgroundRecording->storeHadSound(request);
}

int AudioWorker::forgetKeptSound(QString filename)
{
    emit forgetBackgroundSound(filename);
    return 0;
}

int AudioWorker::deleteAudioData(QString filename)
{
    const QString path = BackgroundRecording::clipPath(filename);
    const bool removed = !path.isEmpty() && QFile::remove(path);
    if (!removed)
        qDebug() << "Error deleteAudioData" << removed;
    return 0;
}

int AudioWorker::renameAudioData(QString newFilename, QString oldFilename)
{
    const QString from = BackgroundRecording::clipPath(oldFilename);
    const QString to = BackgroundRecording::clipPath(newFilename);
    const bool renamed = !from.isEmpty() && !to.isEmpty() && QFile::rename(from, to);
    if (!renamed)
        qDebug() << "Error renameAudioData" << renamed;
    return 0;
}

qint64 AudioWorker::recordedBytesSinceResume() const
{
    return m_backgroundRecording ? m_backgroundRecording->recordedBytes() : 0;
}

BackgroundRecording* AudioWorker::backgroundRecording() const
{
    return m_backgroundRecording;
}

AudioWorker* Audioworker()
{
    static AudioWorker worker;
    return &worker;
}
