#ifndef TESTMENUAUDIO_H
#define TESTMENUAUDIO_H

#include "Testmenu/testdialog.h"

namespace Ui {
class TestmenuAudio;
}

// The audio channel test of the production test menu, opened by its button or by "cmdTestAudioChannels".
class TestmenuAudio : public TestDialog
{
    Q_OBJECT

public:
    explicit TestmenuAudio(QWidget* parent = nullptr);
    ~TestmenuAudio() override;

private:
    Ui::TestmenuAudio* ui;
};

#endif // TESTMENUAUDIO_H
