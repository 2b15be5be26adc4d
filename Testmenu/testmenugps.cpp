#include "Testmenu/testmenugps.h"
#include "ui_testmenugps.h"

TestmenuGps::TestmenuGps(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestGps"), parent)
    , ui(new Ui::TestmenuGps)
{
    ui->setupUi(this);
    startFrame();
}

TestmenuGps::~TestmenuGps()
{
    delete ui;
}
