#ifndef TESTMENUUARTUSBSWITCH_H
#define TESTMENUUARTUSBSWITCH_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuUartUsbSwitch;
}

// The uART / USB switch test of the production test menu, opened by its button or by "cmdTestUartUsbSwitch".
class TestmenuUartUsbSwitch : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuUartUsbSwitch(QWidget* parent = nullptr);
    ~TestmenuUartUsbSwitch() override;

private:
    Ui::TestmenuUartUsbSwitch* ui;
};

#endif // TESTMENUUARTUSBSWITCH_H
