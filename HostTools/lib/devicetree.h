#ifndef DEVICETREE_H
#define DEVICETREE_H

#include <QString>

// Builds the directory tree that stands in for the board on a host: sysfs attributes
// of the GPIO lines, PWM, backlight, LED, battery gauge and charger, ADC and codec,
// the mount points and the home directory. Files that already exist are kept, so a
// tree can be reused and what the instrument stored in it persists.
class DeviceTree
{
public:
    static bool create(const QString& root, QString* error = nullptr);

    // Writes one attribute (creating its directory) and overwrites what was there.
    static bool writeAttribute(const QString& root, const QString& absolutePath, const QByteArray& value);
    static QByteArray readAttribute(const QString& root, const QString& absolutePath);

    // The GPIO lines the instrument uses.
    static const QList<int>& gpioLines();
};

#endif // DEVICETREE_H
