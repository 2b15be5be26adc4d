#ifndef TESTMENULED_H
#define TESTMENULED_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuLed;
}

// The lED test of the production test menu, opened by its button or by "cmdTestLed".
class TestmenuLed : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuLed(QWidget* parent = nullptr);
    ~TestmenuLed() override;

private:
    Ui::TestmenuLed* ui;
};

#endif // TESTMENULED_H
