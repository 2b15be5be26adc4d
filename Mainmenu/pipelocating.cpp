#include "Mainmenu/pipelocating.h"

MeasuringPage::Config Pipelocating::frameConfig()
{
    Config config;
    config.widgetNumber = 8;
    config.favouriteNumber = 5;
    config.favouriteReport = ReportInInit;
    config.readingIntervalMs = 500;
    config.readingStart = StartInLiveInit;
    config.leaveOrder = MuteFirst;
    config.stopCaptureOnLeave = true;
    return config;
}

Pipelocating::Pipelocating(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
{
    buildPlaceholderForm(tr("Pipelocating"));
    frameReady();
}
