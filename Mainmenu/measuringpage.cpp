#include "Mainmenu/measuringpage.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/soundplayer.h"
#include "Hardware/bluetooth.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "Tools/storedinfo.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"

#include <QAbstractButton>
#include <QDebug>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>

MeasuringPage::MeasuringPage(const Config& config, QWidget* parent)
    : QWidget(parent)
    , m_config(config)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_btSource = menu->getBtSourceInstance();
    m_btSink = menu->getBtSinkInstance();
    m_timerLevel = new QTimer(this);
    connect(m_timerLevel, &QTimer::timeout, this, [this] { updateReading(); });
    m_timerCheckBtConnection = new QTimer(this);
    connect(m_timerCheckBtConnection, &QTimer::timeout, this, &MeasuringPage::checkBtConnection, Qt::UniqueConnection);
    if (m_config.favouriteReport == ReportInConstructor)
        reportFavourite();
}

MeasuringPage::~MeasuringPage()
{
    m_timerLevel->stop();
}

void MeasuringPage::frameReady()
{
    const QList<QPair<const char*, void (MeasuringPage::*)()>> buttons = {
        {"butMenuMainmenu", &MeasuringPage::on_butMenuMainmenu_clicked},
        {"butMenuHome", &MeasuringPage::on_butMenuMainmenu_clicked},
        {"butMenuMainmenu_2", &MeasuringPage::on_butMenuMainmenu_2_clicked},
        {"butMenuStoredBack", &MeasuringPage::on_butMenuStoredBack_clicked},
        {"butMenuSave", &MeasuringPage::on_butMenuSave_clicked},
        {"butMenuStoredPlay", &MeasuringPage::on_butMenuStoredPlay_clicked},
        {"butMenuStoredStop", &MeasuringPage::on_butMenuStoredStop_clicked},
    };
    for (const auto& entry : buttons) {
        if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(entry.first)))
            connect(button, &QAbstractButton::clicked, this, entry.second, Qt::UniqueConnection);
    }
    if (auto* statusbar = findChild<Statusbar*>(QStringLiteral("widgetStatusbar")))
        statusbar->init(statusbar->width(), statusbar->height());
}

void MeasuringPage::showButtonBar(int index)
{
    if (auto* bars = findChild<QStackedWidget*>(QStringLiteral("subMenu")))
        bars->setCurrentIndex(index);
}

void MeasuringPage::reportFavourite()
{
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(m_config.favouriteNumber);
}

QString MeasuringPage::storedInfoFile() const
{
    return Measurements::storedFilePath(m_selectedMeasurementDir, QStringLiteral("info.ini"));
}

void MeasuringPage::readStoredFilter(const StoredInfo& info, int* type, quint32* low, quint32* high)
{
    const QString text = info.value(QStringLiteral("Filter/Filtertype")).toString();
    const double lowCutOff = info.value(QStringLiteral("Filter/LowCutOff-Frequency")).toDouble();
    const double highCutOff = info.value(QStringLiteral("Filter/HighCutOff-Frequency")).toDouble();
    // A corner the displays cannot show leaves the filter missing.
    const auto showable = [](double f) { return ShownValue::isShowable(f, 0.0, ShownValue::kMaxFrequencyHz); };
    if ((text == QLatin1String("Bandpass") || text == QLatin1String("Bandstop")) && showable(lowCutOff)
        && showable(highCutOff)) {
        *type = text == QLatin1String("Bandpass") ? 1 : 2;
        *low = quint32(lowCutOff);
        *high = quint32(highCutOff);
    } else {
        *type = 0;
        *low = 0;
        *high = 4000;
    }
}

QString MeasuringPage::filterTypeSymbolStyle(int type)
{
    return QStringLiteral("background-image: url(:/Resources/Icons/Mainmenu/Pinpointing/Filtertype_%1_gr_40px.png);"
                          " background-repeat: no-repeat;")
        .arg(type == 2 ? QStringLiteral("Bandstop") : QStringLiteral("Bandpass"));
}

QString MeasuringPage::hertz(qint64 frequency)
{
    return QStringLiteral("%1 Hz").arg(frequency);
}

void MeasuringPage::restyle(QWidget* widget, const QString& style)
{
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

QString MeasuringPage::frequencyChunkStyle(int frequency)
{
    const QColor colour = AnalogInputWorker::calcFrequencyColor(quint32(std::max(frequency, 0)), 300, QColor("blue"),
                                                                QColor("red"), QColor("yellow"), nullptr);
    return QStringLiteral("QProgressBar::chunk {background-color: rgb(%1, %2, %3);}")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

void MeasuringPage::showFilterLabels(QLabel* symbol, QLabel* range, int* type, quint32* low, quint32* high)
{
    if (*type != 1 && *type != 2) {
        *type = 0;
        *low = 0;
        *high = 4000;
    }
    restyle(symbol, filterTypeSymbolStyle(*type));
    range->setText(hertz(*low) + QLatin1Char('\n') + hertz(*high));
}

bool MeasuringPage::needsSensorNote() const
{
    return StatusbarData()->sensorType() == 3;
}

QString MeasuringPage::sensorNoteText() const
{
    return tr("YouMustConnectAnAcousticalSensorToUseThisMeasurement.");
}

void MeasuringPage::init(int variant)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (m_config.favouriteReport == ReportInInit)
        reportFavourite();
    setTooltips();

    // The favourite key on this page, with the page the favourite, starts it again in place
    // without its way out: what the last start left running ends here as on that way.
    stopRunning();
    const int start = ++m_starts;
    if (variant != 1 && needsSensorNote()) {
        MessageDialog::showOk(MessageDialog::IconInformation, tr("Note"), sensorNoteText());
        // The on/off key on the note shows the main page: this page must not start behind
        // it (its timers, the recording, the unit's mute key). The favourite key on the
        // note, with this page the favourite, has started the page again meanwhile: that
        // start is the one that stands.
        if (!isShownAs(start)) {
            qDebug() << "Page left or started anew during its sensor note:" << metaObject()->className();
            return;
        }
    }

    applyDisplaySettings();
    resetBeforeLinks();
    m_btSink->callBtDeviceA2DP(true);
    m_btSource->callBtDeviceA2DP(false);
    if (variant != 1 || m_config.muteKeyInStoredView)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MeasuringPage::switchActiveMute,
                Qt::UniqueConnection);
    m_audioCodec = menu->getAudioCodecInstance();
    m_audioCodec->init();
    m_measManagement = menu->getInstanceMeasManagement();
    // The front keys reach the widget with the focus, and no button of a page takes it.
    setFocus(Qt::OtherFocusReason);
    resetDisplays();

    if (variant == 1)
        startStoredView();
    else
        startLive();
}

void MeasuringPage::applyCurrentFilter()
{
    quint32 low = 0;
    quint32 high = 0;
    int type = 0;
    MainMenu::getInstanceMainMenu()->getCurrentFilter(&low, &high, &type);
    m_audioCodec->setFilter(low, high, type);
}

void MeasuringPage::startLive()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_storedMeasurement = false;
    showButtonBar(0);
    applyCurrentFilter();
    muteAudioPath(true, true);
    Analoginputworker()->clearAllData();
    menu->setMicGainStep(menu->getCurrentMicGainStep());
    Audioworker()->startAudioRecording();
    if (m_config.readingStart == StartInLiveInit)
        m_timerLevel->start(m_config.readingIntervalMs);
    m_timerCheckBtConnection->start(kLinkCheckMs);
    applyBootedToFavouriteRule();
    if (m_config.favouriteReport == ReportAtEndOfLiveInit)
        reportFavourite();
}

void MeasuringPage::applyBootedToFavouriteRule()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    const bool bootedHere = menu->isBootedToFavouriteFunction()
        && menu->getInstanceSystemsettings()->getFavouriteButton(nullptr) == m_config.favouriteNumber;
    m_enableWarningBtConnection = !bootedHere;
    menu->resetBootedToFavouriteFunction();
}

void MeasuringPage::startStoredView()
{
    m_storedMeasurement = true;
    m_selectedMeasurementDir = m_measManagement ? m_measManagement->getSelectedMeasurementDir() : QString();
    showButtonBar(m_config.storedBar);
    analyseInfoFile();
    if (m_config.storedRouting >= 0)
        m_audioCodec->setRouting(m_config.storedRouting);
    m_timerCheckBtConnection->stop();
    m_enableWarningBtConnection = false;
}

void MeasuringPage::analyseInfoFile()
{
    const StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();
}

void MeasuringPage::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    if (m_storedMeasurement) {
        m_timerLevel->stop();
        if (a_mute)
            on_butMenuStoredStop_clicked();
        else
            on_butMenuStoredPlay_clicked();
        return;
    }
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
    if (a_mute)
        pathMuted();
    else
        pathOpened();
}

void MeasuringPage::pathOpened()
{
    Analoginputworker()->clearAllData();
    resetRunningValues();
    if (m_config.readingStart == StartOnOpening)
        m_timerLevel->start(m_config.readingIntervalMs);
    setDrawingEnabled(true);
}

void MeasuringPage::pathMuted()
{
    if (m_config.readingStart == StartOnOpening)
        m_timerLevel->stop();
    setDrawingEnabled(false);
}

bool MeasuringPage::isPathOpen() const
{
    return !MainMenu::getInstanceMainMenu()->isAudioPathMuted();
}

void MeasuringPage::switchActiveMute(bool muted)
{
    // Opening the path during a save would start a new result under the one being saved,
    // and the recorder would drop the sound the save is about to store.
    if (m_saving) {
        qDebug() << "Mute key of the unit ignored during the save:" << muted;
        return;
    }
    muteAudioPath(muted, false);
}

void MeasuringPage::checkBtConnection()
{
    const int sensorType = StatusbarData()->sensorType();
    if (StatusbarData()->stateMicrophone()) {
        if (sensorType != 4)
            m_enableWarningBtConnection = true;
        return;
    }
    if (sensorType == 4 || !m_enableWarningBtConnection)
        return;
    // Disarmed before the dialog: the check keeps running while it is open.
    m_enableWarningBtConnection = false;
    muteAudioPath(true, true);
    MessageDialog::showOk(MessageDialog::IconWarning, tr("Warning"), tr("NoBluetoothConnectionPleaseCheckYourQJ5"));
}

void MeasuringPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10) {
        // A held key repeats; only the real press and release count.
        if (event->isAutoRepeat())
            return;
        MainMenu* menu = MainMenu::getInstanceMainMenu();
        if (!menu->isMuteKeySwitchmode())
            muteAudioPath(false, true);
        else
            muteAudioPath(!menu->isAudioPathMuted(), true);
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void MeasuringPage::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10) {
        if (!event->isAutoRepeat() && !MainMenu::getInstanceMainMenu()->isMuteKeySwitchmode())
            muteAudioPath(true, true);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            on_butMenuMainmenu_clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool MeasuringPage::isShownPage() const
{
    return MainMenu::getInstanceMainMenu()->currentPage() == this;
}

bool MeasuringPage::isShownAs(int start) const
{
    return isShownPage() && start == m_starts;
}

bool MeasuringPage::execOnShownPage(QDialog& dialog)
{
    const int start = m_starts;
    dialog.exec();
    return isShownAs(start);
}

void MeasuringPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The window system hides the page with its window (minimised) and shows it again as it
    // was: only another page in its place ends this one.
    if (!event->spontaneous())
        stopRunning();
}

void MeasuringPage::stopRunning()
{
    if (m_storedMeasurement && m_player)
        endStoredSound();
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    disconnectMuteKey();
}

void MeasuringPage::disconnectMuteKey()
{
    disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &MeasuringPage::switchActiveMute);
}

void MeasuringPage::leaveToMainMenu()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    showButtonBar(0);
    // From the stored view the player would play on over the main page, on the playback route.
    if (m_storedMeasurement)
        endStoredSound();
    if (m_config.leaveOrder == MuteFirst)
        menu->muteAudioPath(true, true);
    m_timerLevel->stop();
    m_timerCheckBtConnection->stop();
    if (m_config.leaveOrder == OwnMuteAfterTimers)
        muteAudioPath(true, true);
    Audioworker()->stopAudioRecording();
    if (m_config.leaveOrder == MuteAfterRecording)
        menu->muteAudioPath(true, true);
    if (m_config.stopCaptureOnLeave)
        Analoginputworker()->stopCapture();
    disconnectMuteKey();
    emit exit();
}

void MeasuringPage::endStoredSound()
{
    delete m_player;
    m_player = nullptr;
    m_audioCodec->setRouting(0);
}

void MeasuringPage::on_butMenuMainmenu_clicked()
{
    leaveToMainMenu();
}

void MeasuringPage::on_butMenuMainmenu_2_clicked()
{
    leaveToMainMenu();
}

void MeasuringPage::on_butMenuStoredBack_clicked()
{
    m_timerLevel->stop();
    endStoredSound();
    if (m_config.backMutesPath)
        MainMenu::getInstanceMainMenu()->muteAudioPath(true, true);
    else
        m_audioCodec->setMuting(true);
    Analoginputworker()->stopCapture();
    // The hidden page must not play or open anything on the unit's key.
    disconnectMuteKey();
    emit gotoWidget(7, -1, 0);
}

void MeasuringPage::on_butMenuSave_clicked()
{
    // A second mute would tell the unit again and, on pipe locating, end the point twice.
    if (!m_config.saveMutesPath)
        Audioworker()->pauseAudioRecording(true);
    else if (isPathOpen())
        muteAudioPath(true, true);
    VirtualKeyboard keyboard(this);
    keyboard.setText(QString());
    keyboard.useEnterAsAccept(true);
    const int start = m_starts;
    m_saving = true;
    const bool accepted = keyboard.exec() == 1;
    const QString name = keyboard.getText();
    if (m_config.logSaveText) {
        if (accepted)
            qDebug().noquote() << "Text:" << name;
        else
            qDebug() << "Text: verworfen";
    }
    if (accepted) {
        m_storing = true;
        saveMeasurement(name);
        m_storing = false;
    }
    m_saving = false;
    if (!m_config.saveMutesPath && isShownAs(start))
        Audioworker()->pauseAudioRecording(false);
}

void MeasuringPage::on_butMenuStoredPlay_clicked()
{
    playStoredSound();
}

void MeasuringPage::on_butMenuStoredStop_clicked()
{
    stopStoredSound();
}
