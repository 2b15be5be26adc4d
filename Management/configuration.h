#ifndef CONFIGURATION_H
#define CONFIGURATION_H

#include <QDialog>

// Sensor-unit configuration dialog, run modally by the management screen (placeholder until its screen is built).
class Configuration : public QDialog
{
    Q_OBJECT
public:
    explicit Configuration(QWidget* parent = nullptr);
};

#endif // CONFIGURATION_H
