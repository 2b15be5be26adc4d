#include "Hardware/analoginput.h"

#include "Hardware/platform.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

namespace {
const char kAin1Raw[] = "/sys/bus/iio/devices/iio:device0/in_voltage1_raw";
const char kScanElement[] = "/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en";
const char kBufferLength[] = "/sys/bus/iio/devices/iio:device0/buffer/length";
const char kBufferEnable[] = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const char kDevice[] = "/dev/iio:device0";
} // namespace

AnalogInput::AnalogInput()
{
    ain4.setFileName(Platform::devicePath(QString::fromLatin1(kAin1Raw)));
    qDebug() << "AnalogInput" << QThread::currentThreadId();
}

AnalogInput::~AnalogInput() = default;

void AnalogInput::writeSetup(const char* absolutePath, const QByteArray& value, const char* errorText)
{
    ainCont.setFileName(Platform::devicePath(QString::fromLatin1(absolutePath)));
    // ExistingOnly: a missing attribute fails as on the board instead of being created.
    if (!ainCont.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::ExistingOnly)) {
        qDebug() << errorText;
        return;
    }
    const bool written = ainCont.write(value) == value.size();
    ainCont.close();
    if (written)
        Platform::journalWrite(absolutePath, value);
}

void AnalogInput::initContinousMode()
{
    qDebug() << "AnalogInput::initContinousMode";
    stopCapture();
    {
        QMutexLocker lock(&m_bufferLock);
        m_buffer.clear();
    }
    writeSetup(kScanElement, "1", "Error: Could not open AIN1 Continousmode");
    writeSetup(kBufferLength, "2048", "Error: Could not open buffer/length");
}

void AnalogInput::startCapture()
{
    qDebug() << "AnalogInput::startCapture";
    writeSetup(kBufferEnable, "1", "Error: Could not open buffer/enable");
}

void AnalogInput::stopCapture()
{
    qDebug() << "AnalogInput::stopCapture";
    writeSetup(kBufferEnable, "0", "Error: Could not open buffer/enable");
}

void AnalogInput::updateBuffer()
{
    ainContData.setFileName(Platform::devicePath(QString::fromLatin1(kDevice)));
    // Unbuffered: every read goes to the device, without read-ahead of older samples.
    const bool open = ainContData.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (!open)
        qDebug() << "Error: Could not open /dev/iio:device0";
    char block[kBlockBytes];
    qint64 count = open ? ainContData.read(block, kBlockBytes) : 0;
    if (count < 0)
        count = 0;
    if (open)
        ainContData.close();
    {
        QMutexLocker lock(&m_bufferLock);
        m_buffer = QByteArray(block, int(count));
    }
    emit bufferUpdated();
}

QByteArray AnalogInput::getBuffer()
{
    QMutexLocker lock(&m_bufferLock);
    return m_buffer;
}

void AnalogInput::initAnalogInput()
{
    if (!ain4.open(QIODevice::ReadOnly))
        qDebug() << "Error: Could not open AIN4";
}

int AnalogInput::readAnalogInput()
{
    if (!ain4.isOpen())
        return 0;
    ain4.seek(0); // an attribute gives its current value only from the start
    analogValue = ain4.read(4);
    bool ok = false;
    const int value = analogValue.trimmed().toInt(&ok);
    return ok ? value : 0;
}

void AnalogInput::closeAnalogInput()
{
    ain4.close();
}
