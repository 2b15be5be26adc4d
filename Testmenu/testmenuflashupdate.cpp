#include "Testmenu/testmenuflashupdate.h"
#include "ui_testmenuflashupdate.h"

TestMenuFlashUpdate::TestMenuFlashUpdate(QWidget* parent)
    : TestDialog(QStringLiteral("cmdFlashUpdate"), parent)
    , ui(new Ui::TestMenuFlashUpdate)
{
    ui->setupUi(this);
    startFrame();
}

TestMenuFlashUpdate::~TestMenuFlashUpdate()
{
    delete ui;
}
