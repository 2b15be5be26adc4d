#ifndef DEBUGAUDIOLEVELFFT_H
#define DEBUGAUDIOLEVELFFT_H

#include <QAudio>
#include <QAudioFormat>
#include <QByteArray>
#include <QDialog>

class FreqSpectrum;
class QAudioInput;
class QIODevice;
class QTimer;

namespace Ui {
class DebugAudioLevelFft;
}

// Service dialog that checks the capture path through the framework's audio input, apart
// from the instrument's own recording: Do records from the default input for a while and,
// every 100 ms of sound, shows the RMS and the peak of the newest 1024 samples as two bars
// and their spectrum. One capture at a time; the captured bytes go round a ring that always
// holds the newest ones.
class DebugAudioLevelFft : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kBufferBytes = 100000;
    static constexpr int kWindowSamples = 1024;
    static constexpr int kWindowBytes = 2 * kWindowSamples;
    static constexpr int kNotifyIntervalMs = 100;
    static constexpr int kSampleRate = 16000;
    // How long one recording runs; tests shorten it.
    static constexpr int kRecordingMs = 10000;
    static int& recordingMs();

    struct Level
    {
        float rms = 0.0f;
        float peak = 0.0f; // the largest sample value, not the largest magnitude
    };

    explicit DebugAudioLevelFft(QWidget* parent = nullptr);
    ~DebugAudioLevelFft() override;

    // The window of kWindowBytes that ends at the last whole sample written into the ring
    // (dataLength bytes written since the start); samples not yet captured are 0.
    static QByteArray window(const QByteArray& ring, qint64 dataLength);
    // RMS and peak of a window of 16-bit little-endian samples, full scale 1.0; the
    // samples as values into signal (kWindowSamples entries) when given.
    static Level windowLevel(const QByteArray& window, float* signal = nullptr);
    // The spectrum widget's 512 entries from kWindowSamples samples taken at sampleRate:
    // entry k is the magnitude at k x 7.8125 Hz, between the transform's bins linearly.
    static void widgetSpectrum(const float* signal, int sampleRate, float* magnitudes);

    FreqSpectrum* spectrum() const { return fftDisplay; }
    QAudioInput* audioInput() const { return m_audioInput; }
    Level level() const { return {m_rmsLevel, m_peakLevel}; }

public slots:
    void handleStateChanged(QAudio::State state);
    void audioDataReady();
    void calculateLevel();
    void stopRecording();

private slots:
    void on_butDo_clicked();
    void on_butClear_clicked();
    void on_butHome_clicked();

private:
    void resizeSpectrum();

    Ui::DebugAudioLevelFft* ui;
    FreqSpectrum* fftDisplay = nullptr;
    QAudioInput* m_audioInput = nullptr;
    QIODevice* m_audioInputIODevice = nullptr;
    QTimer* m_stopTimer = nullptr;
    QAudioFormat m_format;
    QByteArray m_buffer;
    qint64 m_dataLength = 0;
    bool m_stopReported = false;
    float m_rmsLevel = 0.0f;
    float m_peakLevel = 0.0f;
};

#endif // DEBUGAUDIOLEVELFFT_H
