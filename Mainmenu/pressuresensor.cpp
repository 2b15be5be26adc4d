#include "Mainmenu/pressuresensor.h"
#include "ui_pressuresensor.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/longtermdata.h"
#include "Tools/measurements.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The series are kept on the data partition while they are recorded.
QString tempDirectory()
{
    return Platform::devicePath(DevicePaths::onDataPartition(QStringLiteral("temp/")));
}

const QColor kScaleColour(128, 155, 255);
const QColor kDataColour(173, 216, 230);
const int kGraphX = 5;
const int kGraphY = 55;
const int kGraphWidth = 420;
const int kGraphHeight = 195;
// Time windows of the Range buttons in seconds, by mode.
const int kWindowSeconds[] = {60, 30, 10, 5, 1};
const int kWindowModes = int(sizeof(kWindowSeconds) / sizeof(kWindowSeconds[0]));
// ACT is the mean of this many newest values.
const int kCurrentValues = 100;
// Text of one sample in a packet: 3 hexadecimal digits and a separator.
const int kCharsPerSample = 4;
// The largest converter value those 3 digits carry.
const int kMaxConverterValue = 0xfff;
// Far above any pressure in a water main: a larger full scale is a garbled calibration.
const int kMaxFullScaleBar = 1000;
const int kAnalyseMode = 2;

QString barText(float value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

PressureSensor::PressureSensor(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PressureSensor)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    m_btSource = menu->getBtSourceInstance();
    m_btSink = menu->getBtSinkInstance();

    longtermData = new LongtermData(this);
    longtermData->setGeometry(kGraphX, kGraphY, kGraphWidth, kGraphHeight);
    longtermData->setAxisX(0, 150, 30, 10, true);
    longtermData->setAxisY(0, m_maxPressureValue, 5, 1, true);
    longtermData->init(kGraphWidth, kGraphHeight, kScaleColour, kDataColour);

    // Nothing drives it: the page takes its packets from the sensor unit's link.
    m_timerDummyData = new QTimer(this);
    connect(m_btSink, &Bluetooth::btPressuredataReceived, this, &PressureSensor::pressuredataReceived,
            Qt::UniqueConnection);
    connect(m_btSink, &Bluetooth::btEnableReceivePressuredata, this, &PressureSensor::enableReceivePressuredata,
            Qt::UniqueConnection);

    ui->mainArea->setCurrentWidget(ui->mainPage);
    qDebug() << "Allocate Files";
    QDir().mkdir(tempDirectory());
    m_fileLowRes = new QFile(lowResPath());
    m_fileHighRes = new QFile(highResPath());
}

PressureSensor::~PressureSensor()
{
    delete ui;
    Audioworker()->stopAudioRecording();
    // The files on disk stay: they outlive the page and the program.
    delete m_fileLowRes;
    delete m_fileHighRes;
}

QString PressureSensor::lowResPath()
{
    return tempDirectory() + QStringLiteral("pressureLowRes.txt");
}

QString PressureSensor::highResPath()
{
    return tempDirectory() + QStringLiteral("pressureHighRes.txt");
}

void PressureSensor::init(int variant)
{
    ui->retranslateUi(this);
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    // The page has no favourite number of its own.
    menu->setCurrentVisibleDlgNum(5);
    m_btSink->callBtDeviceA2DP(true);
    m_btSource->callBtDeviceA2DP(false);
    connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &PressureSensor::switchActiveMute,
            Qt::UniqueConnection);

    // The front keys reach the widget with the focus, and no button of the page takes it.
    setFocus(Qt::OtherFocusReason);
    m_muted = true;
    menu->muteAudioPath(true, true);
    m_audioCodec = menu->getAudioCodecInstance();
    m_audioCodec->init();
    // The sensor's signal comes on input 2 and needs no listening filter.
    const quint32 noCutOff = std::numeric_limits<quint32>::max();
    m_audioCodec->setFilter(noCutOff, noCutOff, 0);
    m_audioCodec->setRouting(0);
    m_audioCodec->setInputPath(2);
    Audioworker()->startAudioRecording();
    if (variant == 1)
        return;

    ui->mainArea->setCurrentWidget(ui->mainPage);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
    m_zoomed = false;
    setFullScaleRange();
    longtermData->setGeometry(kGraphX, kGraphY, kGraphWidth, kGraphHeight);
    // Minor step 50: short ticks only at 0 and 50 s.
    longtermData->setAxisX(0, 60, 10, 50, true);
    longtermData->setAxisY(0, m_maxPressureValue, 5, 1, true);
    longtermData->init(kGraphWidth, kGraphHeight, kScaleColour, kDataColour);

    // A new recording: nothing of an earlier visit may show up in the analyse view.
    m_dataCnt = 0;
    std::fill(std::begin(m_pressureValues), std::end(m_pressureValues), 0.0f);
    // Made again in case the data partition was not there when the page was built.
    QDir().mkdir(tempDirectory());
    QFile::remove(m_fileLowRes->fileName());
    QFile::remove(m_fileHighRes->fileName());
    m_recordingFailed = false;
    m_dataStringHighRes.clear();
    m_dataStringLowRes.clear();
    m_maxPressure = 0;
    m_minPressure = m_maxPressureValue;
    m_averagePressure = 0;
    m_standardDeviation = 0;
    m_currentPressure = 0;
    m_XScaleMode = 0;
    m_minXScaleValue = 0;
    m_maxXScaleValue = kWindowSeconds[0];
    m_storeDataCnt = 0;
    m_dataCntScaled = kMaxValues;
    m_analyseDataStart = 0;
    m_analyseDataEnd = 0;
    showEmptyLabels();
    ui->labelSensorType->setText(tr("%1 bar").arg(QStringLiteral("--")));
}

void PressureSensor::showEmptyLabels()
{
    const QString none = QStringLiteral("---");
    ui->labelMax->setText(tr("MAX = %1 bar").arg(none));
    ui->labelMin->setText(tr("MIN = %1 bar").arg(none));
    ui->labelAverage->setText(tr("AVG = %1 bar").arg(none));
    ui->labelDeviation->setText(tr("DEV = %1 bar").arg(none));
}

void PressureSensor::setFullScaleRange()
{
    m_minYScaleValue = 0;
    m_maxYScaleValue = m_maxPressureValue;
}

// ---- listening path and keys -----------------------------------------------------------

bool PressureSensor::isAnalysing() const
{
    return ui->subMenu->currentWidget() == ui->subMenu_2;
}

void PressureSensor::switchActiveMute(bool mute)
{
    // The analyse view pages through a frozen buffer: the mute keys wait for Back.
    if (isAnalysing()) {
        qDebug() << "PressureSensor: analyse view, mute key ignored" << mute;
        return;
    }
    // The unit's key during a save would send new packets into the files it copies.
    if (m_saving) {
        qDebug() << "PressureSensor: mute key ignored during the save" << mute;
        return;
    }
    switchPath(mute);
}

void PressureSensor::switchPath(bool mute)
{
    m_muted = mute;
    MainMenu::getInstanceMainMenu()->muteAudioPath(mute, true);
    m_btSink->sendData(mute ? QStringLiteral("BT_TX RP") : QStringLiteral("BT_TX RS"));
}

void PressureSensor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10) {
        // A held key repeats; only the real press counts.
        if (!event->isAutoRepeat())
            switchActiveMute(MainMenu::getInstanceMainMenu()->isMuteKeySwitchmode() && !m_muted);
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return;
    // Not the dialog's handler: Enter and Escape must not close the page.
    QWidget::keyPressEvent(event);
}

void PressureSensor::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10) {
        if (!event->isAutoRepeat() && !MainMenu::getInstanceMainMenu()->isMuteKeySwitchmode())
            switchActiveMute(true);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            on_butMenuHome_clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void PressureSensor::on_butMenuHome_clicked()
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(true, true);
    m_timerDummyData->stop();
    m_btSink->sendData(QStringLiteral("BT_TX RP"));
    // Hidden, the page must neither open the path on the unit's key nor record what comes.
    disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this, &PressureSensor::switchActiveMute);
    m_muted = true;
    emit exit();
}

// ---- the stream --------------------------------------------------------------------------

void PressureSensor::enableReceivePressuredata(bool enable, int sensor, unsigned short adMin, unsigned short adMax)
{
    if (!enable) {
        m_receiveEnabled = false;
        qDebug() << "Empfang der Druckdaten beendet";
        return;
    }
    // A zero span would divide by zero, an inverted one turn the scale upside down, a full
    // scale of 0 bar leave no Y axis, and converter values the samples cannot carry or an
    // absurd full scale show garbage: the last good calibration stays.
    if (sensor <= 0 || sensor > kMaxFullScaleBar || adMax <= adMin || adMax > kMaxConverterValue) {
        qWarning() << "Pressure calibration refused: full scale" << sensor << "bar, converter values" << adMin
                   << "to" << adMax;
        return;
    }
    m_receiveEnabled = true;
    m_maxPressureValue = float(sensor);
    m_ADCvalueMinPressure = adMin;
    m_ADCvalueMaxPressure = adMax;
    ui->labelSensorType->setText(tr("%1 bar").arg(double(m_maxPressureValue), 0, 'g', -1));
    m_zoomed = false;
    setFullScaleRange();
    updateDiagram(m_minXScaleValue, m_maxXScaleValue, m_minYScaleValue, m_maxYScaleValue, 0, 0, 0);
    qDebug() << "Empfang der Druckdaten gestartet" << sensor << adMin << adMax;
}

void PressureSensor::pressuredataReceived(int dataCnt, QString pressuredata)
{
    if (m_muted)
        return;
    // Never more samples than the text holds or the buffer takes.
    const int count = std::min({dataCnt, int(kMaxValues), (pressuredata.size() + 1) / kCharsPerSample});
    if (count <= 0) {
        qDebug() << "PressureSensor: packet without samples ignored" << dataCnt << pressuredata.size();
        return;
    }
    Gpio::setValue(kBusyGpio, 1);

    // Room for the packet: the oldest values go.
    const int drop = std::max(0, m_dataCnt + count - kMaxValues);
    if (drop > 0) {
        std::memmove(m_pressureValues, m_pressureValues + drop, sizeof(float) * size_t(m_dataCnt - drop));
        m_dataCnt -= drop;
    }

    m_dataStringHighRes.clear();
    const bool rowStart = m_storeDataCnt <= 0;
    QString rowTime;
    if (rowStart) {
        rowTime = Platform::currentDateTime().time().toString(
            MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->getFormatStringTime());
        m_dataStringHighRes += QStringLiteral("\r\n") + rowTime + QLatin1Char(';');
        m_storeDataCnt = 0;
    }

    const float barPerCount = m_maxPressureValue / float(int(m_ADCvalueMaxPressure) - int(m_ADCvalueMinPressure));
    for (int i = 0; i < count; ++i) {
        bool readable = false;
        int raw = int(pressuredata.midRef(kCharsPerSample * i, 3).toUInt(&readable, 16));
        if (!readable)
            raw = 0;
        float bar = barPerCount * float(raw - int(m_ADCvalueMinPressure));
        if (bar < 0)
            bar = 0.0f;
        m_pressureValues[m_dataCnt + i] = bar;
        m_dataStringHighRes += barText(bar) + QLatin1Char(';');
    }
    appendToFile(m_fileHighRes, m_dataStringHighRes);
    m_dataCnt += count;

    m_dataCntScaled = std::min(m_dataCntScaled, int(m_maxXScaleValue * kSamplesPerSecond));
    updatePressureValues(0, m_dataCnt, false);

    if (rowStart) {
        m_dataStringLowRes = QStringLiteral("%1;%2;%3;%4;%5;\r\n")
                                 .arg(rowTime, barText(m_maxPressure), barText(m_minPressure),
                                      barText(m_averagePressure), barText(m_standardDeviation));
        appendToFile(m_fileLowRes, m_dataStringLowRes);
        qDebug() << "PressureSensor: 1 minute data";
    }
    // A row closes with the packet that brings it to a minute of samples.
    const int inRow = m_storeDataCnt + count;
    m_storeDataCnt = inRow >= kMaxValues ? 0 : inRow;

    drawLiveWindow();
    Gpio::setValue(kBusyGpio, 0);
}

void PressureSensor::appendToFile(QFile* file, const QString& text)
{
    // Binary append: the CR LF of the text reaches the disk as it is.
    const QByteArray bytes = text.toLatin1();
    bool written = file->open(QIODevice::ReadWrite | QIODevice::Append) && file->write(bytes) == bytes.size();
    if (file->isOpen()) {
        file->close();
        written = written && file->error() == QFileDevice::NoError;
    }
    if (written)
        return;
    // Said once per recording; the save reports it.
    if (!m_recordingFailed)
        qWarning().noquote() << "Could not write file:" << file->fileName() << "-" << file->errorString();
    m_recordingFailed = true;
}

void PressureSensor::generateDummyData()
{
    static int offset = 0;
    QString packet;
    for (int i = 0; i < kSamplesPerSecond; ++i) {
        packet += QString::number(600 + offset + int(QRandomGenerator::global()->bounded(50)), 16) + QLatin1Char(';');
        if (++offset > 2800)
            offset = 0;
    }
    pressuredataReceived(kSamplesPerSecond, packet);
}

// ---- statistics and graph ----------------------------------------------------------------

void PressureSensor::updatePressureValues(int start, int count, bool analyse)
{
    start = std::clamp(start, 0, int(kMaxValues));
    count = std::clamp(count, 0, kMaxValues - start);
    m_maxPressure = 0;
    m_minPressure = m_maxPressureValue;
    m_averagePressure = 0;
    m_standardDeviation = 0;
    m_currentPressure = 0;
    if (count == 0) {
        showEmptyLabels();
        if (!analyse)
            ui->labelDeviation->setText(tr("ACT = %1 bar").arg(QStringLiteral("---")));
        return;
    }

    const float* values = m_pressureValues + start;
    // From the values themselves: a sensor beyond its full scale must not show the full
    // scale as its minimum.
    float max = values[0];
    float min = values[0];
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        max = std::max(max, values[i]);
        min = std::min(min, values[i]);
        sum += values[i];
    }
    const double average = sum / count;
    double squares = 0;
    for (int i = 0; i < count; ++i)
        squares += (values[i] - average) * (values[i] - average);
    m_maxPressure = max;
    m_minPressure = min;
    m_averagePressure = float(average);
    m_standardDeviation = float(std::sqrt(squares / count));
    if (count >= kCurrentValues) {
        double newest = 0;
        for (int i = count - kCurrentValues; i < count; ++i)
            newest += values[i];
        m_currentPressure = float(newest / kCurrentValues);
    } else {
        m_currentPressure = m_averagePressure;
    }

    ui->labelMax->setText(tr("MAX = %1 bar").arg(barText(m_maxPressure)));
    ui->labelMin->setText(tr("MIN = %1 bar").arg(barText(m_minPressure)));
    ui->labelAverage->setText(tr("AVG = %1 bar").arg(barText(m_averagePressure)));
    if (analyse)
        ui->labelDeviation->setText(tr("DEV = %1 bar").arg(barText(m_standardDeviation)));
    else
        ui->labelDeviation->setText(tr("ACT = %1 bar").arg(barText(m_currentPressure)));
}

void PressureSensor::updateDiagram(float minX, float maxX, float minY, float maxY, unsigned int start,
                                   unsigned int end, unsigned int count)
{
    longtermData->setAxisX(minX, maxX, (maxX - minX) / 5, (maxX - minX) / 10, true);
    longtermData->setAxisY(minY, maxY, (maxY - minY) / 5, (maxY - minY) / 10, true);
    longtermData->refresh();
    // Whatever a caller asks for, only the buffer is read.
    start = std::min(start, unsigned(kMaxValues));
    end = std::clamp(end, start, unsigned(kMaxValues));
    count = std::min(count, end - start);
    if (count == 0)
        return;
    // The last of the count values is not drawn (the line runs up to it).
    longtermData->drawDataScaled(m_pressureValues + start, int(count) - 1, int(end - start), false, minY, maxY);
}

// The newest values of the current time window, or the whole buffer while it is shorter.
void PressureSensor::drawLiveWindow()
{
    int start = 0;
    int end = 0;
    int count = 0;
    if (m_dataCnt > m_dataCntScaled) {
        start = m_dataCnt - m_dataCntScaled;
        end = m_dataCnt;
        count = m_dataCntScaled;
    } else {
        start = int(m_minXScaleValue * kSamplesPerSecond);
        end = int(m_maxXScaleValue * kSamplesPerSecond);
        count = m_dataCnt;
    }
    m_dataStart = start;
    m_dataEnd = end;
    updateDiagram(m_minXScaleValue, m_maxXScaleValue, m_minYScaleValue, m_maxYScaleValue, unsigned(start),
                  unsigned(end), unsigned(count));
}

// Buffer positions from m_analyseDataStart over one window, whatever the buffer holds there.
void PressureSensor::showAnalyseWindow()
{
    m_analyseDataStart = std::clamp(m_analyseDataStart, 0, int(kMaxValues));
    int end = m_analyseDataStart + m_dataCntScaled;
    m_minXScaleValue = float(m_analyseDataStart / kSamplesPerSecond);
    m_maxXScaleValue = m_minXScaleValue + float(m_dataCntScaled / kSamplesPerSecond);
    if (end > kMaxValues) {
        end = kMaxValues;
        m_maxXScaleValue = float(kMaxValues / kSamplesPerSecond);
    }
    m_analyseDataEnd = end;
    const int count = end - m_analyseDataStart;
    updateDiagram(m_minXScaleValue, m_maxXScaleValue, m_minYScaleValue, m_maxYScaleValue, unsigned(m_analyseDataStart),
                  unsigned(end), unsigned(count));
    updatePressureValues(m_analyseDataStart, count, true);
}

void PressureSensor::nextTimeWindow()
{
    ++m_XScaleMode;
    if (m_XScaleMode < 0 || m_XScaleMode >= kWindowModes)
        m_XScaleMode = 0;
    m_dataCntScaled = kWindowSeconds[m_XScaleMode] * kSamplesPerSecond;
}

void PressureSensor::on_butMenuScaleX_clicked()
{
    nextTimeWindow();
    m_minXScaleValue = 0;
    m_maxXScaleValue = float(kWindowSeconds[m_XScaleMode]);
    drawLiveWindow();
}

void PressureSensor::on_butMenuAnalyseScaleX_clicked()
{
    nextTimeWindow();
    showAnalyseWindow();
}

void PressureSensor::toggleZoom(bool analyse)
{
    m_zoomed = !m_zoomed;
    if (m_zoomed) {
        if (analyse)
            updatePressureValues(m_analyseDataStart, m_analyseDataEnd - m_analyseDataStart, true);
        else
            updatePressureValues(0, m_dataCnt, false);
        const float minY = std::trunc(m_minPressure);
        const float maxY = std::trunc(m_maxPressure + 1);
        if (minY >= maxY) {
            setFullScaleRange();
        } else {
            m_minYScaleValue = minY;
            m_maxYScaleValue = maxY;
        }
    } else {
        setFullScaleRange();
    }
    if (analyse)
        showAnalyseWindow();
    else
        drawLiveWindow();
}

void PressureSensor::on_butMenuScaleY_clicked()
{
    toggleZoom(false);
}

void PressureSensor::on_butMenuAnalyseScaleY_clicked()
{
    toggleZoom(true);
}

// ---- analyse view --------------------------------------------------------------------------

void PressureSensor::on_butMenuAnalyse_clicked()
{
    ui->subMenu->setCurrentWidget(ui->subMenu_2);
    // The buffer stands still while it is looked at.
    switchPath(true);
    m_XScaleMode = kAnalyseMode;
    m_dataCntScaled = kWindowSeconds[kAnalyseMode] * kSamplesPerSecond;
    m_analyseDataStart = 0;
    showAnalyseWindow();
}

void PressureSensor::on_butMenuAnalysePrev_clicked()
{
    m_analyseDataStart = std::max(0, m_analyseDataStart - m_dataCntScaled);
    showAnalyseWindow();
}

void PressureSensor::on_butMenuAnalyseNext_clicked()
{
    m_analyseDataStart += m_dataCntScaled;
    if (m_analyseDataStart >= m_dataCnt)
        m_analyseDataStart = m_dataCnt - m_dataCntScaled;
    m_analyseDataStart = std::max(0, m_analyseDataStart);
    showAnalyseWindow();
}

void PressureSensor::on_butMenuAnalyseBack_clicked()
{
    m_XScaleMode = 0;
    m_minXScaleValue = 0;
    m_maxXScaleValue = float(kWindowSeconds[0]);
    m_dataCntScaled = kMaxValues;
    m_analyseDataStart = 0;
    m_analyseDataEnd = kMaxValues;
    // The live view shows what was received, not the empty rest of the buffer.
    drawLiveWindow();
    updatePressureValues(0, m_dataCnt, false);
    ui->subMenu->setCurrentWidget(ui->subMenu_1);
}

// ---- save ------------------------------------------------------------------------------------

void PressureSensor::on_butMenuSave_clicked()
{
    // Muted first: no packet may reach the files while they are copied.
    if (!m_muted)
        switchActiveMute(true);
    VirtualKeyboard keyboard(this);
    keyboard.setText(QString());
    keyboard.useEnterAsAccept(true);
    m_saving = true;
    const bool accepted = keyboard.exec() == 1;
    if (!accepted) {
        m_saving = false;
        qDebug() << "Text: verworfen";
        return;
    }
    const QString text = keyboard.getText();
    qDebug().noquote() << "Text:" << text;
    const QString name = Measurements::cleanMeasurementName(text);
    MeasurementData()->storeDirectory(QStringLiteral("PS_"), name, Platform::currentDateTime(),
                                      [this, &name](const QString& staging) {
                                          return writeSavedMeasurement(staging, name);
                                      });
    m_saving = false;
}

bool PressureSensor::writeSavedMeasurement(const QString& directory, const QString& name)
{
    const QString infoFile = directory + QStringLiteral("/info.ini");
    const auto fill = [this, &name](QSettings& ini) {
        Measurements::writeMeasurementInfo(ini, QStringLiteral("Pressuresensor"), name);
        const Gps* gps = MainMenu::getInstanceMainMenu()->getGpsInstance();
        ini.beginGroup(QStringLiteral("GPS-Positions"));
        ini.setValue(QStringLiteral("GPS-Position"),
                     Measurements::positionText(gps ? gps->getLatitude() : 0.0, gps ? gps->getLongitude() : 0.0));
        ini.endGroup();
        ini.beginGroup(QStringLiteral("Pressuresensor"));
        ini.setValue(QStringLiteral("Sensor"), QStringLiteral("%1 bar").arg(double(m_maxPressureValue), 0, 'f', 1));
        ini.setValue(QStringLiteral("MinCalibrationValue"), int(m_ADCvalueMinPressure));
        ini.setValue(QStringLiteral("MaxCalibrationValue"), int(m_ADCvalueMaxPressure));
        ini.endGroup();
    };
    if (!Measurements::writeInformationFile(infoFile, fill))
        return false;
    if (m_recordingFailed) {
        qWarning() << "The pressure recording could not be written completely";
        return false;
    }
    const QList<QPair<QFile*, QString>> copies = {{m_fileLowRes, QStringLiteral("/LowResData.txt")},
                                                   {m_fileHighRes, QStringLiteral("/HighResData.txt")}};
    for (const auto& copy : copies) {
        const QString from = copy.first->fileName();
        // No packet since the live start: there is nothing to copy.
        if (!QFileInfo::exists(from))
            continue;
        if (!Measurements::copyToDisk(from, directory + copy.second)) {
            qWarning() << "Cannot copy" << from << "to" << directory;
            return false;
        }
    }
    return true;
}
