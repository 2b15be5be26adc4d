#ifndef AUDIOWORKER_H
#define AUDIOWORKER_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <functional>

class BackgroundRecording;

// The one facade of recording and playback for the pages, on the GUI thread. It drives
// the ADC analysis directly and the recorder in the audio thread through queued signals;
// clips are deleted and renamed here.
class AudioWorker : public QObject
{
    Q_OBJECT
public:
    // How long a store waits for its clip to be complete, and the program's end for the
    // audio thread.
    static constexpr int kStoreTimeoutMs = 2000;
    static constexpr int kShutdownTimeoutMs = 3000;
    // A wait for a clip up to this long passes unseen; a longer one shows the wait note.
    static constexpr int kUnseenWaitMs = 100;

    explicit AudioWorker(QObject* parent = nullptr);
    ~AudioWorker() override;

    int startAudioRecording();
    int stopAudioRecording();
    int pauseAudioRecording(bool pause);
    int startAudioPlayback(QString filename);
    int stopAudioPlayback();
    // Returns once the clip is complete on disk (or could not be written), so that the
    // caller may copy it at once: 0, or -1 when the clip could not be written or was not
    // complete in time (a wait longer than kUnseenWaitMs shows the wait note). A write not
    // done in time still makes its clip later, but leaves its sound queued for the next
    // store.
    int storeAudioData(QString filename);
    // A store requested earlier has not finished yet in the audio thread (it timed out).
    bool storesPending() const;
    // Waits until every store requested so far has finished (written or failed); false
    // when one is still running after timeoutMs.
    bool waitForStores(int timeoutMs) const;
    // The number of the last store asked for (counted from 1), to ask about it later.
    quint64 lastStoreRequest() const { return m_storeRequests; }
    // Whether that store wrote a clip with sound in it; meaningful once it has finished.
    bool storeHadSound(quint64 request) const;
    // Sound kept for the retry of that clip is dropped: the point it was for is gone.
    int forgetKeptSound(QString filename);
    int deleteAudioData(QString filename);
    int renameAudioData(QString newFilename, QString oldFilename);

    // The last pause request passed on (paused after start and stop).
    bool isPaused() const { return m_paused; }
    // Counts the recordings begun: each start and each resume begins one, whoever opened
    // the path. A clip written during one recording is not the sound of a later one.
    quint64 recordingsBegun() const { return m_recordingsBegun; }
    qint64 recordedBytesSinceResume() const;

    const QThread* audioThread() const { return m_audioWorkerThread; }
    BackgroundRecording* backgroundRecording() const;

public slots:
    // Stops input and output in the audio thread and ends the thread within a bound; the
    // recorder is deleted once with a thread that ended by itself, and left untouched with
    // one that was terminated or will not end. Runs when the application quits; later
    // calls do nothing.
    void shutdown();

signals:
    void startBackgroundRecording();
    void stopBackgroundRecording();
    void pauseBackgroundRecording(bool pause);
    void initBackgroundRecording();
    void storeRecordedAudioData(QString filename);
    void startBackgroundPlayback(QString filename);
    void stopBackgroundPlayback();
    void forgetBackgroundSound(QString filename);
    void calculateAudioData();

private:
    // The GUI thread stands still while it waits for a clip: past a moment a note says why,
    // and the keys and touches made meanwhile are dropped rather than acting once the wait
    // is over. wait(ms, last) waits up to ms; last is set for its final part.
    static bool waitInSight(int timeoutMs, const std::function<bool(int ms, bool last)>& wait);

    // On the heap: a thread that cannot be stopped is left, and never destroyed.
    QThread* m_audioWorkerThread = new QThread;
    QPointer<BackgroundRecording> m_backgroundRecording;
    bool m_paused = true;
    quint64 m_recordingsBegun = 0;
    bool m_shutDown = false;
    quint64 m_storeRequests = 0;
};

// The single audio worker, created on the first call.
AudioWorker* Audioworker();

#endif // AUDIOWORKER_H
