#include "Testmenu/testmenuuartusbswitch.h"
#include "ui_testmenuuartusbswitch.h"

#include "Hardware/gpio.h"

TestmenuUartUsbSwitch::TestmenuUartUsbSwitch(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestUartUsbSwitch"), parent)
    , ui(new Ui::TestmenuUartUsbSwitch)
{
    ui->setupUi(this);
    // The connector goes to USB the moment the test opens.
    Gpio::setValue(65, 0);
    Gpio::setValue(50, 0);
    m_selectedMode = 0;
    ui->labelState->setText(QStringLiteral("Selected mode: USB"));
    startFrame(Connector::Keep);
}

TestmenuUartUsbSwitch::~TestmenuUartUsbSwitch()
{
    delete ui;
}

void TestmenuUartUsbSwitch::on_butUart_clicked()
{
    m_selectedMode = 1;
    Gpio::selectConnector(Gpio::Connector::Uart);
    ui->labelState->setText(QStringLiteral("Selected mode: UART"));
}

void TestmenuUartUsbSwitch::on_butUsb_clicked()
{
    m_selectedMode = 0;
    Gpio::selectConnector(Gpio::Connector::Usb);
    ui->labelState->setText(QStringLiteral("Selected mode: USB"));
}

bool TestmenuUartUsbSwitch::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdUartUsbSwitchUart")))
        on_butUart_clicked();
    else if (line.startsWith(QLatin1String("cmdUartUsbSwitchUsb")))
        on_butUsb_clicked();
    else
        return false;
    return true;
}
