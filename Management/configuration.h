#ifndef CONFIGURATION_H
#define CONFIGURATION_H

#include <QDialog>
#include <QString>

namespace Ui {
class Configuration;
}
class Bluetooth;
class QKeyEvent;
class QTimer;

// Shows the sensor unit's configuration as the unit reports it ("BT_TX P": sensor, gain
// step, battery, versions, key mode and mute state) with its Bluetooth name and address
// from the settings. Changes nothing on the unit. The management screen runs it modally.
class Configuration : public QDialog
{
    Q_OBJECT

public:
    // The unit's answer is parsed when its terminator line comes, or after this long.
    // Host tests shorten it.
    static int& answerTimeoutMs();
    static constexpr int kDefaultAnswerTimeoutMs = 7000;

    explicit Configuration(QWidget* parent = nullptr);
    ~Configuration() override;

    // The texts as shown, for the screen and its checks.
    QString sensorType() const { return m_micSensorType; }
    QString gain() const { return m_micGain; }
    QString batteryState() const { return m_micBatteryState; }
    QString firmwareVersion() const { return m_micFirmwareVersion; }
    QString hardwareVersion() const { return m_micHardwareVersion; }
    QString buttonMode() const { return m_micButtonMode; }
    QString btName() const { return m_micBtName; }
    QString btId() const { return m_micBtId; }

    // The step text shown after a gain code ("0F" gives "(3 / 18dB)", an unknown one "(?)").
    static QString gainStepText(const QString& code);
    // The name of a sensor code ("1" gives "K-2").
    static QString sensorName(const QString& code);

public slots:
    void init();
    void readBtAnswer();

private slots:
    void on_butReadAgain_clicked();
    void on_butMenuBack_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void showValues();

    Ui::Configuration* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_timer;
    QString m_micFirmwareVersion;
    QString m_micBatteryState;
    QString m_micGain;
    QString m_micSensorType;
    QString m_micButtonMode;
    QString m_micHardwareVersion;
    QString m_micBtName;
    QString m_micBtId;

    // The two halves of m_micButtonMode: a mute state reported again replaces the one
    // shown instead of piling up behind it.
    QString m_buttonModeReported;
    QString m_muteStateReported;
};

#endif // CONFIGURATION_H
