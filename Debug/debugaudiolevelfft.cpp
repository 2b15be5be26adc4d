#include "Debug/debugaudiolevelfft.h"
#include "ui_debugaudiolevelfft.h"

#include "Audio/fft.h"
#include "Tools/freqspectrum.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QDebug>
#include <QTimer>
#include <QtEndian>
#include <cmath>

namespace {

// The level and the spectrum read the samples as 16-bit signed mono.
bool isUsable(const QAudioFormat& format)
{
    return format.sampleSize() == 16 && format.sampleType() == QAudioFormat::SignedInt && format.channelCount() == 1
           && format.byteOrder() == QAudioFormat::LittleEndian && format.codec() == QLatin1String("audio/pcm")
           && format.sampleRate() > 0;
}

// The framework's default device; without a sound server it has none, and the sound
// configuration's own "default" device stands in.
QAudioDeviceInfo defaultDevice(QAudio::Mode mode)
{
    const QAudioDeviceInfo device =
        mode == QAudio::AudioInput ? QAudioDeviceInfo::defaultInputDevice() : QAudioDeviceInfo::defaultOutputDevice();
    if (!device.isNull())
        return device;
    for (const QAudioDeviceInfo& candidate : QAudioDeviceInfo::availableDevices(mode)) {
        if (candidate.deviceName() == QLatin1String("default"))
            return candidate;
    }
    return device;
}

} // namespace

int& DebugAudioLevelFft::recordingMs()
{
    static int ms = kRecordingMs;
    return ms;
}

DebugAudioLevelFft::DebugAudioLevelFft(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DebugAudioLevelFft)
{
    ui->setupUi(this);
    fftDisplay = new FreqSpectrum;
    ui->spectrumLayout->addWidget(fftDisplay);
    // Sized by its layout now, not first when the dialog is shown: the pictures fit at once.
    ui->spectrumLayout->activate();
    resizeSpectrum();

    m_stopTimer = new QTimer(this);
    m_stopTimer->setObjectName(QStringLiteral("stopTimer"));
    m_stopTimer->setSingleShot(true);
    connect(m_stopTimer, &QTimer::timeout, this, &DebugAudioLevelFft::stopRecording);

    // A test picture until the first recording: a triangle over the 512 bins.
    float triangle[2 * FreqSpectrum::kBins];
    for (int i = 0; i < 2 * FreqSpectrum::kBins; ++i)
        triangle[i] = i < 256 ? float(i) : float(512 - i);
    fftDisplay->drawFft(triangle, true);
}

DebugAudioLevelFft::~DebugAudioLevelFft()
{
    // Ended here, while its state changes still reach a whole dialog.
    m_stopTimer->stop();
    stopRecording();
    delete fftDisplay;
    delete ui;
}

void DebugAudioLevelFft::resizeSpectrum()
{
    const QRect rect = fftDisplay->getRect();
    fftDisplay->init(rect.right() - rect.left() + 1, rect.bottom() - rect.top() + 1);
    fftDisplay->drawScale();
}

QByteArray DebugAudioLevelFft::window(const QByteArray& ring, qint64 dataLength)
{
    QByteArray result(kWindowBytes, '\0');
    const qint64 size = ring.size();
    if (size < 2 || dataLength <= 0)
        return result;
    // A half sample at the end is not used yet; only what the ring still holds counts.
    const qint64 end = dataLength & ~qint64(1);
    const qint64 available = qMin(end, size & ~qint64(1));
    const qint64 count = qMin<qint64>(kWindowBytes, available);
    for (qint64 i = 0; i < count; ++i)
        result[int(kWindowBytes - count + i)] = ring.at(int((end - count + i) % size));
    return result;
}

DebugAudioLevelFft::Level DebugAudioLevelFft::windowLevel(const QByteArray& window, float* signal)
{
    Level level;
    double sum = 0.0;
    const int samples = qMin(kWindowSamples, int(window.size() / 2));
    for (int i = 0; i < kWindowSamples; ++i) {
        const short pcm = i < samples ? qFromLittleEndian<qint16>(window.constData() + 2 * i) : 0;
        const float x = pcmToReal(pcm);
        if (signal)
            signal[i] = x;
        if (x > level.peak)
            level.peak = x;
        sum += double(x) * double(x);
    }
    level.rms = float(std::sqrt(sum / kWindowSamples));
    return level;
}

void DebugAudioLevelFft::widgetSpectrum(const float* signal, int sampleRate, float* magnitudes)
{
    CArray data(kWindowSamples);
    for (int i = 0; i < kWindowSamples; ++i)
        data[i] = Complex(signal[i], 0.0f);
    fft(data);
    const int half = kWindowSamples / 2;
    float bins[kWindowSamples / 2 + 1];
    for (int i = 0; i <= half; ++i)
        bins[i] = std::abs(data[i]);

    const double hzPerBin = double(sampleRate) / kWindowSamples;
    for (int k = 0; k < FreqSpectrum::kBins; ++k) {
        const double position = k * kSpectrumWidgetHzPerBin / hzPerBin;
        const int below = int(position);
        if (below >= half) {
            magnitudes[k] = below == half ? bins[half] : 0.0f;
            continue;
        }
        const float fraction = float(position - below);
        magnitudes[k] = bins[below] + fraction * (bins[below + 1] - bins[below]);
    }
}

void DebugAudioLevelFft::on_butDo_clicked()
{
    // One capture at a time: a running one ends first, with its pending stop.
    m_stopTimer->stop();
    stopRecording();

    const QAudioDeviceInfo input = defaultDevice(QAudio::AudioInput);
    ui->lineEditAudioInputDevice->setText(input.deviceName());
    ui->lineEditAudioOutputDevice->setText(defaultDevice(QAudio::AudioOutput).deviceName());

    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    if (!input.isNull() && !input.isFormatSupported(format)) {
        qDebug().noquote() << "Format wird nicht unterstützt.";
        format = input.nearestFormat(format);
        if (!isUsable(format)) {
            // Also what a device that cannot be opened offers.
            qDebug() << "Error recording: the nearest format is not 16-bit signed mono:" << format;
            return;
        }
    }
    m_format = format;

    m_buffer.fill('\0', kBufferBytes);
    m_peakLevel = 0.0f;
    m_rmsLevel = 0.0f;
    m_dataLength = 0;

    m_audioInput = new QAudioInput(input, format, this);
    m_audioInput->setNotifyInterval(kNotifyIntervalMs);
    connect(m_audioInput, &QAudioInput::stateChanged, this, &DebugAudioLevelFft::handleStateChanged,
            Qt::UniqueConnection);
    connect(m_audioInput, &QAudioInput::notify, this, &DebugAudioLevelFft::calculateLevel, Qt::UniqueConnection);
    m_stopTimer->start(recordingMs());

    m_stopReported = false;
    m_audioInputIODevice = m_audioInput->start();
    if (!m_audioInputIODevice) {
        // Could not be opened: nothing will arrive.
        if (!m_stopReported)
            qDebug().noquote() << "Error recording";
        m_stopTimer->stop();
        stopRecording();
        return;
    }
    // The ALSA back end never deletes the last device it handed out; it goes with the input.
    m_audioInputIODevice->setParent(m_audioInput);
    connect(m_audioInputIODevice, &QIODevice::readyRead, this, &DebugAudioLevelFft::audioDataReady,
            Qt::UniqueConnection);
}

void DebugAudioLevelFft::audioDataReady()
{
    if (!m_audioInput || !m_audioInputIODevice)
        return;
    if (m_audioInput->bytesReady() < 1)
        return;
    // Drained every time; the ring keeps the newest bytes.
    for (;;) {
        const qint64 position = m_dataLength % kBufferBytes;
        const qint64 read = m_audioInputIODevice->read(m_buffer.data() + position, kBufferBytes - position);
        if (read <= 0)
            break;
        m_dataLength += read;
    }
}

void DebugAudioLevelFft::calculateLevel()
{
    if (!m_audioInput)
        return;
    float signal[kWindowSamples];
    const Level level = windowLevel(window(m_buffer, m_dataLength), signal);
    m_rmsLevel = level.rms;
    m_peakLevel = level.peak;
    ui->progBarAudioLevel->setValue(int(m_rmsLevel * 100.0f));
    ui->progBarAudioLevelPeak->setValue(int(m_peakLevel * 100.0f));
    qDebug() << "m_dataLength" << m_dataLength;

    float magnitudes[FreqSpectrum::kBins];
    widgetSpectrum(signal, m_format.sampleRate(), magnitudes);
    resizeSpectrum();
    fftDisplay->drawFft(magnitudes, true);
    fftDisplay->drawData(signal);
}

void DebugAudioLevelFft::handleStateChanged(QAudio::State state)
{
    switch (state) {
    case QAudio::ActiveState:
        qDebug().noquote() << "Started recording";
        break;
    case QAudio::StoppedState:
        m_stopReported = true;
        if (m_audioInput && m_audioInput->error() != QAudio::NoError)
            qDebug().noquote() << "Error recording";
        else
            qDebug().noquote() << "Finished recording";
        break;
    default:
        qDebug() << "State:" << state;
        break;
    }
}

void DebugAudioLevelFft::stopRecording()
{
    if (!m_audioInput)
        return;
    m_audioInput->stop();
    // The device belongs to the capture object.
    m_audioInputIODevice = nullptr;
    delete m_audioInput;
    m_audioInput = nullptr;
}

void DebugAudioLevelFft::on_butClear_clicked()
{
    ui->textEditMessages->clear();
}

void DebugAudioLevelFft::on_butHome_clicked()
{
    close();
}
