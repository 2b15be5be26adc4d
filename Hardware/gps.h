#ifndef GPS_H
#define GPS_H

#include <QObject>

// The GPS receiver on "/dev/ttyO1".
// Placeholder: switches the receiver's power line; positions are not read yet.
class Gps : public QObject
{
    Q_OBJECT
public:
    explicit Gps(QObject* parent = nullptr);

    void initGps();
    void switchOnGpsModul();
    void switchOffGpsModul();
    void enableSystemTimeSettingViaGps(bool enable) { m_enableSettingSystemtime = enable; }

    bool isGpsDataValid() const { return m_gpsValid; }
    bool isGpsEnabled() const { return m_enabled; }
    double getLatitude() const { return m_latitude; }
    double getLongitude() const { return m_longitude; }

private:
    bool m_gpsValid = false;
    bool m_enabled = false;
    bool m_enableSettingSystemtime = false;
    double m_latitude = 0.0;
    double m_longitude = 0.0;
};

#endif // GPS_H
