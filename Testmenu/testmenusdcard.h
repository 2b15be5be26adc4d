#ifndef TESTMENUSDCARD_H
#define TESTMENUSDCARD_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuSdcard;
}

// The sD card test of the production test menu, opened by its button or by "cmdTestSdcard".
class TestmenuSdcard : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuSdcard(QWidget* parent = nullptr);
    ~TestmenuSdcard() override;

private:
    Ui::TestmenuSdcard* ui;
};

#endif // TESTMENUSDCARD_H
