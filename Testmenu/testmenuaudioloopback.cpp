#include "Testmenu/testmenuaudioloopback.h"
#include "ui_testmenuaudioloopback.h"

TestMenuAudioLoopback::TestMenuAudioLoopback(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestAudioLoopback"), parent)
    , ui(new Ui::TestMenuAudioLoopback)
{
    ui->setupUi(this);
    startFrame();
}

TestMenuAudioLoopback::~TestMenuAudioLoopback()
{
    delete ui;
}
