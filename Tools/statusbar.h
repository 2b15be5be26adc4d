#ifndef STATUSBAR_H
#define STATUSBAR_H

#include <QImage>
#include <QObject>
#include <QString>
#include <QWidget>

class BatteryState;
class QTimer;

// Run-time status of the device for the status line and the screens.
// Placeholder: holds the states with their start values; the 2 s and 30 s ticks,
// the sensor-unit queries and the inactivity counters are not running yet.
class Statusbardata : public QObject
{
    Q_OBJECT
public:
    explicit Statusbardata(QObject* parent = nullptr);

    void init();
    // Stops every timer of the status data; called when the application quits.
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

private:
    BatteryState* m_batteryState = nullptr;
    bool m_stateGps = false;
    bool m_stateHeadphone = false;
    bool m_stateMicrophone = false;
    bool m_stateMute = true;
    int m_batteryHL = 0;
    bool m_batteryHLCharging = false;
    int m_batteryHeadphone = 0;
    int m_batteryMicrophone = -1;
    int m_batteryVoltageMic = 0;
    int m_sensorType = 0;
    int m_micSensorConnected = 0;
    bool m_powerSavingActive = false;
};

// The single status data object, built on the first call.
Statusbardata* StatusbarData();

// The thin status line of the main page and the measuring screens.
// Placeholder: shows the clock and the device battery, redrawn once a second.
class Statusbar : public QWidget
{
    Q_OBJECT
public:
    explicit Statusbar(QWidget* parent = nullptr);

    void init(int width, int height);
    QRect getRect() const { return QRect(0, 0, width(), height()); }

public slots:
    void updateTime();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawStatusbar();

    QTimer* m_updateTime;
    QImage image;
    QString m_time;
    int m_batteryHL = 0;
};

#endif // STATUSBAR_H
