#ifndef AUDIOIODEVICE_H
#define AUDIOIODEVICE_H

#include <QAudioFormat>
#include <QIODevice>

// A sink for sound in the recording format: takes every write and keeps nothing.
class AudioIODevice : public QIODevice
{
    Q_OBJECT
public:
    explicit AudioIODevice(const QAudioFormat& format, QObject* parent = nullptr);

    void start();
    void stop();

    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char* data, qint64 len) override;

signals:
    void update();

private:
    const QAudioFormat m_format;
    quint32 m_maxAmplitude = 0;
    qreal m_level = 0;
};

#endif // AUDIOIODEVICE_H
