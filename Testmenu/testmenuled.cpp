#include "Testmenu/testmenuled.h"
#include "ui_testmenuled.h"

TestmenuLed::TestmenuLed(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestLed"), parent)
    , ui(new Ui::TestmenuLed)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuLed::~TestmenuLed()
{
    delete ui;
}
