#include "Management/measmanagement.h"

#include "Tools/pendingpage.h"

MeasManagement::MeasManagement(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Measurements"), [this] { emit exit(); });
}

void MeasManagement::init(int a_pageNum, bool a_editmode)
{
    Q_UNUSED(a_pageNum)
    Q_UNUSED(a_editmode)
}
