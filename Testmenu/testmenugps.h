#ifndef TESTMENUGPS_H
#define TESTMENUGPS_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuGps;
}

// The gPS test of the production test menu, opened by its button or by "cmdTestGps".
class TestmenuGps : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuGps(QWidget* parent = nullptr);
    ~TestmenuGps() override;

private:
    Ui::TestmenuGps* ui;
};

#endif // TESTMENUGPS_H
