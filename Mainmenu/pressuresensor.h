#ifndef PRESSURESENSOR_H
#define PRESSURESENSOR_H

#include <QDialog>
#include <QString>

namespace Ui {
class PressureSensor;
}

class AudioCodecSetup;
class Bluetooth;
class LongtermData;
class QFile;
class QTimer;

// The pressure page: the sensor unit streams a pressure sensor's converter values in
// packets; the page converts them to bar with a two-point calibration, keeps the newest
// kMaxValues (one minute at kSamplesPerSecond), shows MAX, MIN, AVG and ACT (DEV in the
// analyse view), draws them with a time window and a pressure zoom, pages through the
// frozen buffer in the analyse view, records the stream into two temporary files and
// saves them as a "PS_" measurement.
//
// Temporary files (Latin-1, CR LF, "." decimals; each write opens, appends and closes):
// the high-resolution file holds one row a minute, "\r\n" + "hh:mm:ss;" + every value as
// "x.xx;"; the low-resolution file one line a minute, "hh:mm:ss;max;min;avg;dev;\r\n",
// with the statistics of the buffer right after the row's first packet. A minute is
// counted in samples: a row closes with the packet that brings it to kMaxValues or more.
// Only a live start removes them; muting pauses a row and opening continues it.
//
// It is not in the measuring page frame: no reading timer, no link check, no stored view,
// and its mute slot tells the sensor unit to stop ("BT_TX RP") or send ("BT_TX RS").
// GUI thread only.
class PressureSensor : public QDialog
{
    Q_OBJECT
public:
    static const int kMaxValues = 6000;
    static const int kSamplesPerSecond = 100;
    // GPIO line that is 1 while a packet is processed.
    static const unsigned int kBusyGpio = 115;

    explicit PressureSensor(QWidget* parent = nullptr);
    ~PressureSensor() override;

    // Variant 1 (a stored measurement) only connects and mutes: the page has no stored view.
    // Any other variant starts live with an empty buffer and removes the temporary files.
    void init(int variant);

    // Statistics and labels over the buffer positions start .. start + count - 1.
    void updatePressureValues(int start, int count, bool analyse);
    void updateDiagram(float minX, float maxX, float minY, float maxY, unsigned int start, unsigned int end,
                       unsigned int count);

    // For the tests and the service pages.
    int dataCount() const { return m_dataCnt; }
    const float* values() const { return m_pressureValues; }
    float fullScale() const { return m_maxPressureValue; }
    unsigned short adcAtZero() const { return m_ADCvalueMinPressure; }
    unsigned short adcAtFullScale() const { return m_ADCvalueMaxPressure; }
    bool isMuted() const { return m_muted; }
    float minX() const { return m_minXScaleValue; }
    float maxX() const { return m_maxXScaleValue; }
    float minY() const { return m_minYScaleValue; }
    float maxY() const { return m_maxYScaleValue; }
    int analyseStart() const { return m_analyseDataStart; }
    int analyseEnd() const { return m_analyseDataEnd; }
    LongtermData* graph() const { return longtermData; }
    static QString lowResPath();
    static QString highResPath();

public slots:
    // The sensor unit's mute key and the page's own; does nothing in the analyse view.
    void switchActiveMute(bool mute);
    void enableReceivePressuredata(bool enable, int sensor, unsigned short adMin, unsigned short adMax);
    void pressuredataReceived(int dataCnt, QString pressuredata);
    // One packet of 100 made-up samples, for trying the page without a sensor.
    void generateDummyData();

    void on_butMenuHome_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuScaleY_clicked();
    void on_butMenuScaleX_clicked();
    void on_butMenuAnalyse_clicked();
    void on_butMenuAnalyseScaleY_clicked();
    void on_butMenuAnalyseScaleX_clicked();
    void on_butMenuAnalysePrev_clicked();
    void on_butMenuAnalyseNext_clicked();
    void on_butMenuAnalyseBack_clicked();

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The mute switch itself: the path, the page's state and the unit's stream.
    void switchPath(bool mute);
    bool isAnalysing() const;
    void nextTimeWindow();
    void toggleZoom(bool analyse);
    void drawLiveWindow();
    void showAnalyseWindow();
    void setFullScaleRange();
    void showEmptyLabels();
    void appendToFile(QFile* file, const QString& text);
    bool writeSavedMeasurement(const QString& directory, const QString& name);

    QTimer* m_timerDummyData = nullptr;
    Ui::PressureSensor* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    LongtermData* longtermData = nullptr;

    float m_maxPressureValue = 25.0f;
    float m_pressureValues[kMaxValues] = {};
    bool m_muted = true;
    // A save is under way (its name keyboard, then the store): the recording it stores
    // stays as it is.
    bool m_saving = false;
    bool m_receiveEnabled = false;
    unsigned short m_ADCvalueMaxPressure = 3685;
    unsigned short m_ADCvalueMinPressure = 409;
    float m_maxPressure = 0;
    float m_minPressure = 0;
    float m_averagePressure = 0;
    float m_standardDeviation = 0;
    float m_currentPressure = 0;
    int m_dataCnt = 0;

    QFile* m_fileLowRes = nullptr;
    QFile* m_fileHighRes = nullptr;
    // A packet since the live start could not be written to the files: a save would
    // store an incomplete recording.
    bool m_recordingFailed = false;
    QString m_dataStringHighRes;
    QString m_dataStringLowRes;

    bool m_zoomed = false;
    float m_minYScaleValue = 0;
    float m_maxYScaleValue = 25.0f;
    int m_XScaleMode = 0;
    float m_minXScaleValue = 0;
    float m_maxXScaleValue = 60;
    int m_dataCntScaled = kMaxValues;
    int m_analyseDataStart = 0;
    int m_analyseDataEnd = 0;
    int m_dataStart = 0;
    int m_dataEnd = 0;
    int m_storeDataCnt = 0;
};

#endif // PRESSURESENSOR_H
