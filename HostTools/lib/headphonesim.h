#ifndef HEADPHONESIM_H
#define HEADPHONESIM_H

#include <QString>
#include <QStringList>

// The headphones behind the source module: their volume, set by the instrument's absolute
// volume or stepped by its remote-control keys, and the battery level they report in
// their accessory line.
class HeadphoneSim
{
public:
    static const char* const kName;
    static const char* const kDeviceClass;

    int volume() const { return m_volume; } // percent
    void setVolume(int percent) { m_volume = percent; }
    int batteryLevel() const { return m_batteryLevel; } // 0..9
    void setBatteryLevel(int level) { m_batteryLevel = level; }

    // A remote-control command after "AVRCP": "PDU 50 <percent>" sets the volume, "UP" and
    // "DN" step it. True when the headphones report the new volume themselves (a step).
    bool remoteControl(const QStringList& tokens);
    // What the headset says to the hold query on the hands-free link: its accessory
    // report, battery level included.
    QString accessoryReport() const;

private:
    int m_volume = 50;
    int m_batteryLevel = 5;
};

#endif // HEADPHONESIM_H
