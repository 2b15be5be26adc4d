#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include <QColor>
#include <QObject>

// Level and spectrum analysis of the listening signal.
// Placeholder: holds silence; nothing is captured yet.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    explicit AnalogInputWorker(QObject* parent = nullptr);

    void startCapture();
    void stopCapture();
    void pauseCapture(bool pause);

    int getAudioLevel(float* rmsLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel);
    int getFft(float* fft);
    int getAudioData(float* data);
    void clearAllData();

    static float audioLevelToDb(float level);
    static QColor calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1, QColor a_color2,
                                     QColor a_color3, QColor* a_textColor);

private:
    float m_rmsLevel = 0.0f;
    float m_peakLevel = 0.0f;
    float m_fft[1024] = {};
    float m_rawAudioData[1024] = {};
};

// The one analysis worker, created on the first call.
AnalogInputWorker* Analoginputworker();

#endif // ANALOGINPUTWORKER_H
