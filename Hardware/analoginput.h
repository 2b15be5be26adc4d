#ifndef ANALOGINPUT_H
#define ANALOGINPUT_H

#include <QByteArray>
#include <QFile>
#include <QMutex>
#include <QObject>

// Block reader of the board's ADC (IIO device 0, channel 0, buffered mode). It lives in
// the ADC thread: updateBuffer() runs there on a queued request and announces the block
// with bufferUpdated(). The set-up calls come directly from the GUI thread; they use a
// file object of their own.
class AnalogInput : public QObject
{
    Q_OBJECT
public:
    // A complete block: 1024 signed 16-bit little-endian samples.
    static constexpr int kBlockBytes = 2048;

    AnalogInput();
    ~AnalogInput() override;

    // Disables the buffer, enables channel 0 and sets the buffer length; leaves it disabled.
    void initContinousMode();
    void startCapture();
    void stopCapture();
    // The last block, exactly as the device gave it (at most 2048 bytes; fewer after a
    // short or failed read). The copy stays intact while the next block is read.
    QByteArray getBuffer();

    // Single raw reading of channel 1; not used by the block capture.
    void initAnalogInput();
    int readAnalogInput();
    void closeAnalogInput();

signals:
    void bufferUpdated();

public slots:
    void updateBuffer();

private:
    void writeSetup(const char* absolutePath, const QByteArray& value, const char* errorText);

    QFile ain4;
    QFile ainCont;
    QFile ainContData;
    QByteArray analogValue;
    QByteArray m_buffer;
    QMutex m_bufferLock; // m_buffer is written in the ADC thread and read in the GUI thread
};

#endif // ANALOGINPUT_H
