#include "Mainmenu/levelmeasurement.h"
#include "ui_levelmeasurement.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Audio/soundplayer.h"
#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/storedinfo.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

const char* const kClipName = "LE_sound";
// Bins of the spectrum a level measurement keeps, and the rate they were taken at.
const int kSavedFftSize = 512;
const int kSavedSampleRate = 16000;

Systemsettings* settings()
{
    return MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
}

int barValue(float level)
{
    return int(level * 10);
}

QString wholeNumber(float level)
{
    return QStringLiteral("%1").arg(double(level), 0, 'f', 0);
}

void setMarkers(ProgressBarMinMaxMarker* bar, int maxMarker)
{
    if (bar->maxMarker() == maxMarker && bar->minMarker() == -1)
        return;
    bar->setMaxMarker(maxMarker);
    bar->setMinMarker(-1);
    bar->update();
}

} // namespace

MeasuringPage::Config Levelmeasurement::frameConfig()
{
    Config config;
    config.widgetNumber = 1;
    config.favouriteNumber = 2;
    config.favouriteReport = ReportInConstructor;
    config.readingIntervalMs = 300;
    config.leaveOrder = MuteAfterRecording;
    config.logSaveText = false;
    // After playing, the main window's path is open: Back must close it there, not only
    // mute the codec, or the page it returns to believes the path open.
    config.backMutesPath = true;
    return config;
}

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
    , ui(new Ui::Levelmeasurement)
{
    ui->setupUi(this);
    freqSpectrum = new FreqSpectrum;
    ui->spectrumLayout->addWidget(freqSpectrum);
    ui->spectrumLayout->activate();
    freqSpectrum->init(freqSpectrum->getRect().width(), freqSpectrum->getRect().height());
    freqSpectrum->setEnabled(false);
    freqSpectrum->drawScale();
    frameReady();
}

Levelmeasurement::~Levelmeasurement()
{
    m_timerLevel->stop();
    delete ui;
}

void Levelmeasurement::setTooltips()
{
    ui->butMenuSave->setToolTip(tr("Store"));
    ui->butMenuFilter->setToolTip(tr("AdjustFilter"));
    ui->butMenuHeadphone->setToolTip(tr("HeadphoneVolume"));
    ui->butMenuMic->setToolTip(tr("MicrophoneGain"));
    ui->butMenuMainmenu->setToolTip(tr("Mainmenu"));
    ui->butMenuStoredPlay->setToolTip(tr("PlayRecordedSound"));
    ui->butMenuStoredStop->setToolTip(tr("StopPlaying"));
    ui->butMenuStoredBack->setToolTip(tr("Back"));
    ui->butMenuStoredHeadphone->setToolTip(tr("HeadphoneGain"));
    ui->butMenuMainmenu_2->setToolTip(tr("Mainmenu"));
}

void Levelmeasurement::applyDisplaySettings()
{
    Systemsettings* s = settings();
    ui->labelFrequency->setVisible(s->isShowFrequencyValueEnabled());
    ui->prgbPeakLevel->setVisible(s->isShowPeakLevelBarEnabled() && g_debugFeatures == 1);
    const int x = s->isShowFftEnabled() ? 5 : 132;
    if (s->isShowFftEnabled())
        freqSpectrum->show();
    else
        freqSpectrum->hide();
    ui->labelLevel->move(x, 0);
    ui->labelFrequency->move(x, 90);
    freqSpectrum->setScaleBgGradient(s->isUseFrequColorForBarEnabled());
    for (QWidget* service : {static_cast<QWidget*>(ui->butDigitalLoopback), static_cast<QWidget*>(ui->butAnalogLoopback),
                             static_cast<QWidget*>(ui->butDbgStartRec), static_cast<QWidget*>(ui->butDbgStopRec),
                             static_cast<QWidget*>(ui->butDbgLoop)})
        service->setVisible(g_debugFeatures == 1);
}

void Levelmeasurement::resetDisplays()
{
    ui->labelStoredMeasurement->clear();
    for (ProgressBarMinMaxMarker* bar : {ui->prgbMinimumLevel, ui->prgbCurrentLevel}) {
        bar->setRange(0, 1000);
        setMarkers(bar, -1);
        bar->setValue(0);
    }
    ui->prgbCurrentLevel->show();
    ui->labelPrgbCurrentLevel->show();
    ui->prgbPeakLevel->setRange(0, 1000);
    ui->prgbPeakLevel->setValue(0);
    resetRunningValues();
    ui->labelPrgbCurrentLevel->setText(QStringLiteral("0"));
    ui->labelLevel->setText(QStringLiteral("0"));
    m_significandFrequency = 0;
    ui->labelFrequency->setText(hertz(0));
}

void Levelmeasurement::startLive()
{
    MeasuringPage::startLive();
    freqSpectrum->init(freqSpectrum->getRect().width(), freqSpectrum->getRect().height());
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    freqSpectrum->setEnabled(false);
    freqSpectrum->update();
}

void Levelmeasurement::resetRunningValues()
{
    m_cntMaxVal = 0;
    std::fill(std::begin(m_lastMaxValues), std::end(m_lastMaxValues), 0.0f);
}

void Levelmeasurement::setDrawingEnabled(bool enabled)
{
    freqSpectrum->setEnabled(enabled);
}

QString Levelmeasurement::peakChunkStyle(float linearPeak)
{
    const char* colour = "lightgreen";
    if (double(linearPeak) > 0.056)
        colour = "red";
    else if (double(linearPeak) > 0.04)
        colour = "orange";
    return QStringLiteral("QProgressBar::chunk {background-color: %1;}").arg(QLatin1String(colour));
}

void Levelmeasurement::updateLevel()
{
    float rms = 0;
    float peak = 0;
    float minimum = 0;
    Analoginputworker()->getAudioLevel(&rms, &peak, &minimum);
    if (!showLevels(AnalogInputWorker::audioLevelToDb(rms), AnalogInputWorker::audioLevelToDb(peak),
                    AnalogInputWorker::audioLevelToDb(minimum), peak))
        return;
    showSpectrum();
    showFrequency();
}

bool Levelmeasurement::showLevels(float current, float peak, float minimum, float linearPeak)
{
    const auto showable = [](float level) { return ShownValue::isShowable(level, 0.0, ShownValue::kMaxLevelDb); };
    if (!showable(current) || !showable(peak) || !showable(minimum))
        return false;
    m_peakLevel = peak;
    m_currentLevel = current;
    ui->prgbCurrentLevel->setValue(barValue(m_currentLevel));
    ui->labelPrgbCurrentLevel->setText(wholeNumber(m_currentLevel));

    // 99 stands for "no minimum yet".
    m_minimumLevelAbs = minimum >= 99.0f ? current : minimum;
    ui->prgbMinimumLevel->setValue(barValue(m_minimumLevelAbs));
    ui->labelLevel->setText(wholeNumber(m_minimumLevelAbs));

    restyle(ui->prgbPeakLevel, peakChunkStyle(linearPeak));

    int maxMarker = -1;
    if (settings()->isShowPeakLevelBarEnabled()) {
        m_lastMaxValues[m_cntMaxVal] = m_peakLevel;
        m_maxHoldValue = 0;
        for (float value : m_lastMaxValues) {
            if (value > m_maxHoldValue)
                m_maxHoldValue = value;
        }
        if (++m_cntMaxVal >= kMaxHoldReadings)
            m_cntMaxVal = 0;
        maxMarker = barValue(m_maxHoldValue);
        ui->prgbPeakLevel->setValue(maxMarker);
    }
    setMarkers(ui->prgbMinimumLevel, maxMarker);
    setMarkers(ui->prgbCurrentLevel, maxMarker);
    return true;
}

void Levelmeasurement::showSpectrum()
{
    float data[1024];
    AnalogInputWorker* analysis = Analoginputworker();
    analysis->getFft(m_fft);
    analysis->getAudioData(data);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft, true);
    freqSpectrum->drawData(data);
    freqSpectrum->update();
}

void Levelmeasurement::showFrequency()
{
    AnalogInputWorker* analysis = Analoginputworker();
    m_significandFrequency = int(analysis->getSignificandFrequency());
    m_significandFrequencyAtMin = int(analysis->getSignificandFrequencyAtMin());
    ui->labelFrequency->setText(hertz(m_significandFrequencyAtMin));
    if (settings()->isUseFrequColorForBarEnabled()) {
        restyle(ui->prgbMinimumLevel, frequencyChunkStyle(m_significandFrequencyAtMin));
        restyle(ui->prgbCurrentLevel, frequencyChunkStyle(m_significandFrequency));
    } else {
        restyle(ui->prgbMinimumLevel, QStringLiteral("QProgressBar::chunk {background-color: yellow;}"));
        restyle(ui->prgbCurrentLevel, QStringLiteral("QProgressBar::chunk {background-color: orange;}"));
    }
}

void Levelmeasurement::analyseInfoFile()
{
    const StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();
    m_storedLevel = ShownValue::level(info.value(QStringLiteral("Levels/Level")).toDouble());
    m_significandFrequency = ShownValue::frequency(info.value(QStringLiteral("Levels/Frequency")).toDouble());

    // The size may claim more values than the file holds, or more than the page keeps.
    std::fill(std::begin(m_fft), std::end(m_fft), 0.0f);
    const QStringList values = info.value(QStringLiteral("FFT/FFT-Values")).toString().split(QLatin1Char(';'));
    const int count = std::clamp(std::min(info.intValue(QStringLiteral("FFT/FFT-Size")), int(values.size())), 0,
                                 int(std::size(m_fft)));
    for (int i = 0; i < count; ++i)
        m_fft[i] = ShownValue::inRange(values.at(i).toDouble(), std::numeric_limits<float>::lowest(),
                                       std::numeric_limits<float>::max());

    quint32 low = 0;
    quint32 high = 0;
    readStoredFilter(info, &m_storedFilterType, &low, &high);
    m_storedFilterLowCutOff = int(low);
    m_storedFilterHighCutOff = int(high);

    for (QProgressBar* bar : {static_cast<QProgressBar*>(ui->prgbMinimumLevel),
                              static_cast<QProgressBar*>(ui->prgbCurrentLevel), ui->prgbPeakLevel})
        bar->setValue(barValue(m_storedLevel));
    ui->labelPrgbCurrentLevel->setText(wholeNumber(m_storedLevel));
    ui->labelLevel->setText(wholeNumber(m_storedLevel));
    ui->prgbCurrentLevel->hide();
    ui->labelPrgbCurrentLevel->hide();
    ui->labelFrequency->setText(hertz(m_significandFrequency));
    if (settings()->isUseFrequColorForBarEnabled())
        restyle(ui->prgbMinimumLevel, frequencyChunkStyle(m_significandFrequency));
    else
        restyle(ui->prgbMinimumLevel, QStringLiteral("QProgressBar::chunk {background-color: yellow;}"));

    m_audioCodec->setFilter(quint32(m_storedFilterLowCutOff), quint32(m_storedFilterHighCutOff), m_storedFilterType);
    freqSpectrum->init(freqSpectrum->getRect().width(), freqSpectrum->getRect().height());
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(m_fft, false);
    freqSpectrum->setEnabled(false);
    freqSpectrum->update();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
}

void Levelmeasurement::playStoredSound()
{
    const QString clip = Measurements::storedFilePath(m_selectedMeasurementDir, QStringLiteral("LE_sound.wav"));
    MainMenu::getInstanceMainMenu()->muteAudioPath(false, false);
    Analoginputworker()->stopCapture();
    if (!m_player)
        m_player = SoundPlayer::create(this);
    m_player->setMedia(QUrl::fromLocalFile(clip));
    m_player->setVolume(kPlayerVolume);
    m_player->play();
}

void Levelmeasurement::stopStoredSound()
{
    Analoginputworker()->stopCapture();
    if (m_player)
        m_player->stop();
}

void Levelmeasurement::saveMeasurement(const QString& name)
{
    const QString clip = QString::fromLatin1(kClipName);
    const QString path = BackgroundRecording::clipPath(clip);
    // The recorder hands its sound out once: asked again for the same result, after a
    // refused store or a save, it gives only what was left. The clip it wrote for the
    // result shown is that result's sound until a new recording begins.
    AudioWorker* audio = Audioworker();
    if (m_clipOfShownResult == 0 || m_clipOfShownResult != audio->recordingsBegun()) {
        // The store copies whatever clip lies there: one left by an earlier save must not
        // pass for this one's when the recorder cannot write it.
        if (QFileInfo::exists(path))
            audio->deleteAudioData(clip);
        if (audio->storeAudioData(clip) != 0) {
            // A measurement without its sound, or with half of it, is not stored. A write
            // still running goes on but keeps its sound queued: the next save deletes the
            // clip it leaves and writes that sound again.
            if (!audio->storesPending() && QFileInfo::exists(path))
                audio->deleteAudioData(clip);
            MeasurementData()->refuse();
            return;
        }
        m_clipOfShownResult = audio->recordingsBegun();
    }
    // A header alone, or no clip at all: nothing was recorded since the path was last
    // opened, or it never was.
    const bool withSound = QFileInfo(path).size() > BackgroundRecording::kWavHeaderBytes;

    MeasInfoStructure info{};
    info.level[0] = m_minimumLevelAbs;
    info.frequency[0] = m_significandFrequency;
    std::copy(m_fft, m_fft + kSavedFftSize, info.fft);
    info.sampleRate = kSavedSampleRate;
    info.fftSize = kSavedFftSize;
    quint32 low = 0;
    quint32 high = 0;
    int type = 0;
    m_audioCodec->getFilter(&low, &high, &type);
    info.filterType = type;
    info.filterHighCutOff = high;
    info.filterLowCutOff = low;
    if (MeasurementData()->storeMeasurement(Measurements::LevelMeasurement, name, info) != 0 || withSound)
        return;
    qWarning() << "Levelmeasurement: stored without sound";
    MessageDialog::showOk(MessageDialog::IconWarning, MeasuringPage::tr("Warning"), tr("StoredWithoutSound"));
}

void Levelmeasurement::on_butMenuFilter_clicked()
{
    m_timerLevel->stop();
    Filtersettings dialog(this);
    if (!execOnShownPage(dialog))
        return;
    quint32 low = 0;
    quint32 high = 0;
    int type = 0;
    m_audioCodec->getFilter(&low, &high, &type);
    freqSpectrum->updateFilter(low, high, type);
    m_timerLevel->start(config().readingIntervalMs);
}

void Levelmeasurement::on_butMenuMic_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Levelmeasurement::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Levelmeasurement::on_butMenuStoredHeadphone_clicked()
{
    on_butMenuHeadphone_clicked();
}

// Service buttons: the loopbacks and the loop have no function on this page.
void Levelmeasurement::on_butDigitalLoopback_clicked() {}
void Levelmeasurement::on_butAnalogLoopback_clicked() {}
void Levelmeasurement::on_butDbgLoop_clicked() {}

void Levelmeasurement::on_butDbgStartRec_clicked()
{
    m_btSource->callBtDeviceA2DP(false);
}

void Levelmeasurement::on_butDbgStopRec_clicked()
{
    m_btSource->disconnectBtDevice();
}
