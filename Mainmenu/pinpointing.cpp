#include "Mainmenu/pinpointing.h"

MeasuringPage::Config Pinpointing::frameConfig()
{
    Config config;
    config.widgetNumber = 3;
    config.favouriteNumber = 1;
    config.favouriteReport = ReportAtEndOfLiveInit;
    config.readingIntervalMs = 300;
    config.leaveOrder = MuteFirst;
    config.backMutesPath = true;
    return config;
}

Pinpointing::Pinpointing(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
{
    buildPlaceholderForm(tr("Histogram"));
    frameReady();
}
