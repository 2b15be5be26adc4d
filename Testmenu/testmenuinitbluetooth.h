#ifndef TESTMENUINITBLUETOOTH_H
#define TESTMENUINITBLUETOOTH_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuInitBluetooth;
}

// The bluetooth module initialisation of the production test menu, opened by its button or by "cmdTestBluetooth".
class TestmenuInitBluetooth : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuInitBluetooth(QWidget* parent = nullptr);
    ~TestmenuInitBluetooth() override;

private:
    Ui::TestmenuInitBluetooth* ui;
};

#endif // TESTMENUINITBLUETOOTH_H
