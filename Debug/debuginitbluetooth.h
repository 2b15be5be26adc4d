#ifndef DEBUGINITBLUETOOTH_H
#define DEBUGINITBLUETOOTH_H

#include <QDialog>

class Bluetooth;
class QTimer;

namespace Ui {
class DebugInitBluetooth;
}

// Service console that gives either Bluetooth module its set-up sequence and probes it
// with "AT"; what the modules answer appears in the log every 100 ms.
class DebugInitBluetooth : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kUpdateIntervalMs = 100;

    explicit DebugInitBluetooth(QWidget* parent = nullptr);
    ~DebugInitBluetooth() override;

public slots:
    void updateBtInfo();

private slots:
    void on_butInitUart_clicked();
    void on_butInitBtSource_clicked();
    void on_butInitBtSink_clicked();
    void on_butAt_clicked();
    void on_butAt_2_clicked();
    void on_butClear_clicked();
    void on_butCancel_clicked();

private:
    Ui::DebugInitBluetooth* ui;
    Bluetooth* btSource = nullptr;
    Bluetooth* btSink = nullptr;
    QTimer* m_timer = nullptr;
};

#endif // DEBUGINITBLUETOOTH_H
