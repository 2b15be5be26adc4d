#ifndef NMEAPOSITIONINFOSOURCERAW_H
#define NMEAPOSITIONINFOSOURCERAW_H

#include <QNmeaPositionInfoSource>
#include <QString>

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

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo, bool* hasFix) override;

private:
    void keepSentence(const QByteArray& sentence);

    QString m_nmeaGPGGA;
    QString m_nmeaGPGSA;
    QString m_nmeaGPRMC;
    QString m_nmeaGPGSV[kGsvEntries];
    QString m_nmeaGPVTG;
};

#endif // NMEAPOSITIONINFOSOURCERAW_H
