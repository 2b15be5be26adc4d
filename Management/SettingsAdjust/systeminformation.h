#ifndef SYSTEMINFORMATION_H
#define SYSTEMINFORMATION_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QString>

namespace Ui {
class Systeminformation;
}

class Bluetooth;
class QTimer;

// Read-only view of the device's identity and state. A hidden button behind the black
// background lets a service technician switch the debug features with an access code.
class Systeminformation : public SettingsDialog
{
    Q_OBJECT

public:
    explicit Systeminformation(QWidget* parent = nullptr);
    ~Systeminformation() override;

    void init();

    QString hardwareVersion() const { return m_hardwareVersion; }

public slots:
    void updateInfo();
    void readHardwareVersion();

private slots:
    void on_butDebugFeatures_clicked();
    void on_butMenuBack_clicked();


private:
    QString readStorageLetter();
    QString readOperatingSystem();
    QString readSerialNumber();
    QString readBattery();

    Ui::Systeminformation* ui;
    QTimer* m_timer;
    Bluetooth* m_btSource;
    Bluetooth* m_btSink;
    int m_pressedCnt;
    QString m_hardwareVersion;
};

#endif // SYSTEMINFORMATION_H
