#ifndef FILTERSETTINGS_H
#define FILTERSETTINGS_H

#include <QDialog>

// Stand-in for the listening filter dialog until it is in this tree: it closes at once
// and leaves the filter as it is.
class Filtersettings : public QDialog
{
public:
    explicit Filtersettings(QWidget* parent = nullptr)
        : QDialog(parent)
    {
    }
    void getFiltersettings(int* a_filterType, quint32* a_lowCutOffFrequency, quint32* a_highCutOffFrequency) const
    {
        *a_filterType = 0;
        *a_lowCutOffFrequency = 0;
        *a_highCutOffFrequency = 4000;
    }
};

#endif // FILTERSETTINGS_H
