#ifndef TESTMENUUSB_H
#define TESTMENUUSB_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuUsb;
}

// The USB test of the production test menu, opened by its button or by "cmdTestUsb": hands
// the data partition to the PC of the test place and takes it back, applying the special
// files found on it. Back counts as Pass here.
class TestmenuUsb : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuUsb(QWidget* parent = nullptr);
    ~TestmenuUsb() override;

private slots:
    void on_butConnect_clicked();
    void on_butDisconnect_clicked();

protected:
    bool executeOwnCommand(const QString& line) override;
    bool leaving() override;
    QString backAnswer() const override { return QStringLiteral("resPassed"); }

private:
    void writeInfoFile();

    Ui::TestmenuUsb* ui;
    // The form's text, shown again once a step succeeds after a failed one.
    QString m_instructions;
    bool m_connectedWithUsb = false;
};

#endif // TESTMENUUSB_H
