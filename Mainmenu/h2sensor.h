#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "Mainmenu/measuringpage.h"

#include <QElapsedTimer>

namespace Ui {
class H2Sensor;
}
class Gps;
class LongtermData;
class QFile;

// The H2 (tracer gas) page: polls the sensor unit for its H2 reading ("BT_TX S") and shows
// the level above the zero point (the running minimum, or the level when Zero is pressed)
// as a number, a bar and a graph of the last readings, on a fixed or an automatic range.
// While the path is open the level sets the click rate of the PWM ticker that the codec
// feeds to the headphones (input path 2), and each listening step keeps its last level and
// position; saved as a type 3 measurement without sound. The heating dial shows how long
// the sensor has been heated. Variant 1 draws a stored H2 series.
//
// Muted, a reading only moves the zero point, the dial and the service labels.
class H2Sensor : public MeasuringPage
{
    Q_OBJECT
public:
    static const int kMutedPollMs = 2500;
    static const int kOpenPollMs = 517;
    // A request not answered within this is given up, so a slow or silent unit never has
    // requests piling up in the link's queue.
    static const int kAnswerWaitMs = 2000;
    static const int kHistoryValues = 300;
    static const int kHistorySize = 1024;
    static const int kSteps = 10;

    explicit H2Sensor(QWidget* parent = nullptr);
    ~H2Sensor() override;

    // Sets the polling period (kMutedPollMs / kOpenPollMs) and switches the main window's
    // path; each opening is a new listening step. Ignored in the stored view, which has
    // nothing to play.
    void muteAudioPath(bool a_mute, bool a_sendToMic) override;

    // (level - reference) * 100 / range, limited to 0..100.
    int calcPercentLevel(int level) const;

    // State for the tests and the service pages.
    bool isMuted() const { return m_muted; }
    int level() const { return m_h2level; }
    int displayLevel() const { return m_h2displayLevel; }
    int referenceLevel() const { return m_h2referenceLevel; }
    int rangeMax() const { return m_rangeMax; }
    int scaleMode() const { return m_scaleMode; }
    bool isDynamicScaling() const { return m_dynamicScaling; }
    int percentLevel() const { return m_percentLevel; }
    int currentStep() const { return m_currentStep; }
    float stepLevel(int step) const { return m_storedRmsLevels[step]; }
    double stepLatitude(int step) const { return m_storedGpsPosLat[step]; }
    double stepLongitude(int step) const { return m_storedGpsPosLong[step]; }
    int historyCount() const { return m_dataCnt; }
    const float* history() const { return m_h2historyValues; }
    int storedValuesCount() const { return m_h2storedValuesCnt; }
    int storedReferenceLevel() const { return m_h2storedReferenceLevel; }
    int storedRangeMax() const { return m_h2storedRangeMax; }
    bool isRequestPending() const { return m_requestPending; }
    LongtermData* graph() const { return longtermData; }

public slots:
    // One request for the sensor value, unless the last one is still awaited.
    void readData();
    void btReceivedSensorvalue(QString sensorvalue, QString activeTime);
    void updatePwmValue();
    void updateScaleMaxValue(int mode);

private slots:
    void on_butMenuZero_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuHeadphone_clicked();

protected:
    void setTooltips() override;
    // The H2 page asks for its own sensor, except when the device booted straight into it.
    bool needsSensorNote() const override;
    QString sensorNoteText() const override;
    void applyDisplaySettings() override;
    void resetDisplays() override;
    void startLive() override;
    void analyseInfoFile() override;
    void updateReading() override { readData(); }
    void saveMeasurement(const QString& name) override;

private:
    static Config frameConfig();
    void setReferenceIcon();
    void showScaleMin();
    void showActiveTime(const QString& activeTime, int seconds);
    void showDial(int seconds);
    void setGraphAxisY();
    void recordStep(int level);
    void addToHistory(float value);
    void autoRange(int level);
    void shiftAllMeasurementsLeft();
    void updateProgbars() {}
    void readInfoFile();
    void liveGraph();
    // Writes the text into one of the PWM files, truncating it; one that does not open is
    // skipped with a log line.
    static bool writePwm(QFile* file, const char* absolutePath, const QByteArray& value);

    Ui::H2Sensor* ui;
    Gps* m_gpsModul = nullptr;
    LongtermData* longtermData = nullptr;
    QFile* m_filePeriod = nullptr;
    QFile* m_fileDutycycle = nullptr;
    QFile* m_filePwmEnable = nullptr;

    int m_h2level = 0;
    int m_h2displayLevel = 0;
    int m_h2referenceLevel = 0;
    int m_scaleMode = 0;
    int m_rangeMax = 1000;
    int m_percentLevel = 0;
    int m_currentStep = 0;
    bool m_muted = true;
    bool m_dynamicScaling = false;
    float m_storedRmsLevels[21] = {};
    double m_storedGpsPosLat[21] = {};
    double m_storedGpsPosLong[21] = {};
    float m_h2historyValues[kHistorySize] = {};
    int m_dataCnt = 0;
    float m_h2storedValues[kHistorySize] = {};
    int m_h2storedValuesCnt = 0;
    int m_h2storedReferenceLevel = 0;
    int m_h2storedRangeMax = 0;

    bool m_requestPending = false;
    QElapsedTimer m_requestSent;
};

#endif // H2SENSOR_H
