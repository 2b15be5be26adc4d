#include "Testmenu/testmenubattery.h"
#include "ui_testmenubattery.h"

#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"

#include <QDebug>
#include <QTimer>

namespace {

const char* const kChargerStatus = "/sys/class/power_supply/bq24190-battery/status";
const char* const kCapacity = "/sys/class/power_supply/bq27426-0/capacity";
const char* const kVoltage = "/sys/class/power_supply/bq27426-0/voltage_now";
const char* const kCurrent = "/sys/class/power_supply/bq27426-0/current_now";
const char* const kTemperature = "/sys/class/power_supply/bq27426-0/temp";

// Six significant digits, the form the station's protocol expects for every value.
QString number(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

// The attribute's number divided by its unit. Text that is no number, or none the value
// can hold ("nan", "inf", "1e40"), is no reading: 0, and false.
bool toReading(const QString& text, float unit, float* value)
{
    bool ok = false;
    *value = text.toFloat(&ok) / unit;
    if (ok && qIsFinite(*value))
        return true;
    *value = 0;
    return false;
}

} // namespace

TestmenuBattery::TestmenuBattery(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestBattery"), parent)
    , ui(new Ui::TestmenuBattery)
{
    ui->setupUi(this);
    setTextPixelSize({ui->lineEditCurrent, ui->lineEditCharging, ui->lineEditCapacity, ui->lineEditVoltage,
                      ui->lineEditTemperature},
                     16);
    ui->labelUartUsb->setText(QStringLiteral("UART"));
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &TestmenuBattery::updateValues, Qt::UniqueConnection);
    startFrame(Connector::Uart);
    ui->butPass->hide();
    updateValues();
}

TestmenuBattery::~TestmenuBattery()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void TestmenuBattery::selectConnector(bool uart)
{
    Gpio::selectConnector(uart ? Gpio::Connector::Uart : Gpio::Connector::Usb);
    m_modeUart = uart;
    ui->labelUartUsb->setText(uart ? QStringLiteral("UART") : QStringLiteral("USB"));
}

bool TestmenuBattery::readAttribute(const char* absolutePath, QString* text)
{
    if (TestDialog::readAttribute(absolutePath, text))
        return true;
    qDebug().noquote() << "Battery test: could not read" << absolutePath;
    return false;
}

void TestmenuBattery::showValue(QLineEdit* field, bool readable, const QString& text)
{
    field->setText(readable ? text : QStringLiteral("not readable"));
}

void TestmenuBattery::updateValues()
{
    QString text;
    const bool chargerRead = readAttribute(kChargerStatus, &text);
    if (chargerRead)
        m_charging = text == QLatin1String("charging");
    const bool capacityRead = readAttribute(kCapacity, &text);
    if (capacityRead)
        m_battFuelPercent = text.toInt();
    const bool voltageRead = readAttribute(kVoltage, &text) && toReading(text, 1000000.0f, &m_voltage);
    const bool currentRead = readAttribute(kCurrent, &text) && toReading(text, 1000000.0f, &m_current);
    const bool temperatureRead = readAttribute(kTemperature, &text) && toReading(text, 10.0f, &m_temperature);

    showValue(ui->lineEditCapacity, capacityRead, QStringLiteral("%1 %").arg(m_battFuelPercent));
    showValue(ui->lineEditCurrent, currentRead, QStringLiteral("%1 A").arg(number(m_current)));
    showValue(ui->lineEditCharging, chargerRead,
              m_charging ? QStringLiteral("Charging") : QStringLiteral("Discharging"));
    showValue(ui->lineEditVoltage, voltageRead, QStringLiteral("%1 V").arg(number(m_voltage)));
    showValue(ui->lineEditTemperature, temperatureRead, QStringLiteral("%1 °C").arg(number(m_temperature)));

    // A value that could not be read is an old one; nothing may pass on it.
    const bool complete = chargerRead && capacityRead && voltageRead && currentRead && temperatureRead;
    ui->butPass->setVisible(m_passOffered && complete);
}

void TestmenuBattery::on_butRead_clicked()
{
    m_timer->stop();
    m_passOffered = true;
    updateValues();
}

void TestmenuBattery::on_butAutoread_clicked()
{
    m_timer->start(kAutoreadIntervalMs);
    m_passOffered = true;
    updateValues();
}

void TestmenuBattery::on_butUartUsb_clicked()
{
    selectConnector(!m_modeUart);
}

bool TestmenuBattery::leaving()
{
    m_timer->stop();
    selectConnector(true);
    return true;
}

void TestmenuBattery::commandArriving(const QString& line)
{
    qDebug().noquote() << "executeCommand" << line;
}

bool TestmenuBattery::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdBatteryRead")))
        on_butRead_clicked();
    else if (line.startsWith(QLatin1String("cmdBatteryAutoread")))
        on_butAutoread_clicked();
    else if (line.startsWith(QLatin1String("cmdBatteryGetVoltage")))
        remoteCtrl->writeResult(QStringLiteral("resBatteryVoltage=%1 V").arg(number(m_voltage)));
    else if (line.startsWith(QLatin1String("cmdBatteryGetCurrent")))
        remoteCtrl->writeResult(QStringLiteral("resBatteryCurrent=%1 A").arg(number(m_current)));
    else if (line.startsWith(QLatin1String("cmdBatteryGetTemperature")))
        remoteCtrl->writeResult(QStringLiteral("resBatteryTemperature=%1 C").arg(number(m_temperature)));
    else if (line.startsWith(QLatin1String("cmdBatteryGetCapacity")))
        remoteCtrl->writeResult(QStringLiteral("resBatteryCapacity=%1 %").arg(m_battFuelPercent));
    else if (line.startsWith(QLatin1String("cmdBatteryGetChargestate")))
        remoteCtrl->writeResult(m_charging ? QStringLiteral("resBatteryChargestate=charging")
                                           : QStringLiteral("resBatteryChargestate=discharging"));
    else
        return false;
    return true;
}
