#ifndef TESTMENUBATTERY_H
#define TESTMENUBATTERY_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuBattery;
}

// The battery test of the production test menu, opened by its button or by "cmdTestBattery".
class TestmenuBattery : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuBattery(QWidget* parent = nullptr);
    ~TestmenuBattery() override;

private:
    Ui::TestmenuBattery* ui;
};

#endif // TESTMENUBATTERY_H
