#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "Mainmenu/measuringpage.h"

// Measuring page (placeholder until its screen is built) in the measuring page frame:
// live or stored start, listening path, mute keys, link watch and the ways out.
class Pinpointing : public MeasuringPage
{
    Q_OBJECT
public:
    explicit Pinpointing(QWidget* parent = nullptr);

private:
    static Config frameConfig();
};

#endif // PINPOINTING_H
