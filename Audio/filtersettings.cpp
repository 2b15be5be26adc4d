#include "Audio/filtersettings.h"

Filtersettings::Filtersettings(QWidget* parent)
    : QDialog(parent)
{
}

void Filtersettings::getFiltersettings(int* a_filterType, quint32* a_lowCutOffFrequency, quint32* a_highCutOffFrequency) const
{
    *a_filterType = 0;
    *a_lowCutOffFrequency = 0;
    *a_highCutOffFrequency = 4000;
}

