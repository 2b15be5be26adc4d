#ifndef TESTMENUFLASHUPDATE_H
#define TESTMENUFLASHUPDATE_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestMenuFlashUpdate;
}

// The flash update test of the production test menu, opened by its button or by "cmdFlashUpdate".
class TestMenuFlashUpdate : public TestDialog
{
    Q_OBJECT

public:
    explicit TestMenuFlashUpdate(QWidget* parent = nullptr);
    ~TestMenuFlashUpdate() override;

private:
    Ui::TestMenuFlashUpdate* ui;
};

#endif // TESTMENUFLASHUPDATE_H
