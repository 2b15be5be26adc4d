#include "Testmenu/testmenusdcard.h"
#include "ui_testmenusdcard.h"

TestmenuSdcard::TestmenuSdcard(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestSdcard"), parent)
    , ui(new Ui::TestmenuSdcard)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuSdcard::~TestmenuSdcard()
{
    delete ui;
}
