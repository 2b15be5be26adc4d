#ifndef HEADPHONESETTINGS_H
#define HEADPHONESETTINGS_H

#include <QDialog>

// Stand-in until the dialog lands.
class Headphonesettings : public QDialog
{
    Q_OBJECT
public:
    explicit Headphonesettings(QWidget* parent = nullptr);
};

#endif // HEADPHONESETTINGS_H
