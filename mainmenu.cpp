#include "mainmenu.h"
#include "ui_mainmenu.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/filtersettings.h"
#include "Debug/debuggain.h"
#include "Debug/debugmenu.h"
#include "Hardware/batterystate.h"
#include "Hardware/bluetooth.h"
#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Mainmenu/management.h"
#include "Mainmenu/pinpointing.h"
#include "Mainmenu/pipelocating.h"
#include "Mainmenu/pressuresensor.h"
#include "Management/gpsmonitor.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/favouritebutton.h"
#include "Tools/measurements.h"
#include "Tools/popupinfo.h"
#include "Tools/statusbar.h"
#include "Tools/waitnote.h"
#include "globals.h"

#include <QApplication>
#include <QDate>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QKeyEvent>
#include <QTime>
#include <QTimer>

MainMenu* MainMenu::m_instanceMainMenu = nullptr;

namespace {
const char* const kMixerState = "/var/lib/alsa/asound.state";
const int kSystemMonitorIntervalMs = 60000;
const int kPowerDownDelayMs = 3000;
} // namespace

MainMenu::MainMenu(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainMenu)
{
    qDebug() << "=== Start MainMenu ===";
    ui->setupUi(this);
    m_instanceMainMenu = this;

    m_btSource = new Bluetooth();
    m_btSink = new Bluetooth();
    m_systemsettings = new Systemsettings(this);

    m_micParameterGain = 15;
    m_micParameterMute = 1;
    m_micParameterButton = 1;

    const QString dataPartition = Platform::devicePath(QString::fromLatin1(DevicePaths::kDataPartition));
    if (!QDir(dataPartition).exists())
        QDir().mkpath(dataPartition);

    qDebug() << "Filesystemcheck and mount";
    Platform::runCommand(QStringLiteral("fsck -Mya %1").arg(QLatin1String(DevicePaths::kDataPartitionDevice)));
    Platform::runCommand(UsbExport::mountCommand());
    Measurements::removeCutOffWrites();

    Gpio::init();
    qDebug() << "=== INIT MICROPHONE ===";
    m_btSink->initBluetooth(QStringLiteral("/dev/ttyO2"), m_systemsettings->getBtIdMicrophone());
    m_btSink->setBtDacGain(15);
    m_btSink->callBtDeviceA2DP(true);
    m_micGainStep = 3;
    connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute, Qt::UniqueConnection);

    qDebug() << "=== INIT HEADPHONE ===";
    m_btSource->initBluetooth(QStringLiteral("/dev/ttyO3"), m_systemsettings->getBtIdHeadphone());
    applyHeadphoneGainRule();
    m_btSource->callBtDeviceA2DP(false);

    restoreMixerState();

    m_audioCodec = new AudioCodecSetup(nullptr);
    Audioworker();
    m_audioCodec->init();

    setCurrentMicGainStep(3);
    setCurrentHeadphoneVolumeStep(8);
    if (m_systemsettings->isSUUseFilterForStartupEnabled()) {
        setCurrentFilter(160, 1250, 1);
        qDebug() << "Starting with Filter: 160 / 1250 / Bandpass";
    } else {
        setCurrentFilter(0, 4000, 0);
    }

    gpsModul = new Gps(nullptr);
    gpsModul->initGps();
    if (m_systemsettings->isSUUseGpsForStartupEnabled())
        gpsModul->switchOnGpsModul();
    else
        gpsModul->switchOffGpsModul();

    // No page but the settings store exists yet; the store is used right below.
    m_mainMenuVisible = true;

    loadStyleSheet();

    resetMenuLevel();
    connect(m_systemsettings, &Systemsettings::gotoWidget, this, &MainMenu::displayWidget);
    ui->mainWidget->addWidget(m_systemsettings);
    connect(m_systemsettings, &Systemsettings::changeLanguage, this, &MainMenu::changeLanguage);
    changeLanguage(m_systemsettings->getSelectedLanguageNum());
    setModeButtonTexts();

    m_gpsMonitor = new GpsMonitor(this);
    connect(m_gpsMonitor, &GpsMonitor::gotoWidget, this, &MainMenu::displayWidget);
    ui->mainWidget->addWidget(m_gpsMonitor);

    StatusbarData()->init();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    ui->butTestMenu->setVisible(g_debugFeatures == 1);
    ui->butDebugMenu->setVisible(g_debugFeatures == 1);

    m_currentVisibleDlgNum = 2;

    m_favouriteButton = new FavouriteButton(nullptr);
    m_favouriteButton->init();

    if (g_debugFeatures == 1) {
        writeSystemInfo(QStringLiteral("System started."));
        m_timerSystemMonitor = new QTimer(this);
        connect(m_timerSystemMonitor, &QTimer::timeout, this, qOverload<>(&MainMenu::writeSystemInfo));
        m_timerSystemMonitor->start(kSystemMonitorIntervalMs);
    }

    if (m_systemsettings->isSUUseFavouriteForStartupEnabled()) {
        const int favourite = m_systemsettings->getFavouriteButton(nullptr);
        if (favourite >= 1 && favourite <= 5) {
            m_directlyBootedToFavouriteFunction = true;
            m_favouriteButton->execFavouriteFunction();
            m_directlyBootedToFavouriteFunction = false;
        }
    }
}

MainMenu::~MainMenu()
{
    // The status data outlives the window: its ticks must not reach the links deleted here.
    StatusbarData()->stopTimers();

    delete ui;
    ui = nullptr;
    delete m_pinpointing;
    delete m_levelMeasurement;
    delete m_longtermMeasurement;
    delete m_h2sensor;
    delete m_pipelocating;
    delete m_pressureSensor;
    delete m_management;
    delete m_measManagement;
    delete m_btSource;
    delete m_btSink;
    delete m_audioCodec;
    delete gpsModul;
    delete m_favouriteButton;
    delete m_systemsettings;
    delete m_gpsMonitor;
    delete m_timerSystemMonitor;
    QCoreApplication::removeTranslator(&translator);
    if (m_instanceMainMenu == this)
        m_instanceMainMenu = nullptr;
}

int MainMenu::setCurrentVisibleDlgNum(int a_dlgNum)
{
    m_currentVisibleDlgNum = a_dlgNum;
    return 0;
}

bool MainMenu::isMuteKeySwitchmode() const
{
    return m_systemsettings && m_systemsettings->isMuteKeySwitchmode();
}

void MainMenu::setCurrentFilter(quint32 lowCutOffFreq, quint32 highCutOffFreq, int filterType)
{
    m_currentLowCutOffFreq = lowCutOffFreq;
    m_currentHighCutOffFreq = highCutOffFreq;
    m_currentFilterType = filterType;
}

void MainMenu::getCurrentFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const
{
    if (lowCutOffFreq)
        *lowCutOffFreq = m_currentLowCutOffFreq;
    if (highCutOffFreq)
        *highCutOffFreq = m_currentHighCutOffFreq;
    if (filterType)
        *filterType = m_currentFilterType;
}

int MainMenu::resetBootedToFavouriteFunction()
{
    m_directlyBootedToFavouriteFunction = false;
    return 0;
}

void MainMenu::setModeButtonTexts()
{
    ui->butPinpointing->setText(tr("Histogram"));
    ui->butH2Sensor->setText(tr("H2Sensor"));
    ui->butLevelmeasurement->setText(tr("Level"));
    ui->butManagement->setText(tr("Management"));
    ui->butLongtermmeasurement->setText(tr("Longterm"));
    ui->butPipelocating->setText(tr("Pipelocating"));
}

void MainMenu::init()
{
    setModeButtonTexts();
    m_mainMenuVisible = true;
    ui->butTestMenu->setVisible(g_debugFeatures == 1);
    ui->butDebugMenu->setVisible(g_debugFeatures == 1);
    Audioworker()->stopAudioRecording();
    muteAudioPath(true, true);
}

void MainMenu::applyHeadphoneGainRule()
{
    m_btSource->setBtAdcGain(m_systemsettings->getHeadphoneGain());
}

void MainMenu::restoreMixerState()
{
    QFile builtIn(QStringLiteral(":/Resources/Files/asound.state"));
    if (!builtIn.open(QIODevice::ReadOnly))
        return;
    builtIn.close();
    const QString target = Platform::devicePath(QString::fromLatin1(kMixerState));
    qDebug() << "asound.state removed" << QFile::remove(target);
    const bool copied = QFile::copy(builtIn.fileName(), target);
    qDebug() << "asound.state copied" << copied;
    if (copied) // a copy out of the resources is read-only; the next start removes it
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    Platform::runCommand(QStringLiteral("alsactl --file /var/lib/alsa/asound.state restore"));
}

void MainMenu::loadStyleSheet()
{
    QFile styleSheet(QStringLiteral(":/Stylesheets/Resources/Stylesheets/default.qss"));
    if (!styleSheet.open(QIODevice::ReadOnly))
        return;
    qApp->setStyleSheet(QString::fromLatin1(styleSheet.readAll()));
}

// ---- service menus -------------------------------------------------------------------

void MainMenu::runTestMenu()
{
    TestMenu menu(this);
    menu.exec();
}

void MainMenu::runDebugMenu()
{
    DebugMenu menu(this);
    menu.exec();
}

void MainMenu::showWidget(int widget)
{
    if (widget == 100) {
        Gpio::selectConnector(Gpio::Connector::Uart);
        runTestMenu();
    } else if (widget == 101) {
        runDebugMenu();
    }
}

void MainMenu::on_butTestMenu_clicked()
{
    runTestMenu();
}

void MainMenu::on_butDebugMenu_clicked()
{
    runDebugMenu();
}

void MainMenu::displayDebugMenu()
{
    runDebugMenu();
}

// ---- keys ----------------------------------------------------------------------------

void MainMenu::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void MainMenu::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F12) {
        qDebug() << "Key: SwitchOff";
        beforePowerDown();
    } else if (event->key() == Qt::Key_F13) {
        Gpio::selectConnector(Gpio::Connector::Uart);
        qDebug() << "Switching to Uart-Mode";
        displayPopup(3);
    } else {
        QMainWindow::keyReleaseEvent(event);
    }
}

// ---- language ------------------------------------------------------------------------

QString MainMenu::languageFileName(int num)
{
    static const char* const files[] = {
        "GB", "DE", "FR", "IT", "ES", "CN", "CZ", "HU", "RU", "SI", "JP", "PL",
        "PT", "RO", "SK", "SE", "FI", "DK", "NO", "BG", "HR", "KR", "RS", "TR",
    };
    if (num < 1 || num > 24)
        return QString();
    return QString::fromLatin1(files[num - 1]) + QStringLiteral("_TK9400.qm");
}

void MainMenu::changeLanguage(int num)
{
    const QString file = languageFileName(num);
    if (file.isEmpty()) {
        if (!translator.load(QStringLiteral(":/Languages/GB_TK9400.qm")))
            qWarning() << "Could not load the built-in English catalogue";
    } else {
        loadLanguageFile(file);
    }
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::installTranslator(&translator);
    m_systemsettings->init();
}

namespace {
// A catalogue is some hundred kilobytes; anything far larger is not one.
const qint64 kMaxCatalogueBytes = 4 * 1024 * 1024;

quint32 bigEndian32(const QByteArray& data, int at)
{
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + at);
}

// The (context, source text) ids of a compiled catalogue's messages; empty when the
// data is not one.
QList<QPair<QByteArray, QByteArray>> catalogueIds(const QByteArray& qm)
{
    static const QByteArray magic = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    enum { TagEnd = 1, TagSourceText16 = 2, TagTranslation = 3, TagContext16 = 4, TagObsolete1 = 5,
           TagSourceText = 6, TagContext = 7, TagComment = 8, SectionMessages = 0x69 };
    QList<QPair<QByteArray, QByteArray>> ids;
    if (!qm.startsWith(magic))
        return ids;
    int pos = magic.size();
    while (pos + 5 <= qm.size()) {
        const int section = quint8(qm.at(pos));
        const quint32 length = bigEndian32(qm, pos + 1);
        pos += 5;
        if (length > quint32(qm.size() - pos))
            return {};
        if (section == SectionMessages) {
            QByteArray context, source;
            for (int m = pos; m < pos + int(length);) {
                const int tag = quint8(qm.at(m++));
                if (tag == TagEnd) {
                    ids.append({context, source});
                    context.clear();
                    source.clear();
                    continue;
                }
                if (tag == TagObsolete1) {
                    m += 4;
                    continue;
                }
                if (tag < TagSourceText16 || tag > TagComment || m + 4 > pos + int(length))
                    return {};
                quint32 size = bigEndian32(qm, m);
                m += 4;
                if (size == 0xffffffffu)
                    size = 0;
                if (size > quint32(pos + int(length) - m))
                    return {};
                if (tag == TagSourceText)
                    source = qm.mid(m, int(size));
                else if (tag == TagContext)
                    context = qm.mid(m, int(size));
                m += int(size);
            }
        }
        pos += int(length);
    }
    return ids;
}

// A catalogue none of whose messages the program knows would show the raw text ids.
bool translatesAKnownId(const QByteArray& qm)
{
    QTranslator english;
    if (!english.load(QStringLiteral(":/Languages/GB_TK9400.qm")))
        return false;
    for (const auto& id : catalogueIds(qm)) {
        if (!english.translate(id.first.constData(), id.second.constData()).isEmpty())
            return true;
    }
    return false;
}
} // namespace

void MainMenu::loadLanguageFile(const QString& a_filename)
{
    const QString onDataPartition = Platform::devicePath(DevicePaths::onDataPartition(a_filename));
    if (QFileInfo::exists(onDataPartition)) {
        QByteArray data;
        QTranslator candidate;
        if (Platform::readBoundedFile(onDataPartition, kMaxCatalogueBytes, &data)
            && candidate.load(reinterpret_cast<const uchar*>(data.constData()), data.size())
            && translatesAKnownId(data)) {
            // The translator reads the data in place: it must outlive the load.
            m_catalogueData = data;
            if (translator.load(reinterpret_cast<const uchar*>(m_catalogueData.constData()), m_catalogueData.size())) {
                qDebug() << "Load language file from mass storage" << onDataPartition;
                return;
            }
        }
        qDebug() << "Language file on mass storage cannot be loaded, using the built-in one:" << onDataPartition;
    }
    const QString builtIn = QStringLiteral(":/Languages/") + a_filename;
    if (!translator.load(builtIn))
        qWarning() << "Could not load language file" << builtIn;
    qDebug() << "Load language file from resource" << builtIn;
}

// ---- navigation ----------------------------------------------------------------------

QWidget* MainMenu::currentPage() const
{
    return ui->mainWidget->currentWidget();
}

int MainMenu::getStoredWidget(int level) const
{
    return level >= 0 && level < 10 ? m_storedWidgetMenu[level] : -1;
}

template <typename Page> Page* MainMenu::measuringPage(Page*& page)
{
    if (!page) {
        page = new Page(this);
        ui->mainWidget->addWidget(page);
        connect(page, &Page::exit, this, &MainMenu::displayMainMenu, Qt::UniqueConnection);
        connect(page, &Page::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
    }
    return page;
}

template <typename Page> void MainMenu::showMeasuringPage(Page*& page, int dir, int variant)
{
    Page* shown = measuringPage(page);
    disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute);
    showPage(shown, dir);
    shown->init(variant);
}

void MainMenu::createManagement()
{
    if (m_management)
        return;
    qDebug() << "m_management: not init";
    m_management = new Management(this);
    ui->mainWidget->addWidget(m_management);
    connect(m_management, &Management::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
    qDebug() << "m_management:" << m_management;
}

void MainMenu::showPage(QWidget* page, int dir)
{
    ui->mainWidget->setCurrentWidget(page);
    setMenuDirection(dir);
}

void MainMenu::displayWidget(int widget, int dir, int variant)
{
    m_widget = widget;
    m_mainMenuVisible = false;

    // The measuring pages report their favourite number themselves, some only once when
    // they are built; setting it here keeps the number right for every later visit.
    switch (widget) {
    case 1: m_currentVisibleDlgNum = 2; break;
    case 3: m_currentVisibleDlgNum = 1; break;
    case 6: m_currentVisibleDlgNum = 4; break;
    case 8: m_currentVisibleDlgNum = 5; break;
    case 9: m_currentVisibleDlgNum = 3; break;
    default: break;
    }

    switch (widget) {
    case -1:
        menuLevelUp();
        return;
    case 0:
        resetMenuLevel();
        init();
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MainMenu::switchActiveMute, Qt::UniqueConnection);
        m_btSink->sendData(QStringLiteral("BT_TX B"));
        return;
    case 1:
        showMeasuringPage(m_levelMeasurement, dir, variant);
        return;
    case 3:
        showMeasuringPage(m_pinpointing, dir, variant);
        return;
    case 6:
        showMeasuringPage(m_h2sensor, dir, variant);
        return;
    case 8:
        showMeasuringPage(m_pipelocating, dir, variant);
        return;
    case 9:
        showMeasuringPage(m_longtermMeasurement, dir, variant);
        return;
    case 11:
        qDebug() << "Pressuresensor: displayWidget" << m_pressureSensor;
        showMeasuringPage(m_pressureSensor, dir, variant);
        qDebug() << "Pressuresensor: displayWidget init";
        return;
    case 4:
        createManagement();
        showPage(m_management, dir);
        m_management->init();
        return;
    case 5:
        showPage(m_systemsettings, dir);
        m_systemsettings->init();
        return;
    case 7:
        if (!m_measManagement) {
            m_measManagement = new MeasManagement(this);
            ui->mainWidget->addWidget(m_measManagement);
            connect(m_measManagement, &MeasManagement::exit, this, &MainMenu::displayMainMenu, Qt::UniqueConnection);
            connect(m_measManagement, &MeasManagement::gotoWidget, this, &MainMenu::displayWidget, Qt::UniqueConnection);
        }
        showPage(m_measManagement, dir);
        m_measManagement->init(0, false);
        return;
    case 10:
        showPage(m_gpsMonitor, dir);
        m_gpsMonitor->init();
        return;
    default:
        resetMenuLevel();
        return;
    }
}

void MainMenu::displayMainMenu()
{
    displayWidget(0, 0, 0);
    m_btSink->callBtDeviceA2DP(true);
    m_btSource->callBtDeviceA2DP(false);
    applyHeadphoneGainRule();
}

int MainMenu::displayFavouriteDialog(int a_widget)
{
    displayWidget(a_widget, -1, 0);
    return 0;
}

void MainMenu::setMenuDirection(int dir)
{
    switch (dir) {
    case -1:
        break;
    case 1:
        menuLevelDown();
        break;
    case 2:
        menuLevelUp();
        break;
    default:
        menuLevelEqual();
        break;
    }
}

void MainMenu::menuLevelDown()
{
    m_currentMenuLevel = qMin(m_currentMenuLevel + 1, 9);
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelEqual()
{
    m_storedWidgetMenu[m_currentMenuLevel] = m_widget;
}

void MainMenu::menuLevelUp()
{
    m_currentMenuLevel = m_currentMenuLevel - 1;
    if (m_currentMenuLevel < 1) {
        resetMenuLevel();
        return;
    }
    displayWidget(m_storedWidgetMenu[m_currentMenuLevel], -1, 0);
}

void MainMenu::resetMenuLevel()
{
    for (int& entry : m_storedWidgetMenu)
        entry = 0;
    m_currentMenuLevel = 0;
    ui->mainWidget->setCurrentWidget(ui->mainPage);
}

void MainMenu::on_butLevelmeasurement_clicked()
{
    measuringPage(m_levelMeasurement);
    displayWidget(1, 1, 0);
}

void MainMenu::on_butPinpointing_clicked()
{
    measuringPage(m_pinpointing);
    displayWidget(3, 1, 0);
}

void MainMenu::on_butH2Sensor_clicked()
{
    measuringPage(m_h2sensor);
    displayWidget(6, 1, 0);
}

void MainMenu::on_butPipelocating_clicked()
{
    measuringPage(m_pipelocating);
    displayWidget(8, 1, 0);
}

void MainMenu::on_butLongtermmeasurement_clicked()
{
    measuringPage(m_longtermMeasurement);
    displayWidget(9, 1, 0);
}

void MainMenu::on_butManagement_clicked()
{
    createManagement();
    displayWidget(4, 1, 0);
}

// ---- listening path and microphone parameters ----------------------------------------

void MainMenu::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    if (a_mute) {
        qDebug() << "Audiopath: MUTED";
        if (a_sendToMic)
            setMicParameterMute(1);
        m_audioCodec->setMuting(true);
        m_btSource->setBtAdcGain(0);
        m_muted = true;
        m_micParameterMute = 1;
        Audioworker()->pauseAudioRecording(true);
        Gpio::setValue(17, 0);
    } else {
        qDebug() << "Audiopath: NOT MUTED";
        if (a_sendToMic)
            setMicParameterMute(0);
        m_audioCodec->setMuting(false);
        m_btSource->setBtLastAdcGain();
        m_muted = false;
        m_micParameterMute = 0;
        Audioworker()->pauseAudioRecording(false);
        Gpio::setValue(17, 1);
    }
}

void MainMenu::switchActiveMute(bool mute)
{
    if (!mute)
        muteAudioPath(true, true);
}

void MainMenu::setMicGainStep(int step)
{
    static const int pgaGain[] = {900, 1800, 2250, 2900, 3500, 4100};
    static const int sensorGain[] = {10, 13, 15, 17, 19, 21};
    if (step < 1 || step > 6)
        step = 3;
    m_micGainStep = step;
    if (StatusbarData()->sensorType() == 4) {
        m_micPgaGain = pgaGain[step - 1] / 100.0f;
        m_audioCodec->setMicPgaGain(pgaGain[step - 1]);
    } else {
        m_micPgaGain = 3.0f;
        m_micGain = sensorGain[step - 1];
        m_audioCodec->setMicPgaGain(300);
        setMicParameterGain(m_micGain);
    }
}

int MainMenu::setMicInitParameter(int a_gain, int a_mute, int a_button)
{
    // The unit reads the gain as one byte of two hex digits.
    m_micParameterGain = qBound(0, a_gain, 255);
    m_micParameterMute = a_mute;
    m_micParameterButton = a_button;
    const QString gainText = QStringLiteral("%1").arg(m_micParameterGain, 2, 16, QLatin1Char('0')).toLower();
    const QString muteText = m_micParameterMute == 1 ? QStringLiteral("MUTE") : QStringLiteral("ACTIVE");
    QString buttonText;
    if (isMuteKeySwitchmode()) {
        buttonText = QStringLiteral("SWITCH");
        m_micParameterButton = 1;
    } else {
        buttonText = QStringLiteral("PUSHBUT");
        m_micParameterButton = 0;
    }
    const QString command = QStringLiteral("BT_TX I ") + gainText + QLatin1Char(' ') + muteText + QLatin1Char(' ') + buttonText;
    qDebug() << "MicInit" << command << "gain:" << m_micParameterGain;
    m_btSink->sendData(command);
    return 0;
}

int MainMenu::initQj5(int a_gain, int a_mute, int a_button)
{
    return setMicInitParameter(a_gain, a_mute, a_button);
}

int MainMenu::setMicParameterGain(int a_gain)
{
    m_micParameterGain = a_gain;
    qDebug() << "setMicParameterGain" << m_micParameterGain << m_micParameterMute << m_micParameterButton;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterMute(int a_mute)
{
    m_micParameterMute = a_mute;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

int MainMenu::setMicParameterButton(int a_button)
{
    m_micParameterButton = a_button;
    return setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

void MainMenu::updateMicrophoneParameter()
{
    setMicInitParameter(m_micParameterGain, m_micParameterMute, m_micParameterButton);
}

bool MainMenu::unitMuteKeyGoesOn(bool muted)
{
    const bool push = !isMuteKeySwitchmode();
    // In push-button mode the release ends what its press began: a hold that reached the
    // page ends there, also under a dialog opened meanwhile (the headphone volume set while
    // listening), or the path would stay open after the key is let go.
    const bool endsHoldOnPage = push && muted && m_unitKeyHeldOnPage;
    if (muted)
        m_unitKeyHeldOnPage = false;
    const char* where = nullptr;
    if (WaitNote::dropsUnitMuteKey(muted, !push)) {
        where = "during a wait";
    } else if (endsHoldOnPage) {
        return true;
    } else if (QWidget* dialog = QApplication::activeModalWidget()) {
        if (qobject_cast<Filtersettings*>(dialog) || qobject_cast<DebugGain*>(dialog)) {
            muteAudioPath(muted, false);
            return false;
        }
        where = "under a dialog";
    } else {
        if (push && !muted)
            m_unitKeyHeldOnPage = true;
        return true;
    }
    qDebug() << "Mute key of the unit dropped" << where << muted;
    if (muted != m_muted)
        updateMicrophoneParameter();
    return false;
}

void MainMenu::getMicInitParameter(int* a_gain, int* a_mute, int* a_button) const
{
    if (a_gain)
        *a_gain = m_micParameterGain;
    if (a_mute)
        *a_mute = m_micParameterMute;
    if (a_button)
        *a_button = m_micParameterButton;
}

// ---- system log, power-down, pop-up --------------------------------------------------

void MainMenu::writeSystemInfo()
{
    writeSystemInfo(QString());
}

void MainMenu::writeSystemInfo(const QString& infoText)
{
    // While the data partition is away (exported over USB) the log would land in the
    // bare mount point and vanish under the next mount.
    if (!UsbExport::isPartitionMounted())
        return;

    BatteryState battery;
    const int fuelPercent = battery.fuelPercent();
    const float voltage = battery.voltage();
    const float current = battery.current();
    const bool charging = battery.isCharging();
    Statusbardata* status = StatusbarData();
    const bool headphone = status->stateHeadphone();
    const bool microphone = status->stateMicrophone();
    const int micBattery = status->batteryMicrophone();
    const int micVoltage = status->batteryVoltageMic();

    QFile file(Platform::devicePath(DevicePaths::onDataPartition(QStringLiteral("systemInfo.txt"))));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "Could not open file:" << file.fileName();
        return;
    }
    const QDateTime now = Platform::currentDateTime();
    QString line = now.date().toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(';');
    line += now.time().toString(Qt::TextDate) + QLatin1Char(';');
    line += QString::number(fuelPercent) + QLatin1Char(';');
    line += QString::number(voltage) + QLatin1Char(';');
    line += QString::number(current) + QLatin1Char(';');
    line += QLatin1String(charging ? "1;" : "0;");
    // A missing gauge temperature leaves its field empty, so the columns never shift.
    QFile temp(Platform::devicePath(QStringLiteral("/sys/class/power_supply/bq27426-0/temp")));
    if (temp.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const double tenths = QString::fromLatin1(temp.read(32)).toLower().trimmed().toDouble(&ok);
        if (ok)
            line += QString::number(tenths / 10.0);
    }
    line += QLatin1Char(';');
    line += QLatin1String(headphone ? "1;" : "0;");
    line += QLatin1String(microphone ? "1;" : "0;");
    line += QString::number(micVoltage) + QLatin1Char(';');
    line += QString::number(micBattery) + QLatin1Char(';');
    line += infoText + QLatin1Char('\n');
    file.write(line.toLatin1());
}

void MainMenu::beforePowerDown()
{
    // Several sources ask for the power-down (on/off key, inactivity, flat battery);
    // the device goes down once.
    if (m_powerDownStarted) {
        qDebug() << "beforePowerDown: already shutting down";
        return;
    }
    m_powerDownStarted = true;
    qDebug() << "beforePowerDown: Mute";
    muteAudioPath(true, true);
    qDebug() << "beforePowerDown: Disconnect btSink";
    m_btSink->disconnectBtDevice();
    qDebug() << "beforePowerDown: Disconnect btSource";
    m_btSource->disconnectBtDevice();
    qDebug() << "beforePowerDown: Finish";
    QTimer::singleShot(kPowerDownDelayMs, this, &MainMenu::powerDown);
}

void MainMenu::powerDown()
{
    Platform::setWorkingDirectory(QStringLiteral("/home/root"));
    qDebug() << "Good bye!";
    Platform::runCommand(UsbExport::unmountCommand());
    Platform::runCommand(QStringLiteral("poweroff"));
}

void MainMenu::displayPopup(int picture)
{
    PopupInfo popup(this);
    popup.setPicture(picture);
    if (popup.exec() == QDialog::Accepted)
        qDebug() << "Popup closed" << picture;
}
