#ifndef TESTMENUSDCARD_H
#define TESTMENUSDCARD_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuSdcard;
}

// The SD card test of the production test menu, opened by its button or by "cmdTestSdcard":
// Start shows the card's partition table as the partition tool prints it, for the
// operator or the station to judge.
class TestmenuSdcard : public TestDialog
{
    Q_OBJECT

public:
    // How long the partition tool gets to print its whole listing.
    static const int kOutputWaitMs = 3000;

    explicit TestmenuSdcard(QWidget* parent = nullptr);
    ~TestmenuSdcard() override;

private slots:
    void on_butStart_clicked();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    Ui::TestmenuSdcard* ui;
};

#endif // TESTMENUSDCARD_H
