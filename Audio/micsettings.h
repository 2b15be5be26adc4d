#ifndef MICSETTINGS_H
#define MICSETTINGS_H

#include <QDialog>

// Stand-in for the dialog until it is in this tree.
class Micsettings : public QDialog
{
public:
    explicit Micsettings(QWidget* parent = nullptr)
        : QDialog(parent)
    {
    }
};

#endif // MICSETTINGS_H
