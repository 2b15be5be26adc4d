#ifndef AUDIOWORKER_H
#define AUDIOWORKER_H

#include <QObject>

// Recording and playback of the audio signal.
// Placeholder: passes the listening path's requests on to the ADC analysis; nothing is recorded yet.
class AudioWorker : public QObject
{
    Q_OBJECT
public:
    explicit AudioWorker(QObject* parent = nullptr);

    int startAudioRecording();
    int stopAudioRecording();
    void pauseAudioRecording(bool pause);
    bool isPaused() const { return m_paused; }

private:
    bool m_paused = true;
};

// The single audio worker, created on the first call.
AudioWorker* Audioworker();

#endif // AUDIOWORKER_H
