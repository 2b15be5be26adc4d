#include "Management/configuration.h"

#include "Tools/pendingpage.h"

Configuration::Configuration(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    buildPendingPage(this, tr("MicrophoneConfiguration"), [this] { reject(); });
}
