#include "Mainmenu/h2sensor.h"
#include "ui_h2sensor.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/headphonesettings.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/statusbar.h"
#include "Tools/storedinfo.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

const QColor kScaleColor(128, 155, 255);
const QColor kDataColor(173, 216, 230);
const char* const kPwmPeriod = "/sys/class/pwm/pwmchip1/pwm0/period";
const char* const kPwmDutyCycle = "/sys/class/pwm/pwmchip1/pwm0/duty_cycle";
const char* const kPwmEnable = "/sys/class/pwm/pwmchip1/pwm0/enable";
// Converter counts per level unit, and the most the unit's 16-bit converter can report.
// Levels above the page's largest scale (1000) do occur and only cap the automatic range.
const double kRawPerLevel = 4.096;
const double kMaxRaw = 65535;
// The fixed scales; the automatic one lies between 100 and the largest.
const int kFixedRanges[] = {50, 100, 200, 500, 1000};
const int kSmallestRange = kFixedRanges[0];
const int kLargestRange = kFixedRanges[std::size(kFixedRanges) - 1];
const QRect kLiveGraph(5, 150, 416, 101);
const QRect kStoredGraph(5, 35, 416, 185);

Systemsettings* settings()
{
    return MainMenu::getInstanceMainMenu()->getInstanceSystemsettings();
}

// Tick and label steps of a range: a fifth and a tenth of it, never 0.
float mainStep(int range)
{
    return float(std::max(1, range / 5));
}

float minorStep(int range)
{
    return float(std::max(1, range / 10));
}

} // namespace

MeasuringPage::Config H2Sensor::frameConfig()
{
    Config config;
    config.widgetNumber = 6;
    config.favouriteNumber = 4;
    config.favouriteReport = ReportInInit;
    config.readingIntervalMs = kMutedPollMs;
    config.readingStart = StartByPage;
    config.leaveOrder = MuteFirst;
    config.backMutesPath = true;
    // The stored view plays nothing; the page keeps its listening route and PWM input.
    config.storedRouting = -1;
    config.saveMutesPath = false;
    return config;
}

H2Sensor::H2Sensor(QWidget* parent)
    : MeasuringPage(frameConfig(), parent)
    , ui(new Ui::H2Sensor)
{
    ui->setupUi(this);
    m_gpsModul = MainMenu::getInstanceMainMenu()->getGpsInstance();

    ui->labelActiveTime->setText(QString());
    ui->labelTimer->init();
    ui->labelTimer->show();

    // A child of the main area but none of its pages: it stays on top of the live and the
    // stored page alike.
    longtermData = new LongtermData(ui->mainArea);
    liveGraph();

    m_filePeriod = new QFile(Platform::devicePath(QString::fromLatin1(kPwmPeriod)), this);
    m_fileDutycycle = new QFile(Platform::devicePath(QString::fromLatin1(kPwmDutyCycle)), this);
    m_filePwmEnable = new QFile(Platform::devicePath(QString::fromLatin1(kPwmEnable)), this);
    ui->mainArea->setCurrentWidget(ui->mainPage);

    // Both ways out leave the path muted through the main window's switch; Back also ends
    // the recording that init started for the stored view too.
    connect(this, &MeasuringPage::exit, this, [this] { m_muted = true; });
    connect(this, &MeasuringPage::gotoWidget, this, [this] {
        m_muted = true;
        Audioworker()->stopAudioRecording();
    });
    connect(ui->butMenuHome, &QAbstractButton::clicked, this, &MeasuringPage::on_butMenuMainmenu_clicked,
            Qt::UniqueConnection);
    frameReady();
}

H2Sensor::~H2Sensor()
{
    Audioworker()->stopAudioRecording();
    readingTimer()->stop();
    delete ui;
}

void H2Sensor::liveGraph()
{
    longtermData->setGeometry(kLiveGraph);
    longtermData->setAxisX(0, 150, 30, 10, true);
    longtermData->setAxisY(0, 1000, 250, 125, true);
    longtermData->init(kLiveGraph.width(), kLiveGraph.height(), kScaleColor, kDataColor);
}

void H2Sensor::setTooltips()
{
    ui->retranslateUi(this);
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

void H2Sensor::applyDisplaySettings()
{
    if (settings()->isH2ShowHistogramEnabled()) {
        ui->labelLevel->move(65, 0);
        ui->labelScaleMin->move(5, 75);
        ui->labelScaleMax->move(321, 75);
        ui->labelActiveTime->move(120, 75);
        ui->progBarH2Level->setGeometry(5, 95, 416, 50);
        longtermData->show();
    } else {
        longtermData->hide();
        ui->labelLevel->move(65, 25);
        ui->labelScaleMin->move(5, 120);
        ui->labelScaleMax->move(321, 120);
        ui->labelActiveTime->move(120, 120);
        ui->progBarH2Level->setGeometry(5, 140, 416, 70);
    }
    const bool grid = settings()->isH2ShowGridEnabled();
    longtermData->displayHGrid(grid);
    longtermData->displayVGrid(grid);
}

void H2Sensor::resetDisplays()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    setReferenceIcon();
    m_h2level = 0;
    m_h2displayLevel = 0;
    m_h2referenceLevel = 0;
    m_scaleMode = 0;
    m_rangeMax = 1000;
    showScaleMin();
    ui->progBarH2Level->setValue(0);
    ui->labelLevel->setText(QStringLiteral("0"));
    if (g_debugFeatures == 1) {
        ui->labelPpm->setText(QStringLiteral("AD 0\n0"));
        ui->labelPpm->show();
    } else {
        ui->labelPpm->clear();
        ui->labelPpm->hide();
    }
    std::fill(std::begin(m_storedRmsLevels), std::end(m_storedRmsLevels), 0.0f);
    std::fill(std::begin(m_storedGpsPosLat), std::end(m_storedGpsPosLat), 0.0);
    std::fill(std::begin(m_storedGpsPosLong), std::end(m_storedGpsPosLong), 0.0);
    const QList<QWidget*> stepBars = ui->stepPage->findChildren<QWidget*>();
    for (QWidget* bar : stepBars)
        bar->hide();
    m_currentStep = 0;

    m_muted = true;
    menu->muteAudioPath(true, true);
    m_requestPending = false;
    readingTimer()->start(kMutedPollMs);

    // No listening filter: the path carries the ticker's clicks from input 2.
    menu->setCurrentFilter(0, 4000, 0);
    m_audioCodec->setFilter(0, 4000, 0);
    m_audioCodec->setRouting(0);
    m_audioCodec->setInputPath(2);
    Audioworker()->startAudioRecording();

    connect(m_btSink, &Bluetooth::btSensorvalueReceived, this, &H2Sensor::btReceivedSensorvalue, Qt::UniqueConnection);

    // A 0.1 ms pulse once a second until the first open reading.
    writePwm(m_filePeriod, kPwmPeriod, "1000000000");
    writePwm(m_fileDutycycle, kPwmDutyCycle, "100000");
    writePwm(m_filePwmEnable, kPwmEnable, "1");

    ui->labelStoredMeasurement->clear();
}

void H2Sensor::startLive()
{
    m_storedMeasurement = false;
    ui->mainArea->setCurrentWidget(ui->mainPage);
    showButtonBar(0);
    ui->progBarH2Level->show();
    liveGraph();
    longtermData->raise();
    std::fill(std::begin(m_h2historyValues), std::end(m_h2historyValues), 0.0f);
    m_dataCnt = 0;
    linkCheckTimer()->start(kLinkCheckMs);
    applyBootedToFavouriteRule();

    // A zero point of 1000 makes the first reading below it the zero point.
    m_dynamicScaling = settings()->isH2DynamicScalingEnabled();
    if (m_dynamicScaling) {
        m_rangeMax = 100;
        m_scaleMode = 5;
        m_h2referenceLevel = 1000;
        updateScaleMaxValue(5);
    } else {
        on_butMenuZero_clicked();
        m_scaleMode = 0;
        m_rangeMax = 1000;
        m_h2referenceLevel = 1000;
        updateScaleMaxValue(0);
    }

    showScaleMin();
    ui->labelTimer->setRangeVisualisation(m_h2referenceLevel, m_h2level, m_rangeMax);
    if (settings()->isH2ShowWorkingRangeEnabled())
        ui->labelTimer->showRangeVisualisation();
    else
        ui->labelTimer->hideRangeVisualisation();
}

void H2Sensor::analyseInfoFile()
{
    linkCheckTimer()->stop();
    m_enableWarningBtConnection = false;
    ui->mainArea->setCurrentWidget(ui->storedPage);
    showButtonBar(1);
    std::fill(std::begin(m_h2storedValues), std::end(m_h2storedValues), 0.0f);
    m_h2storedValuesCnt = 0;
    m_h2storedReferenceLevel = 0;
    m_h2storedRangeMax = kLargestRange;
    m_storedMeasurementName.clear();
    readInfoFile();

    ui->progBarH2Level->hide();
    longtermData->setGeometry(kStoredGraph);
    longtermData->show();
    // The main area raises the page it turns to.
    longtermData->raise();
    ui->labelStoredMeasurement->setText(m_storedMeasurementName);
    longtermData->init(kStoredGraph.width(), kStoredGraph.height(), kScaleColor, kDataColor);
    longtermData->setAxisY(0, float(m_h2storedRangeMax), mainStep(m_h2storedRangeMax), minorStep(m_h2storedRangeMax),
                           true);
    longtermData->drawDataScaled(m_h2storedValues, m_h2storedValuesCnt, kHistoryValues, false, 0,
                                 float(m_h2storedRangeMax));
}

void H2Sensor::readInfoFile()
{
    StoredInfo info(storedInfoFile());
    m_storedMeasurementName = info.value(QStringLiteral("Measurementinfo/Measurementname")).toString();
    info.beginGroup(QStringLiteral("Levels_CSV"));
    QStringList values = info.value(QStringLiteral("Levels_Data")).toString().split(QLatin1Char(';'));
    if (!values.isEmpty() && values.last().trimmed().isEmpty())
        values.removeLast();
    // The file is trusted for nothing: the count never runs past the values there or the
    // graph's window, and a missing range draws on the full scale.
    const int claimed = info.intValue(QStringLiteral("Levels_Cnt"));
    m_h2storedValuesCnt = std::max(0, std::min({claimed, int(values.size()), int(kHistoryValues)}));
    if (m_h2storedValuesCnt != claimed)
        qDebug() << "H2: stored file claims" << claimed << "values, shown" << m_h2storedValuesCnt;
    // Above the range the graph clips; only values it cannot draw count as missing.
    for (int i = 0; i < m_h2storedValuesCnt; ++i)
        m_h2storedValues[i] =
            ShownValue::inRange(values.at(i).trimmed().toDouble(), 0.0, std::numeric_limits<float>::max());
    m_h2storedReferenceLevel = info.intValue(QStringLiteral("H2-ReferenceLevel"));
    // Only a range the page itself sets is shown: the scale's labels are made for those.
    m_h2storedRangeMax = info.intValue(QStringLiteral("H2-MaxRange"));
    if (m_h2storedRangeMax < kSmallestRange || m_h2storedRangeMax > kLargestRange) {
        qDebug().noquote() << "H2: stored file has no usable range:" << info.value(QStringLiteral("H2-MaxRange")).toString()
                           << QStringLiteral("- shown on 0..%1").arg(kLargestRange);
        m_h2storedRangeMax = kLargestRange;
    }
    info.endGroup();
}

void H2Sensor::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    if (m_storedMeasurement) {
        qDebug() << "H2: stored view, mute request ignored" << a_mute;
        return;
    }
    m_muted = a_mute;
    readingTimer()->start(a_mute ? kMutedPollMs : kOpenPollMs);
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
    if (a_mute)
        return;
    if (++m_currentStep > kSteps) {
        m_currentStep = kSteps;
        shiftAllMeasurementsLeft();
    }
    // Until its first reading the new step holds nothing, not the one before.
    m_storedRmsLevels[m_currentStep] = 0;
    m_storedGpsPosLat[m_currentStep] = 0;
    m_storedGpsPosLong[m_currentStep] = 0;
}

void H2Sensor::shiftAllMeasurementsLeft()
{
    for (int step = 1; step < kSteps; ++step) {
        m_storedRmsLevels[step] = m_storedRmsLevels[step + 1];
        m_storedGpsPosLat[step] = m_storedGpsPosLat[step + 1];
        m_storedGpsPosLong[step] = m_storedGpsPosLong[step + 1];
    }
}

void H2Sensor::readData()
{
    if (m_requestPending && m_requestSent.isValid() && m_requestSent.elapsed() < kAnswerWaitMs)
        return;
    m_btSink->sendData(QStringLiteral("BT_TX S"));
    m_requestPending = true;
    m_requestSent.start();
}

void H2Sensor::btReceivedSensorvalue(QString sensorvalue, QString activeTime)
{
    m_requestPending = false;
    bool valid = false;
    const double raw = sensorvalue.trimmed().toDouble(&valid);
    // A garbled or impossible value must not become a level: one below the sensor's range
    // would pull the zero point down for every later reading.
    if (!valid || !(raw >= 0 && raw <= kMaxRaw)) {
        qDebug() << "H2: reading dropped, not a value:" << sensorvalue;
        return;
    }
    const int seconds = activeTime.toInt();
    const int level = int(raw / kRawPerLevel);
    m_h2level = level;

    if (m_muted) {
        showActiveTime(activeTime, seconds);
        if (level < m_h2referenceLevel)
            m_h2referenceLevel = level;
        if (g_debugFeatures == 1)
            showScaleMin();
        showDial(seconds);
        return;
    }

    if (m_dynamicScaling)
        autoRange(level);
    int d = level - m_h2referenceLevel;
    if (d < 0) {
        m_h2referenceLevel = level;
        showScaleMin();
        d = 0;
    }
    m_h2displayLevel = d;
    // The last digit flickers by one, as a live reading should.
    ui->labelLevel->setText(QString::number(d + std::rand() % 2));
    m_percentLevel = calcPercentLevel(level);
    ui->progBarH2Level->setValue(m_percentLevel);
    ui->labelPpm->setText(QStringLiteral("AD %1\n%2").arg(raw, 0, 'f', 0).arg(level));
    updatePwmValue();
    recordStep(level);
    addToHistory(float(d));
    setGraphAxisY();
    longtermData->refresh();
    longtermData->drawDataScaled(m_h2historyValues, m_dataCnt, kHistoryValues, true, 0, float(m_rangeMax));
    showActiveTime(activeTime, seconds);
    showDial(seconds);
}

void H2Sensor::autoRange(int level)
{
    int d = level - m_h2referenceLevel;
    if (d < 0) {
        m_h2referenceLevel = level;
        m_rangeMax = 100;
        showScaleMin();
        d = 0;
    }
    if (level > m_h2referenceLevel + m_rangeMax)
        m_rangeMax = int(std::min(d * 1.1, double(kLargestRange - m_h2referenceLevel)));
    if (0.15 * m_rangeMax > d)
        m_rangeMax = int(m_rangeMax * 0.85);
    if (m_rangeMax < 100)
        m_rangeMax = 100;
    ui->labelScaleMax->setText(QStringLiteral("<> %1").arg(m_rangeMax));
}

void H2Sensor::recordStep(int level)
{
    m_storedRmsLevels[m_currentStep] = float(level);
    m_storedGpsPosLat[m_currentStep] = m_gpsModul ? m_gpsModul->getLatitude() : 0.0;
    m_storedGpsPosLong[m_currentStep] = m_gpsModul ? m_gpsModul->getLongitude() : 0.0;
}

void H2Sensor::addToHistory(float value)
{
    m_h2historyValues[m_dataCnt] = value;
    if (++m_dataCnt >= kHistoryValues) {
        std::copy(m_h2historyValues + 1, m_h2historyValues + kHistoryValues, m_h2historyValues);
        m_dataCnt = kHistoryValues - 1;
    }
}

int H2Sensor::calcPercentLevel(int level) const
{
    if (m_rangeMax <= 0)
        return 0;
    const qint64 percent = (qint64(level) - m_h2referenceLevel) * 100 / m_rangeMax;
    return int(qBound<qint64>(0, percent, 100));
}

void H2Sensor::updatePwmValue()
{
    double v = double(m_h2displayLevel);
    if (v <= 0)
        v = 1.0;
    if (v > m_rangeMax)
        v = m_rangeMax;
    const double x = v * 1000.0 / m_rangeMax;
    const int ms = int(1000.0 / x * 10.0);
    qint64 period = 1000000000;
    if (ms <= 9)
        period = 10000000;
    else if (ms <= 1000)
        period = qint64(ms) * 1000000;
    writePwm(m_filePeriod, kPwmPeriod, QByteArray::number(period));
}

bool H2Sensor::writePwm(QFile* file, const char* absolutePath, const QByteArray& value)
{
    // Truncated: a shorter number must not leave the digits of a longer one behind.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "H2: PWM file not opened, value not written:" << absolutePath << value << file->errorString();
        return false;
    }
    file->write(value);
    file->close();
    Platform::journalWrite(absolutePath, value);
    return true;
}

void H2Sensor::updateScaleMaxValue(int mode)
{
    m_scaleMode = mode;
    if (mode >= 0 && mode < int(std::size(kFixedRanges))) {
        m_rangeMax = kFixedRanges[mode];
        ui->labelScaleMax->setText(QString::number(m_rangeMax));
        m_dynamicScaling = false;
    } else if (mode == 5 && settings()->isH2DynamicScalingEnabled()) {
        m_rangeMax = 100;
        ui->labelScaleMax->setText(QStringLiteral("<> %1").arg(m_rangeMax));
        m_dynamicScaling = true;
    } else {
        m_rangeMax = 50;
        ui->labelScaleMax->setText(QStringLiteral("50"));
        m_dynamicScaling = false;
        m_scaleMode = 0;
    }
    showScaleMin();
    setGraphAxisY();
    longtermData->refresh();
}

void H2Sensor::on_butMenuScale_clicked()
{
    updateScaleMaxValue(m_scaleMode + 1);
}

void H2Sensor::on_butMenuZero_clicked()
{
    m_h2referenceLevel = m_h2level;
    showScaleMin();
    setReferenceIcon();
    std::fill(std::begin(m_h2historyValues), std::end(m_h2historyValues), 0.0f);
    m_dataCnt = 0;
    if (m_dynamicScaling)
        m_rangeMax = 100;
    setGraphAxisY();
    longtermData->refresh();
}

void H2Sensor::on_butMenuHeadphone_clicked()
{
    Headphonesettings dialog(this);
    dialog.exec();
}

void H2Sensor::saveMeasurement(const QString& name)
{
    MeasInfoStructure info{};
    for (int step = 1; step <= kSteps; ++step) {
        info.level[step] = m_storedRmsLevels[step];
        info.posLat[step] = m_storedGpsPosLat[step];
        info.posLong[step] = m_storedGpsPosLong[step];
    }
    std::copy(m_h2historyValues, m_h2historyValues + m_dataCnt, info.array);
    info.arrayCnt = m_dataCnt;
    info.arrayInfoParameter_1 = m_h2referenceLevel;
    info.arrayInfoParameter_2 = m_rangeMax;
    MeasurementData()->storeMeasurement(Measurements::H2Sensor, name, info);
}

void H2Sensor::setReferenceIcon()
{
    restyle(ui->butMenuZero,
        QStringLiteral("QPushButton {image: url(:/Resources/Icons/Mainmenu/H2Sensor/Reference_ws_44px.png); border: 0px; "
                       "background-color: transparent;}\n"
                       "QPushButton:pressed {image: url(:/Resources/Icons/Mainmenu/H2Sensor/Reference_sw_44px.png);}"));
}

void H2Sensor::showScaleMin()
{
    ui->labelScaleMin->setText(g_debugFeatures == 1 ? QStringLiteral("0 (%1)").arg(m_h2referenceLevel)
                                                    : QStringLiteral("0"));
}

void H2Sensor::showActiveTime(const QString& activeTime, int seconds)
{
    if (g_debugFeatures != 1) {
        ui->labelActiveTime->clear();
        ui->labelActiveTime->hide();
        return;
    }
    ui->labelActiveTime->setText(activeTime.isEmpty() ? QString() : QStringLiteral("Active: ") + activeTime + QStringLiteral(" s"));
    const char* colour = seconds < 300 ? "color: red;" : seconds < 600 ? "color: yellow;" : "color: green;";
    restyle(ui->labelActiveTime, QString::fromLatin1(colour));
    ui->labelActiveTime->show();
}

void H2Sensor::showDial(int seconds)
{
    ui->labelTimer->setCurrentTime(seconds);
    ui->labelTimer->setRangeVisualisation(m_h2referenceLevel, m_h2level, m_rangeMax);
    ui->labelTimer->show();
}

void H2Sensor::setGraphAxisY()
{
    longtermData->setAxisY(0, float(m_rangeMax), mainStep(m_rangeMax), minorStep(m_rangeMax), true);
}
