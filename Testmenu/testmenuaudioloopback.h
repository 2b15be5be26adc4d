#ifndef TESTMENUAUDIOLOOPBACK_H
#define TESTMENUAUDIOLOOPBACK_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestMenuAudioLoopback;
}

// The audio loopback test of the production test menu, opened by its button or by "cmdTestAudioLoopback".
class TestMenuAudioLoopback : public TestDialog
{
    Q_OBJECT

public:
    explicit TestMenuAudioLoopback(QWidget* parent = nullptr);
    ~TestMenuAudioLoopback() override;

private:
    Ui::TestMenuAudioLoopback* ui;
};

#endif // TESTMENUAUDIOLOOPBACK_H
