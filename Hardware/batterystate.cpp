#include "Hardware/batterystate.h"

#include "Hardware/platform.h"

#include <cmath>

namespace {
const char* const kCapacity = "/sys/class/power_supply/bq27426-0/capacity";
const char* const kGaugeStatus = "/sys/class/power_supply/bq27426-0/status";
const char* const kChargerStatus = "/sys/class/power_supply/bq24190-battery/status";
const char* const kVoltage = "/sys/class/power_supply/bq27426-0/voltage_now";
const char* const kCurrent = "/sys/class/power_supply/bq27426-0/current_now";
const char* const kTemperature = "/sys/class/power_supply/bq27426-0/temp";
} // namespace

BatteryState::BatteryState(QObject* parent)
    : QObject(parent)
{
    m_fileFuelgauge.setFileName(Platform::devicePath(QString::fromLatin1(kGaugeStatus)));
}

bool BatteryState::readAttribute(const char* path, QString* text)
{
    m_fileFuelgauge.setFileName(Platform::devicePath(QString::fromLatin1(path)));
    if (!m_fileFuelgauge.open(QIODevice::ReadOnly))
        return false;
    const QByteArray raw = m_fileFuelgauge.read(32);
    m_fileFuelgauge.close();
    *text = QString::fromLatin1(raw).toLower().trimmed();
    return true;
}

bool BatteryState::readNumber(const char* path, double* number)
{
    QString text;
    if (!readAttribute(path, &text))
        return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return false; // a garbled attribute is a failed read, not a zero
    *number = value;
    return true;
}

void BatteryState::readFuelPercent()
{
    double value;
    // A garbled or impossible percentage is a failed read, not an empty battery.
    if (readNumber(kCapacity, &value) && std::isfinite(value) && value >= 0.0 && value <= 100.0) {
        m_battFuelPercent = static_cast<int>(value);
        m_fuelKnown = true;
    }
}

void BatteryState::readCharging(const char* path)
{
    QString text;
    if (readAttribute(path, &text))
        m_charging = text == QLatin1String("charging");
}

void BatteryState::readVoltage()
{
    double value;
    // No cell reads 0 V or less: such a reading is a gauge fault, not a flat battery.
    if (readNumber(kVoltage, &value) && std::isfinite(value) && value > 0.0) {
        m_voltage = static_cast<float>(value / 1000000.0);
        m_voltageKnown = true;
    }
}

void BatteryState::readCurrent()
{
    double value;
    if (readNumber(kCurrent, &value) && std::isfinite(value))
        m_current = static_cast<float>(value / 1000000.0);
}

void BatteryState::readTemperature()
{
    double value;
    if (readNumber(kTemperature, &value) && std::isfinite(value))
        m_temperature = static_cast<float>(value / 10.0);
}

int BatteryState::fuelPercent()
{
    readFuelPercent();
    return m_battFuelPercent;
}

bool BatteryState::isCharging()
{
    readCharging(kChargerStatus);
    return m_charging;
}

float BatteryState::voltage()
{
    readVoltage();
    return m_voltage;
}

float BatteryState::current()
{
    readCurrent();
    return m_current;
}

float BatteryState::temperature()
{
    readTemperature();
    return m_temperature;
}

void BatteryState::updateValues()
{
    readFuelPercent();
    readCharging(kGaugeStatus);
    readVoltage();
    readCurrent();
    readTemperature();
}
