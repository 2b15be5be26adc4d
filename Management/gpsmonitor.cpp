#include "Management/gpsmonitor.h"

#include "Tools/pendingpage.h"

GpsMonitor::GpsMonitor(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("GPS"), [this] { emit gotoWidget(0, -1, 0); });
}

void GpsMonitor::init()
{
}
