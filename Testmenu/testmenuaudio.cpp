#include "Testmenu/testmenuaudio.h"
#include "ui_testmenuaudio.h"

TestmenuAudio::TestmenuAudio(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestAudioChannels"), parent)
    , ui(new Ui::TestmenuAudio)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuAudio::~TestmenuAudio()
{
    delete ui;
}
