#include "Mainmenu/levelmeasurement.h"

MeasuringPage::Config Levelmeasurement::frameConfig()
{
    Config config;
    config.widgetNumber = 1;
    config.favouriteNumber = 2;
    config.favouriteReport = ReportInConstructor;
    config.readingIntervalMs = 300;
    config.leaveOrder = MuteAfterRecording;
    config.logSaveText = false;
    return config;
}

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
{
    buildPlaceholderForm(tr("Level"));
    frameReady();
}
