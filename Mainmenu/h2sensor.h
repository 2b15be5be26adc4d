#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "Mainmenu/measuringpage.h"

// Measuring page (placeholder until its screen is built) in the measuring page frame:
// live or stored start, listening path, mute keys, link watch and the ways out.
class H2Sensor : public MeasuringPage
{
    Q_OBJECT
public:
    explicit H2Sensor(QWidget* parent = nullptr);

protected:
    // The H2 page asks for its own sensor, except when the device booted straight into it.
    bool needsSensorNote() const override;
    QString sensorNoteText() const override;

private:
    static Config frameConfig();
};

#endif // H2SENSOR_H
