#include "Hardware/gpio.h"

#include "Hardware/driverhelper.h"

#include <QDebug>
#include <cstdio>

namespace {

QByteArray pinFile(unsigned int pin, const char* attribute)
{
    char name[64];
    std::snprintf(name, sizeof name, "/sys/class/gpio/gpio%u/%s", pin, attribute);
    return QByteArray(name);
}

} // namespace

void Gpio::setDirection(unsigned int pin, int direction)
{
    DriverHelper::writeFile(pinFile(pin, "direction").constData(), direction == DIRECTION_IN ? "in" : "out");
}

void Gpio::selectConnector(Connector connector)
{
    setValue(50, 0);
    setValue(65, connector == Connector::Uart ? 1 : 0);
}

void Gpio::setValue(unsigned int pin, int value)
{
    DriverHelper::writeFile(pinFile(pin, "value").constData(), value != 0 ? "1" : "0");
}

bool Gpio::getValue(unsigned int pin)
{
    char c = '0';
    if (!DriverHelper::readFile(pinFile(pin, "value").constData(), &c, 1))
        return false;
    return c != '0';
}

void Gpio::exportPin(unsigned int pin)
{
    DriverHelper::writeFile("/sys/class/gpio/export", static_cast<int>(pin));
}

void Gpio::init()
{
    qDebug() << "Init GPIO-Pins";
    exportPin(58);
    setDirection(58, DIRECTION_OUT);
    setValue(58, 0);
    exportPin(59);
    setDirection(59, DIRECTION_IN);
    exportPin(114);
    setDirection(114, DIRECTION_OUT);
    setValue(114, 1);
    exportPin(96);
    setDirection(96, DIRECTION_OUT);
    setValue(96, 1);
    exportPin(54);
    setDirection(54, DIRECTION_OUT);
    setValue(54, 1);
    exportPin(48);
    setDirection(48, DIRECTION_IN);
    setValue(48, 0); // an input: the write has no effect
    DriverHelper::writeFile("/sys/class/pwm/pwmchip1/export", 0);
    // 113 is set up by the board support without an export of its own.
    setDirection(113, DIRECTION_OUT);
    setValue(113, 0);
    exportPin(65);
    setDirection(65, DIRECTION_OUT);
    setValue(65, 0);
    exportPin(50);
    setDirection(50, DIRECTION_OUT);
    setValue(50, 0);
    exportPin(17);
    setDirection(17, DIRECTION_OUT);
    setValue(17, 1);
    exportPin(115);
    setDirection(115, DIRECTION_OUT);
    setValue(115, 0);
    exportPin(16);
    setDirection(16, DIRECTION_OUT);
    setValue(16, 1);
}
