#ifndef GPIO_H
#define GPIO_H

// The board's GPIO lines through the sysfs GPIO interface.
class Gpio
{
public:
    enum Direction { DIRECTION_IN = 0, DIRECTION_OUT = 1 };

    static void setDirection(unsigned int pin, int direction);
    static void setValue(unsigned int pin, int value);
    // False when the line reads "0" or its value file cannot be read.
    static bool getValue(unsigned int pin);
    // The shared connector's position: GPIO 50 low, then GPIO 65 high for the UART console
    // or low for USB.
    enum class Connector { Usb, Uart };
    static void selectConnector(Connector connector);
    // Sets every line up once at start.
    static void init();

private:
    static void exportPin(unsigned int pin);
};

#endif // GPIO_H
