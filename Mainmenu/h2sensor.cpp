#include "Mainmenu/h2sensor.h"

#include "Management/systemsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

MeasuringPage::Config H2Sensor::frameConfig()
{
    Config config;
    config.widgetNumber = 6;
    config.favouriteNumber = 4;
    config.favouriteReport = ReportInInit;
    config.readingIntervalMs = 2500;
    config.readingStart = StartByPage;
    config.leaveOrder = MuteFirst;
    return config;
}

H2Sensor::H2Sensor(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
{
    buildPlaceholderForm(tr("H2Sensor"));
    frameReady();
}

bool H2Sensor::needsSensorNote() const
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (menu->isBootedToFavouriteFunction() && menu->getInstanceSystemsettings()->getFavouriteButton(nullptr) == 4)
        return false;
    return StatusbarData()->sensorType() != 3;
}

QString H2Sensor::sensorNoteText() const
{
    return tr("YouMustConnectAH2-SensorToUseThisMeasurement");
}
