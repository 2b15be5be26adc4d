#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "Mainmenu/measuringpage.h"

namespace Ui {
class Longtermmeasurement;
}
class LongtermData;
class QLabel;

// The long-term measurement: while the listening path is open, the display level is taken
// every kUpdateIntervalMs into a ring of 180, 600 or 1800 values (a window of "3 min",
// "10 min" or "30 min" on the minute axis) and drawn as a line, plain 0..100 or scaled to
// the values; saved as a type 4 measurement and shown again as a still picture.
class Longtermmeasurement : public MeasuringPage
{
    Q_OBJECT
public:
    static const int kUpdateIntervalMs = 1300;
    static const int kRingSize = 2048;

    explicit Longtermmeasurement(QWidget* parent = nullptr);
    ~Longtermmeasurement() override;

    // In the stored view the path stays muted: the mute keys and the sensor unit's mute
    // key are ignored there (the page has no sound to play).
    void muteAudioPath(bool a_mute, bool a_sendToMic) override;

    // State for the tests and the service pages.
    int dataCount() const { return m_dataCnt; }
    int maxVisibleData() const { return m_maxVisibleData; }
    bool displaysOldData() const { return m_displayOldData; }
    int selectedTime() const { return m_selectedTime; }
    bool isScaled() const { return m_drawScaled; }
    int scaledMinimum() const { return m_minDataVal; }
    int scaledMaximum() const { return m_maxDataVal; }
    const float* recordedData() const { return m_recordedData; }
    int storedDataCount() const { return m_storedDataCnt; }
    const float* storedData() const { return m_storedData; }
    int storedFilterType() const { return m_storedFilterType; }
    quint32 storedFilterLowCutOff() const { return m_storedFilterLowCutOff; }
    quint32 storedFilterHighCutOff() const { return m_storedFilterHighCutOff; }

public slots:
    void updateData();

private slots:
    void on_butMenuTime_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuMainmenu_3_clicked();

protected:
    void setTooltips() override;
    void applyDisplaySettings() override;
    void resetDisplays() override;
    void startLive() override;
    void analyseInfoFile() override;
    void updateReading() override { updateData(); }
    bool isPathOpen() const override { return !m_muted; }
    void saveMeasurement(const QString& name) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    static Config frameConfig();
    // The live path switch behind muteAudioPath, also used where the stored view mutes.
    void switchPath(bool a_mute, bool a_sendToMic);
    // The window table: label and X axis of the window; returns its number of values.
    static int applyWindow(int selectedTime, QLabel* label, LongtermData* graph);
    void setScaleIcon(bool scaled);
    void showLiveFilter();
    void drawLive();
    void readStoredFile();

    Ui::Longtermmeasurement* ui;
    LongtermData* longtermData;
    LongtermData* storedLongtermData;
    float m_recordedData[kRingSize] = {};
    int m_dataCnt = 0;
    int m_maxVisibleData = 180;
    bool m_displayOldData = false;
    int m_selectedTime = 0;
    bool m_muted = true;
    float m_storedData[kRingSize] = {};
    int m_storedDataCnt = 0;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 0;
    bool m_drawScaled = false;
    int m_minDataVal = 0;
    int m_maxDataVal = 100;
};

#endif // LONGTERMMEASUREMENT_H
