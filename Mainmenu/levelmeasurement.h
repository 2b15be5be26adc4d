#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "Mainmenu/measuringpage.h"

// Measuring page (placeholder until its screen is built) in the measuring page frame:
// live or stored start, listening path, mute keys, link watch and the ways out.
class Levelmeasurement : public MeasuringPage
{
    Q_OBJECT
public:
    explicit Levelmeasurement(QWidget* parent = nullptr);

private:
    static Config frameConfig();
};

#endif // LEVELMEASUREMENT_H
