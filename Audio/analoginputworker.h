#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QThread>

class AnalogInput;
class QTimer;

// Level and spectrum analysis of the listening signal. While capture runs and is not
// paused, a block of 1024 ADC samples is requested every 300 ms from AnalogInput in the
// ADC thread; each block that comes back is analysed on the GUI thread into RMS, peak,
// sliding and absolute minimum, magnitude spectrum and dominant frequency, which the
// pages read through the getters. Levels are linear fractions of full scale.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRequestPeriodMs = 300;
    static constexpr int kHistoryLength = 30;
    static constexpr int kSpectrumBins = 512;
    // How long shutdown() waits for a block read in progress.
    static constexpr int kThreadStopTimeoutMs = 2000;

    explicit AnalogInputWorker(QObject* parent = nullptr);
    ~AnalogInputWorker() override;

    // Sets the ADC up and enables it; the requests stay paused until pauseCapture(false).
    void startCapture();
    void stopCapture();
    void pauseCapture(bool pause);

    int getAudioLevel(float* rmsLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel);
    int getAudioLevel(float* rmsLevel, float* peakLevel, float* minLevel);
    // Copies 1024 floats: bins 0..511 of the last block, the rest 0.
    int getFft(float* fft);
    // Copies the 1024 samples of the last block, full scale 1, mean removed.
    int getAudioData(float* data);
    // Dominant frequency in Hz, rounded to the nearest 10.
    quint32 getSignificandFrequency();
    // Dominant frequency when the absolute minimum last fell, rounded to the nearest 10.
    quint32 getSignificandFrequencyAtMin();
    void clearAllData();

    // Display level 0..99 of a linear level.
    static float audioLevelToDb(float level);
    // Colour of a_value on the scale a_color1 (0) .. a_color2 (a_maxValue / 2) .. a_color3
    // (a_maxValue and above), and in *a_textColor the text colour that reads on it.
    static QColor calcFrequencyColor(quint32 a_value, quint32 a_maxValue, QColor a_color1, QColor a_color2,
                                     QColor a_color3, QColor* a_textColor);

    // Ends the ADC thread and deletes the reader, once; runs when the application quits.
    // A thread that will not end is left running with its reader.
    void shutdown();

    // Analyses one block as calculateData() does with the reader's block.
    void analyseBlock(const QByteArray& block);
    // State the getters do not show, for the service menus and the tests.
    float slidingMinimum() const { return m_rmsLevel_min; }
    int historyPosition() const { return m_histLevelPos; }
    const float* spectrum() const { return m_fft; }
    bool isCaptureStarted() const { return m_captureStarted; }
    bool isPaused() const { return m_pauseCapture; }
    // Whole blocks analysed since the worker was made; never goes back, so a reader can
    // tell whether a block came in since it last looked.
    quint64 blocksAnalysed() const { return m_blocksAnalysed; }
    AnalogInput* analogInput() const { return m_ain; }
    QThread* adcThread() { return m_ainThread; }

signals:
    void updateAinData();

public slots:
    void calculateData();
    void updateData();

private:
    // The reader while it may be used: none after shutdown().
    AnalogInput* liveReader() const;
    void clearHistory();
    void calculateLevel();
    void calculateFft();
    void calculateSignificandFrequency();

    AnalogInput* m_ain = nullptr;
    QTimer* m_timerUpdate = nullptr;
    QByteArray m_analyseAudioData;
    // On the heap: a thread that cannot be stopped is left, and never destroyed.
    QThread* m_ainThread = new QThread;
    float m_rawAudioData[1024];
    float m_rmsLevel;
    float m_rmsLevel_hist[kHistoryLength];
    float m_rmsLevel_min;
    float m_rmsLevel_min_abs;
    float m_peakLevel;
    float m_fft[1024];
    float m_fft_mean[1024];
    int m_histLevelPos;
    quint32 m_significandFrequency;
    quint32 m_significandFrequencyAtMin;
    bool m_storeMinFrequency;
    bool m_pauseCapture;
    bool m_captureStarted;
    // A block was requested and has not come back: the next tick asks for no other.
    bool m_requestPending = false;
    // Within a run of short blocks, only the first is logged.
    bool m_inShortRun = false;
    bool m_shutDown = false;
    quint64 m_blocksAnalysed = 0;
};

// The one analysis worker, created on the first call.
AnalogInputWorker* Analoginputworker();

#endif // ANALOGINPUTWORKER_H
