#ifndef HEADPHONESETTINGS_H
#define HEADPHONESETTINGS_H

#include <QDialog>

// Stand-in for the dialog until it is in this tree.
class Headphonesettings : public QDialog
{
public:
    explicit Headphonesettings(QWidget* parent = nullptr)
        : QDialog(parent)
    {
    }
};

#endif // HEADPHONESETTINGS_H
