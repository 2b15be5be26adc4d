#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include <QDialog>

// Firmware update wizard for the device and the sensor unit, run modally by the management screen (placeholder until its screen is built).
class Firmwareupdate : public QDialog
{
    Q_OBJECT
public:
    explicit Firmwareupdate(QWidget* parent = nullptr);
};

#endif // FIRMWAREUPDATE_H
