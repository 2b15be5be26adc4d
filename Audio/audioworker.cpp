#include "Audio/audioworker.h"

#include "Audio/analoginputworker.h"

#include <QDebug>
#include <QThread>

AudioWorker::AudioWorker(QObject* parent)
    : QObject(parent)
{
}

int AudioWorker::startAudioRecording()
{
    Analoginputworker()->startCapture();
    qDebug() << "AudioWorker::startAudioRecording" << QThread::currentThreadId();
    m_paused = true;
    return 0;
}

int AudioWorker::stopAudioRecording()
{
    Analoginputworker()->stopCapture();
    qDebug() << "AudioWorker::stopAudioRecording";
    m_paused = true;
    return 0;
}

void AudioWorker::pauseAudioRecording(bool pause)
{
    qDebug() << "AudioWorker::pauseAudioRecording";
    Analoginputworker()->pauseCapture(pause);
    m_paused = pause;
}

AudioWorker* Audioworker()
{
    static AudioWorker worker;
    return &worker;
}
