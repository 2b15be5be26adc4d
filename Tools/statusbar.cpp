#include "Tools/statusbar.h"

#include "Hardware/batterystate.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QTime>
#include <QTimer>

namespace {
const int kStatusLineIntervalMs = 1000;
}

Statusbardata::Statusbardata(QObject* parent)
    : QObject(parent)
    , m_batteryState(new BatteryState(this))
{
}

void Statusbardata::init()
{
    m_batteryHL = m_batteryState->fuelPercent();
    m_batteryHLCharging = m_batteryState->isCharging();
    m_batteryHeadphone = m_batteryHL;
    m_batteryMicrophone = -1;
    m_sensorType = 0;
    m_micSensorConnected = 0;
    m_powerSavingActive = false;
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Statusbardata::stopTimers, Qt::UniqueConnection);
}

void Statusbardata::stopTimers()
{
    // No timers run in this build of the status data.
}

bool Statusbardata::stateGps()
{
    return m_stateGps;
}

bool Statusbardata::stateMicrophone()
{
    return m_stateMicrophone;
}

bool Statusbardata::stateMute()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    m_stateMute = mainMenu ? mainMenu->isAudioPathMuted() : true;
    return m_stateMute;
}

bool Statusbardata::stateHeadphone()
{
    return m_stateHeadphone;
}

void Statusbardata::resetPowerSavingCnt()
{
    m_powerSavingActive = false;
}

Statusbardata* StatusbarData()
{
    static Statusbardata data;
    return &data;
}

Statusbar::Statusbar(QWidget* parent)
    : QWidget(parent)
    , m_updateTime(new QTimer(this))
{
}

void Statusbar::init(int width, int height)
{
    image = QImage(width, height, QImage::Format_RGB32);
    updateTime();
    connect(m_updateTime, &QTimer::timeout, this, &Statusbar::updateTime, Qt::UniqueConnection);
    m_updateTime->start(kStatusLineIntervalMs);
}

void Statusbar::updateTime()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    const QString format = mainMenu ? mainMenu->getInstanceSystemsettings()->getFormatStringTime() : QStringLiteral("hh:mm:ss");
    m_time = QTime::currentTime().toString(format);
    m_batteryHL = StatusbarData()->batteryHL();
    drawStatusbar();
}

void Statusbar::drawStatusbar()
{
    if (image.isNull())
        return;
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(qMax(10, image.height() - 6));
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QString::number(m_batteryHL) + QLatin1Char('%'));
    painter.drawText(image.rect().adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, m_time);
    update();
}

void Statusbar::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), image, event->rect());
}
