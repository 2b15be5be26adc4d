#ifndef TESTMENUUSB_H
#define TESTMENUUSB_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuUsb;
}

// The uSB test of the production test menu, opened by its button or by "cmdTestUsb".
class TestmenuUsb : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuUsb(QWidget* parent = nullptr);
    ~TestmenuUsb() override;

private:
    Ui::TestmenuUsb* ui;
};

#endif // TESTMENUUSB_H
