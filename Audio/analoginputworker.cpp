#include "Audio/analoginputworker.h"

#include <QtMath>
#include <cstring>

AnalogInputWorker::AnalogInputWorker(QObject* parent)
    : QObject(parent)
{
}

void AnalogInputWorker::startCapture() {}
void AnalogInputWorker::stopCapture() {}
void AnalogInputWorker::pauseCapture(bool) {}

int AnalogInputWorker::getAudioLevel(float* rmsLevel)
{
    *rmsLevel = m_rmsLevel;
    return 0;
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel)
{
    *peakLevel = m_peakLevel;
    return getAudioLevel(rmsLevel);
}

int AnalogInputWorker::getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel)
{
    *minLevel = m_rmsLevel;
    return getAudioLevel(rmsLevel, peakLevel);
}

int AnalogInputWorker::getFft(float* fft)
{
    std::memcpy(fft, m_fft, sizeof(m_fft));
    return 0;
}

int AnalogInputWorker::getAudioData(float* data)
{
    std::memcpy(data, m_rawAudioData, sizeof(m_rawAudioData));
    return 0;
}

void AnalogInputWorker::clearAllData()
{
    m_rmsLevel = m_peakLevel = 0.0f;
    std::memset(m_fft, 0, sizeof(m_fft));
    std::memset(m_rawAudioData, 0, sizeof(m_rawAudioData));
}

float AnalogInputWorker::audioLevelToDb(float level)
{
    if (double(level) < 1e-7)
        return 0.0f;
    const float v = float(77.0 + 20.0 * std::log10(double(level)));
    return qBound(0.0f, float(double(v) * 1.8), 99.0f);
}

QColor AnalogInputWorker::calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1, QColor a_color2,
                                             QColor a_color3, QColor* a_textColor)
{
    const quint32 half = a_maxValue / 2;
    const quint32 v = qMin(a_value, a_maxValue);
    QColor from = a_color2, to = a_color3;
    double t = half ? double(v - half) / half : 1.0;
    if (v < half) {
        from = a_color1;
        to = a_color2;
        t = double(v) / half;
    }
    auto blend = [t](int a, int b) { return int(unsigned(a + (b - a) * t)); };
    if (a_textColor)
        *a_textColor = a_value > (a_maxValue / 10) * 7 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()), blend(from.blue(), to.blue()));
}

AnalogInputWorker* Analoginputworker()
{
    static AnalogInputWorker worker;
    return &worker;
}
