#ifndef MICSETTINGS_H
#define MICSETTINGS_H

#include <QDialog>

// Stand-in until the dialog lands.
class Micsettings : public QDialog
{
    Q_OBJECT
public:
    explicit Micsettings(QWidget* parent = nullptr);
};

#endif // MICSETTINGS_H
