#include "Audio/audioworker.h"

#include <QDebug>

AudioWorker::AudioWorker(QObject* parent)
    : QObject(parent)
{
}

int AudioWorker::startAudioRecording()
{
    qDebug() << "AudioWorker::startAudioRecording";
    m_paused = true;
    return 0;
}

int AudioWorker::stopAudioRecording()
{
    qDebug() << "AudioWorker::stopAudioRecording";
    m_paused = true;
    return 0;
}

void AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording";
    m_paused = pause;
}

AudioWorker* Audioworker()
{
    static AudioWorker worker;
    return &worker;
}
