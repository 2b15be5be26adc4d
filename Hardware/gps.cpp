#include "Hardware/gps.h"

#include "Hardware/gpio.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

Gps::Gps(QObject* parent)
    : QObject(parent)
{
}

void Gps::initGps()
{
    m_latitude = 0.0;
    m_longitude = 0.0;
    m_gpsValid = false;
    Systemsettings* settings = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
    m_enableSettingSystemtime = settings->getDateTimeSource() == QLatin1String("GPS");
}

void Gps::switchOnGpsModul()
{
    Gpio::setValue(16, 1);
    m_enabled = true;
}

void Gps::switchOffGpsModul()
{
    Gpio::setValue(16, 0);
    m_enabled = false;
    m_gpsValid = false;
}
