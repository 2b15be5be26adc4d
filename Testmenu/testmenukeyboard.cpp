#include "Testmenu/testmenukeyboard.h"
#include "ui_testmenukeyboard.h"

TestmenuKeyboard::TestmenuKeyboard(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestKeyboard"), parent)
    , ui(new Ui::TestmenuKeyboard)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuKeyboard::~TestmenuKeyboard()
{
    delete ui;
}
