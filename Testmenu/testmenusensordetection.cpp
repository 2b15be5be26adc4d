#include "Testmenu/testmenusensordetection.h"
#include "ui_testmenusensordetection.h"

#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"

#include <QDebug>
#include <QTimer>

namespace {

const char* const kAdValue = "/sys/bus/iio/devices/iio:device0/in_voltage2_raw";
const char* const kBufferEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";
constexpr unsigned int kDetectionPin = 48;

} // namespace

TestmenuSensordetection::TestmenuSensordetection(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestSensordetection"), parent)
    , ui(new Ui::TestmenuSensordetection)
    , m_adValue(Platform::devicePath(QLatin1String(kAdValue)))
    , m_bufferEnable(Platform::devicePath(QLatin1String(kBufferEnable)))
{
    ui->setupUi(this);
    setTextPixelSize({ui->lineEditADValue, ui->lineEditSensordetection}, 16);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &TestmenuSensordetection::updateValues, Qt::UniqueConnection);
    startFrame();
    updateValues();
    ui->butPass->hide();
}

TestmenuSensordetection::~TestmenuSensordetection()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void TestmenuSensordetection::stopBufferedCapture()
{
    // ExistingOnly: a driver without the attribute must fail here, not get a new file.
    if (!m_bufferEnable.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        qDebug().noquote() << "Error: Could not open buffer/enable";
        return;
    }
    m_bufferEnable.write("0");
    m_bufferEnable.close();
    Platform::journalWrite(kBufferEnable, "0");
}

void TestmenuSensordetection::updateValues()
{
    const bool detected = Gpio::getValue(kDetectionPin);
    ui->lineEditSensordetection->setText(detected ? QStringLiteral("connected") : QStringLiteral("No sensor"));
    m_sensorDetected = detected ? 1 : 0;

    stopBufferedCapture();

    bool readable = m_adValue.open(QIODevice::ReadOnly);
    if (readable) {
        const QByteArray bytes = m_adValue.read(kMaxAttributeBytes);
        m_adValue.close();
        const int end = bytes.indexOf('\0');
        const QString text = QString::fromLatin1(end < 0 ? bytes : bytes.left(end)).toLower().trimmed();
        ui->lineEditADValue->setText(text);
        m_sensorAdVal = text.toInt();
        qDebug().noquote() << "AD-Value" << bytes;
    } else {
        qDebug().noquote() << "Sensor detection test: could not read" << kAdValue;
        ui->lineEditADValue->setText(QStringLiteral("unknown"));
    }
    // Nothing may pass on a value that could not be read.
    ui->butPass->setVisible(m_passOffered && readable);
}

void TestmenuSensordetection::on_butRead_clicked()
{
    m_sensorAdVal = 0;
    m_sensorDetected = 0;
    m_timer->stop();
    m_passOffered = true;
    updateValues();
}

void TestmenuSensordetection::on_butAutoread_clicked()
{
    m_sensorAdVal = 0;
    m_sensorDetected = 0;
    m_timer->start(kAutoreadIntervalMs);
    m_passOffered = true;
    updateValues();
}

bool TestmenuSensordetection::leaving()
{
    m_timer->stop();
    return true;
}

bool TestmenuSensordetection::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdSensordetectionRead")))
        on_butRead_clicked();
    else if (line.startsWith(QLatin1String("cmdSensordetectionAutoread")))
        on_butAutoread_clicked();
    else if (line.startsWith(QLatin1String("cmdSensordetectionAdValue")))
        remoteCtrl->writeResult(QStringLiteral("resSensordetectionAdValue=%1").arg(m_sensorAdVal));
    else if (line.startsWith(QLatin1String("cmdSensordetectionDetected")))
        remoteCtrl->writeResult(QStringLiteral("resSensordetectionDetected=%1").arg(m_sensorDetected));
    else
        return false;
    return true;
}
