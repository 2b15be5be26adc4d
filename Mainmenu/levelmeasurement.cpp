#include "Mainmenu/levelmeasurement.h"

#include "Audio/filtersettings.h"
#include "Tools/tooltipbutton.h"

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
    TooltipButton* filter = addBarButton(findChild<QWidget*>(QStringLiteral("subMenu_1")), "butMenuFilter", "Filter", 54);
    filter->setToolTip(tr("AdjustFilter"));
    connect(filter, &QPushButton::clicked, this, [this] {
        Filtersettings dialog(this);
        dialog.exec();
    });
    frameReady();
}
