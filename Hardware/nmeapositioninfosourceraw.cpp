#include "Hardware/nmeapositioninfosourceraw.h"

#include <QDebug>

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

NmeaPositionInfoSourceRaw::NmeaPositionInfoSourceRaw(UpdateMode updateMode, QObject* parent)
    : QNmeaPositionInfoSource(updateMode, parent)
{
}

QString NmeaPositionInfoSourceRaw::getNmeaGsvString(int n) const
{
    if (n < 0 || n >= kGsvEntries)
        return QString();
    return m_nmeaGPGSV[n];
}

void NmeaPositionInfoSourceRaw::clearLastNmeaData()
{
    m_nmeaGPGGA.clear();
    m_nmeaGPGSA.clear();
    m_nmeaGPRMC.clear();
    m_nmeaGPVTG.clear();
    for (QString& gsv : m_nmeaGPGSV)
        gsv.clear();
}

bool NmeaPositionInfoSourceRaw::isIntactSentence(const QByteArray& sentence)
{
    const int size = sentence.size();
    if (size < 4 || sentence.at(0) != '$' || sentence.at(size - 3) != '*')
        return false;
    int sum = 0;
    for (int i = 1; i < size - 3; ++i) {
        const char c = sentence.at(i);
        if (c < 0x20 || c > 0x7e || c == '$' || c == '*')
            return false;
        sum ^= c;
    }
    const int high = hexDigit(sentence.at(size - 2));
    const int low = hexDigit(sentence.at(size - 1));
    return high >= 0 && low >= 0 && (high << 4 | low) == sum;
}

void NmeaPositionInfoSourceRaw::keepSentence(const QByteArray& sentence)
{
    // Line noise must not replace a good sentence: only what arrived intact is kept.
    if (!isIntactSentence(sentence))
        return;
    const QByteArray type = sentence.left(6);
    if (type == "$GPGGA" || type == "$GNGGA") {
        m_nmeaGPGGA = QString::fromLatin1(sentence);
    } else if (type == "$GPGSA" || type == "$GNGSA") {
        m_nmeaGPGSA = QString::fromLatin1(sentence);
    } else if (type == "$GPRMC" || type == "$GNRMC") {
        m_nmeaGPRMC = QString::fromLatin1(sentence);
    } else if (type == "$GPVTG") {
        m_nmeaGPVTG = QString::fromLatin1(sentence);
    } else if (type == "$GPGSV" || type == "$GLGSV") {
        // Message number and the comma after it; counts of ten and more messages are not kept.
        const QByteArray number = sentence.mid(9, 2);
        if (number.size() != 2 || number.at(1) != ',' || number.at(0) < '1' || number.at(0) > '5')
            return;
        const int entry = number.at(0) - '1';
        if (entry == 0) {
            for (QString& gsv : m_nmeaGPGSV)
                gsv.clear();
        }
        m_nmeaGPGSV[entry] = QString::fromLatin1(sentence);
    }
}

bool NmeaPositionInfoSourceRaw::parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo,
                                                          bool* hasFix)
{
    if (data && size > 0)
        keepSentence(QByteArray(data, size).trimmed());
    if (!QNmeaPositionInfoSource::parsePosInfoFromNmeaData(data, size, posInfo, hasFix))
        return false;
    continueTimeBase(posInfo);
    return true;
}

namespace {

const qint64 kDayMs = 24 * 3600 * 1000;

} // namespace

void NmeaPositionInfoSourceRaw::continueTimeBase(QGeoPositionInfo* posInfo)
{
    const QDateTime stamp = posInfo->timestamp();
    const QTime time = stamp.time();
    if (!time.isValid())
        return;
    const bool dated = stamp.date().isValid();
    // A report with a time alone (GGA) belongs to the day of the last dated one; a time
    // far below the last is the next day, not a step back.
    const QDate day = dated ? stamp.date() : m_lastReceiverTime.isValid() ? m_lastReceiverTime.date() : QDate(2000, 1, 1);
    QDateTime receiver(day, time, Qt::UTC);
    if (!dated && m_lastReceiverTime.isValid() && receiver.secsTo(m_lastReceiverTime) > 12 * 3600)
        receiver = receiver.addDays(1);

    qint64 offsetMs = m_timeBases.isEmpty() ? 0 : m_timeBases.last().offsetMs;
    if (m_lastReceiverTime.isValid() && receiver < m_lastReceiverTime) {
        const qint64 stepMs = receiver.msecsTo(m_lastReceiverTime);
        // One second past the last time handed on, so the library takes it as the next.
        offsetMs += stepMs + 1000;
        qDebug().noquote() << "GPS time stepped back" << stepMs / 1000.0 << "s; new time base";
        m_timeBases.append({receiver.addMSecs(offsetMs), offsetMs});
        if (m_timeBases.size() > kTimeBasesKept)
            m_timeBases.removeFirst();
    }
    m_lastReceiverTime = receiver;
    if (offsetMs == 0)
        return;
    if (dated)
        posInfo->setTimestamp(receiver.addMSecs(offsetMs));
    else
        posInfo->setTimestamp(QDateTime(QDate(), time.addMSecs(int(offsetMs % kDayMs)), Qt::UTC));
}

QDateTime NmeaPositionInfoSourceRaw::receiverTime(const QDateTime& libraryTime) const
{
    if (!libraryTime.date().isValid()) {
        const qint64 offsetMs = m_timeBases.isEmpty() ? 0 : m_timeBases.last().offsetMs;
        if (offsetMs == 0)
            return libraryTime;
        return QDateTime(QDate(), libraryTime.time().addMSecs(-int(offsetMs % kDayMs)), Qt::UTC);
    }
    for (int i = m_timeBases.size() - 1; i >= 0; --i) {
        if (libraryTime >= m_timeBases.at(i).start)
            return libraryTime.addMSecs(-m_timeBases.at(i).offsetMs);
    }
    return libraryTime;
}
