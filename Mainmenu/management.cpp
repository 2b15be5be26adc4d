#include "Mainmenu/management.h"

#include "Tools/pendingpage.h"

Management::Management(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Management"), [this] { emit gotoWidget(0, -1, 0); });
}

void Management::init()
{
}
