#ifndef TESTMENUSENSORDETECTION_H
#define TESTMENUSENSORDETECTION_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuSensordetection;
}

// The sensor detection test of the production test menu, opened by its button or by "cmdTestSensordetection".
class TestmenuSensordetection : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuSensordetection(QWidget* parent = nullptr);
    ~TestmenuSensordetection() override;

private:
    Ui::TestmenuSensordetection* ui;
};

#endif // TESTMENUSENSORDETECTION_H
