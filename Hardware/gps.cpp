#include "Hardware/gps.h"

#include "Hardware/gpio.h"
#include "Hardware/nmeapositioninfosourceraw.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QDebug>
#include <QRegularExpression>
#include <QSerialPort>

#include <cmath>

namespace {

const unsigned int kGpioReceiverEnable = 16;
const int kUpdateIntervalMs = 1200;
// NMEA sentences are at most 82 characters long.
const qint64 kMaxUnterminatedBytes = 4096;

// UBX CFG-RST reset modes: controlled GNSS start and stop, no backed-up data cleared.
const quint8 kResetModeGnssStart = 0x09;
const quint8 kResetModeGnssStop = 0x08;

// NMEA 4.10 and 4.11 receivers append one field to RMC (navigational status), GSA (system
// id) and GSV (signal id); "(?:,\\w*)?" before the checksum takes it and nothing reads it.
const QRegularExpression& gsaExpression()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPGSA|GNGSA),(\\w+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
        "(\\d+|),(\\d+|),(\\d+|),(\\d+.\\d+|),(\\d+.\\d+|),(\\d+.\\d+|)(?:,\\w*)?\\*([0-9a-fA-F]+)"));
    return re;
}

const QRegularExpression& rmcExpression()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPRMC|GNRMC),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\d+.\\d+|),"
        "(\\w+|),(\\d+.\\d+|),(\\w+|),(\\w+|)(?:,\\w*)?\\*([0-9a-fA-F]+)"));
    return re;
}

// Altitude and geoid separation carry a sign below the geoid (and where the geoid lies
// below the ellipsoid, which is true of much of the earth).
const QRegularExpression& ggaExpression()
{
    static const QRegularExpression re(QStringLiteral(
        "\\$(GPGGA|GNGGA),(\\d+.\\d+|),(\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\w+|),(\\d+),(\\d+),(\\d+.\\d+|),"
        "(-?\\d+.\\d+|),(\\w+|),(-?\\d+.\\d+|),(\\w+|),(\\d+.\\d+|),(\\d+.\\d+|)\\*([0-9a-fA-F]+)"));
    return re;
}

const QRegularExpression& gsvHeaderExpression()
{
    static const QRegularExpression re(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+)"));
    return re;
}

// The full GSV expression for a sentence carrying `count` (1..4) satellites.
const QRegularExpression& gsvExpression(int count)
{
    static const QRegularExpression re[4] = {
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|)"
                                          "(?:,\\w*)?\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|)(?:,\\w*)?\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|)"
                                          "(?:,\\w*)?\\*([0-9a-fA-F]+)")),
        QRegularExpression(QStringLiteral("\\$(GPGSV|GLGSV),(\\d+),(\\d+),(\\d+),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),(\\d+|),"
                                          "(\\d+|),(\\d+|),(\\d+|),(\\d+|)(?:,\\w*)?\\*([0-9a-fA-F]+)")),
    };
    return re[qBound(1, count, 4) - 1];
}

const QRegularExpression& rmcTimeExpression()
{
    static const QRegularExpression re(QStringLiteral("\\$(GPRMC|GNRMC),(\\d+)"));
    return re;
}

// The expressions let "." stand for any character and "\d+" for any number of digits,
// so a matched field still has to read as a number in its range before it replaces
// what the last good sentence gave. Empty fields read as 0.
bool readNumber(const QString& field, double maximum, double* value)
{
    if (field.isEmpty()) {
        *value = 0.0;
        return true;
    }
    bool ok = false;
    const double v = field.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0.0 || v > maximum)
        return false;
    *value = v;
    return true;
}

// Field `index` of "$TYPE,f1,f2,...*hh" (the type is field 0).
QString sentenceField(const QString& sentence, int index)
{
    return sentence.section(QLatin1Char('*'), 0, 0).section(QLatin1Char(','), index, index);
}

// Signed fields, -limit..limit.
bool readSignedNumber(const QString& field, double limit, double* value)
{
    double magnitude = 0.0;
    const bool negative = field.startsWith(QLatin1Char('-'));
    if (!readNumber(negative ? field.mid(1) : field, limit, &magnitude) || (negative && field.size() == 1))
        return false;
    *value = negative ? -magnitude : magnitude;
    return true;
}

bool readInteger(const QString& field, int minimum, int maximum, int* value)
{
    if (field.isEmpty()) {
        if (minimum > 0)
            return false;
        *value = 0;
        return true;
    }
    bool ok = false;
    const int v = field.toInt(&ok);
    if (!ok || v < minimum || v > maximum)
        return false;
    *value = v;
    return true;
}

const double kMaxDop = 1000.0;
const double kMaxSpeedKnots = 1000.0;
const double kMaxHeightMetres = 50000.0;
const double kMaxGeoidSeparationMetres = 1000.0;
const int kMaxSatelliteNumber = 999;
const int kMaxSatellitesInView = 99;

// B5 62, class, id, length (little-endian), payload, then the two Fletcher checksum bytes
// over class, id, length and payload.
QByteArray ubxCfgRst(quint8 resetMode)
{
    QByteArray message;
    message.append(char(0xB5)).append(char(0x62));
    const quint8 body[] = {0x06, 0x04, 0x04, 0x00, 0x00, 0x00, resetMode, 0x00};
    quint8 ckA = 0;
    quint8 ckB = 0;
    for (const quint8 byte : body) {
        message.append(char(byte));
        ckA = quint8(ckA + byte);
        ckB = quint8(ckB + ckA);
    }
    message.append(char(ckA)).append(char(ckB));
    return message;
}

QString checksumText(quint8 value)
{
    return QStringLiteral("%1=0x%2").arg(value).arg(value, 0, 16);
}

Systemsettings* settingsStore()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    return mainMenu ? mainMenu->getInstanceSystemsettings() : nullptr;
}

} // namespace

Gps::Gps(QObject* parent)
    : QObject(parent)
{
    uartPort1 = new QSerialPort(this);
    uartPort1->setPortName(Platform::devicePath(QStringLiteral("/dev/ttyO1")));
    const bool opened = uartPort1->open(QIODevice::ReadWrite);
    qDebug().nospace() << "Uart 1: " << opened;
    uartPort1->setBaudRate(QSerialPort::Baud9600, QSerialPort::AllDirections);
    // The library reads only whole lines, so a receiver that babbles without line ends
    // would fill the port's buffer without limit. Connected before the source's reader,
    // so this runs first on each read.
    connect(uartPort1, &QIODevice::readyRead, this, [this] {
        if (uartPort1->bytesAvailable() > kMaxUnterminatedBytes && !uartPort1->canReadLine())
            uartPort1->readAll();
    });

    m_nmeaSource = new NmeaPositionInfoSourceRaw(QNmeaPositionInfoSource::RealTimeMode, this);
    m_nmeaSource->setDevice(uartPort1);
}

Gps::~Gps()
{
    // The source reads from the port, so it goes first.
    delete m_nmeaSource;
    m_nmeaSource = nullptr;
    uartPort1->close();
    delete uartPort1;
    uartPort1 = nullptr;
}

void Gps::initGps()
{
    m_latitude = 0.0;
    m_longitude = 0.0;
    m_gpsValid = false;
    const Systemsettings* settings = settingsStore();
    m_enableSettingSystemtime = settings && settings->getDateTimeSource() == QLatin1String("GPS");

    m_nmeaSource->setUpdateInterval(kUpdateIntervalMs);
    // The library would try to open a port that failed here read-only, and then the
    // switching messages could not be written; without the port the source stays idle.
    if (uartPort1->isOpen())
        m_nmeaSource->startUpdates();
    connect(m_nmeaSource, &QGeoPositionInfoSource::positionUpdated, this, &Gps::updatePosition, Qt::UniqueConnection);
    m_posInfo = m_nmeaSource->lastKnownPosition(false);
    connect(m_nmeaSource, qOverload<QGeoPositionInfoSource::Error>(&QGeoPositionInfoSource::error), this,
            &Gps::updateError, Qt::UniqueConnection);
    connect(m_nmeaSource, &QGeoPositionInfoSource::updateTimeout, this, &Gps::updateTimeout, Qt::UniqueConnection);
}

void Gps::writeToReceiver(const QByteArray& message)
{
    if (!uartPort1->isOpen())
        return;
    uartPort1->write(message);
    uartPort1->flush();
}

void Gps::switchOnGpsModul()
{
    Gpio::setValue(kGpioReceiverEnable, 1);
    const QByteArray message = ubxCfgRst(kResetModeGnssStart);
    writeToReceiver(message);
    m_nmeaEnabled = true;
    qDebug().noquote() << "GNSS switched on:" << checksumText(quint8(message.at(10)))
                       << checksumText(quint8(message.at(11)));
    qDebug() << "NMEA enabled:" << m_nmeaEnabled;
}

void Gps::switchOffGpsModul()
{
    Gpio::setValue(kGpioReceiverEnable, 0);
    const QByteArray message = ubxCfgRst(kResetModeGnssStop);
    writeToReceiver(message);
    m_nmeaEnabled = false;
    qDebug().noquote() << "GNSS switched off:" << checksumText(quint8(message.at(10)))
                       << checksumText(quint8(message.at(11)));
    qDebug() << "NMEA enabled:" << m_nmeaEnabled;
    clearPosition();
}

void Gps::enableSystemTimeSettingViaGps(bool enable)
{
    m_enableSettingSystemtime = enable;
}

void Gps::clearPosition()
{
    m_latitude = 0.0;
    m_longitude = 0.0;
    m_dateTime = QDateTime();
    m_gpsValid = false;
}

double Gps::getLatitude() const
{
    // Written so that a missing coordinate (NaN) reads as 0 as well.
    return (m_latitude >= -90.0 && m_latitude <= 90.0) ? m_latitude : 0.0;
}

double Gps::getLongitude() const
{
    return (m_longitude >= -180.0 && m_longitude <= 180.0) ? m_longitude : 0.0;
}

int Gps::getGsvSatelliteId(int index) const
{
    return index >= 0 && index < kMaxSatellites ? m_gsvSatelliteId[index] : 0;
}

int Gps::getGsvElevation(int index) const
{
    return index >= 0 && index < kMaxSatellites ? m_gsvElevation[index] : 0;
}

int Gps::getGsvAzimuth(int index) const
{
    return index >= 0 && index < kMaxSatellites ? m_gsvAzimuth[index] : 0;
}

int Gps::getGsvSnr(int index) const
{
    return index >= 0 && index < kMaxSatellites ? m_gsvSnr[index] : 0;
}

void Gps::updatePosition()
{
    readGpsData();
}

void Gps::updateError(QGeoPositionInfoSource::Error error)
{
    qDebug() << "Error" << int(error);
    clearPosition();
}

void Gps::updateTimeout()
{
    qDebug() << "Timeout";
    clearPosition();
}

void Gps::readGpsData()
{
    if (!m_nmeaEnabled)
        return;

    m_posInfo = m_nmeaSource->lastKnownPosition(false);
    m_posInfo.setTimestamp(m_nmeaSource->receiverTime(m_posInfo.timestamp()));
    const QGeoCoordinate coordinate = m_posInfo.coordinate();
    m_latitude = coordinate.latitude();
    m_longitude = coordinate.longitude();
    m_dateTime = m_posInfo.timestamp();
    m_gpsValid = m_posInfo.isValid() && receiverReportsFix();

    if (m_gpsValid && m_enableSettingSystemtime) {
        // Kept until a fix with a usable date has set the clock.
        if (setSystemTime())
            m_enableSettingSystemtime = false;
    }

    parseGsa(m_nmeaSource->getNmeaGsaString().trimmed());
    parseGsv();
    parseRmc(m_nmeaSource->getNmeaRmcString().trimmed());
    parseGga(m_nmeaSource->getNmeaGgaString().trimmed());
}

// The library takes any report with a time and a coordinate for a fix, even one the
// receiver marks void and fills with zeros ("V", "0000.0000,N,00000.0000,E", GSA mode 1,
// which it counts as a fix): the receiver's own verdict decides, RMC status "A" and no GGA
// fix quality "0". The NMEA 4.1 navigational status after the mode indicator does not
// count; many receivers always send "V" there.
bool Gps::receiverReportsFix() const
{
    return sentenceField(m_nmeaSource->getNmeaRmcString(), 2) == QLatin1String("A")
        && sentenceField(m_nmeaSource->getNmeaGgaString(), 6) != QLatin1String("0");
}

void Gps::parseGsa(const QString& sentence)
{
    const QRegularExpressionMatch match = gsaExpression().match(sentence);
    if (!match.hasMatch()) {
        qDebug() << "No GPGSA match" << sentence;
        return;
    }
    int mode2 = 0;
    int used[12] = {};
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
    bool plausible = readInteger(match.captured(3), 1, 3, &mode2);
    for (int i = 0; i < 12 && plausible; ++i)
        plausible = readInteger(match.captured(4 + i), 0, kMaxSatelliteNumber, &used[i]);
    plausible = plausible && readNumber(match.captured(16), kMaxDop, &pdop)
        && readNumber(match.captured(17), kMaxDop, &hdop) && readNumber(match.captured(18), kMaxDop, &vdop);
    if (!plausible) {
        qDebug() << "Implausible GSA ignored" << sentence;
        return;
    }

    m_gsaMode1 = match.captured(2);
    m_gsaMode2 = mode2;
    int count = 0;
    for (int i = 0; i < 12; ++i) {
        m_gsaSatelliteUsed[i] = used[i];
        if (used[i] >= 1)
            ++count;
    }
    m_numSatellitesUsed = count;
    m_gsaPdop = pdop;
    m_gsaHdop = hdop;
    m_gsaVdop = vdop;
    m_pdop = qreal(pdop);
    m_hdop = qreal(hdop);
    m_vdop = qreal(vdop);
}

void Gps::parseGsv()
{
    int index = 0;
    for (int n = 0; n < NmeaPositionInfoSourceRaw::kGsvEntries; ++n) {
        const QString sentence = m_nmeaSource->getNmeaGsvString(n).trimmed();

        int messages = 0;
        int number = 0;
        int inView = 0;
        const QRegularExpressionMatch header = gsvHeaderExpression().match(sentence);
        bool matched = header.hasMatch() && readInteger(header.captured(2), 1, 9, &messages)
            && readInteger(header.captured(3), 1, messages, &number)
            && readInteger(header.captured(4), 0, kMaxSatellitesInView, &inView);
        if (matched) {
            m_gsvNumberOfMessages = messages;
            m_gsvMessageNumber = number;
            m_gsvSatellitesInView = inView;
        }

        int count = 4;
        if (m_gsvMessageNumber == m_gsvNumberOfMessages) {
            count = m_gsvSatellitesInView % 4;
            if (count == 0)
                count = 4;
        }
        int id[4] = {};
        int elevation[4] = {};
        int azimuth[4] = {};
        int snr[4] = {};
        QRegularExpressionMatch full;
        if (matched) {
            full = gsvExpression(count).match(sentence);
            matched = full.hasMatch();
        }
        for (int k = 0; k < count && matched; ++k) {
            matched = readInteger(full.captured(5 + 4 * k), 0, kMaxSatelliteNumber, &id[k])
                && readInteger(full.captured(6 + 4 * k), 0, 90, &elevation[k])
                && readInteger(full.captured(7 + 4 * k), 0, 360, &azimuth[k])
                && readInteger(full.captured(8 + 4 * k), 0, 99, &snr[k]);
        }

        if (!matched) {
            for (int i = 4 * n; i < 4 * n + 4; ++i) {
                m_gsvSatelliteId[i] = 0;
                m_gsvElevation[i] = 0;
                m_gsvAzimuth[i] = 0;
                m_gsvSnr[i] = 0;
            }
            continue;
        }
        for (int k = 0; k < count && index < kMaxSatellites; ++k, ++index) {
            m_gsvSatelliteId[index] = id[k];
            m_gsvElevation[index] = elevation[k];
            m_gsvAzimuth[index] = azimuth[k];
            m_gsvSnr[index] = snr[k];
        }
    }
    // A last message with fewer than four satellites, or a cycle with fewer messages,
    // would otherwise leave satellites of an earlier cycle standing behind this one's.
    for (int i = index; i < kMaxSatellites; ++i) {
        m_gsvSatelliteId[i] = 0;
        m_gsvElevation[i] = 0;
        m_gsvAzimuth[i] = 0;
        m_gsvSnr[i] = 0;
    }
}

void Gps::parseRmc(const QString& sentence)
{
    const QRegularExpressionMatch match = rmcExpression().match(sentence);
    if (!match.hasMatch()) {
        qDebug() << "No RMC match" << sentence;
        return;
    }
    double speed = 0.0;
    double course = 0.0;
    double variation = 0.0;
    if (!readNumber(match.captured(8), kMaxSpeedKnots, &speed) || !readNumber(match.captured(9), 360.0, &course)
        || !readNumber(match.captured(11), 180.0, &variation)) {
        qDebug() << "Implausible RMC ignored" << sentence;
        return;
    }
    m_rmcUtcTime = match.captured(2);
    m_rmcStatus = match.captured(3);
    m_rmcLatitude = match.captured(4);
    m_rmcNorthSouth = match.captured(5);
    m_rmcLongitude = match.captured(6);
    m_rmcEastWest = match.captured(7);
    m_rmcSpeedOverGround = speed;
    m_rmcCourseOverGround = course;
    m_rmcDate = match.captured(10);
    m_rmcMagneticVariation = variation;
    m_rmcMagneticVariationDirection = match.captured(12);
    m_rmcModeIndicator = match.captured(13);
}

void Gps::parseGga(const QString& sentence)
{
    const QRegularExpressionMatch match = ggaExpression().match(sentence);
    if (!match.hasMatch()) {
        qDebug() << "No GGA match" << sentence;
        return;
    }
    double hdop = 0.0;
    double height = 0.0;
    double separation = 0.0;
    if (!readNumber(match.captured(9), kMaxDop, &hdop)
        || !readSignedNumber(match.captured(10), kMaxHeightMetres, &height)
        || !readSignedNumber(match.captured(12), kMaxGeoidSeparationMetres, &separation)) {
        qDebug() << "Implausible GGA ignored" << sentence;
        return;
    }
    m_ggaUtcTime = match.captured(2);
    m_ggaLatitude = match.captured(3);
    m_ggaNorthSouth = match.captured(4);
    m_ggaLongitude = match.captured(5);
    m_ggaEastWest = match.captured(6);
    m_ggaFixQuality = match.captured(7);
    m_ggaNumSatellites = match.captured(8);
    m_ggaHdop = hdop;
    m_ggaHeightOverSea = height;
    m_ggaHeightUnit = match.captured(11);
    m_ggaGeoidalSep = separation;
    m_ggaGeoidalSepUnit = match.captured(13);
    m_ggaAgeOfDifferentialData = match.captured(14);
    m_ggaReferenceStation = match.captured(15);
}

QString Gps::getRmcUtcTime() const
{
    const QRegularExpressionMatch match = rmcTimeExpression().match(m_nmeaSource->getNmeaRmcString().trimmed());
    if (!match.hasMatch())
        return QStringLiteral("NO GPS");
    // Digits that are no time of day show as "..." rather than as a made-up time.
    const QString digits = match.captured(2);
    if (digits.size() != 6)
        return QStringLiteral("...");
    const int hours = digits.leftRef(2).toInt();
    const int minutes = digits.midRef(2, 2).toInt();
    const int seconds = digits.midRef(4, 2).toInt();
    if (hours > 23 || minutes > 59 || seconds > 60) // 60: a leap second
        return QStringLiteral("...");
    QString text = digits;
    text.insert(2, QLatin1Char(':'));
    text.insert(5, QLatin1Char(':'));
    return text.trimmed();
}

int Gps::getGpsQuality() const
{
    const QString time = getRmcUtcTime();
    if (time == QLatin1String("NO GPS"))
        return 0;
    if (!m_gpsValid) {
        // Receiving time but no position: a hint of reception, a little more by day.
        const int hour = time.leftRef(2).toInt();
        return (hour >= 3 && hour <= 22) ? 3 : 1;
    }

    const qreal h = m_hdop;
    const int s = m_gsvSatellitesInView;
    int q = 0;
    if (h <= 0.01 || h >= 200.0) {
        q = 15;
    } else if (h >= 2.5) {
        q = int(200.0 / h);
    } else {
        if (h <= 1.0 && s > 4)
            return 100;
        q = 3 * s + 80;
    }
    if (q <= 9)
        q = s;
    return qBound(0, q, 100);
}

QString Gps::getNmeaString() const
{
    if (!m_nmeaEnabled)
        return QString();
    QString text = m_nmeaSource->getNmeaRmcString();
    text += QLatin1Char('\n') + m_nmeaSource->getNmeaGsaString();
    for (int n = 0; n < 4; ++n)
        text += QLatin1Char('\n') + m_nmeaSource->getNmeaGsvString(n);
    return text;
}

void Gps::clearLastGpsData()
{
    m_nmeaSource->clearLastNmeaData();
    m_gsvSatellitesInView = 0;
    m_numSatellitesUsed = 0;
    m_pdop = 0;
    m_hdop = 0;
    m_vdop = 0;
    m_rmcSpeedOverGround = 0.0;
    m_rmcCourseOverGround = 0.0;
    m_ggaHeightOverSea = 0.0;
}

bool Gps::setSystemTime()
{
    if (!m_dateTime.isValid())
        return false;
    const QDateTime utc = m_dateTime.toUTC();
    if (utc.date().year() < 2016 || utc.date().year() > 2050)
        return false;

    int zoneOffset = 0;
    int summerOffset = 0;
    if (const Systemsettings* settings = settingsStore()) {
        zoneOffset = settings->getTimezoneOffset();
        summerOffset = settings->getDaylightSavingTimeOffet();
    }
    const int zoneHours = zoneOffset / 3600;
    const int zoneMinutes = (zoneOffset % 3600) / 60;
    const int summerHours = summerOffset / 3600;
    qDebug() << "Offset Time:" << zoneOffset << zoneHours << zoneMinutes;

    // The clock runs on local time. Composing hours and minutes field by field would give
    // "24:30" or "-1:15" near midnight and keep the UTC date; shifting the whole
    // timestamp carries into the hour, the minute and the date.
    const QDateTime local = utc.addSecs(qint64(zoneHours + summerHours) * 3600 + qint64(zoneMinutes) * 60);
    const QDate date = local.date();
    const QTime time = local.time();
    Platform::setSystemClock(date, time);
    Platform::runCommand(QStringLiteral("hwclock -w -f /dev/rtc0"));
    return true;
}

QString Gps::getGpsData()
{
    if (!m_gpsData.contains(QLatin1Char('\n')))
        return QString();
    const QString data = m_gpsData;
    m_gpsData.clear();
    return data;
}

void Gps::clearGpsData()
{
    m_gpsData.clear();
}

void Gps::closePort()
{
    uartPort1->close();
}

void Gps::readTty1Data()
{
    char buffer[1024];
    const qint64 size = uartPort1->read(buffer, 1023);
    if (size > 0 && m_nmeaEnabled)
        m_gpsData.append(QString::fromUtf8(buffer, int(size)));
}

void Gps::updateSatInView(const QList<QGeoSatelliteInfo>& satellites)
{
    qDebug() << "SatInView:" << satellites;
}
