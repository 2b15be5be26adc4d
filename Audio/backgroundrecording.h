#ifndef BACKGROUNDRECORDING_H
#define BACKGROUNDRECORDING_H

#include "Audio/soundqueue.h"

#include <QAudio>
#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QByteArray>
#include <QFile>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QWaitCondition>
#include <atomic>

class AudioIODevice;
class QAudioInput;
class QAudioOutput;
class QIODevice;

// Keeps the last seconds of the listening signal while the path is open, writes them as
// a WAV clip and plays clips back. Built on the GUI thread, then moved to the audio thread:
// every slot runs there, reached through AudioWorker's queued signals.
class BackgroundRecording : public QObject
{
    Q_OBJECT
public:
    // The clip is the oldest 10 s of the queue: 16000 samples of 2 bytes a second.
    static constexpr int kClipDataBytes = 320000;
    static constexpr int kWavHeaderBytes = 44;
    static constexpr int kReadBufferBytes = 140960;
    static constexpr int kMaxReadBytes = 32000;

    BackgroundRecording();

    // The device path of the clips' directory, with its trailing slash.
    static QString clipDirectory();
    // Where the clip of that name lives, or an empty string for a blank name (a hidden
    // ".wav") and for one that would lead out of the directory ("/" or "..").
    static QString clipPath(const QString& name);

    // Bytes read since the last start or resume; readable from any thread.
    qint64 recordedBytes() const { return m_recordedBytes.load(); }
    // The queue as it stands; only in the audio thread.
    const SoundQueue& audioQueue() const { return m_audioQueue; }
    // Waits until count stores have finished since construction (written or failed).
    bool waitForStores(quint64 count, int timeoutMs);
    // Waits for store number `request` (counted from 1 since construction); when it has
    // not finished in time, its caller gives it up in the same step: the write still
    // makes its clip, but leaves the sound queued, so that a retry stores it again.
    bool waitForStoreOrGiveUp(quint64 request, int timeoutMs);
    // Whether store number `request` finished without its clip; meaningful once
    // waitForStores() has seen it finish.
    bool storeFailed(quint64 request);
    // Whether store number `request` wrote a clip that holds sound: not when its write
    // failed, nor when nothing had been recorded for it. Meaningful once it has finished.
    bool storeHadSound(quint64 request);
    // Called on the GUI thread as a playback is asked for and as playback is stopped: a
    // playback stopped before the audio thread came to it never opens its file.
    void notePlaybackRequest() { ++m_playbackRequests; }
    void notePlaybackStop() { m_playbacksStopped = m_playbackRequests.load(); }

public slots:
    void init();
    void startAudioRecording();
    void stopAudioRecording();
    void pauseAudioRecording(bool pause);
    void storeAudioData(QString filename);
    void startAudioPlayback(QString filename);
    void stopAudioPlayback();
    // The sound kept for that clip's retry belongs to a point that is gone: it is dropped,
    // so that the clip's name given to a new point does not take it.
    void forgetKeptSound(QString filename);
    // Stops input and output and ends the audio thread's event loop, which deletes the
    // recorder: the last request of the program.
    void release();

private slots:
    void readMore();
    void handleStateChanged(QAudio::State newState);
    void handleStateChangedPlayback(QAudio::State newState);

private:
    bool writeClip(const QString& filename);
    void stopDevices();
    // Empties the queue, and nothing is kept for a retry any more.
    void clearQueue();

    AudioIODevice* m_audioInputIODevice = nullptr;
    QIODevice* m_input = nullptr;
    QAudioInput* m_audioInput = nullptr;
    QAudioOutput* m_audioOutput = nullptr;
    QIODevice* m_audioOutputIODevice = nullptr;
    QAudioDeviceInfo m_Inputdevice;
    QAudioDeviceInfo m_Outputdevice;
    QAudioFormat audioFormat;
    QFile m_playbackFile;
    SoundQueue m_audioQueue;
    QByteArray m_buffer;
    // 64 bits: a path left open for a day reads more than 2^31 bytes.
    std::atomic<qint64> m_recordedBytes{0};
    bool m_pauseRecording = true;
    // The queued sound is kept for the retry of this clip: its write failed, or its caller
    // gave up on it. A resume then leaves it until the new opening records sound of its own.
    QString m_keptFor;
    bool m_replaceOnNewSound = false;

    std::atomic<quint64> m_playbackRequests{0};
    std::atomic<quint64> m_playbacksStopped{0};
    quint64 m_playbacksHandled = 0; // audio thread only

    QMutex m_storeMutex;
    quint64 m_finishedStores = 0;
    quint64 m_lastFailedStore = 0;
    quint64 m_lastGivenUpStore = 0;
    QSet<quint64> m_storesWithoutSound;
    QWaitCondition m_storeFinished;
};

#endif // BACKGROUNDRECORDING_H
