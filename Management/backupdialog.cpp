#include "Management/backupdialog.h"

#include "Tools/pendingpage.h"

BackupDialog::BackupDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    buildPendingPage(this, QStringLiteral("USB <> PC"), [this] { reject(); });
}
