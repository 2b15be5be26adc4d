#include "Mainmenu/longtermmeasurement.h"

MeasuringPage::Config Longtermmeasurement::frameConfig()
{
    Config config;
    config.widgetNumber = 9;
    config.favouriteNumber = 3;
    config.favouriteReport = ReportInConstructor;
    config.readingIntervalMs = 1300;
    config.leaveOrder = OwnMuteAfterTimers;
    config.stopCaptureOnLeave = true;
    return config;
}

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
{
    buildPlaceholderForm(tr("Longterm"));
    frameReady();
}
