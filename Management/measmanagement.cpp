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
    m_selectedMeasurementDir.clear();
}

void MeasManagement::openStoredMeasurement(QString dir)
{
    m_selectedMeasurementDir = dir;
    static const struct
    {
        const char* prefix;
        int widget;
    } pages[] = {{"LE", 1}, {"PP", 3}, {"H2", 6}, {"PL", 8}, {"LT", 9}};
    for (const auto& page : pages) {
        if (dir.startsWith(QLatin1String(page.prefix))) {
            emit gotoWidget(page.widget, -1, 1);
            return;
        }
    }
}
