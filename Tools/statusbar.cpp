#include "Tools/statusbar.h"

#include "Audio/audiocodecsetup.h"
#include "Hardware/batterystate.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gpio.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "globals.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QHash>
#include <QDebug>
#include <QFile>
#include <QPainter>
#include <QPaintEvent>
#include <QTime>
#include <QTimer>

namespace {
const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const QString kIconDir = QStringLiteral(":/Resources/Icons/Tools/Statusbar/");
const int kDbgLedFlashMs = 100;
const int kBatteryQueryTicks = 60;

Systemsettings* settings()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    return mainMenu ? mainMenu->getInstanceSystemsettings() : nullptr;
}
} // namespace

// ---- status data ---------------------------------------------------------------------

Statusbardata::Statusbardata(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_longTimer(new QTimer(this))
    , m_batteryState(new BatteryState(this))
{
    connect(m_timer, &QTimer::timeout, this, &Statusbardata::update, Qt::UniqueConnection);
    connect(m_longTimer, &QTimer::timeout, this, &Statusbardata::rareUpdate, Qt::UniqueConnection);
    m_timer->start(kTickMs);
    m_longTimer->start(kRareTickMs);
}

Statusbardata::~Statusbardata() = default;

void Statusbardata::init()
{
    m_micSensorConnected = 0;
    m_messageVisible = false;

    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    m_btSource = mainMenu->getBtSourceInstance();
    m_btSink = mainMenu->getBtSinkInstance();
    m_gpsModul = mainMenu->getGpsInstance();
    m_audioCodec = mainMenu->getAudioCodecInstance();
    m_stateGps = m_stateHeadphone = m_stateMicrophone = m_stateMute = false;

    m_voltage = m_batteryState->voltage();
    m_batteryHL = m_batteryState->fuelPercent();
    m_batteryHLCharging = m_batteryState->isCharging();
    m_batteryHeadphone = m_batteryHL;
    m_cntNextBatteryUpdate = 0;
    m_sensorType = 0;
    m_batteryMicrophone = -1;
    m_displayAccuWarningPopup = true;

    // Alerts open a modal dialog: never from inside the link's line parser.
    connect(m_btSink, &Bluetooth::btAlertMessageReceived, this, &Statusbardata::analyseAlert,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    connect(m_btSink, &Bluetooth::btSensortypeReceived, this, &Statusbardata::btReceivedSensortype, Qt::UniqueConnection);
    connect(m_btSink, &Bluetooth::btBatteryvoltageReceived, this, &Statusbardata::btReceivedBattery, Qt::UniqueConnection);
    connect(m_btSource, &Bluetooth::btHeadphoneBatteryStateReceived, this,
            &Statusbardata::btReceivedHeadphoneBatteryState, Qt::UniqueConnection);
    connect(m_btSink, &Bluetooth::btConnectedRfcomm, this, &Statusbardata::btConnected, Qt::UniqueConnection);

    sendToSensorUnit(QStringLiteral("BT_TX T"));
    sendToSensorUnit(QStringLiteral("BT_TX B"));

    loadInactivityCounters();
    m_powerSavingActive = false;
    if (Systemsettings* s = settings())
        writeBacklight(s->getBacklightBrightness());

    connect(qApp, &QCoreApplication::aboutToQuit, this, &Statusbardata::stopTimers, Qt::UniqueConnection);
    // A main window made again (as the tests do) starts the ticks again.
    if (!m_timer->isActive())
        m_timer->start(kTickMs);
    if (!m_longTimer->isActive())
        m_longTimer->start(kRareTickMs);
}

void Statusbardata::stopTimers()
{
    m_timer->stop();
    m_longTimer->stop();
}

bool Statusbardata::isTicking() const
{
    return m_timer->isActive() && m_longTimer->isActive();
}

void Statusbardata::sendToSensorUnit(const QString& line)
{
    if (m_btSink)
        m_btSink->sendData(line);
}

void Statusbardata::loadInactivityCounters()
{
    Systemsettings* s = settings();
    const int powerOff = s ? s->getPowerOffTime() : 0;
    const int displayOff = s ? s->getDisplayOffTime() : 0;
    m_powerOffCnt = powerOff > 0 ? powerOff : kNeverSeconds;
    m_backlightOffCnt = displayOff > 0 ? displayOff : kNeverSeconds;
}

void Statusbardata::writeBacklight(int value)
{
    QFile backlight(Platform::devicePath(QString::fromLatin1(kBacklight)));
    if (!backlight.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Truncate))
        return;
    backlight.write(QByteArray::number(value));
}

void Statusbardata::resetPowerSavingCnt()
{
    loadInactivityCounters();
    if (m_powerSavingActive) {
        if (Systemsettings* s = settings())
            writeBacklight(s->getBacklightBrightness());
    }
    m_powerSavingActive = false;
}

bool Statusbardata::stateGps()
{
    m_stateGps = m_gpsModul && m_gpsModul->isGpsDataValid();
    return m_stateGps;
}

bool Statusbardata::stateMicrophone()
{
    m_stateMicrophone = m_btSink && m_btSink->isConnectedRFCOMM();
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
    if (!m_btSource)
        return false;
    m_stateHeadphone = m_btSource->isConnectedA2DP();
    if (m_initConnectHeadphone) {
        if (!m_btSource->isConnectedAVRCP())
            return m_stateHeadphone;
        qDebug() << "Init Headphone Volume" << m_stateHeadphone << m_btSource->isConnectedAVRCP();
        m_btSource->setBtExtHeadphoneGain(50);
        m_initConnectHeadphone = false;
    }
    if (m_stateHeadphone)
        return true;
    qDebug() << "Headphone Connection lost" << m_stateHeadphone << m_btSource->isConnectedAVRCP();
    m_initConnectHeadphone = true;
    return false;
}

void Statusbardata::update()
{
    Gpio::setValue(115, 1);
    QTimer::singleShot(kDbgLedFlashMs, this, &Statusbardata::switchOffDbgLed);

    enum { AskLink, AskType, AskBattery } next;
    if (Gpio::getValue(48)) {
        m_sensorType = 4;
        m_micSensorConnected = 1;
        next = m_stateMicrophone ? AskBattery : AskLink;
    } else if (m_sensorType == 4) {
        // The wired sensor was removed.
        m_sensorType = 0;
        m_micSensorConnected = 0;
        if (m_stateMicrophone) {
            sendToSensorUnit(QStringLiteral("BT_TX T"));
            next = AskBattery;
        } else {
            next = AskLink;
        }
    } else {
        next = m_stateMicrophone ? AskType : AskLink;
    }

    if (next == AskLink) {
        if (stateMicrophone()) {
            next = AskType;
        } else {
            if (m_sensorType != 4)
                m_micSensorConnected = 0;
            next = AskBattery;
        }
    }
    if (next == AskType && m_micSensorConnected == 0)
        sendToSensorUnit(QStringLiteral("BT_TX T"));
    if (m_batteryMicrophone < 0)
        sendToSensorUnit(QStringLiteral("BT_TX B"));

    m_batteryHLCharging = m_batteryState->isCharging();
    if (m_lowBatteryDialog) {
        m_voltage = m_batteryState->voltage();
        powerDownIfFlat();
    }

    // While the partition is with the PC, the PC may be writing to it: the device is in use.
    if (UsbExport::isExported()) {
        resetPowerSavingCnt();
        return;
    }
    m_powerOffCnt -= kTickMs / 1000;
    if (m_powerOffCnt <= 0) {
        qDebug() << "Power-Off device";
        if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
            mainMenu->beforePowerDown();
    }
    m_backlightOffCnt -= kTickMs / 1000;
    if (m_backlightOffCnt <= 0) {
        qDebug() << "Backlight off";
        writeBacklight(0);
        m_powerSavingActive = true;
    }
}

bool Statusbardata::isBatteryLow() const
{
    // An unknown charge never warns; the voltage still does.
    return (m_batteryState->isFuelKnown() && m_batteryHL < 10) || m_voltage < 3.1f;
}

bool Statusbardata::powerDownIfFlat()
{
    // A gauge that never gave a voltage says nothing about the battery.
    if (!m_batteryState->isVoltageKnown() || m_voltage >= 2.9f)
        return false;
    qDebug() << "Battery is very low. Power-Off device";
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        mainMenu->beforePowerDown();
    return true;
}

void Statusbardata::rareUpdate()
{
    m_voltage = m_batteryState->voltage();
    m_batteryHL = m_batteryState->fuelPercent();
    const bool known = m_batteryState->isVoltageKnown();

    if ((!m_batteryState->isFuelKnown() || m_batteryHL > 10) && m_voltage > 3.1f)
        m_displayAccuWarningPopup = true;

    // Flat: go down now rather than behind a warning that may stand for minutes.
    if (!powerDownIfFlat() && known && isBatteryLow() && m_displayAccuWarningPopup)
        showLowBatteryWarning();

    if (--m_cntNextBatteryUpdate < 1) {
        sendToSensorUnit(QStringLiteral("BT_TX B"));
        if (m_btSource)
            m_btSource->requestHeadphoneBatteryState();
        m_cntNextBatteryUpdate = kBatteryQueryTicks;
    }

    const int headphone = m_btSource ? m_btSource->getBtExtHeadphoneBatteryState() : -1;
    m_batteryHeadphone = headphone >= 0 ? headphone : m_batteryHL;
}

void Statusbardata::showLowBatteryWarning()
{
    auto* dialog = new MessageDialog(nullptr);
    dialog->setIcon(1);
    dialog->setHeadline(tr("Warning"));
    dialog->setDialogType(0);
    dialog->setInfotext(tr("TheBatteryIsVeryLowPleaseRecharge"));
    dialog->setAutoCloseTimeout(kLowBatteryWarningSeconds);
    // While it stands, this slot does not run again; the 2 s tick keeps the flat check.
    m_lowBatteryDialog = dialog;
    const int result = dialog->exec();
    m_lowBatteryDialog = nullptr;
    if (result == 0) {
        switch (dialog->getPressedButton()) {
        case 0:
            qDebug() << "Battery low message accepted";
            m_displayAccuWarningPopup = false;
            break;
        case 4:
            qDebug() << "Battery low message: Timeout";
            m_displayAccuWarningPopup = false;
            break;
        default:
            qDebug() << "Ende Button Unknown";
            break;
        }
    }
    delete dialog;
}

void Statusbardata::analyseAlert(QString code)
{
    QString infoText;
    bool sendOff = false;
    if (code == QLatin1String("0")) {
        qDebug() << "ALERT! No sensor connected";
        m_micSensorConnected = 0;
        infoText = tr("TheSensorCouldNotBeDetected");
        sendOff = g_debugFeatures != 1;
    } else if (code == QLatin1String("1")) {
        qDebug() << "ALERT! Battery voltage of QJ-5 very low";
        infoText = tr("BatteryVoltageOfQJ5ToLow");
    } else if (code == QLatin1String("2")) {
        qDebug() << "ALERT! Problem with sensor type detection";
        m_micSensorConnected = 0;
        infoText = tr("ProblemWithSensorTypeDetection");
    } else {
        m_micSensorConnected = 1;
        return;
    }
    if (m_messageVisible)
        return;
    m_messageVisible = true;
    if (sendOff)
        sendToSensorUnit(QStringLiteral("BT_TX O"));
    auto* dialog = new MessageDialog(nullptr);
    dialog->setIcon(1);
    dialog->setHeadline(tr("Warning"));
    dialog->setDialogType(0);
    dialog->setInfotext(infoText);
    dialog->exec();
    delete dialog;
    QTimer::singleShot(kAlertBlockMs, this, &Statusbardata::enableDisplayMsgDlg);
}

void Statusbardata::btReceivedSensortype(QString code)
{
    if (code == QLatin1String("1") || code == QLatin1String("2") || code == QLatin1String("3")) {
        m_sensorType = code.toInt();
        m_micSensorConnected = 1;
    } else if (code == QLatin1String("4")) {
        m_sensorType = 5;
        m_micSensorConnected = 1;
    } else {
        m_sensorType = 0;
    }
}

void Statusbardata::btReceivedBattery(QString millivolts)
{
    const int mv = millivolts.trimmed().toInt();
    m_batteryVoltageMic = mv;
    if (mv < 3400 || mv > 4300) {
        m_batteryMicrophone = -1;
        return;
    }
    m_batteryMicrophone = qBound(0, (mv - 3600) / 5, 100);
}

void Statusbardata::btReceivedHeadphoneBatteryState(int percent)
{
    m_batteryHeadphone = percent >= 0 && percent <= 100 ? percent : m_batteryHL;
}

void Statusbardata::btConnected()
{
    m_stateMicrophone = true;
}

void Statusbardata::enableDisplayMsgDlg()
{
    m_messageVisible = false;
}

void Statusbardata::switchOffDbgLed()
{
    Gpio::setValue(115, 0);
}

Statusbardata* StatusbarData()
{
    static Statusbardata data;
    return &data;
}

// ---- status line ---------------------------------------------------------------------

Statusbar::Statusbar(QWidget* parent)
    : QWidget(parent)
    , m_updateTime(new QTimer(this))
{
}

void Statusbar::init(int width, int height)
{
    // Figures and clock show from the first drawing, not a second later.
    takeStatus();

    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
        m_gpsModul = mainMenu->getGpsInstance();
        m_audioCodec = mainMenu->getAudioCodecInstance();
    }
    image = QImage(width, height, QImage::Format_RGB32);
    drawStatusbar();
    connect(m_updateTime, &QTimer::timeout, this, &Statusbar::updateTime, Qt::UniqueConnection);
    m_updateTime->start(kRedrawMs);
}

void Statusbar::takeStatus()
{
    Systemsettings* s = settings();
    m_time = Platform::currentDateTime().time().toString(s ? s->getFormatStringTime() : QStringLiteral("hh:mm:ss"));
    Statusbardata* status = StatusbarData();
    m_btLinkHpActive = status->stateHeadphone();
    m_btLinkMicActive = status->stateMicrophone();
    m_micSensorConnected = status->micSensorConnected();
    m_sensorType = status->sensorType();
    m_stateGps = status->stateGps();
    m_mute = status->stateMute();
    m_batteryHL = status->batteryHL();
    m_batteryHLCharging = status->batteryHLCharging();
    m_batteryMicrophone = status->batteryMicrophone();
    m_batteryHeadphone = status->batteryHeadphone();
}

void Statusbar::updateTime()
{
    takeStatus();
    // Every page has a status line; only the shown one is worth drawing each second.
    if (isVisible())
        drawStatusbar();
    else
        m_dirty = true;
}

void Statusbar::showEvent(QShowEvent* event)
{
    if (m_dirty)
        drawStatusbar();
    QWidget::showEvent(event);
}

const QImage& Statusbar::getImage()
{
    if (m_dirty)
        drawStatusbar();
    return image;
}

const QPixmap& Statusbar::icon(const char* name)
{
    // Decoded once: the line is redrawn every second.
    static QHash<QByteArray, QPixmap> cache;
    auto it = cache.find(QByteArray(name));
    if (it == cache.end())
        it = cache.insert(QByteArray(name), QPixmap(kIconDir + QString::fromLatin1(name)));
    return it.value();
}

void Statusbar::drawAccu(QPainter* painter, const QRect& rect, int percent)
{
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    const int h = b - t;
    const QColor white(Qt::white);
    const QColor grey(Qt::darkGray);
    auto fill = [painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        if (x2 >= x1 && y2 >= y1)
            painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    fill(l + 3, t, l + 8, t + 3, white);
    fill(l + 4, t + 1, l + 7, t + 4, grey);
    fill(l, t + 4, r, b, white);
    fill(l + 1, t + 5, r - 1, b - 1, grey);
    const int level = qBound(0, percent, 100) * (h - 5) / 100;
    if (level > 0)
        fill(l + 1, h - level, r - 1, h - 1, QColor(Qt::green));
}

void Statusbar::drawStatusbar()
{
    if (image.isNull())
        return;
    m_dirty = false;
    const int h = image.height();
    image.fill(Qt::black);
    QPainter painter(&image);
    auto icon = [&painter](int x, const char* name) { painter.drawPixmap(x, 0, Statusbar::icon(name)); };

    icon(0, "TK9400_20px.png");
    drawAccu(&painter, QRect(QPoint(24, 0), QPoint(35, h - 1)), m_batteryHL);
    if (m_batteryHLCharging) {
        static const QPoint flash[] = {{4, 0}, {4, 5}, {7, 5}, {3, 12}, {3, 7}, {0, 7}};
        QPolygon polygon;
        for (const QPoint& p : flash)
            polygon << p + QPoint(26, 5);
        painter.setPen(Qt::red);
        painter.setBrush(Qt::red);
        painter.drawPolygon(polygon);
    }

    const bool active = m_btLinkMicActive && m_micSensorConnected;
    switch (m_sensorType) {
    case 2:
        icon(46, active ? "T-sensor_gn_20px.png" : "T-sensor_rt_20px.png");
        break;
    case 3:
        icon(46, active ? "h2-sensor_gn_20px.png" : "h2-sensor_rt_20px.png");
        break;
    case 4:
        icon(46, m_micSensorConnected ? "B-sensor_gn_20px.png" : "B-sensor_rt_20px.png");
        break;
    case 5:
        painter.setPen(QPen(active ? Qt::green : Qt::red, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(46, 2), QPoint(61, 17)).adjusted(0, 0, -1, -1));
        break;
    default:
        icon(50, active ? "microphone_k2_gn_20px.png" : "microphone_k2_rt_20px.png");
        break;
    }
    if (m_btLinkMicActive && m_sensorType != 4 && m_batteryMicrophone >= 0)
        drawAccu(&painter, QRect(QPoint(70, 0), QPoint(81, h - 1)), m_batteryMicrophone);

    icon(92, m_btLinkHpActive ? "headphone_gn_20px.png" : "headphone_rt_20px.png");
    if (m_btLinkHpActive)
        drawAccu(&painter, QRect(QPoint(116, 0), QPoint(127, h - 1)), m_batteryHeadphone);

    icon(138, m_stateGps ? "satellite_gn_20px.png" : "satellite_rt_20px.png");
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    const bool switchMode = mainMenu && mainMenu->isMuteKeySwitchmode();
    icon(190, switchMode ? "SwitchMode_Switch_bl_20px.png" : "SwitchMode_Button_bl_20px.png");
    icon(220, m_mute ? "speaker_mute_ws_20px.png" : "speaker_active_ws_20px.png");

    painter.setPen(Qt::white);
    QFont font(painter.font().family(), 14);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.drawText(QRect(image.width() - 120, 0, 118, qMin(h, 20)), Qt::AlignRight | Qt::AlignVCenter, m_time);
    painter.end();
    update();
}

void Statusbar::paintEvent(QPaintEvent* event)
{
    // The image always sits at the widget's origin; a partial repaint copies its part.
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}
