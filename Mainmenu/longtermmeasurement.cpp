#include "Mainmenu/longtermmeasurement.h"
#include "ui_longtermmeasurement.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/filtersettings.h"
#include "Audio/headphonesettings.h"
#include "Audio/micsettings.h"
#include "Management/systemsettings.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/storedinfo.h"
#include "mainmenu.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kScaleColor(213, 211, 18);
const QColor kDataColor(255, 255, 100);
const char* const kIconFolder = ":/Resources/Icons/Mainmenu/Pinpointing/";

// The window a stored file's value count may claim: only one of the three.
bool isWindowSize(int values)
{
    return values == 180 || values == 600 || values == 1800;
}

} // namespace

MeasuringPage::Config Longtermmeasurement::frameConfig()
{
    Config config;
    config.widgetNumber = 9;
    config.favouriteNumber = 3;
    config.favouriteReport = ReportInConstructor;
    config.readingIntervalMs = kUpdateIntervalMs;
    config.readingStart = StartByPage;
    config.leaveOrder = OwnMuteAfterTimers;
    config.stopCaptureOnLeave = true;
    // The stored view is a still picture: no playback routing.
    config.storedRouting = -1;
    return config;
}

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
    , ui(new Ui::Longtermmeasurement)
{
    ui->setupUi(this);

    longtermData = new LongtermData();
    ui->levelData->addWidget(longtermData);
    ui->levelData->activate();
    longtermData->setAxisX(0, 3, 0.5f, 0.1f, true);
    const QRect live = longtermData->getRect();
    longtermData->init(live.width(), live.height(), kScaleColor, kDataColor);

    storedLongtermData = new LongtermData(ui->levelDataStored);
    storedLongtermData->setGeometry(0, 0, ui->levelDataStored->width(), ui->levelDataStored->height());
    storedLongtermData->init(ui->levelDataStored->width(), ui->levelDataStored->height(), kScaleColor, kDataColor);

    ui->mainArea->setCurrentWidget(ui->mainPage);
    frameReady();
}

Longtermmeasurement::~Longtermmeasurement()
{
    readingTimer()->stop();
    delete ui;
}

int Longtermmeasurement::applyWindow(int selectedTime, QLabel* label, LongtermData* graph)
{
    switch (selectedTime) {
    case 1:
        label->setText(tr("10 min"));
        graph->setAxisX(0, 10, 2, 1, true);
        return 600;
    case 2:
        label->setText(tr("30 min"));
        graph->setAxisX(0, 30, 5, 1, true);
        return 1800;
    default:
        label->setText(tr("3 min"));
        graph->setAxisX(0, 3, 0.5f, 0.1f, true);
        return 180;
    }
}

void Longtermmeasurement::setTooltips()
{
    ui->retranslateUi(this);
    m_storedFilterType = 0;
    m_storedFilterLowCutOff = 0;
    m_storedFilterHighCutOff = 4000;
}

void Longtermmeasurement::applyDisplaySettings()
{
    m_selectedTime = 0;
    m_maxVisibleData = applyWindow(m_selectedTime, ui->labelTime, longtermData);
    m_dataCnt = 0;
    m_displayOldData = false;
    m_maxDataVal = 100;
    m_drawScaled = false;
    m_minDataVal = 0;
    longtermData->setAxisY(0, 100, 20, 10, true);
    setScaleIcon(false);

    const bool grid = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->isLTShowGridEnabled();
    longtermData->displayHGrid(grid);
    longtermData->displayVGrid(grid);
}

void Longtermmeasurement::resetDisplays()
{
    Systemsettings* settings = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
    ui->prgbMinimumLevel->setValue(0);
    ui->labelLevel->setText(QStringLiteral("0"));
    const bool frequency = settings->isLTShowFrequencyValueEnabled();
    ui->labelFrequency->setVisible(frequency);
    ui->labelFrequency->setText(frequency ? hertz(0) : QString());
    const bool filter = settings->isLTShowFilterParameterEnabled();
    for (QLabel* label : {ui->labelFiltersymbol, ui->labelFilterrange, ui->labelFiltersymbolStored,
                          ui->labelFilterLowCutOff, ui->labelFilterHighCutOff})
        label->setVisible(filter);
    // Both views start muted; the stored view of the last visit must not swallow it.
    switchPath(true, true);
}

void Longtermmeasurement::startLive()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_storedMeasurement = false;
    const QRect live = longtermData->getRect();
    longtermData->init(live.width(), live.height(), kScaleColor, kDataColor);
    showButtonBar(0);
    ui->mainArea->setCurrentWidget(ui->mainPage);
    Audioworker()->startAudioRecording();
    Audioworker()->pauseAudioRecording(true);

    applyCurrentFilter();
    m_audioCodec->getFilter(&m_storedFilterLowCutOff, &m_storedFilterHighCutOff, &m_storedFilterType);
    showLiveFilter();

    menu->setMicGainStep(menu->getCurrentMicGainStep());
    linkCheckTimer()->start(kLinkCheckMs);
    applyBootedToFavouriteRule();
}

void Longtermmeasurement::showLiveFilter()
{
    showFilterLabels(ui->labelFiltersymbol, ui->labelFilterrange, &m_storedFilterType, &m_storedFilterLowCutOff,
                     &m_storedFilterHighCutOff);
}

void Longtermmeasurement::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    if (m_storedMeasurement) {
        qDebug() << "Longterm: stored view, mute request ignored" << a_mute;
        return;
    }
    switchPath(a_mute, a_sendToMic);
}

void Longtermmeasurement::switchPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
    m_muted = a_mute;
    if (a_mute)
        readingTimer()->stop();
    else
        readingTimer()->start(kUpdateIntervalMs);
}

void Longtermmeasurement::updateData()
{
    float rmsLevel = 1e-6f;
    float peakLevel = 1e-6f;
    float minLevel = 1e-6f;
    quint32 frequency = 0;
    AnalogInputWorker* analysis = Analoginputworker();
    if (!m_muted) {
        analysis->getAudioLevel(&rmsLevel, &peakLevel, &minLevel);
        frequency = analysis->getSignificandFrequency();
    }
    const float levelVal = AnalogInputWorker::audioLevelToDb(rmsLevel);
    if (levelVal < 1.0f)
        return;

    ui->prgbMinimumLevel->setValue(int(levelVal));
    ui->labelLevel->setText(QStringLiteral("%1").arg(double(levelVal), 0, 'f', 0));
    ui->labelFrequency->setText(hertz(frequency));
    if (MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->isLTUseFrequColorForBarEnabled())
        restyle(ui->prgbMinimumLevel, frequencyChunkStyle(int(frequency)));
    else
        restyle(ui->prgbMinimumLevel, QStringLiteral("QProgressBar::chunk {background-color: yellow;}"));

    m_recordedData[m_dataCnt] = levelVal;
    m_maxVisibleData = applyWindow(m_selectedTime, ui->labelTime, longtermData);
    if (++m_dataCnt >= m_maxVisibleData) {
        m_dataCnt = 0;
        m_displayOldData = true;
    }
    drawLive();
}

void Longtermmeasurement::drawLive()
{
    longtermData->refresh();
    if (m_drawScaled)
        longtermData->drawDataScaled(m_recordedData, m_dataCnt, m_maxVisibleData, m_displayOldData, m_minDataVal,
                                     m_maxDataVal);
    else
        longtermData->drawData(m_recordedData, m_dataCnt, m_maxVisibleData, m_displayOldData);
}

void Longtermmeasurement::on_butMenuTime_clicked()
{
    if (++m_selectedTime > 2)
        m_selectedTime = 0;
    // Window, count and picture change together: a save right after stores what the
    // screen shows, under the window it names.
    m_maxVisibleData = applyWindow(m_selectedTime, ui->labelTime, longtermData);
    m_dataCnt = 0;
    m_displayOldData = false;
    drawLive();
}

void Longtermmeasurement::setScaleIcon(bool scaled)
{
    const QString icon = scaled ? QStringLiteral("ScaleMagnifierFull") : QStringLiteral("Scale");
    restyle(ui->butMenuScale,
        QStringLiteral("QPushButton {image: url(%1%2_ws_44px.png); border: 0px; background-color: transparent;}\n"
                       "QPushButton:pressed {image: url(%1%2_sw_44px.png);}")
            .arg(QLatin1String(kIconFolder), icon));
}

void Longtermmeasurement::on_butMenuScale_clicked()
{
    if (m_drawScaled || m_dataCnt <= 0) {
        const bool wasScaled = m_drawScaled;
        m_drawScaled = false;
        m_minDataVal = 0;
        m_maxDataVal = 100;
        longtermData->setAxisY(0, 100, 20, 10, true);
        setScaleIcon(false);
        if (wasScaled)
            drawLive();
        return;
    }

    float hi = 0;
    float lo = 100;
    for (int i = 0; i < m_dataCnt; ++i) {
        hi = std::max(hi, m_recordedData[i]);
        lo = std::min(lo, m_recordedData[i]);
    }
    qDebug() << "Scaling vor runden" << lo << hi;
    int max = (int(hi) / 5) * 5 + 5;
    int min = (int(lo) / 5) * 5;
    qDebug() << "Scaling nach runden" << min << max;
    min = std::max(min, 0);
    max = std::min(max, 100);
    m_minDataVal = min;
    m_maxDataVal = max;
    m_drawScaled = true;
    if (max - min < 60)
        longtermData->setAxisY(min, max, 10, 5, true);
    else
        longtermData->setAxisY(min, max, 20, 10, true);
    setScaleIcon(true);
    drawLive();
}

void Longtermmeasurement::on_butMenuSettings_clicked()
{
    showButtonBar(2);
}

void Longtermmeasurement::on_butMenuBack_clicked()
{
    showButtonBar(0);
}

void Longtermmeasurement::on_butMenuFilter_clicked()
{
    readingTimer()->stop();
    Filtersettings dialog(this);
    if (!execOnShownPage(dialog))
        return;
    dialog.getFiltersettings(&m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
    showLiveFilter();
    readingTimer()->start(kUpdateIntervalMs);
}

void Longtermmeasurement::on_butMenuMicrophone_clicked()
{
    Micsettings dialog(this);
    dialog.exec();
}

void Longtermmeasurement::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void Longtermmeasurement::on_butMenuMainmenu_3_clicked()
{
    on_butMenuMainmenu_clicked();
}

void Longtermmeasurement::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat())
        qDebug() << "Longterm IO-Key released";
    MeasuringPage::keyReleaseEvent(event);
}

void Longtermmeasurement::saveMeasurement(const QString& name)
{
    MeasInfoStructure info{};
    if (m_dataCnt < 0)
        m_dataCnt = 0;
    if (m_displayOldData) {
        // The screen shows a full window: store all of it, oldest value first.
        const int older = m_maxVisibleData - m_dataCnt;
        std::copy(m_recordedData + m_dataCnt, m_recordedData + m_maxVisibleData, info.array);
        std::copy(m_recordedData, m_recordedData + m_dataCnt, info.array + older);
        info.arrayCnt = m_maxVisibleData;
    } else {
        std::copy(m_recordedData, m_recordedData + m_dataCnt, info.array);
        info.arrayCnt = m_dataCnt;
    }
    info.arrayInfoParameter_1 = m_selectedTime;
    info.arrayInfoParameter_2 = m_maxVisibleData;
    m_audioCodec->getFilter(&info.filterLowCutOff, &info.filterHighCutOff, &info.filterType);
    qDebug() << "Store Longterm";
    MeasurementData()->storeMeasurement(Measurements::Longterm, name, info);
}

void Longtermmeasurement::analyseInfoFile()
{
    linkCheckTimer()->stop();
    m_enableWarningBtConnection = false;
    readingTimer()->stop();
    ui->mainArea->setCurrentWidget(ui->storedPage);

    m_storedMeasurementName.clear();
    m_storedDataCnt = 0;
    m_selectedTime = 0;
    m_maxVisibleData = 180;
    m_displayOldData = false;
    if (!m_selectedMeasurementDir.isEmpty())
        readStoredFile();

    applyWindow(m_selectedTime, ui->labelTimeStored, storedLongtermData);
    restyle(ui->labelFiltersymbolStored, filterTypeSymbolStyle(m_storedFilterType));
    ui->labelFilterLowCutOff->setText(hertz(m_storedFilterLowCutOff));
    ui->labelFilterHighCutOff->setText(hertz(m_storedFilterHighCutOff));
    storedLongtermData->init(ui->levelDataStored->width(), ui->levelDataStored->height(), kScaleColor, kDataColor);
    storedLongtermData->drawData(m_storedData, m_storedDataCnt, m_maxVisibleData, m_displayOldData);
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
}

void Longtermmeasurement::readStoredFile()
{
    StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();

    info.beginGroup(QStringLiteral("Levels_CSV"));
    m_selectedTime = info.intValue(QStringLiteral("SelectedTime"));
    if (m_selectedTime < 0 || m_selectedTime > 2)
        m_selectedTime = 0;
    // The file is trusted for nothing: the count never runs past the values there, the
    // ring or the window, and the window is one of the three.
    const int window = info.intValue(QStringLiteral("MaxVisibleData"));
    m_maxVisibleData = isWindowSize(window) ? window : (m_selectedTime == 2 ? 1800 : m_selectedTime == 1 ? 600 : 180);
    QStringList values = info.value(QStringLiteral("Levels_Data")).toString().split(QLatin1Char(';'));
    if (!values.isEmpty() && values.last().trimmed().isEmpty())
        values.removeLast();
    const int claimed = info.intValue(QStringLiteral("Levels_Cnt"));
    m_storedDataCnt = std::max(0, std::min({claimed, int(values.size()), int(kRingSize), m_maxVisibleData}));
    if (m_storedDataCnt != claimed)
        qDebug() << "Longterm: stored file claims" << claimed << "values, shown" << m_storedDataCnt;
    for (int i = 0; i < m_storedDataCnt; ++i)
        m_storedData[i] = ShownValue::level(values.at(i).trimmed().toDouble());
    m_displayOldData = false;
    info.endGroup();

    readStoredFilter(info, &m_storedFilterType, &m_storedFilterLowCutOff, &m_storedFilterHighCutOff);
}
