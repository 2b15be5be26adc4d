#ifndef TESTMENUKEYBOARD_H
#define TESTMENUKEYBOARD_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuKeyboard;
}

// The key test of the production test menu, opened by its button or by "cmdTestKeyboard".
class TestmenuKeyboard : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuKeyboard(QWidget* parent = nullptr);
    ~TestmenuKeyboard() override;

private:
    Ui::TestmenuKeyboard* ui;
};

#endif // TESTMENUKEYBOARD_H
