#ifndef TESTMENUUARTUSBSWITCH_H
#define TESTMENUUARTUSBSWITCH_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuUartUsbSwitch;
}

// The UART/USB switch test of the production test menu, opened by its button or by
// "cmdTestUartUsbSwitch": puts the shared connector on the serial port or on USB. The
// selection stays in force after the dialog closes.
class TestmenuUartUsbSwitch : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuUartUsbSwitch(QWidget* parent = nullptr);
    ~TestmenuUartUsbSwitch() override;

private slots:
    void on_butUart_clicked();
    void on_butUsb_clicked();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    Ui::TestmenuUartUsbSwitch* ui;
    int m_selectedMode = 0; // 1 UART, 0 USB
};

#endif // TESTMENUUARTUSBSWITCH_H
