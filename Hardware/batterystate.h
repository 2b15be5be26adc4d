#ifndef BATTERYSTATE_H
#define BATTERYSTATE_H

#include <QFile>
#include <QObject>

// The device battery: fuel gauge and charger of the Linux power-supply class.
// Every getter reads its attribute anew; a failed read keeps the last good value.
class BatteryState : public QObject
{
    Q_OBJECT
public:
    explicit BatteryState(QObject* parent = nullptr);

    int fuelPercent();
    bool isCharging();
    float voltage();
    float current();
    float temperature();
    void updateValues();

    // False until a voltage has been read successfully: an unknown voltage must
    // never count as a flat battery.
    bool isVoltageKnown() const { return m_voltageKnown; }
    // The same for the state of charge.
    bool isFuelKnown() const { return m_fuelKnown; }

private:
    bool readAttribute(const char* path, QString* text);
    bool readNumber(const char* path, double* number);
    void readFuelPercent();
    void readCharging(const char* path);
    void readVoltage();
    void readCurrent();
    void readTemperature();

    QFile m_fileFuelgauge;
    int m_battFuelPercent = 0;
    bool m_charging = false;
    float m_voltage = 0.0f;
    float m_current = 0.0f;
    float m_temperature = 0.0f;
    bool m_voltageKnown = false;
    bool m_fuelKnown = false;
};

#endif // BATTERYSTATE_H
