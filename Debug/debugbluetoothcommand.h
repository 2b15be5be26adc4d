#ifndef DEBUGBLUETOOTHCOMMAND_H
#define DEBUGBLUETOOTHCOMMAND_H

#include <QDialog>

class Bluetooth;
class QTimer;

namespace Ui {
class DebugBluetoothCommand;
}

// Service console that sends a typed command line to either Bluetooth module and switches
// the sensor-unit module between command and data mode, with a live receive log.
class DebugBluetoothCommand : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kUpdateIntervalMs = 100;

    explicit DebugBluetoothCommand(QWidget* parent = nullptr);
    ~DebugBluetoothCommand() override;

public slots:
    void updateBtInfo();
    void toggleButtonSymbol();

private slots:
    void on_butAt_clicked();
    void on_butSendSource_clicked();
    void on_butSendSink_clicked();
    void on_butClear_clicked();
    void on_butCommandMode_clicked();
    void on_butDataMode_clicked();
    void on_butKeyboard_clicked();
    void on_butCancel_clicked();

private:
    void send(Bluetooth* link, const QColor& colour);
    void showCommunicationMode();

    Ui::DebugBluetoothCommand* ui;
    Bluetooth* btSource = nullptr;
    Bluetooth* btSink = nullptr;
    QTimer* m_timer = nullptr;
};

#endif // DEBUGBLUETOOTHCOMMAND_H
