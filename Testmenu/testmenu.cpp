#include "Testmenu/testmenu.h"

#include "Tools/pendingpage.h"

TestMenu::TestMenu(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    // Service menus show fixed English texts.
    buildPendingPage(this, QStringLiteral("Production test"), [this] { reject(); });
}
