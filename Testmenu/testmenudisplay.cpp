#include "Testmenu/testmenudisplay.h"
#include "ui_testmenudisplay.h"

TestmenuDisplay::TestmenuDisplay(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestDisplay"), parent)
    , ui(new Ui::TestmenuDisplay)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuDisplay::~TestmenuDisplay()
{
    delete ui;
}
