#include "Audio/headphonesettings.h"

Headphonesettings::Headphonesettings(QWidget* parent)
    : QDialog(parent)
{
}

