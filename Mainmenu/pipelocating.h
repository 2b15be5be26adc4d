#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "Mainmenu/measuringpage.h"

// Measuring page (placeholder until its screen is built) in the measuring page frame:
// live or stored start, listening path, mute keys, link watch and the ways out.
class Pipelocating : public MeasuringPage
{
    Q_OBJECT
public:
    explicit Pipelocating(QWidget* parent = nullptr);

private:
    static Config frameConfig();
};

#endif // PIPELOCATING_H
