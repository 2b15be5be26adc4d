#include "Testmenu/testmenubattery.h"
#include "ui_testmenubattery.h"

TestmenuBattery::TestmenuBattery(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestBattery"), parent)
    , ui(new Ui::TestmenuBattery)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuBattery::~TestmenuBattery()
{
    delete ui;
}
