#ifndef FILTERSETTINGS_H
#define FILTERSETTINGS_H

#include <QDialog>

// Stand-in until the dialog lands.
class Filtersettings : public QDialog
{
    Q_OBJECT
public:
    explicit Filtersettings(QWidget* parent = nullptr);
    void getFiltersettings(int* a_filterType, quint32* a_lowCutOffFrequency, quint32* a_highCutOffFrequency) const;
};

#endif // FILTERSETTINGS_H
