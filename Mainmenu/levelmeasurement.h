#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "Mainmenu/measuringpage.h"

namespace Ui {
class Levelmeasurement;
}
class FreqSpectrum;
class QWidget;

// The level of the listening signal while the user listens: current and minimum level as
// bars and numbers, the peak with a six-reading max-hold (with the peak-bar setting and
// the service features), the frequency at the minimum and the spectrum of the last block.
// Saves a level measurement with its sound clip and shows a stored one again, playing its
// sound through its filter. Runs in the measuring page frame.
class Levelmeasurement : public MeasuringPage
{
    Q_OBJECT
public:
    static constexpr int kMaxHoldReadings = 6;
    static constexpr int kPlayerVolume = 70;

    explicit Levelmeasurement(QWidget* parent = nullptr);
    ~Levelmeasurement() override;

    // One reading in display units (linearPeak: the peak before conversion) onto the bars
    // and numbers; false when the reading was skipped (a level below 0).
    bool showLevels(float current, float peak, float minimum, float linearPeak);
    // The chunk style of the peak bar for a linear peak.
    static QString peakChunkStyle(float linearPeak);

    FreqSpectrum* spectrum() const { return freqSpectrum; }
    const float* fftValues() const { return m_fft; }
    float maxHoldValue() const { return m_maxHoldValue; }

public slots:
    void updateLevel();

private slots:
    void on_butMenuFilter_clicked();
    void on_butMenuMic_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuStoredHeadphone_clicked();
    void on_butDigitalLoopback_clicked();
    void on_butAnalogLoopback_clicked();
    void on_butDbgStartRec_clicked();
    void on_butDbgStopRec_clicked();
    void on_butDbgLoop_clicked();

protected:
    void setTooltips() override;
    void applyDisplaySettings() override;
    void resetDisplays() override;
    void startLive() override;
    void analyseInfoFile() override;
    void resetRunningValues() override;
    void setDrawingEnabled(bool enabled) override;
    void playStoredSound() override;
    void stopStoredSound() override;
    void saveMeasurement(const QString& name) override;
    void updateReading() override { updateLevel(); }

private:
    static Config frameConfig();
    void showSpectrum();
    void showFrequency();
    void setSpectrumIdle(bool useMeanValues, float* values);

    Ui::Levelmeasurement* ui;
    FreqSpectrum* freqSpectrum = nullptr;
    float m_currentLevel = 0;
    float m_peakLevel = 0;
    float m_minimumLevelAbs = 0;
    int m_significandFrequency = 0;
    int m_significandFrequencyAtMin = 0;
    float m_fft[1024] = {};
    float m_lastMaxValues[kMaxHoldReadings] = {};
    int m_cntMaxVal = 0;
    float m_maxHoldValue = 0;
    float m_storedLevel = 0;
    int m_storedFilterType = 0;
    int m_storedFilterLowCutOff = 0;
    int m_storedFilterHighCutOff = 4000;
    // The clip in the temporary folder is the whole sound of the result shown: written for
    // it by a save from this recording (AudioWorker::recordingsBegun()), it stays its sound
    // until the recorder begins another one: the path opened anywhere (the page, one of
    // its dialogs, the unit's key) or the page started again. 0: no such clip.
    quint64 m_clipOfShownResult = 0;
};

#endif // LEVELMEASUREMENT_H
