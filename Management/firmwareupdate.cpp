#include "Management/firmwareupdate.h"

#include "Tools/pendingpage.h"

Firmwareupdate::Firmwareupdate(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    buildPendingPage(this, QStringLiteral("Firmware update"), [this] { reject(); });
}
