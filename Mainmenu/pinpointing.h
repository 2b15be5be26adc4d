#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "Mainmenu/measuringpage.h"

#include <QList>
#include <QString>

namespace Ui {
class Pinpointing;
}
class Gps;
class QLabel;
class QProgressBar;
struct MeasInfoStructure;

// The rules of the bar display, as functions of the point values (index 1 to 10 of arrays
// of kPoints entries), so that the page and its tests share them.
namespace PinpointingRules {

constexpr int kPoints = 20;
constexpr int kMaxPoint = 10;

enum ScaleMode { Fixed = 0, Dynamic = 1, Zoom = 2 };

struct BarRange
{
    int mode = Fixed; // the mode the range was made for (an unknown one becomes Fixed)
    float min = 100;  // least level in (0, 100], 100 without one
    float max = 0;    // greatest level, at least 0
    float low = 0;    // the bars' ends in dB
    float high = 100;
};

BarRange barRange(const float* levels, int mode);
// The style sheet of the scale button in that mode.
QString scaleButtonStyle(int mode);
// The mode the scale button switches to.
int nextScaleMode(int mode, bool useDynamicScaling);
// The leak among points 1 to count: the first point of the highest level above 0, or -1
// (level and frequency then 0).
int leakPoint(const float* levels, const int* frequencies, int count, float* level, int* frequency);
// A point counts when its level is above 0 or its frequency at least 1.
bool isValidPoint(float level, int frequency);

} // namespace PinpointingRules

// The survey of up to ten measuring points along a pipe: each opening of the listening
// path starts the next point, the readings while it is open fill it, muting fixes it and
// writes its clip "PP_Sound_<n>". The point of the highest minimum level marks the leak.
// The survey is saved as a histogram measurement ("PP_") and can be viewed again with the
// clips of its points.
class Pinpointing : public MeasuringPage
{
    Q_OBJECT
public:
    static constexpr int kReadingMs = 300;

    explicit Pinpointing(QWidget* parent = nullptr);
    ~Pinpointing() override;

    int currentStep() const { return m_currentStep; }
    int scaleMode() const { return m_scaleMode; }
    int leakPos() const { return m_leakPos; }
    float minimumLevel(int point) const { return m_storedMinimumLevels[point]; }
    float rmsLevel(int point) const { return m_storedRmsLevels[point]; }
    int frequency(int point) const { return m_significandFrequency[point]; }
    double latitude(int point) const { return m_storedGpsPosLat[point]; }
    double longitude(int point) const { return m_storedGpsPosLong[point]; }
    bool isShiftPending() const { return m_shiftPending; }

    void muteAudioPath(bool a_mute, bool a_sendToMic) override;
    void switchActiveMute(bool muted) override;

    int getLeakLevel(float* a_level, int* a_frequency, int a_count);
    void adjustProgbarRange();
    void updateProgbars();
    void arrangeElements(bool stored);
    void setProgressBarFrequColor(QProgressBar* bar, int frequency, const QString& fallback);
    void setProgressBarValue(QProgressBar* bar, int value);
    void hideBarsIfInvalid();
    void shiftAllMeasurementsLeft();
    // Sends the page's view of the path to the main window and the sensor unit again.
    void repeatActiveMute();

public slots:
    void updateLevel();

private slots:
    void on_butStartStop_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuDeleteLast_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_2_clicked();
    void on_butMenuStoredNext_clicked();
    void on_butMenuStoredHeadphone_clicked();

protected:
    void setTooltips() override;
    void applyDisplaySettings() override;
    void resetDisplays() override;
    void startLive() override;
    void analyseInfoFile() override;
    void playStoredSound() override;
    void stopStoredSound() override;
    void saveMeasurement(const QString& name) override;
    void updateReading() override { updateLevel(); }
    bool isPathOpen() const override { return !m_muted; }

private:
    // What became of a point's clip as the point was fixed: on disk, still being written
    // when the wait ran out, or lost (its write failed).
    enum ClipState { ClipOnDisk = 0, ClipLate, ClipLost };

    static Config frameConfig();
    QProgressBar* bar(int point) const;
    QLabel* levelLabel(int point) const;
    bool isCurrentPointEmpty() const;
    void fixCurrentPoint();
    void startNextPoint();
    void clearPoint(int point);
    // Whether no clip that the save would copy is still being written (waits a bounded
    // time for them); lost receives the points whose clip will never come.
    bool clipWritesDone(const MeasInfoStructure& info, QList<int>* lost);
    // Once every write has finished: a late clip is the point's own only when its write
    // made one with sound; what lies under its name otherwise goes.
    void resolveLateClips();
    void removeClip(int point);
    void showFilter();
    void showLevelAndFrequency(float level, int frequency);
    void readInfoFile();
    void runHeadphoneSettings();
    QString storedClipPath() const;
    void removeTemporaryClips();

    Ui::Pinpointing* ui;
    Gps* m_gpsModul = nullptr;
    int m_currentStep = 0;
    bool m_muted = true;
    // Opened past ten points: the points shift left at the new point's first valid reading.
    bool m_shiftPending = false;
    float m_storedRmsLevels[PinpointingRules::kPoints] = {};
    float m_storedMinimumLevels[PinpointingRules::kPoints] = {};
    double m_storedGpsPosLat[PinpointingRules::kPoints] = {};
    double m_storedGpsPosLong[PinpointingRules::kPoints] = {};
    int m_significandFrequency[PinpointingRules::kPoints] = {};
    ClipState m_clipState[PinpointingRules::kPoints] = {};
    // The recorder's number of the write that made each point's clip.
    quint64 m_clipRequest[PinpointingRules::kPoints] = {};
    int m_significandFrequencyCurrent = 0;
    int m_leakPos = -1;
    float m_leakLevel = 0;
    int m_leakFrequency = 0;
    bool m_linearScale = false;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 0;
    int m_scaleMode = PinpointingRules::Fixed;
    bool m_useDynamicScaling = false;
    float m_dynamicScaleMin = 0;
    float m_dynamicScaleMax = 1000.0f;
};

#endif // PINPOINTING_H
