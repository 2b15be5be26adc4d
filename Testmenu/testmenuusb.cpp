#include "Testmenu/testmenuusb.h"
#include "ui_testmenuusb.h"

TestmenuUsb::TestmenuUsb(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestUsb"), parent)
    , ui(new Ui::TestmenuUsb)
{
    ui->setupUi(this);
    startFrame(Connector::Usb);
}

TestmenuUsb::~TestmenuUsb()
{
    delete ui;
}
