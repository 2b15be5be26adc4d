#ifndef NMEAPOSITIONINFOSOURCERAW_H
#define NMEAPOSITIONINFOSOURCERAW_H

#include <QDateTime>
#include <QNmeaPositionInfoSource>
#include <QString>
#include <QVector>

// The positioning library's NMEA source, which besides the position keeps the last
// sentence of each type the receiver sent, so the GPS object can read satellites,
// dilution of precision, speed and height from them and the monitor can show them raw.
class NmeaPositionInfoSourceRaw : public QNmeaPositionInfoSource
{
    Q_OBJECT
public:
    static constexpr int kGsvEntries = 5;

    explicit NmeaPositionInfoSourceRaw(UpdateMode updateMode, QObject* parent = nullptr);

    QString getNmeaGgaString() const { return m_nmeaGPGGA; }
    QString getNmeaGsaString() const { return m_nmeaGPGSA; }
    QString getNmeaRmcString() const { return m_nmeaGPRMC; }
    QString getNmeaVtgString() const { return m_nmeaGPVTG; }
    // The kept GSV sentence of message n + 1; empty for any n outside 0..4.
    QString getNmeaGsvString(int n) const;
    void clearLastNmeaData();

    // True for a complete sentence "$...*hh" of printable ASCII whose checksum is right.
    static bool isIntactSentence(const QByteArray& sentence);

    // The library takes only reports later than the last one, so after the receiver's time
    // steps back (leap seconds learnt, a replay that loops) it would take none until the
    // old time came round again. A report earlier than the last one therefore starts a new
    // time base: the library is handed its times moved on past the last, exact repeats
    // stay repeats. This gives the receiver's own time of a position the library handed on.
    QDateTime receiverTime(const QDateTime& libraryTime) const;

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo, bool* hasFix) override;

private:
    void keepSentence(const QByteArray& sentence);
    void continueTimeBase(QGeoPositionInfo* posInfo);

    // Each time base: the first time the library was handed in it and what was added.
    struct TimeBase
    {
        QDateTime start;
        qint64 offsetMs;
    };
    static constexpr int kTimeBasesKept = 8;
    QVector<TimeBase> m_timeBases;
    QDateTime m_lastReceiverTime; // UTC; the date of the last dated report

    QString m_nmeaGPGGA;
    QString m_nmeaGPGSA;
    QString m_nmeaGPRMC;
    QString m_nmeaGPGSV[kGsvEntries];
    QString m_nmeaGPVTG;
};

#endif // NMEAPOSITIONINFOSOURCERAW_H
