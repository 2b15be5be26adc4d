#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class AudioCodecSetup;
class BatteryState;
class Bluetooth;
class Gps;
class MessageDialog;
class QPainter;
class QTimer;

// Run-time status of the device for the status line and the screens: batteries,
// links, GPS, mute state and the attached sensor; the inactivity counters that switch
// the backlight off and power the device down; the sensor unit's alerts.
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    static const int kTickMs = 2000;
    static const int kRareTickMs = 30000;
    static const int kAlertBlockMs = 10000;
    static const int kNeverSeconds = 259200; // "never" counts as 72 hours
    static const int kLowBatteryWarningSeconds = 120;

    explicit Statusbardata(QObject* parent = nullptr);
    ~Statusbardata() override;

    void init();
    // Stops both ticks; the main window calls it when it goes and when the application quits.
    void stopTimers();

    bool stateGps();
    bool stateMicrophone();
    bool stateMute();
    bool stateHeadphone();

    int batteryHL() const { return m_batteryHL; }
    bool batteryHLCharging() const { return m_batteryHLCharging; }
    int batteryMicrophone() const { return m_batteryMicrophone; }
    int batteryVoltageMic() const { return m_batteryVoltageMic; }
    int batteryHeadphone() const { return m_batteryHeadphone; }
    int sensorType() const { return m_sensorType; }
    bool micSensorConnected() const { return m_micSensorConnected != 0; }
    bool isPowerSavingActive() const { return m_powerSavingActive; }
    void resetPowerSavingCnt();

    // For the service pages and tests.
    int powerOffCount() const { return m_powerOffCnt; }
    int backlightOffCount() const { return m_backlightOffCnt; }
    bool isLowBatteryWarningArmed() const { return m_displayAccuWarningPopup; }
    bool isTicking() const;

public slots:
    void analyseAlert(QString code);
    void btReceivedSensortype(QString code);
    void btReceivedBattery(QString millivolts);
    void btReceivedHeadphoneBatteryState(int percent);
    void btConnected();
    void update();
    void rareUpdate();
    void enableDisplayMsgDlg();
    void switchOffDbgLed();

private:
    void loadInactivityCounters();
    void writeBacklight(int value);
    void sendToSensorUnit(const QString& line);
    bool isBatteryLow() const;
    bool powerDownIfFlat();
    void showLowBatteryWarning();

    QPointer<Bluetooth> m_btSource;
    QPointer<Bluetooth> m_btSink;
    QPointer<AudioCodecSetup> m_audioCodec;
    QPointer<Gps> m_gpsModul;
    QTimer* m_timer;
    QTimer* m_longTimer;
    BatteryState* m_batteryState;
    MessageDialog* m_messageDialog = nullptr;
    MessageDialog* m_lowBatteryDialog = nullptr; // the low-battery warning while it stands
    bool m_stateGps = false;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    bool m_stateMute = true;
    int m_batteryHL = 0;
    bool m_batteryHLCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = 0;
    int m_batteryVoltageMic = 0;
    float m_voltage = 0.0f;
    int m_sensorType = 0;
    QString m_swVersion;
    int m_micSensorConnected = 0;
    bool m_messageVisible = false;
    bool m_displayAccuWarningPopup = false;
    int m_powerOffCnt = 3600;
    int m_backlightOffCnt = 600;
    bool m_powerSavingActive = false;
    bool m_initConnectHeadphone = true;
    int m_cntNextBatteryUpdate = 0;
};

// The single status data object, built on the first call.
Statusbardata* StatusbarData();

// The thin status line of the main page and the measuring screens: drawn into an
// image once a second, painted from that image on demand.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    static const int kRedrawMs = 1000;

    explicit Statusbar(QWidget* parent = nullptr);

    void init(int width, int height);
    QRect getRect() const { return QRect(0, 0, width(), height()); }
    // The current picture (drawn now if the line was hidden at its last tick).
    const QImage& getImage();

    static void drawAccu(QPainter* painter, const QRect& rect, int percent);

public slots:
    void updateTime();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The clock and the figures of the status data, as they are now.
    void takeStatus();
    void drawStatusbar();
    static const QPixmap& icon(const char* name);

    QTimer* m_updateTime;
    QPointer<Bluetooth> m_btSource;
    QPointer<Bluetooth> m_btSink;
    QPointer<Gps> m_gpsModul;
    QPointer<AudioCodecSetup> m_audioCodec;
    QImage image;
    bool m_btLinkHpActive = false;
    bool m_btLinkMicActive = false;
    bool m_micSensorConnected = false;
    int m_sensorType = 0;
    bool m_stateGps = false;
    bool m_mute = true;
    int m_batteryHL = 0;
    bool m_batteryHLCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = -1;
    QString m_time;
    bool m_dirty = false; // the values changed while the line was hidden
};

#endif // STATUSBAR_H
