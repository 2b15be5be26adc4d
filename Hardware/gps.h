#ifndef GPS_H
#define GPS_H

#include <QDateTime>
#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QGeoSatelliteInfo>
#include <QList>
#include <QObject>
#include <QString>

class QSerialPort;
class NmeaPositionInfoSourceRaw;

// The GNSS receiver on "/dev/ttyO1" (NMEA 0183 at 9600 baud, UBX for switching the
// navigation on and off). Position, time and validity come from the positioning
// library; satellites, dilution of precision, speed, course and height are read from
// the raw sentences the position source keeps. Sets the system clock from the first
// valid fix after each request. GUI thread only.
class Gps : public QObject
{
    Q_OBJECT
public:
    // Up to 5 GSV sentences of 4 satellites each.
    static constexpr int kMaxSatellites = 20;

    explicit Gps(QObject* parent = nullptr);
    ~Gps() override;

    void initGps();
    void switchOnGpsModul();
    void switchOffGpsModul();
    void enableSystemTimeSettingViaGps(bool enable);
    // Sets the system and the hardware clock to the local time of the last fix (the
    // settings' zone and summer-time offsets); false, and nothing set, when its date is
    // not one a receiver would give (a stamp from before its first fix).
    bool setSystemTime();

    double getLatitude() const;
    double getLongitude() const;
    QDateTime getDateTime() const { return m_dateTime; }
    bool isGpsDataValid() const { return m_gpsValid; }
    bool isGpsEnabled() const { return m_nmeaEnabled; }
    int getNumSatellitesInView() const { return m_gsvSatellitesInView; }
    int getNumSatellitesUsed() const { return m_numSatellitesUsed; }
    qreal getGpsInfoPdop() const { return m_pdop; }
    qreal getGpsInfoHdop() const { return m_hdop; }
    qreal getGpsInfoVdop() const { return m_vdop; }
    qreal getGpsSpeedOverGround() const { return m_rmcSpeedOverGround; }
    qreal getGpsCourseOverGround() const { return m_rmcCourseOverGround; }
    qreal getGpsHeightOverSea() const { return m_ggaHeightOverSea; }
    QGeoPositionInfo getGpsInfo() const { return m_posInfo; }
    QString getRmcUtcTime() const;
    int getGpsQuality() const;
    QString getNmeaString() const;
    void clearLastGpsData();

    // The satellites-in-view table of the last GSV cycle; 0 outside 0..kMaxSatellites-1.
    int getGsvSatelliteId(int index) const;
    int getGsvElevation(int index) const;
    int getGsvAzimuth(int index) const;
    int getGsvSnr(int index) const;

    // Raw-read path, kept for service use; the position source is the port's reader.
    QString getGpsData();
    void clearGpsData();
    void closePort();

public slots:
    void updatePosition();
    void updateError(QGeoPositionInfoSource::Error error);
    void updateTimeout();
    void readGpsData();
    void readTty1Data();
    void updateSatInView(const QList<QGeoSatelliteInfo>& satellites);

private:
    bool receiverReportsFix() const;
    void clearPosition();
    void writeToReceiver(const QByteArray& message);
    void parseGsa(const QString& sentence);
    void parseGsv();
    void parseRmc(const QString& sentence);
    void parseGga(const QString& sentence);

    QSerialPort* uartPort1 = nullptr;
    NmeaPositionInfoSourceRaw* m_nmeaSource = nullptr;
    QString m_gpsData;
    double m_latitude = 0.0;
    double m_longitude = 0.0;
    QDateTime m_dateTime;
    QGeoPositionInfo m_posInfo;
    bool m_gpsValid = false;
    bool m_enableSettingSystemtime = false;
    int m_numSatellitesUsed = 0;
    qreal m_pdop = 0;
    qreal m_hdop = 0;
    qreal m_vdop = 0;
    bool m_nmeaEnabled = true;

    QString m_gsaMode1;
    int m_gsaMode2 = 0;
    int m_gsaSatelliteUsed[12] = {};
    double m_gsaPdop = 0.0;
    double m_gsaHdop = 0.0;
    double m_gsaVdop = 0.0;

    int m_gsvNumberOfMessages = 0;
    int m_gsvMessageNumber = 0;
    int m_gsvSatellitesInView = 0;
    int m_gsvSatelliteId[kMaxSatellites] = {};
    int m_gsvElevation[kMaxSatellites] = {};
    int m_gsvAzimuth[kMaxSatellites] = {};
    int m_gsvSnr[kMaxSatellites] = {};

    QString m_rmcUtcTime;
    QString m_rmcStatus;
    QString m_rmcLatitude;
    QString m_rmcNorthSouth;
    QString m_rmcLongitude;
    QString m_rmcEastWest;
    double m_rmcSpeedOverGround = 0.0;
    double m_rmcCourseOverGround = 0.0;
    QString m_rmcDate;
    double m_rmcMagneticVariation = 0.0;
    QString m_rmcMagneticVariationDirection;
    QString m_rmcModeIndicator;

    QString m_ggaUtcTime;
    QString m_ggaLatitude;
    QString m_ggaNorthSouth;
    QString m_ggaLongitude;
    QString m_ggaEastWest;
    QString m_ggaFixQuality;
    QString m_ggaNumSatellites;
    double m_ggaHdop = 0.0;
    double m_ggaHeightOverSea = 0.0;
    QString m_ggaHeightUnit;
    double m_ggaGeoidalSep = 0.0;
    QString m_ggaGeoidalSepUnit;
    QString m_ggaAgeOfDifferentialData;
    QString m_ggaReferenceStation;
};

#endif // GPS_H
