#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "Mainmenu/measuringpage.h"
#include "Mainmenu/pointhistory.h"

namespace Ui {
class Pipelocating;
}
class FreqSpectrum;
class Gps;
class QLabel;
class QProgressBar;

// Pipe locating: the user listens at one spot after another, and each opening of the
// listening path is a point. While it is open the page reads the analysis on its timer
// (from the live start until the page is left) and keeps as the point's value the highest
// peak level of its last six readings, with the latest frequency and the position of the
// receiver at that reading. The last ten points stand as bars coloured by frequency, with
// the pipe symbol over the loudest; they can be saved (type 2, no clip) and shown again.
class Pipelocating : public MeasuringPage
{
    Q_OBJECT
public:
    static const int kReadingMs = 500;
    static const int kReadingAfterFilterMs = 200;
    static const int kRingSize = 6;

    explicit Pipelocating(QWidget* parent = nullptr);
    ~Pipelocating() override;

    // The page's switch of the listening path: opening starts a point, muting ends it (a
    // point without a reading is dropped). Ignored in the stored view.
    void muteAudioPath(bool a_mute, bool a_sendToMic) override;

    // The live bar's Home button (the frame connects it).
    void on_butMenuHome_clicked();

    // What the page holds, for the service menus and the tests.
    int currentStep() const { return m_currentStep; }
    float pointValue(int point) const { return m_historyValues[point]; }
    int pointFrequency(int point) const { return m_historyFrequency[point]; }
    double pointLatitude(int point) const { return m_storedGpsPosLat[point]; }
    double pointLongitude(int point) const { return m_storedGpsPosLong[point]; }
    float maxHoldValue() const { return m_maxHoldValue; }
    PointHistory::Range liveRange() const { return {m_dynamicScaleMin, m_dynamicScaleMax}; }
    FreqSpectrum* spectrum() const { return freqSpectrum; }

public slots:
    // One reading of the analysis (the reading timer).
    void updateData();
    // The filter dialog; accepted, the page reads every kReadingAfterFilterMs, left with
    // the on/off key it reads no more until the next init.
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();

protected:
    void setTooltips() override;
    void applyDisplaySettings() override;
    void resetBeforeLinks() override;
    void resetDisplays() override;
    void startLive() override;
    void analyseInfoFile() override;
    void saveMeasurement(const QString& name) override;
    void updateReading() override { updateData(); }
    bool isPathOpen() const override { return !m_muted; }

private:
    static Config frameConfig();
    void startPoint();
    void endPoint();
    void clearPoint(int point);
    void updateHistoryValues();
    void shiftHistoryValues();
    void adjustProgbarRange();
    void adjustProgbarRangeStored();
    void setProgressBarFrequColor(QProgressBar* a_bar, int a_frequValue, bool a_maxColor);
    void showStoredView();

    Ui::Pipelocating* ui;
    // The bars and their labels by point number, live and stored (entry 0 unused).
    QProgressBar* m_liveBars[PointHistory::kPoints + 1] = {};
    QLabel* m_liveLabels[PointHistory::kPoints + 1] = {};
    QProgressBar* m_storedBars[PointHistory::kPoints + 1] = {};
    QLabel* m_storedLabels[PointHistory::kPoints + 1] = {};
    FreqSpectrum* freqSpectrum = nullptr;
    Gps* m_gpsModul = nullptr;
    bool m_muted = true;
    // Past ten points the oldest makes room only when the new point has its first reading,
    // so an opening that is dropped costs no point.
    bool m_shiftPending = false;
    int m_cntMaxVal = 0;
    float m_lastMaxValues[kRingSize] = {};
    float m_maxHoldValue = 0;
    int m_currentStep = 0;
    float m_historyValues[PointHistory::kPoints + 1] = {};
    int m_historyFrequency[PointHistory::kPoints + 1] = {};
    double m_storedGpsPosLat[PointHistory::kPoints + 1] = {};
    double m_storedGpsPosLong[PointHistory::kPoints + 1] = {};
    float m_dynamicScaleMin = 0;
    float m_dynamicScaleMax = 100;
    float m_storedLevel[PointHistory::kPoints + 1] = {};
    int m_storedFrequency[PointHistory::kPoints + 1] = {};
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;
};

#endif // PIPELOCATING_H
