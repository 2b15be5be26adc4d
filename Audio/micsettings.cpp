#include "Audio/micsettings.h"

Micsettings::Micsettings(QWidget* parent)
    : QDialog(parent)
{
}

