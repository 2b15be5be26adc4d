#include "Debug/debugmenu.h"

#include "Tools/pendingpage.h"

DebugMenu::DebugMenu(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    // Service menus show fixed English texts.
    buildPendingPage(this, QStringLiteral("Debug"), [this] { reject(); });
}
