#ifndef TESTMENUDISPLAY_H
#define TESTMENUDISPLAY_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuDisplay;
}

// The display test of the production test menu, opened by its button or by "cmdTestDisplay".
class TestmenuDisplay : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuDisplay(QWidget* parent = nullptr);
    ~TestmenuDisplay() override;

private:
    Ui::TestmenuDisplay* ui;
};

#endif // TESTMENUDISPLAY_H
