#include "Audio/analoginputworker.h"

#include "Audio/fft.h"
#include "Audio/threadend.h"
#include "Hardware/analoginput.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
const float kLevelFloor = 0.000151f;
const double kSlidingMinimumBound = 0.00016;
const int kFirstMinimumSlot = 3; // the first blocks after a resume carry the switching transient
const float kErrorLow = 0.528203f;
const float kErrorHigh = 0.528205f;
} // namespace

AnalogInputWorker::AnalogInputWorker(QObject* parent)
    : QObject(parent)
{
    std::fill(std::begin(m_rawAudioData), std::end(m_rawAudioData), 0.0f);
    std::fill(std::begin(m_rmsLevel_hist), std::end(m_rmsLevel_hist), 0.0f);
    std::fill(std::begin(m_fft), std::end(m_fft), 0.0f);
    std::fill(std::begin(m_fft_mean), std::end(m_fft_mean), 0.0f);
    m_rmsLevel = 0;
    m_rmsLevel_min = 0;
    m_rmsLevel_min_abs = 0;
    m_peakLevel = 0;
    m_histLevelPos = 0;
    m_significandFrequency = 0;
    m_significandFrequencyAtMin = 0;
    m_storeMinFrequency = false;
    m_pauseCapture = false;
    m_captureStarted = false;

    qDebug() << "AnalogInputWorker Konstruktor";
    m_timerUpdate = new QTimer(this);
    connect(m_timerUpdate, &QTimer::timeout, this, &AnalogInputWorker::updateData, Qt::UniqueConnection);

    // The reader is deleted once by shutdown(), after its thread has ended; a deleteLater()
    // on the thread's end as well would delete it twice.
    m_ain = new AnalogInput;
    m_ain->moveToThread(m_ainThread);
    connect(this, &AnalogInputWorker::updateAinData, m_ain, &AnalogInput::updateBuffer);
    connect(m_ain, &AnalogInput::bufferUpdated, this, &AnalogInputWorker::calculateData);
    m_ainThread->start(QThread::InheritPriority);

    // The one worker is a static that outlives the application object: the thread must be
    // gone before then.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &AnalogInputWorker::shutdown);
}

AnalogInputWorker::~AnalogInputWorker()
{
    qDebug() << "AnalogInputWorker Destruktor";
    shutdown();
    if (!m_ainThread->isRunning())
        delete m_ainThread;
}

void AnalogInputWorker::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_timerUpdate->stop();
    m_ainThread->quit();
    // A reader cut off by terminate may hold its lock: it is left untouched, like one
    // still running, and never deleted.
    if (endThread(m_ainThread, kThreadStopTimeoutMs, "AnalogInputWorker: the ADC thread") == ThreadEnd::Ended) {
        delete m_ain;
        m_ain = nullptr;
    }
}

AnalogInput* AnalogInputWorker::liveReader() const
{
    return m_shutDown ? nullptr : m_ain;
}

void AnalogInputWorker::clearHistory()
{
    std::fill(m_fft, m_fft + kSpectrumBins, 0.0f);
    std::fill(std::begin(m_rmsLevel_hist), std::end(m_rmsLevel_hist), 0.0f);
    m_histLevelPos = 0;
    m_rmsLevel = 0;
    m_peakLevel = 0;
}

void AnalogInputWorker::startCapture()
{
    clearHistory();
    std::fill(m_fft_mean, m_fft_mean + kSpectrumBins, 0.0f);
    if (AnalogInput* reader = liveReader()) {
        reader->initContinousMode();
        reader->startCapture();
    }
    // A restart starts paused; a read still under way may not hold up the next request.
    m_timerUpdate->stop();
    m_requestPending = false;
    m_pauseCapture = true;
    m_captureStarted = true;
}

void AnalogInputWorker::stopCapture()
{
    m_timerUpdate->stop();
    if (AnalogInput* reader = liveReader())
        reader->stopCapture();
    m_pauseCapture = true;
    m_captureStarted = false;
}

void AnalogInputWorker::pauseCapture(bool pause)
{
    if (!m_captureStarted) {
        qDebug() << "AnalogInputWorker::pauseCapture: Wurde aufgerufen, ohne zuvor startCapture auszuführen";
        m_timerUpdate->stop();
        m_pauseCapture = true;
    } else if (pause) {
        m_pauseCapture = true;
        m_timerUpdate->stop();
    } else {
        clearHistory();
        m_pauseCapture = false;
        m_timerUpdate->start(kRequestPeriodMs);
    }
}

void AnalogInputWorker::updateData()
{
    // A read slower than the period must not pile requests up in the ADC thread.
    if (m_requestPending || m_shutDown)
        return;
    m_requestPending = true;
    emit updateAinData();
}

void AnalogInputWorker::calculateData()
{
    AnalogInput* reader = liveReader();
    if (!reader)
        return;
    m_requestPending = false;
    analyseBlock(reader->getBuffer());
}

void AnalogInputWorker::analyseBlock(const QByteArray& block)
{
    m_analyseAudioData = block;
    // Fewer bytes than a block (no device, a short read): nothing to analyse, the last
    // results stay.
    if (m_analyseAudioData.size() < AnalogInput::kBlockBytes) {
        if (!m_inShortRun)
            qDebug() << "AnalogInputWorker::calculateData: short block skipped," << m_analyseAudioData.size()
                     << "bytes";
        m_inShortRun = true;
        return;
    }
    m_inShortRun = false;
    calculateLevel();
    calculateFft();
    calculateSignificandFrequency();
    if (m_storeMinFrequency || m_significandFrequencyAtMin == 0) {
        m_storeMinFrequency = false;
        m_significandFrequencyAtMin = m_significandFrequency;
    }
    ++m_blocksAnalysed;
}

void AnalogInputWorker::calculateLevel()
{
    const uchar* bytes = reinterpret_cast<const uchar*>(m_analyseAudioData.constData());
    float sum = 0;
    for (int i = 0; i < kAdcBlockSamples; ++i) {
        const short pcm = short(quint16(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
        m_rawAudioData[i] = pcmToReal(pcm);
        sum += m_rawAudioData[i];
    }
    const float mean = sum * (1.0f / kAdcBlockSamples);
    float squares = 0;
    float peak = 0; // negative swings do not count
    for (float& sample : m_rawAudioData) {
        sample -= mean;
        peak = std::max(peak, sample);
        squares += sample * sample;
    }
    m_peakLevel = peak;
    m_rmsLevel = std::sqrt(squares * (1.0f / kAdcBlockSamples));

    if (m_rmsLevel == 0.0f) {
        m_rmsLevel_min = 1;
        m_rmsLevel_min_abs = 1;
        qDebug() << "calculateLevel: Noch keine sinnvollen Werte";
        return;
    }
    if (double(m_rmsLevel) < 0.000151)
        m_rmsLevel = kLevelFloor;
    if (double(m_peakLevel) < 0.000151)
        m_peakLevel = kLevelFloor;

    m_rmsLevel_hist[m_histLevelPos] = m_rmsLevel;
    if (m_histLevelPos < kFirstMinimumSlot) {
        m_rmsLevel_min = 1;
        m_rmsLevel_min_abs = 1;
        qDebug() << "calculateLevel: Noch kein Minimumpegel";
    } else {
        float minimum = 1.0f;
        for (int i = kFirstMinimumSlot; i <= m_histLevelPos; ++i)
            minimum = std::min(minimum, m_rmsLevel_hist[i]);
        if (double(minimum) >= 1.0 || double(minimum) <= kSlidingMinimumBound) {
            qDebug() << "calculateLevel: Pegel kleiner als 0dB" << audioLevelToDb(minimum) << minimum << m_rmsLevel_min
                     << m_rmsLevel_min_abs;
            minimum = kLevelFloor;
        }
        m_rmsLevel_min = minimum;
        if (m_rmsLevel_min_abs > minimum) {
            m_rmsLevel_min_abs = minimum;
            m_storeMinFrequency = true;
        }
    }

    if (m_rmsLevel_min_abs >= kErrorLow && m_rmsLevel_min_abs <= kErrorHigh) {
        qDebug() << "Error 99:" << m_rmsLevel_min_abs << m_rawAudioData[0] << m_rmsLevel_hist[0] << m_rmsLevel_hist[1]
                 << m_rmsLevel_hist[2] << m_rmsLevel_hist[3] << m_rmsLevel_hist[4] << m_rmsLevel_hist[5]
                 << m_rmsLevel_hist[6];
        qDebug() << "Error 99 RAW:" << m_analyseAudioData.size() << m_analyseAudioData.left(12).toHex(' ');
    }

    if (++m_histLevelPos == kHistoryLength) {
        std::memmove(m_rmsLevel_hist, m_rmsLevel_hist + 1, (kHistoryLength - 1) * sizeof(float));
        m_histLevelPos = kHistoryLength - 1;
    }
}

void AnalogInputWorker::calculateFft()
{
    CArray data(kAdcBlockSamples);
    for (int i = 0; i < kAdcBlockSamples; ++i)
        data[i] = Complex(m_rawAudioData[i], 0.0f);
    fft(data);
    for (int k = 0; k < kSpectrumBins; ++k) {
        const float re = data[k].real();
        const float im = data[k].imag();
        m_fft[k] = std::sqrt(re * re + im * im);
    }
    std::copy(m_fft, m_fft + kSpectrumBins, m_fft_mean);
}

void AnalogInputWorker::calculateSignificandFrequency()
{
    float best = 0.0f;
    for (int c = 2; c <= 508; ++c) {
        const float sum = m_fft_mean[c - 2] + m_fft_mean[c - 1] + m_fft_mean[c] + m_fft_mean[c + 1] + m_fft_mean[c + 2];
        if (sum >= best) { // a tie goes to the higher bin
            best = sum;
            m_significandFrequency = (quint32(c) * kAdcSampleRate) >> 10;
        }
    }
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel)
{
    if (rmsLevel)
        *rmsLevel = m_rmsLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel)
{
    getAudioLevel(rmsLevel);
    if (peakLevel)
        *peakLevel = m_peakLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel)
{
    getAudioLevel(rmsLevel, peakLevel);
    if (minLevel)
        *minLevel = m_rmsLevel_min_abs;
    const float minimumDisplay = audioLevelToDb(m_rmsLevel_min_abs);
    if (minimumDisplay >= 99)
        qDebug() << "getAudioLevel" << minimumDisplay << m_rmsLevel_min_abs << m_rmsLevel;
    return 0;
}

int AnalogInputWorker::getFft(float* fft)
{
    if (fft)
        std::copy(std::begin(m_fft_mean), std::end(m_fft_mean), fft);
    return 0;
}

int AnalogInputWorker::getAudioData(float* data)
{
    if (data)
        std::copy(std::begin(m_rawAudioData), std::end(m_rawAudioData), data);
    return 0;
}

quint32 AnalogInputWorker::getSignificandFrequency()
{
    return (m_significandFrequency + 5) / 10 * 10;
}

quint32 AnalogInputWorker::getSignificandFrequencyAtMin()
{
    return (m_significandFrequencyAtMin + 5) / 10 * 10;
}

void AnalogInputWorker::clearAllData()
{
    std::fill(std::begin(m_rawAudioData), std::end(m_rawAudioData), 0.0f);
    std::fill(std::begin(m_rmsLevel_hist), std::end(m_rmsLevel_hist), 0.0f);
    std::fill(std::begin(m_fft), std::end(m_fft), 0.0f);
    std::fill(std::begin(m_fft_mean), std::end(m_fft_mean), 0.0f);
    m_rmsLevel = 0;
    m_peakLevel = 0;
    m_rmsLevel_min = 1;
    m_rmsLevel_min_abs = 1;
    m_histLevelPos = 0;
    m_significandFrequency = 0;
    m_significandFrequencyAtMin = 0;
}

float AnalogInputWorker::audioLevelToDb(float level)
{
    // Not "< 1e-7": a level that is not a number would pass on to the display.
    if (!(double(level) >= 1e-7))
        return 0;
    float value = float(77.0 + 20.0 * std::log10(double(level)));
    value = float(double(value) * 1.8);
    return std::clamp(value, 0.0f, 99.0f);
}

QColor AnalogInputWorker::calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1, QColor a_color2,
                                             QColor a_color3, QColor* a_textColor)
{
    if (a_textColor)
        *a_textColor = a_value > (a_maxValue / 10) * 7 ? QColor(0, 0, 0, 255) : QColor(255, 255, 255, 255);
    // Half the maximum is the divisor: below 2 there is no scale to blend along.
    if (a_maxValue < 2)
        return a_color1;
    const quint32 half = a_maxValue / 2;
    const quint32 v = std::min(a_value, a_maxValue);
    const QColor& from = v < half ? a_color1 : a_color2;
    const QColor& to = v < half ? a_color2 : a_color3;
    // An odd maximum would carry t past 1 at the top of the scale.
    const double t = std::min(1.0, v < half ? double(v) / half : double(v - half) / half);
    auto blend = [t](int start, int end) { return std::clamp(int(start + (end - start) * t), 0, 255); };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()), blend(from.blue(), to.blue()), 255);
}

AnalogInputWorker* Analoginputworker()
{
    static AnalogInputWorker worker;
    return &worker;
}
