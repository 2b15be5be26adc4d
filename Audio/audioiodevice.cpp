#include "Audio/audioiodevice.h"

AudioIODevice::AudioIODevice(const QAudioFormat& format, QObject* parent)
    : QIODevice(parent)
    , m_format(format)
{
}

void AudioIODevice::start()
{
    open(QIODevice::WriteOnly);
}

void AudioIODevice::stop()
{
    close();
}

qint64 AudioIODevice::readData(char* data, qint64 maxlen)
{
    Q_UNUSED(data)
    Q_UNUSED(maxlen)
    return 0;
}

qint64 AudioIODevice::writeData(const char* data, qint64 len)
{
    Q_UNUSED(data)
    emit update();
    return len;
}
