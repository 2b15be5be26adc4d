#include "Testmenu/testmenuuartusbswitch.h"
#include "ui_testmenuuartusbswitch.h"

TestmenuUartUsbSwitch::TestmenuUartUsbSwitch(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestUartUsbSwitch"), parent)
    , ui(new Ui::TestmenuUartUsbSwitch)
{
    ui->setupUi(this);
    startFrame(Connector::Usb);
}

TestmenuUartUsbSwitch::~TestmenuUartUsbSwitch()
{
    delete ui;
}
