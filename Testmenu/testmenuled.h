#ifndef TESTMENULED_H
#define TESTMENULED_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuLed;
}

// The LED test of the production test menu, opened by its button or by "cmdTestLed": the
// I/O and debug LEDs switched on and off for a look by eye. Leaving, the I/O LED is left
// on and the debug LED off.
class TestmenuLed : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuLed(QWidget* parent = nullptr);
    ~TestmenuLed() override;

protected:
    bool executeOwnCommand(const QString& line) override;
    bool leaving() override;

private slots:
    void on_butIO_ON_clicked();
    void on_butIO_OFF_clicked();
    void on_butDBG_ON_clicked();
    void on_butDBG_OFF_clicked();
    void on_butCHRG_ON_clicked() {}
    void on_butCHRG_OFF_clicked() {}

private:
    bool setIoLed(const QByteArray& brightness);

    Ui::TestmenuLed* ui;
};

#endif // TESTMENULED_H
