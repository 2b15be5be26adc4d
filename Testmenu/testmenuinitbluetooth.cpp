#include "Testmenu/testmenuinitbluetooth.h"
#include "ui_testmenuinitbluetooth.h"

TestmenuInitBluetooth::TestmenuInitBluetooth(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestBluetooth"), parent)
    , ui(new Ui::TestmenuInitBluetooth)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuInitBluetooth::~TestmenuInitBluetooth()
{
    delete ui;
}
