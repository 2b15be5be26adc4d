#include "Mainmenu/pinpointing.h"
#include "ui_pinpointing.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/storedinfo.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace {
const char* const kIcons = ":/Resources/Icons/Mainmenu/Pinpointing/";
const char* const kBarStyle = "QProgressBar::chunk { background-color: %1; }";

QString clipName(int point)
{
    return QStringLiteral("PP_Sound_%1").arg(point);
}

QString icon(const char* name)
{
    return QString::fromLatin1(kIcons) + QString::fromLatin1(name);
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString noDecimals(float value)
{
    return QString::number(double(value), 'f', 0);
}
} // namespace

namespace PinpointingRules {

BarRange barRange(const float* levels, int mode)
{
    BarRange range;
    range.mode = (mode == Dynamic || mode == Zoom) ? mode : Fixed;
    for (int p = 1; p <= kMaxPoint; ++p) {
        if (levels[p] > 0 && levels[p] <= 100)
            range.min = std::min(range.min, levels[p]);
        range.max = std::max(range.max, levels[p]);
    }
    if (range.mode == Dynamic) {
        range.low = std::max(range.min - 4, 0.0f);
        range.high = range.max > range.min + 10 ? range.max + 4 : range.min + 10;
    } else if (range.mode == Zoom) {
        range.low = std::max(range.min - 1, 0.0f);
        range.high = std::min(range.max + 1, 100.0f);
    }
    // Too few points, or all alike: a zoom on nothing would show only noise.
    if (range.mode != Fixed && range.max - range.min < 1) {
        range.low = 0;
        range.high = 100;
    }
    range.high = std::min(range.high, 100.0f);
    return range;
}

QString scaleButtonStyle(int mode)
{
    QString normal = QStringLiteral("Scale_ws_44px.png");
    QString pressed = QStringLiteral("Scale_sw_44px.png");
    if (mode == Dynamic) {
        pressed = normal;
    } else if (mode == Zoom) {
        normal = QStringLiteral("ScaleMagnifierFull_ws_44px.png");
        pressed = QStringLiteral("ScaleMagnifierFull_sw_44px.png");
    }
    const QString base = QString::fromLatin1(kIcons);
    return QStringLiteral("QPushButton{image: url(%1%2); padding: 5px; border: none;}\n"
                          "QPushButton:focus{image: url(%1%2);}\n"
                          "QPushButton:hover{image: url(%1%2);}\n"
                          "QPushButton:pressed{image: url(%1%3);}")
        .arg(base, normal, pressed);
}

int nextScaleMode(int mode, bool useDynamicScaling)
{
    if (useDynamicScaling)
        return mode == Dynamic ? Zoom : Dynamic;
    return mode == Fixed ? Zoom : Fixed;
}

int leakPoint(const float* levels, const int* frequencies, int count, float* level, int* frequency)
{
    *level = 0;
    *frequency = 0;
    if (count < 1)
        return -1;
    float best = 0.0f;
    int leak = -1;
    for (int p = 1; p <= std::min(count, kMaxPoint); ++p) {
        // Strictly greater: of equal maxima the first one is the leak.
        if (levels[p] > best) {
            best = levels[p];
            *level = levels[p];
            *frequency = frequencies[p];
            leak = p;
        }
    }
    return leak;
}

bool isValidPoint(float level, int frequency)
{
    return level > 0 || frequency >= 1;
}

} // namespace PinpointingRules

using namespace PinpointingRules;

MeasuringPage::Config Pinpointing::frameConfig()
{
    Config config;
    config.widgetNumber = 3;
    config.favouriteNumber = 1;
    config.favouriteReport = ReportAtEndOfLiveInit;
    config.readingIntervalMs = kReadingMs;
    config.readingStart = StartByPage;
    config.leaveOrder = MuteFirst;
    config.backMutesPath = true;
    config.storedBar = 2;
    config.muteKeyInStoredView = false;
    return config;
}

Pinpointing::Pinpointing(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
    , ui(new Ui::Pinpointing)
{
    ui->setupUi(this);
    // The service switch lies on the status line.
    ui->butStartStop->raise();
    ui->butStartStop->setText(tr("LIN"));
    ui->butStartStop->setVisible(g_debugFeatures == 1);
    m_gpsModul = MainMenu::getInstanceMainMenu()->getGpsInstance();
    frameReady();
}

Pinpointing::~Pinpointing()
{
    m_timerLevel->stop();
    delete ui;
}

QProgressBar* Pinpointing::bar(int point) const
{
    QProgressBar* const bars[] = {ui->progBarMin1, ui->progBarMin2, ui->progBarMin3, ui->progBarMin4,
                                  ui->progBarMin5, ui->progBarMin6, ui->progBarMin7, ui->progBarMin8,
                                  ui->progBarMin9, ui->progBarMin10};
    return bars[point - 1];
}

QLabel* Pinpointing::levelLabel(int point) const
{
    QLabel* const labels[] = {ui->labelMin1, ui->labelMin2, ui->labelMin3, ui->labelMin4, ui->labelMin5,
                               ui->labelMin6, ui->labelMin7, ui->labelMin8, ui->labelMin9, ui->labelMin10};
    return labels[point - 1];
}

void Pinpointing::setTooltips()
{
    ui->retranslateUi(this);
    ui->butMenuMainmenu->setToolTip(tr("Mainmenu"));
    ui->butMenuScale->setToolTip(tr("Autoscale"));
    ui->butMenuDeleteLast->setToolTip(tr("DeleteLastLevel"));
    ui->butMenuSettings->setToolTip(tr("AdditionalSettings"));
    ui->butMenuSave->setToolTip(tr("Store"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter"));
    ui->butMenuMicrophone->setToolTip(tr("MicrophoneGain"));
    ui->butMenuHeadphone_2->setToolTip(tr("HeadphoneVolume"));
    ui->butMenuBack->setToolTip(tr("Back"));
    ui->butMenuStoredPlay->setToolTip(tr("PlayAudioData"));
    ui->butMenuStoredStop->setToolTip(tr("StopPlaying"));
    ui->butMenuStoredNext->setToolTip(tr("PlayNextPosition"));
    ui->butMenuStoredHeadphone->setToolTip(tr("HeadphoneVolume"));
    ui->butMenuStoredBack->setToolTip(tr("Back"));
}

void Pinpointing::applyDisplaySettings()
{
    Systemsettings* settings = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
    m_linearScale = false;
    ui->butStartStop->setText(tr("LIN"));
    ui->butStartStop->setVisible(g_debugFeatures == 1);
    ui->labelFrequency->setVisible(settings->isPPShowFrequencyValueEnabled());
    const bool showFilter = settings->isPPShowFilterParameterEnabled();
    ui->labelFiltersymbol->setVisible(showFilter);
    ui->labelFilterrange->setVisible(showFilter);
    ui->labelFiltersymbol->setText(QString());
}

void Pinpointing::resetDisplays()
{
    // The front keys reach the widget with the focus; every button here takes none.
    setFocus(Qt::OtherFocusReason);
    m_gpsModul = MainMenu::getInstanceMainMenu()->getGpsInstance();
    for (int p = 0; p < kPoints; ++p)
        clearPoint(p);
    m_significandFrequencyCurrent = 0;
    m_shiftPending = false;
}

void Pinpointing::clearPoint(int point)
{
    m_storedRmsLevels[point] = 0;
    m_storedMinimumLevels[point] = 0;
    m_storedGpsPosLat[point] = 0;
    m_storedGpsPosLong[point] = 0;
    m_significandFrequency[point] = 0;
    m_clipState[point] = ClipOnDisk;
    m_clipRequest[point] = 0;
}

void Pinpointing::removeTemporaryClips()
{
    // Clips of an earlier survey would be taken for the points of this one.
    QDir clips(BackgroundRecording::clipDirectory());
    for (const QString& name : clips.entryList({QStringLiteral("PP_Sound_*.wav")}, QDir::Files | QDir::System))
        clips.remove(name);
}

void Pinpointing::startLive()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_storedMeasurement = false;
    if (menu->getInstanceSystemsettings()->isPPDynamicScalingEnabled()) {
        m_useDynamicScaling = true;
        m_scaleMode = Dynamic;
        m_dynamicScaleMax = 100.0f;
        m_dynamicScaleMin = 0;
    } else {
        m_useDynamicScaling = false;
        m_scaleMode = Fixed;
    }
    adjustProgbarRange();

    ui->labelStoredMeasurement->hide();
    showButtonBar(0);
    m_muted = true;
    menu->muteAudioPath(true, true);

    applyCurrentFilter();
    m_audioCodec->getFilter(&m_storedFilterLowCutOff, &m_storedFilterHighCutOff, &m_storedFilterType);
    showFilter();

    menu->setMicGainStep(menu->getCurrentMicGainStep());
    qDebug().noquote() << "Pinpointing: Start with audio muted." << boolText(menu->isAudioPathMuted());

    arrangeElements(false);
    for (int p = 1; p <= kMaxPoint; ++p) {
        bar(p)->hide();
        levelLabel(p)->hide();
    }
    ui->progBarCurrent->hide();
    ui->labelWaterdrop->hide();
    m_currentStep = 0;
    ui->labelSymbol->hide();
    ui->labelMicrophone->setGeometry(5, 65, 37, 155);
    ui->labelMicrophone->show();
    showLevelAndFrequency(0, 0);
    ui->butMenuDeleteLast->show();

    Analoginputworker()->clearAllData();
    ui->progBarMin1->setValue(0);
    removeTemporaryClips();
    Audioworker()->startAudioRecording();
    m_timerCheckBtConnection->start(kLinkCheckMs);
    applyBootedToFavouriteRule();
    reportFavourite();
}

void Pinpointing::showLevelAndFrequency(float level, int frequency)
{
    ui->labelLevel->setText(noDecimals(level));
    ui->labelFrequency->setText(hertz(frequency));
}

void Pinpointing::showFilter()
{
    showFilterLabels(ui->labelFiltersymbol, ui->labelFilterrange, &m_storedFilterType, &m_storedFilterLowCutOff,
                     &m_storedFilterHighCutOff);
}

void Pinpointing::arrangeElements(bool stored)
{
    for (int p = 1; p <= kMaxPoint; ++p) {
        const int x = 5 + 42 * (p - 1);
        bar(p)->setGeometry(x, 60, 37, stored ? 143 : 168);
        levelLabel(p)->setGeometry(x, stored ? 205 : 230, 37, 20);
        bar(p)->setRange(0, 1000);
        restyle(bar(p), QString::fromLatin1(kBarStyle).arg(QStringLiteral("yellow")));
    }
    ui->progBarCurrent->setRange(0, 1000);
}

bool Pinpointing::isCurrentPointEmpty() const
{
    // Past ten points the new point lives nowhere until its first valid reading.
    if (m_shiftPending)
        return true;
    return !isValidPoint(m_storedMinimumLevels[m_currentStep], m_significandFrequency[m_currentStep]);
}

void Pinpointing::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    if (m_storedMeasurement)
        return;
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    // A repeated request only passes the state on: a second mute must not store the
    // sound of the path's last opening as the clip of an earlier point, and a second
    // opening must not leave the point being measured without its clip.
    const bool change = a_mute != m_muted;
    m_muted = a_mute;
    if (a_mute) {
        ui->butMenuDeleteLast->show();
        m_timerLevel->stop();
        menu->muteAudioPath(true, a_sendToMic);
        if (change && isCurrentPointEmpty()) {
            if (m_shiftPending)
                m_shiftPending = false;
            else if (m_currentStep - 1 >= 0 && m_currentStep - 1 <= 9)
                --m_currentStep;
            updateProgbars();
            return;
        }
        if (change)
            fixCurrentPoint();
    } else {
        ui->butMenuDeleteLast->hide();
        Analoginputworker()->clearAllData();
        m_timerLevel->start(kReadingMs);
        menu->muteAudioPath(false, a_sendToMic);
        if (change)
            startNextPoint();
    }
    qDebug().noquote() << "m_muted" << boolText(m_muted);
    if (m_scaleMode == Dynamic && m_muted)
        adjustProgbarRange();
    updateProgbars();
}

void Pinpointing::fixCurrentPoint()
{
    const QString name = clipName(m_currentStep);
    AudioWorker* audio = Audioworker();
    ClipState state = ClipOnDisk;
    if (audio->storeAudioData(name) != 0) {
        // A late write goes on and makes its clip; the save waits for it.
        state = audio->storesPending() ? ClipLate : ClipLost;
    } else if (!audio->storeHadSound(audio->lastStoreRequest())) {
        state = ClipLost; // nothing was recorded for this point
    }
    m_clipRequest[m_currentStep] = audio->lastStoreRequest();
    m_clipState[m_currentStep] = state;
    // What a failed write left behind, or a deleted point, must not be saved as this
    // point's sound.
    if (state == ClipLost)
        removeClip(m_currentStep);
    qDebug() << "Store WAV-File" << name << m_currentStep;
    showLevelAndFrequency(m_storedMinimumLevels[m_currentStep], m_significandFrequency[m_currentStep]);
}

void Pinpointing::startNextPoint()
{
    if (m_currentStep + 1 > kMaxPoint) {
        // The shift waits for a valid reading: a point given back costs no old one.
        m_currentStep = kMaxPoint;
        m_shiftPending = true;
    } else {
        ++m_currentStep;
    }
}

void Pinpointing::switchActiveMute(bool muted)
{
    qDebug().noquote() << "Mutekey QJ5 pressed" << boolText(muted);
    MeasuringPage::switchActiveMute(muted);
}

void Pinpointing::repeatActiveMute()
{
    qDebug().noquote() << "repeatActiveMute" << boolText(m_muted);
    MainMenu::getInstanceMainMenu()->muteAudioPath(m_muted, true);
}

void Pinpointing::shiftAllMeasurementsLeft()
{
    // A late clip is judged under the name its write gave it.
    if (!Audioworker()->storesPending())
        resolveLateClips();
    for (int p = 1; p < kMaxPoint; ++p) {
        m_storedRmsLevels[p] = m_storedRmsLevels[p + 1];
        m_storedMinimumLevels[p] = m_storedMinimumLevels[p + 1];
        m_storedGpsPosLat[p] = m_storedGpsPosLat[p + 1];
        m_storedGpsPosLong[p] = m_storedGpsPosLong[p + 1];
        m_significandFrequency[p] = m_significandFrequency[p + 1];
        m_clipState[p] = m_clipState[p + 1];
        m_clipRequest[p] = m_clipRequest[p + 1];
    }
    clearPoint(kMaxPoint);
    AudioWorker* audio = Audioworker();
    audio->deleteAudioData(clipName(1));
    for (int p = 1; p < kMaxPoint; ++p)
        audio->renameAudioData(clipName(p), clipName(p + 1));
    // Every name stands for another point now: sound the recorder kept for one of them
    // (a write that failed or came late) would become the new point's clip, as after
    // "delete last".
    for (int p = 1; p <= kMaxPoint; ++p)
        audio->forgetKeptSound(clipName(p));
}

void Pinpointing::updateLevel()
{
    float rms = 0;
    float peak = 0;
    float minimum = 0;
    AnalogInputWorker* analysis = Analoginputworker();
    analysis->getAudioLevel(&rms, &peak, &minimum);
    const int frequency = int(analysis->getSignificandFrequency());
    const int frequencyAtMin = int(analysis->getSignificandFrequencyAtMin());
    const float rmsDb = AnalogInputWorker::audioLevelToDb(rms);
    const float peakDb = AnalogInputWorker::audioLevelToDb(peak);
    const float minDb = AnalogInputWorker::audioLevelToDb(minimum);
    if (rmsDb < 1.0f || peakDb < 1.0f || minDb < 1.0f) {
        qDebug() << "Ungültiger Wert:" << minDb << minimum << "RmsLevel:" << rmsDb << rms;
        return;
    }
    const float linearRms = rms * 10000.0f / 5.0f;
    if (!m_muted && m_currentStep >= 1) {
        if (m_shiftPending) {
            // The clips are renamed only once every clip asked for is on disk.
            if (Audioworker()->storesPending()) {
                qDebug() << "Pinpointing: a clip is still being written, the shift waits";
                return;
            }
            shiftAllMeasurementsLeft();
            m_shiftPending = false;
        }
        const int p = m_currentStep;
        m_storedRmsLevels[p] = m_linearScale ? linearRms : rmsDb;
        m_storedMinimumLevels[p] = minDb >= 99.0f ? m_storedRmsLevels[p] : minDb;
        if (m_gpsModul) {
            m_storedGpsPosLat[p] = m_gpsModul->getLatitude();
            m_storedGpsPosLong[p] = m_gpsModul->getLongitude();
        }
        m_significandFrequency[p] = frequencyAtMin;
        m_significandFrequencyCurrent = frequency;
    }
    ui->labelLevel->setText(noDecimals(m_linearScale ? linearRms : rmsDb));
    ui->labelFrequency->setText(hertz(m_significandFrequencyCurrent));
    if (m_scaleMode == Dynamic && m_currentStep >= 1) {
        const float level = m_storedMinimumLevels[m_currentStep];
        if (level < m_dynamicScaleMin)
            adjustProgbarRange();
        if (m_dynamicScaleMax < level)
            adjustProgbarRange();
    }
    updateProgbars();
}

int Pinpointing::getLeakLevel(float* a_level, int* a_frequency, int a_count)
{
    return leakPoint(m_storedMinimumLevels, m_significandFrequency, a_count, a_level, a_frequency);
}

void Pinpointing::adjustProgbarRange()
{
    const BarRange range = barRange(m_storedMinimumLevels, m_scaleMode);
    m_scaleMode = range.mode;
    restyle(ui->butMenuScale, scaleButtonStyle(m_scaleMode));
    m_dynamicScaleMin = range.low;
    m_dynamicScaleMax = range.high;
    const int low = int(range.low * 10);
    const int high = int(range.high * 10);
    for (int p = 1; p <= kMaxPoint; ++p)
        bar(p)->setRange(low, high);
    ui->progBarCurrent->setRange(low, high);
    qDebug() << "adjustProgbarRange" << range.min << range.max << m_scaleMode << range.low << range.high;
}

void Pinpointing::updateProgbars()
{
    m_leakPos = getLeakLevel(&m_leakLevel, &m_leakFrequency, m_currentStep);
    ui->labelWaterdrop->setGeometry(42 * (m_leakPos - 1) + 8, 180, 30, 45);
    if (m_muted) {
        ui->progBarCurrent->setValue(ui->progBarCurrent->minimum());
        ui->progBarCurrent->hide();
        ui->labelWaterdrop->show();
        ui->labelMicrophone->setGeometry(42 * m_currentStep + 5, 65, 37, 155);
        ui->labelMicrophone->setVisible(m_currentStep <= 9);
    } else {
        ui->labelMicrophone->hide();
        ui->progBarCurrent->setGeometry(42 * (m_currentStep - 1) + 5, 60, 10, 168);
        ui->progBarCurrent->show();
        ui->labelWaterdrop->hide();
    }
    setProgressBarFrequColor(ui->progBarCurrent, m_significandFrequencyCurrent, QStringLiteral("orange"));
    for (int p = 1; p <= kMaxPoint; ++p) {
        QProgressBar* pointBar = bar(p);
        if (m_currentStep < p) {
            pointBar->hide();
            levelLabel(p)->hide();
            continue;
        }
        pointBar->show();
        setProgressBarValue(pointBar, int(m_storedMinimumLevels[p] * 10));
        levelLabel(p)->setText(noDecimals(m_storedMinimumLevels[p]));
        levelLabel(p)->show();
        if (!m_muted)
            setProgressBarValue(ui->progBarCurrent, int(m_storedRmsLevels[p] * 10));
        setProgressBarFrequColor(pointBar, m_significandFrequency[p], QStringLiteral("yellow"));
        pointBar->repaint();
    }
    ui->progBarCurrent->raise();
    ui->labelWaterdrop->raise();
    update();
}

void Pinpointing::setProgressBarValue(QProgressBar* bar, int value)
{
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
}

void Pinpointing::setProgressBarFrequColor(QProgressBar* bar, int frequency, const QString& fallback)
{
    Systemsettings* settings = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
    if (frequency < 1 || !settings->isPPUseFrequColorForBarEnabled()) {
        restyle(bar, QString::fromLatin1(kBarStyle).arg(fallback));
        return;
    }
    restyle(bar, frequencyChunkStyle(frequency));
}

void Pinpointing::hideBarsIfInvalid()
{
    for (int p = 1; p <= kMaxPoint; ++p) {
        if (!isValidPoint(m_storedMinimumLevels[p], m_significandFrequency[p])) {
            bar(p)->hide();
            levelLabel(p)->hide();
        }
    }
}

void Pinpointing::on_butMenuDeleteLast_clicked()
{
    if (!m_muted || m_currentStep < 1)
        return;
    // Nothing of the deleted point may become the clip of the point measured next under
    // its number: neither its file nor the sound the recorder keeps for that name.
    removeClip(m_currentStep);
    Audioworker()->forgetKeptSound(clipName(m_currentStep));
    clearPoint(m_currentStep);
    --m_currentStep;
    updateProgbars();
}

void Pinpointing::on_butStartStop_clicked()
{
    m_linearScale = !m_linearScale;
    ui->butStartStop->setText(m_linearScale ? tr("LOG") : tr("LIN"));
}

void Pinpointing::on_butMenuScale_clicked()
{
    m_scaleMode = nextScaleMode(m_scaleMode, m_useDynamicScaling);
    adjustProgbarRange();
    updateProgbars();
}

void Pinpointing::on_butMenuSettings_clicked()
{
    showButtonBar(1);
}

void Pinpointing::on_butMenuBack_clicked()
{
    showButtonBar(0);
    Analoginputworker()->stopCapture();
}

void Pinpointing::on_butMenuFilter_clicked()
{
    m_timerLevel->stop();
    Audioworker()->pauseAudioRecording(true);
    Filtersettings dialog(this);
    if (!execOnShownPage(dialog))
        return;
    dialog.getFiltersettings(&m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
    showFilter();
    m_timerLevel->start(kReadingMs);
    Audioworker()->pauseAudioRecording(false);
}

void Pinpointing::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Pinpointing::runHeadphoneSettings()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Pinpointing::on_butMenuHeadphone_2_clicked()
{
    runHeadphoneSettings();
}

void Pinpointing::on_butMenuStoredHeadphone_clicked()
{
    runHeadphoneSettings();
}

void Pinpointing::saveMeasurement(const QString& name)
{
    MeasInfoStructure info{};
    for (int p = 1; p <= kMaxPoint; ++p) {
        info.level[p] = m_storedMinimumLevels[p];
        info.frequency[p] = m_significandFrequency[p];
        info.posLat[p] = m_storedGpsPosLat[p];
        info.posLong[p] = m_storedGpsPosLong[p];
    }
    m_audioCodec->getFilter(&info.filterLowCutOff, &info.filterHighCutOff, &info.filterType);
    // A clip still being written is not saved half done: the save is refused and every
    // point stays for the retry. A clip whose write failed never comes: the survey is
    // stored without it, and the user told which point has no sound.
    QList<int> lost;
    if (!clipWritesDone(info, &lost)) {
        MeasurementData()->refuse();
        return;
    }
    if (MeasurementData()->storeMeasurement(Measurements::Pinpointing, name, info) != 0 || lost.isEmpty())
        return;
    QStringList points;
    for (int p : lost)
        points << QString::number(p);
    MessageDialog::showOk(MessageDialog::IconWarning, tr("Warning"),
                          tr("StoredWithoutTheSoundOfPoint", nullptr, lost.size())
                              .arg(points.join(QStringLiteral(", "))));
}

bool Pinpointing::clipWritesDone(const MeasInfoStructure& info, QList<int>* lost)
{
    QList<int> withClip;
    bool late = false;
    for (int p = 1; p <= kMaxPoint; ++p) {
        if (Measurements::isPointWithClip(info, p)) {
            withClip << p;
            late = late || m_clipState[p] == ClipLate;
        }
    }
    // The store copies what lies in the folder, and a clip being written lies there half
    // done: only once every write has finished does a clip there mean a whole one (a
    // failed write removes what it began).
    if (late && !Audioworker()->waitForStores(AudioWorker::kStoreTimeoutMs)) {
        qWarning() << "Pinpointing: not saved, a clip is still being written";
        return false;
    }
    resolveLateClips();
    for (int p : withClip) {
        if (m_clipState[p] == ClipLost)
            *lost << p;
    }
    if (!lost->isEmpty())
        qWarning() << "Pinpointing: no clip for the points" << *lost;
    return true;
}

void Pinpointing::resolveLateClips()
{
    AudioWorker* audio = Audioworker();
    for (int p = 1; p <= kMaxPoint; ++p) {
        if (m_clipState[p] != ClipLate)
            continue;
        // A file of the point's name is no proof: a deleted point may have left it, and a
        // write that could not open the file left it as it was.
        const bool own = audio->storeHadSound(m_clipRequest[p])
            && QFileInfo(BackgroundRecording::clipPath(clipName(p))).isFile();
        m_clipState[p] = own ? ClipOnDisk : ClipLost;
        if (!own)
            removeClip(p);
    }
}

void Pinpointing::removeClip(int point)
{
    const QFileInfo clip(BackgroundRecording::clipPath(clipName(point)));
    if (!clip.exists() && !clip.isSymLink())
        return;
    if (QFile::remove(clip.filePath()))
        qDebug() << "Removed a clip that is not the point's own sound:" << clip.filePath();
    else
        qWarning() << "Pinpointing: could not remove" << clip.filePath();
}

// ---- stored view -----------------------------------------------------------------------

void Pinpointing::analyseInfoFile()
{
    qDebug() << "Display stored measurement";
    m_muted = true;
    m_currentStep = 1;
    arrangeElements(true);
    for (int p = 1; p <= kMaxPoint; ++p) {
        bar(p)->show();
        levelLabel(p)->show();
    }
    ui->progBarCurrent->hide();
    ui->labelMicrophone->hide();
    restyle(ui->labelSymbol, QStringLiteral("image: url(%1);").arg(icon("Stop_sw_44px.png")));
    ui->labelSymbol->setGeometry(5, 165, 37, 37);
    ui->labelSymbol->show();

    readInfoFile();
    showFilter();

    m_scaleMode = Zoom;
    adjustProgbarRange();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    ui->labelStoredMeasurement->show();

    for (int p = 1; p <= kMaxPoint; ++p) {
        bar(p)->setValue(int(m_storedMinimumLevels[p] * 10));
        setProgressBarFrequColor(bar(p), m_significandFrequency[p], QStringLiteral("yellow"));
        levelLabel(p)->setText(noDecimals(m_storedMinimumLevels[p]));
    }
    hideBarsIfInvalid();

    m_leakPos = getLeakLevel(&m_leakLevel, &m_leakFrequency, kMaxPoint);
    ui->labelWaterdrop->setGeometry(42 * (m_leakPos - 1) + 8, 155, 30, 45);
    ui->labelWaterdrop->show();
    ui->labelWaterdrop->raise();
    showLevelAndFrequency(m_leakLevel, m_leakFrequency);
    reportFavourite();
}

void Pinpointing::readInfoFile()
{
    StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();
    info.beginGroup(QStringLiteral("Levels"));
    for (int p = 1; p <= kMaxPoint; ++p) {
        m_storedMinimumLevels[p] = ShownValue::level(info.value(QStringLiteral("Level_%1").arg(p)).toDouble());
        m_significandFrequency[p] =
            ShownValue::frequency(info.value(QStringLiteral("Frequency_%1").arg(p)).toDouble());
    }
    info.endGroup();
    readStoredFilter(info, &m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
}

QString Pinpointing::storedClipPath() const
{
    return Measurements::storedFilePath(m_selectedMeasurementDir, clipName(m_currentStep) + QStringLiteral(".wav"));
}

void Pinpointing::playStoredSound()
{
    m_audioCodec->setRouting(1);
    MainMenu::getInstanceMainMenu()->muteAudioPath(false, false);
    Analoginputworker()->stopCapture();
    const QString hostPath = storedClipPath();
    qDebug() << "Play file" << hostPath;
    if (!QFileInfo(hostPath).isFile()) {
        qDebug() << "Play file: no clip" << hostPath;
        return;
    }
    Audioworker()->startAudioPlayback(hostPath);
    restyle(ui->labelSymbol, QStringLiteral("image: url(%1);").arg(icon("Start_sw_44px.png")));
}

void Pinpointing::stopStoredSound()
{
    Audioworker()->stopAudioPlayback();
    Analoginputworker()->stopCapture();
    restyle(ui->labelSymbol, QStringLiteral("image: url(%1);").arg(icon("Stop_sw_44px.png")));
}

void Pinpointing::on_butMenuStoredNext_clicked()
{
    int next = m_currentStep + 1;
    if (next > kMaxPoint)
        next = 1;
    if (!(m_storedMinimumLevels[next] > 0 || m_significandFrequency[next] > 0)) {
        // The first later point with both values; past point 10 the survey starts again.
        do {
            ++next;
        } while (next <= kMaxPoint && !(m_storedMinimumLevels[next] > 0 && m_significandFrequency[next] > 0));
        if (next > kMaxPoint)
            next = 1;
    }
    m_currentStep = next;
    for (int p = 1; p <= kMaxPoint; ++p) {
        const QLatin1String colour(p == m_currentStep ? "lightgreen" : "yellow");
        restyle(bar(p), QString::fromLatin1(kBarStyle).arg(colour));
    }
    ui->labelSymbol->setGeometry(42 * (m_currentStep - 1) + 5, 165, 37, 37);
}
