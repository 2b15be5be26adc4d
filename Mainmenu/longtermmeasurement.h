#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "Mainmenu/measuringpage.h"

// Measuring page (placeholder until its screen is built) in the measuring page frame:
// live or stored start, listening path, mute keys, link watch and the ways out.
class Longtermmeasurement : public MeasuringPage
{
    Q_OBJECT
public:
    explicit Longtermmeasurement(QWidget* parent = nullptr);

private:
    static Config frameConfig();
};

#endif // LONGTERMMEASUREMENT_H
