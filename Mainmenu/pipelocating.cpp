#include "Mainmenu/pipelocating.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Hardware/gps.h"
#include "Management/systemsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/storedinfo.h"
#include "mainmenu.h"
#include "ui_pipelocating.h"

#include <QTimer>

#include <algorithm>

using PointHistory::kPoints;

namespace {

const char* const kDefaultBarStyle = "QProgressBar::chunk {background-color: rgb(0,255,127);}";
QString wholeNumber(double value)
{
    return QString::number(value, 'f', 0);
}

// QProgressBar ignores a value outside its range and would keep showing the last one.
void setBarValue(QProgressBar* bar, int value)
{
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

void setBarRange(QProgressBar* const bars[PointHistory::kPoints + 1], const PointHistory::Range& range)
{
    for (int i = 1; i <= PointHistory::kPoints; ++i)
        bars[i]->setRange(PointHistory::barValue(range.low), PointHistory::barValue(range.high));
}

} // namespace

MeasuringPage::Config Pipelocating::frameConfig()
{
    Config config;
    config.widgetNumber = 8;
    config.favouriteNumber = 5;
    config.favouriteReport = ReportInInit;
    config.readingIntervalMs = kReadingMs;
    config.readingStart = StartInLiveInit;
    config.leaveOrder = MuteFirst;
    config.stopCaptureOnLeave = true;
    config.backMutesPath = true;
    config.storedRouting = -1;
    return config;
}

Pipelocating::Pipelocating(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
    , ui(new Ui::Pipelocating)
{
    ui->setupUi(this);
    for (int i = 1; i <= kPoints; ++i) {
        m_liveBars[i] = findChild<QProgressBar*>(QStringLiteral("progBarHist%1").arg(i));
        m_liveLabels[i] = findChild<QLabel*>(QStringLiteral("labelProgBar%1").arg(i));
        m_storedBars[i] = findChild<QProgressBar*>(QStringLiteral("progBarHist%1_stored").arg(i));
        m_storedLabels[i] = findChild<QLabel*>(QStringLiteral("labelProgBar%1_stored").arg(i));
    }
    freqSpectrum = new FreqSpectrum();
    ui->spectrumLayout->addWidget(freqSpectrum);
    ui->spectrumLayout->activate();
    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width(), area.height());
    freqSpectrum->clear();
    freqSpectrum->setEnabled(false);
    freqSpectrum->drawScale();
    ui->labelFrequency->hide();
    m_gpsModul = MainMenu::getInstanceMainMenu()->getGpsInstance();

    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, 0, false);
    ui->prgbPeakLevelMinMax->setRange(0, 1000);
    for (int i = 1; i <= kPoints; ++i) {
        setProgressBarFrequColor(m_liveBars[i], 0, false);
        m_liveBars[i]->setRange(0, 1000);
        m_storedBars[i]->setRange(0, 1000);
    }
    ui->labelProgBarMinMax->clear();
    ui->mainArea->setCurrentWidget(ui->mainPage);
    frameReady();
}

Pipelocating::~Pipelocating()
{
    m_timerLevel->stop();
    delete ui;
}

// ---- init -----------------------------------------------------------------------------

void Pipelocating::setTooltips()
{
    ui->retranslateUi(this);
}

void Pipelocating::applyDisplaySettings()
{
    Systemsettings* settings = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
    const QList<QLabel*> filterLabels = {ui->labelFilterrange, ui->labelFiltersymbol, ui->labelFilterLowCutOff,
                                         ui->labelFiltersymbolStored, ui->labelFilterHighCutOff};
    if (settings->isPLShowFftEnabled()) {
        freqSpectrum->show();
        ui->labelFrequency->hide();
        ui->labelLevel->move(5, 5);
        for (QLabel* label : filterLabels)
            label->hide();
    } else {
        freqSpectrum->hide();
        ui->labelLevel->move(132, 5);
        ui->labelFrequency->setVisible(settings->isPLShowFrequencyValueEnabled());
        const bool filterShown = settings->isPLShowFilterParameterEnabled();
        for (QLabel* label : filterLabels)
            label->setVisible(filterShown);
        if (filterShown) {
            ui->labelFiltersymbol->move(5, 30);
            ui->labelFilterrange->move(55, 25);
        }
    }
    freqSpectrum->setScaleBgGradient(settings->isPLUseFrequColorForBarEnabled());
}

void Pipelocating::resetBeforeLinks()
{
    m_maxHoldValue = 0;
    for (int i = 0; i <= kPoints; ++i)
        clearPoint(i);
    std::fill(std::begin(m_lastMaxValues), std::end(m_lastMaxValues), 0.0f);
    m_cntMaxVal = 0;
    m_currentStep = 0;
    m_shiftPending = false;
    m_muted = true;
    MainMenu::getInstanceMainMenu()->muteAudioPath(true, true);
}

void Pipelocating::resetDisplays()
{
    ui->labelLevel->setText(QStringLiteral("0"));
    ui->labelFrequency->setText(hertz(0));
    ui->prgbPeakLevelMinMax->setMinMarker(-1);
    ui->prgbPeakLevelMinMax->setMaxMarker(-1);
    ui->prgbPeakLevelMinMax->setValue(0);
    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, 0, false);
    ui->labelProgBarMinMax->setText(QStringLiteral("0"));
    ui->labelPipesymbol->hide();
    ui->labelPipesymbol_stored->hide();
}

void Pipelocating::startLive()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_storedMeasurement = false;
    showButtonBar(0);
    ui->mainArea->setCurrentWidget(ui->mainPage);
    m_dynamicScaleMin = 0;
    m_dynamicScaleMax = 100;

    const QRect area = freqSpectrum->getRect();
    freqSpectrum->init(area.width(), area.height());
    freqSpectrum->clear();
    freqSpectrum->drawScale();
    freqSpectrum->setEnabled(false);
    freqSpectrum->update();

    applyCurrentFilter();
    m_audioCodec->getFilter(&m_storedFilterLowCutOff, &m_storedFilterHighCutOff, &m_storedFilterType);
    showFilterLabels(ui->labelFiltersymbol, ui->labelFilterrange, &m_storedFilterType, &m_storedFilterLowCutOff,
                     &m_storedFilterHighCutOff);
    menu->setMicGainStep(menu->getCurrentMicGainStep());

    for (int i = 1; i <= kPoints; ++i) {
        m_liveBars[i]->hide();
        m_liveLabels[i]->hide();
    }
    m_timerLevel->start(kReadingMs);
    Audioworker()->startAudioRecording();
    m_timerCheckBtConnection->start(kLinkCheckMs);
    applyBootedToFavouriteRule();
}

// ---- points ---------------------------------------------------------------------------

void Pipelocating::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    // The stored view has no live path: its keys must not open one behind it.
    if (m_storedMeasurement)
        return;
    // A second opening ends the point that is open, so it cannot stay as an empty point.
    if (!a_mute && !m_muted)
        endPoint();
    m_muted = a_mute;
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
    freqSpectrum->setEnabled(!a_mute);
    if (a_mute)
        endPoint();
    else
        startPoint();
}

void Pipelocating::clearPoint(int point)
{
    m_historyValues[point] = 0;
    m_historyFrequency[point] = 0;
    m_storedGpsPosLat[point] = 0;
    m_storedGpsPosLong[point] = 0;
}

void Pipelocating::startPoint()
{
    m_cntMaxVal = 0;
    m_maxHoldValue = 0;
    std::fill(std::begin(m_lastMaxValues), std::end(m_lastMaxValues), 0.0f);
    if (m_currentStep < kPoints) {
        ++m_currentStep;
        clearPoint(m_currentStep);
    } else {
        m_shiftPending = true;
    }
    updateHistoryValues();
}

void Pipelocating::endPoint()
{
    // An eleventh opening without a reading leaves the ten points as they were.
    m_shiftPending = false;
    if (m_historyValues[m_currentStep] <= 0) {
        clearPoint(m_currentStep);
        if (m_currentStep > 0)
            --m_currentStep;
    } else {
        adjustProgbarRange();
    }
    updateHistoryValues();
}

void Pipelocating::shiftHistoryValues()
{
    for (int i = 0; i < kPoints; ++i) {
        m_historyValues[i] = m_historyValues[i + 1];
        m_historyFrequency[i] = m_historyFrequency[i + 1];
        m_storedGpsPosLat[i] = m_storedGpsPosLat[i + 1];
        m_storedGpsPosLong[i] = m_storedGpsPosLong[i + 1];
    }
    clearPoint(kPoints);
}

void Pipelocating::updateData()
{
    if (MainMenu::getInstanceMainMenu()->isAudioPathMuted())
        return;
    AnalogInputWorker* analysis = Analoginputworker();
    float rms = 0;
    float peak = 0;
    float minimum = 0;
    analysis->getAudioLevel(&rms, &peak, &minimum);
    const int frequency = int(analysis->getSignificandFrequency());
    const float level = AnalogInputWorker::audioLevelToDb(peak);
    if (m_muted || m_currentStep == 0)
        return;
    if (m_shiftPending) {
        shiftHistoryValues();
        m_shiftPending = false;
    }

    m_lastMaxValues[m_cntMaxVal] = level;
    m_maxHoldValue = 0;
    for (float value : m_lastMaxValues) {
        if (value > m_maxHoldValue)
            m_maxHoldValue = value;
    }
    m_historyValues[m_currentStep] = m_maxHoldValue;
    m_historyFrequency[m_currentStep] = frequency;
    // The point is where the receiver was at its last reading.
    if (m_gpsModul) {
        m_storedGpsPosLat[m_currentStep] = m_gpsModul->getLatitude();
        m_storedGpsPosLong[m_currentStep] = m_gpsModul->getLongitude();
    }
    m_cntMaxVal = (m_cntMaxVal + 1) % kRingSize;

    ui->labelLevel->setText(wholeNumber(m_maxHoldValue));
    ui->labelFrequency->setText(hertz(quint32(m_historyFrequency[m_currentStep])));
    ui->prgbPeakLevelMinMax->setMaxMarker(PointHistory::barValue(m_maxHoldValue));
    ui->prgbPeakLevelMinMax->setMinMarker(-1);
    setBarValue(ui->prgbPeakLevelMinMax, PointHistory::barValue(level));
    setProgressBarFrequColor(ui->prgbPeakLevelMinMax, frequency, false);
    ui->labelProgBarMinMax->setText(wholeNumber(level));

    float spectrum[1024];
    float samples[1024];
    analysis->getFft(spectrum);
    analysis->getAudioData(samples);
    freqSpectrum->refresh();
    freqSpectrum->drawScale();
    freqSpectrum->drawFft(spectrum, true);
    freqSpectrum->drawData(samples);
    freqSpectrum->update();

    if (m_historyValues[m_currentStep] < m_dynamicScaleMin)
        adjustProgbarRange();
    if (m_historyValues[m_currentStep] > m_dynamicScaleMax)
        adjustProgbarRange();
    updateHistoryValues();
}

// ---- drawing --------------------------------------------------------------------------

void Pipelocating::updateHistoryValues()
{
    const int marked = PointHistory::markedPoint(m_historyValues, m_currentStep);
    ui->labelPipesymbol->hide();
    for (int i = 1; i <= kPoints; ++i) {
        QProgressBar* bar = m_liveBars[i];
        QLabel* label = m_liveLabels[i];
        // A dropped point's bar goes with it.
        if (i > m_currentStep) {
            bar->hide();
            label->hide();
            continue;
        }
        setBarValue(bar, PointHistory::barValue(m_historyValues[i]));
        label->setText(wholeNumber(m_historyValues[i]));
        setProgressBarFrequColor(bar, m_historyFrequency[i], i == marked);
        bar->show();
        label->show();
    }
}

void Pipelocating::adjustProgbarRange()
{
    const PointHistory::Range range = PointHistory::liveRange(m_historyValues);
    m_dynamicScaleMin = range.low;
    m_dynamicScaleMax = range.high;
    setBarRange(m_liveBars, range);
}

void Pipelocating::adjustProgbarRangeStored()
{
    setBarRange(m_storedBars, PointHistory::storedRange(m_storedLevel));
}

void Pipelocating::setProgressBarFrequColor(QProgressBar* a_bar, int a_frequValue, bool a_maxColor)
{
    if (MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->isPLUseFrequColorForBarEnabled()
        && a_frequValue >= 1) {
        restyle(a_bar, frequencyChunkStyle(a_frequValue));
    } else {
        restyle(a_bar, QString::fromLatin1(kDefaultBarStyle));
    }
    if (a_maxColor) {
        ui->labelPipesymbol->move(a_bar->x() + 3, 215);
        ui->labelPipesymbol_stored->move(a_bar->x() + 3, 182);
        ui->labelPipesymbol->show();
        ui->labelPipesymbol_stored->show();
    }
}

// ---- stored view ----------------------------------------------------------------------

void Pipelocating::analyseInfoFile()
{
    for (int i = 1; i <= kPoints; ++i) {
        m_storedLevel[i] = 0;
        m_storedFrequency[i] = 0;
    }
    const StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();
    for (int i = 1; i <= kPoints; ++i) {
        m_storedLevel[i] = ShownValue::level(info.value(QStringLiteral("Levels/Level_%1").arg(i), 0).toDouble());
        m_storedFrequency[i] =
            ShownValue::frequency(info.value(QStringLiteral("Levels/Frequency_%1").arg(i), 0).toDouble());
    }
    readStoredFilter(info, &m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
    showStoredView();
}

void Pipelocating::showStoredView()
{
    m_timerLevel->stop();
    ui->mainArea->setCurrentWidget(ui->storedPage);
    for (int i = 1; i <= kPoints; ++i) {
        m_storedBars[i]->hide();
        m_storedLabels[i]->hide();
    }
    freqSpectrum->setEnabled(false);

    const int marked = PointHistory::markedPoint(m_storedLevel, kPoints);
    adjustProgbarRangeStored();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    for (int i = 1; i <= kPoints; ++i) {
        if (m_storedLevel[i] <= 0)
            continue;
        QProgressBar* bar = m_storedBars[i];
        QLabel* label = m_storedLabels[i];
        setBarValue(bar, PointHistory::barValue(m_storedLevel[i]));
        label->setText(wholeNumber(m_storedLevel[i]));
        setProgressBarFrequColor(bar, m_storedFrequency[i], i == marked);
        bar->show();
        label->show();
    }
    restyle(ui->labelFiltersymbolStored, filterTypeSymbolStyle(m_storedFilterType));
    ui->labelFilterLowCutOff->setText(hertz(m_storedFilterLowCutOff));
    ui->labelFilterHighCutOff->setText(hertz(m_storedFilterHighCutOff));
}

// ---- buttons --------------------------------------------------------------------------

void Pipelocating::on_butMenuHome_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Pipelocating::on_butMenuFilter_clicked()
{
    m_timerLevel->stop();
    Filtersettings dialog(this);
    if (!execOnShownPage(dialog))
        return;
    dialog.getFiltersettings(&m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
    freqSpectrum->updateFilter(m_storedFilterLowCutOff, m_storedFilterHighCutOff, m_storedFilterType);
    showFilterLabels(ui->labelFiltersymbol, ui->labelFilterrange, &m_storedFilterType, &m_storedFilterLowCutOff,
                     &m_storedFilterHighCutOff);
    m_timerLevel->start(kReadingAfterFilterMs);
}

void Pipelocating::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Pipelocating::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Pipelocating::saveMeasurement(const QString& name)
{
    MeasInfoStructure info{};
    for (int i = 1; i <= kPoints; ++i) {
        info.level[i] = m_historyValues[i];
        info.frequency[i] = m_historyFrequency[i];
        info.posLat[i] = m_storedGpsPosLat[i];
        info.posLong[i] = m_storedGpsPosLong[i];
    }
    m_audioCodec->getFilter(&info.filterLowCutOff, &info.filterHighCutOff, &info.filterType);
    MeasurementData()->storeMeasurement(Measurements::Pipelocating, name, info);
}
