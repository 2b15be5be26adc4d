#include "Testmenu/testmenusensordetection.h"
#include "ui_testmenusensordetection.h"

TestmenuSensordetection::TestmenuSensordetection(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestSensordetection"), parent)
    , ui(new Ui::TestmenuSensordetection)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuSensordetection::~TestmenuSensordetection()
{
    delete ui;
}
