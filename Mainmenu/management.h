#ifndef MANAGEMENT_H
#define MANAGEMENT_H

#include <QWidget>

namespace Ui {
class Management;
}

class BackupDialog;
class Configuration;
class Firmwareupdate;

// The management screen (widget number 4): six picture buttons leading to the stored
// measurements, the USB data transfer, the sensor-unit configuration, the firmware
// update, the GPS monitor and the settings screen, with the status line on top.
// The dialogs it opens live only while they run.
class Management : public QWidget
{
    Q_OBJECT
public:
    explicit Management(QWidget* parent = nullptr);
    ~Management() override;

    // Called each time the screen is shown: button texts and status line.
    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMeasurements_clicked();
    void on_butDatatransmission_clicked();
    void on_butDeviceConfig_clicked();
    void on_butFirmwareupdate_clicked();
    void on_butGps_clicked();
    void on_butSystemsettings_clicked();

private:
    template <typename Dialog> void runDialog(Dialog*& dialog);

    Ui::Management* ui;
    Configuration* m_configuration = nullptr;
    Firmwareupdate* m_firmwareupdate = nullptr;
    BackupDialog* m_backupDialog = nullptr;
};

#endif // MANAGEMENT_H
