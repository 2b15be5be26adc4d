#include "gpssim.h"

#include "ptypeer.h"

#include <QFile>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace GpsNmea {

QByteArray checksum(const QByteArray& body)
{
    quint8 sum = 0;
    for (const char c : body)
        sum ^= quint8(c);
    return QByteArray::number(sum, 16).rightJustified(2, '0').toUpper();
}

QByteArray sentence(const QByteArray& body)
{
    return '$' + body + '*' + checksum(body);
}

bool hasValidChecksum(const QByteArray& sentence)
{
    const int star = sentence.lastIndexOf('*');
    if (!sentence.startsWith('$') || star < 1 || star + 3 != sentence.size())
        return false;
    return sentence.mid(star + 1).toUpper() == checksum(sentence.mid(1, star - 1));
}

QByteArray ubxFrame(quint8 messageClass, quint8 messageId, const QByteArray& payload)
{
    QByteArray body;
    body.append(char(messageClass)).append(char(messageId));
    body.append(char(payload.size() & 0xff)).append(char((payload.size() >> 8) & 0xff));
    body.append(payload);
    quint8 a = 0;
    quint8 b = 0;
    for (const char c : body) {
        a = quint8(a + quint8(c));
        b = quint8(b + a);
    }
    return QByteArray("\xb5\x62", 2) + body + char(a) + char(b);
}

} // namespace GpsNmea

namespace {

const double kEarthRadius = 6371000.0;
const double kPi = 3.14159265358979323846;
const double kMetresPerSecondToKnots = 3600.0 / 1852.0;
const int kChunkIntervalMs = 4;
const int kMaxUbxPayload = 1024;
const int kMaxReceived = 1 << 16;

// The walk: once around a block, corners in metres east and north of the start.
const double kLoop[][2] = {{0, 0}, {180, 0}, {180, 120}, {0, 120}};
const int kLoopCorners = 4;

const int kGpsIds[] = {2, 5, 7, 9, 13, 15, 18, 20, 23, 25, 27, 29, 30, 12, 10, 16,
                       21, 26, 31, 32, 1, 3, 4, 6, 8, 11, 14, 17, 19, 22, 24, 28};
const int kMaxGps = int(sizeof kGpsIds / sizeof kGpsIds[0]);
const int kMaxGlonass = 24; // numbered 65 to 88 in NMEA

struct Satellite
{
    int id;
    int elevation;
    int azimuth;
    int snr;
};

// A sky that turns slowly: elevation and azimuth drift over minutes, SNR flickers.
Satellite satellite(int id, int index, int cycle)
{
    const int base = 8 + (index * 29) % 78;
    const int elevation = qBound(5, base + (cycle / 120 + index) % 3 - 1, 89);
    const int azimuth = (index * 97 + 13 * (id % 7) + cycle / 20) % 360;
    const int snr = qBound(0, 18 + elevation / 3 + (cycle + index) % 3, 99);
    return {id, elevation, azimuth, snr};
}

QByteArray number(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

QByteArray coordinate(double degrees, int degreeDigits)
{
    const double magnitude = std::fabs(degrees);
    int whole = int(magnitude);
    double minutes = (magnitude - whole) * 60.0;
    if (minutes >= 59.999995) { // would print as 60.00000
        minutes = 0.0;
        ++whole;
    }
    return QByteArray::number(whole).rightJustified(degreeDigits, '0') + number(minutes, 5).rightJustified(8, '0');
}

// `signalId` is appended to each sentence when not empty (NMEA 4.11).
QList<QByteArray> gsvSentences(const QByteArray& talker, const QList<Satellite>& sky, const QByteArray& signalId)
{
    QList<QByteArray> result;
    const int messages = qMax(1, (int(sky.size()) + 3) / 4);
    for (int m = 1; m <= messages; ++m) {
        QByteArray body = talker + "GSV," + QByteArray::number(messages) + ',' + QByteArray::number(m) + ','
            + twoDigits(int(sky.size()));
        for (int i = (m - 1) * 4; i < qMin(int(sky.size()), m * 4); ++i) {
            const Satellite& s = sky.at(i);
            body += ',' + twoDigits(s.id) + ',' + twoDigits(s.elevation) + ','
                + QByteArray::number(s.azimuth).rightJustified(3, '0') + ',' + twoDigits(s.snr);
        }
        if (!signalId.isEmpty())
            body += ',' + signalId;
        result.append(GpsNmea::sentence(body));
    }
    return result;
}

QByteArray sentenceType(const QByteArray& line)
{
    return line.size() >= 6 && line.startsWith('$') ? line.mid(3, 3) : QByteArray();
}

} // namespace

GpsSimulator::GpsSimulator(QObject* parent)
    : QObject(parent)
    , m_random(0x6e6d6561u)
{
    m_cycleTimer = new QTimer(this);
    connect(m_cycleTimer, &QTimer::timeout, this, [this] {
        if (m_navigating)
            emitCycle();
    });
    m_chunkTimer = new QTimer(this);
    m_chunkTimer->setInterval(kChunkIntervalMs);
    connect(m_chunkTimer, &QTimer::timeout, this, &GpsSimulator::flushPending);
}

GpsSimulator::~GpsSimulator()
{
    close();
}

bool GpsSimulator::open(const QString& linkPath, QString* error)
{
    close();
    m_peer = new PtyPeer(this);
    connect(m_peer, &PtyPeer::received, this, &GpsSimulator::receive);
    if (m_peer->open(linkPath, error))
        return true;
    delete m_peer;
    m_peer = nullptr;
    return false;
}

void GpsSimulator::close()
{
    m_pending.clear();
    if (m_chunkTimer)
        m_chunkTimer->stop();
    delete m_peer;
    m_peer = nullptr;
}

bool GpsSimulator::isOpen() const
{
    return m_peer && m_peer->isOpen();
}

QString GpsSimulator::slaveName() const
{
    return m_peer ? m_peer->slaveName() : QString();
}

void GpsSimulator::setRoute(const Route& route)
{
    m_route = route;
    m_route.gpsSatellites = qBound(0, route.gpsSatellites, kMaxGps);
    m_route.glonassSatellites = qBound(0, route.glonassSatellites, kMaxGlonass);
    if (m_route.talker != "GP" && m_route.talker != "GN")
        m_route.talker = "GN";
    m_cycle = 0;
}

bool GpsSimulator::loadReplay(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QList<QByteArray> lines;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            lines.append(line);
    }
    if (lines.isEmpty()) {
        if (error)
            *error = path + QStringLiteral(": no sentences");
        return false;
    }
    setReplay(lines);
    return true;
}

void GpsSimulator::setReplay(const QList<QByteArray>& lines)
{
    m_replay.clear();
    m_replayIndex = 0;
    for (const QByteArray& line : lines) {
        if (m_replay.isEmpty() || sentenceType(line) == "RMC")
            m_replay.append(QList<QByteArray>());
        m_replay.last().append(line);
    }
    // Sentences before the first RMC belong to a cycle of their own.
}

void GpsSimulator::clearReplay()
{
    m_replay.clear();
    m_replayIndex = 0;
}

void GpsSimulator::setFaults(Faults faults, double rate)
{
    m_faults = faults;
    m_faultRate = qBound(0.0, rate, 1.0);
}

void GpsSimulator::setSeed(quint32 seed)
{
    m_random.seed(seed);
}

void GpsSimulator::setNavigating(bool navigating)
{
    if (navigating == m_navigating)
        return;
    m_navigating = navigating;
    emit navigationChanged(navigating);
}

void GpsSimulator::start(int intervalMs)
{
    m_cycleTimer->start(qMax(1, intervalMs));
}

void GpsSimulator::stop()
{
    m_cycleTimer->stop();
}

QList<QByteArray> GpsSimulator::nextCycle()
{
    if (!m_replay.isEmpty()) {
        const QList<QByteArray> cycle = m_replay.at(m_replayIndex);
        m_replayIndex = (m_replayIndex + 1) % m_replay.size();
        ++m_cycle;
        return cycle;
    }
    QDateTime utc;
    if (m_route.start.isValid()) {
        utc = m_route.start.toUTC().addSecs(m_cycle);
    } else {
        utc = QDateTime::currentDateTimeUtc();
        utc.setTime(QTime(utc.time().hour(), utc.time().minute(), utc.time().second()));
        if (m_route.date.isValid())
            utc.setDate(m_route.date);
    }
    const QList<QByteArray> cycle = generatedCycle(utc);
    ++m_cycle;
    return cycle;
}

QList<QByteArray> GpsSimulator::generatedCycle(const QDateTime& timestamp)
{
    QDateTime utc = timestamp;
    if (m_faults.testFlag(OldDate)) {
        const QDate d = utc.date();
        utc.setDate(QDate(2015, d.month(), qMin(d.day(), QDate(2015, d.month(), 1).daysInMonth())));
    }
    const bool fix = !m_faults.testFlag(NoFix) && !m_faults.testFlag(ZeroNoFix);
    const QByteArray& talker = m_route.talker;

    // Where the walk has got to after m_cycle seconds.
    double perimeter = 0.0;
    for (int i = 0; i < kLoopCorners; ++i) {
        const double* a = kLoop[i];
        const double* b = kLoop[(i + 1) % kLoopCorners];
        perimeter += std::hypot(b[0] - a[0], b[1] - a[1]);
    }
    double along = std::fmod(m_cycle * m_route.speedMetresPerSecond, perimeter);
    double east = 0.0;
    double north = 0.0;
    double course = 0.0;
    for (int i = 0; i < kLoopCorners; ++i) {
        const double* a = kLoop[i];
        const double* b = kLoop[(i + 1) % kLoopCorners];
        const double length = std::hypot(b[0] - a[0], b[1] - a[1]);
        if (along <= length || i == kLoopCorners - 1) {
            const double f = length > 0 ? qMin(1.0, along / length) : 0.0;
            east = a[0] + f * (b[0] - a[0]);
            north = a[1] + f * (b[1] - a[1]);
            course = std::fmod(std::atan2(b[0] - a[0], b[1] - a[1]) * 180.0 / kPi + 360.0, 360.0);
            break;
        }
        along -= length;
    }
    const double latitude = m_route.latitude + north / kEarthRadius * 180.0 / kPi;
    const double longitude =
        m_route.longitude + east / (kEarthRadius * std::cos(m_route.latitude * kPi / 180.0)) * 180.0 / kPi;
    const double knots = m_route.speedMetresPerSecond * kMetresPerSecondToKnots;

    QList<Satellite> gps;
    for (int i = 0; i < m_route.gpsSatellites; ++i)
        gps.append(satellite(kGpsIds[i], i, m_cycle));
    QList<Satellite> glonass;
    for (int i = 0; i < m_route.glonassSatellites; ++i)
        glonass.append(satellite(65 + i, i + 3, m_cycle));

    const QByteArray time = utc.time().toString(QStringLiteral("hhmmss")).toLatin1() + ".00";
    const QByteArray date = utc.date().toString(QStringLiteral("ddMMyy")).toLatin1();
    const QByteArray lat = coordinate(latitude, 2) + (latitude < 0 ? ",S" : ",N");
    const QByteArray lon = coordinate(longitude, 3) + (longitude < 0 ? ",W" : ",E");

    QList<int> gpsUsed;
    QList<int> glonassUsed;
    if (fix) {
        for (const Satellite& s : qAsConst(gps))
            gpsUsed.append(s.id);
        if (talker == "GN") {
            for (const Satellite& s : qAsConst(glonass))
                glonassUsed.append(s.id);
        }
    }
    QList<int> used = (gpsUsed + glonassUsed).mid(0, 12);
    const double hdop = m_route.hdop;
    const double pdop = hdop * 1.6;
    const double vdop = hdop * 1.3;
    const bool nmea411 = m_route.nmea411;
    const QByteArray status411 = nmea411 ? ",V" : ""; // "no navigational status", as most receivers send
    const bool zeros = m_faults.testFlag(ZeroNoFix);

    QList<QByteArray> cycle;
    if (fix) {
        cycle.append(GpsNmea::sentence(talker + "RMC," + time + ",A," + lat + ',' + lon + ',' + number(knots, 3) + ','
                                       + number(course, 2) + ',' + date + ",,,A" + status411));
        cycle.append(GpsNmea::sentence(talker + "GGA," + time + ',' + lat + ',' + lon + ",1,"
                                       + twoDigits(int(used.size())) + ',' + number(hdop, 2) + ','
                                       + number(m_route.altitude, 1) + ",M," + number(m_route.geoidSeparation, 1)
                                       + ",M,,"));
    } else if (zeros) {
        const QByteArray origin = "0000.0000,N,00000.0000,E";
        cycle.append(GpsNmea::sentence(talker + "RMC," + time + ",V," + origin + ",,," + date + ",,,N" + status411));
        cycle.append(GpsNmea::sentence(talker + "GGA," + time + ',' + origin + ",0,00,,,M,,M,,"));
    } else {
        cycle.append(GpsNmea::sentence(talker + "RMC," + time + ",V,,,,,,," + date + ",,,N" + status411));
        cycle.append(GpsNmea::sentence(talker + "GGA," + time + ",,,,,0,00,99.99,,,,,,"));
    }
    auto gsa = [&](const QList<int>& ids, const QByteArray& systemId) {
        QByteArray body = talker + "GSA,A," + (fix ? "3" : "1");
        for (int i = 0; i < 12; ++i)
            body += ',' + (i < ids.size() ? twoDigits(ids.at(i)) : QByteArray());
        if (fix)
            body += ',' + number(pdop, 2) + ',' + number(hdop, 2) + ',' + number(vdop, 2);
        else
            body += zeros ? ",,," : ",99.99,99.99,99.99";
        if (!systemId.isEmpty())
            body += ',' + systemId;
        cycle.append(GpsNmea::sentence(body));
    };
    if (!nmea411) {
        gsa(used, QByteArray());
    } else {
        gsa(gpsUsed.mid(0, 12), "1");
        if (!glonassUsed.isEmpty())
            gsa(glonassUsed.mid(0, 12), "2");
    }
    if (m_route.vtg && fix) {
        cycle.append(GpsNmea::sentence("GPVTG," + number(course, 2) + ",T,,M," + number(knots, 3) + ",N,"
                                       + number(m_route.speedMetresPerSecond * 3.6, 3) + ",K,A"));
    }
    // Signal 1: L1 C/A of GPS, L1 of GLONASS.
    const QByteArray signalId = nmea411 ? "1" : "";
    cycle.append(gsvSentences("GP", gps, signalId));
    if (!glonass.isEmpty())
        cycle.append(gsvSentences("GL", glonass, signalId));
    return cycle;
}

bool GpsSimulator::hit()
{
    return m_faultRate >= 1.0 || m_random.generateDouble() < m_faultRate;
}

QByteArray GpsSimulator::applyFaults(const QByteArray& sentence)
{
    QByteArray line = sentence;
    if (m_faults.testFlag(BadChecksum) && hit()) {
        const int star = line.lastIndexOf('*');
        if (star > 0 && star + 3 == line.size()) {
            const quint8 wrong = quint8(line.mid(star + 1).toUInt(nullptr, 16) ^ 0x5a);
            line = line.left(star + 1) + QByteArray::number(wrong, 16).rightJustified(2, '0').toUpper();
        }
    }
    if (m_faults.testFlag(Truncated) && hit() && line.size() > 2)
        line.truncate(1 + int(m_random.bounded(quint32(line.size() - 2))));
    line += "\r\n";
    if (m_faults.testFlag(Garbage) && hit()) {
        QByteArray noise(8 + int(m_random.bounded(40u)), '\0');
        for (char& c : noise)
            c = char(m_random.bounded(256u));
        line.prepend(noise);
    }
    return line;
}

QList<QByteArray> GpsSimulator::emitCycle()
{
    if (!m_navigating)
        return {};
    const QList<QByteArray> cycle = nextCycle();
    for (const QByteArray& sentence : cycle)
        queue(applyFaults(sentence), m_faults.testFlag(SplitWrites) && hit());
    ++m_cyclesSent;
    emit cycleSent(m_cyclesSent);
    return cycle;
}

QByteArray GpsSimulator::withFaults(const QList<QByteArray>& sentences)
{
    QByteArray bytes;
    for (const QByteArray& sentence : sentences)
        bytes += applyFaults(sentence);
    return bytes;
}

bool GpsSimulator::writeRaw(const QByteArray& bytes)
{
    if (!isOpen())
        return false;
    queue(bytes, false);
    return true;
}

void GpsSimulator::queue(const QByteArray& bytes, bool split)
{
    if (!isOpen() || bytes.isEmpty())
        return;
    if (!split) {
        if (m_pending.isEmpty()) {
            m_peer->write(bytes);
            emit writesDone();
        } else {
            m_pending.append(bytes);
        }
        return;
    }
    // Two to four chunks, cut at random places.
    const int chunks = qMin(int(bytes.size()), 2 + int(m_random.bounded(3u)));
    QList<int> cuts;
    for (int i = 1; i < chunks; ++i)
        cuts.append(1 + int(m_random.bounded(quint32(bytes.size() - 1))));
    std::sort(cuts.begin(), cuts.end());
    int from = 0;
    for (const int cut : qAsConst(cuts)) {
        if (cut > from) {
            m_pending.append(bytes.mid(from, cut - from));
            from = cut;
        }
    }
    m_pending.append(bytes.mid(from));
    if (!m_chunkTimer->isActive())
        m_chunkTimer->start();
}

void GpsSimulator::flushPending()
{
    if (m_pending.isEmpty() || !isOpen()) {
        m_chunkTimer->stop();
        return;
    }
    m_peer->write(m_pending.takeFirst());
    if (m_pending.isEmpty()) {
        m_chunkTimer->stop();
        emit writesDone();
    }
}

void GpsSimulator::receive(const QByteArray& data)
{
    m_received.append(data);
    if (m_received.size() > kMaxReceived)
        m_received.remove(0, m_received.size() - kMaxReceived);

    m_ubxBuffer.append(data);
    for (;;) {
        const int sync = m_ubxBuffer.indexOf("\xb5\x62");
        if (sync < 0) {
            // Keep a last 0xB5: the second sync byte may come with the next read.
            m_ubxBuffer = m_ubxBuffer.endsWith('\xb5') ? QByteArray("\xb5", 1) : QByteArray();
            return;
        }
        m_ubxBuffer.remove(0, sync);
        if (m_ubxBuffer.size() < 6)
            return;
        const int length = quint8(m_ubxBuffer.at(4)) | quint8(m_ubxBuffer.at(5)) << 8;
        if (length > kMaxUbxPayload) {
            m_ubxBuffer.remove(0, 2);
            continue;
        }
        if (m_ubxBuffer.size() < 8 + length)
            return;
        const quint8 messageClass = quint8(m_ubxBuffer.at(2));
        const quint8 messageId = quint8(m_ubxBuffer.at(3));
        const QByteArray payload = m_ubxBuffer.mid(6, length);
        const QByteArray frame = m_ubxBuffer.left(8 + length);
        if (GpsNmea::ubxFrame(messageClass, messageId, payload) == frame) {
            m_ubxBuffer.remove(0, frame.size());
            handleUbx(messageClass, messageId, payload);
        } else {
            m_ubxBuffer.remove(0, 2); // not a frame after all: look for the next sync
        }
    }
}

void GpsSimulator::handleUbx(quint8 messageClass, quint8 messageId, const QByteArray& payload)
{
    emit ubxReceived(messageClass, messageId, payload);
    if (messageClass != 0x06 || messageId != 0x04 || payload.size() != 4)
        return;
    // CFG-RST: 0x08 stops the navigation; the other modes end with it running.
    const quint8 resetMode = quint8(payload.at(2));
    setNavigating(resetMode != 0x08);
}

QString GpsSimulator::controlHelp()
{
    return QStringLiteral(
        "  on | off              start or stop the navigation as the UBX messages do\n"
        "  send                  send one cycle now\n"
        "  fix | nofix           with or without a position\n"
        "  nofixzero             without a position, reported as \"V\" at 0/0 (GSA mode 1)\n"
        "  olddate | newdate     fixes dated in 2015, or the real date again\n"
        "  faults LIST | none    line faults: checksum, truncate, split, garbage\n"
        "  rate X                share of sentences the line faults hit (0 to 1)\n"
        "  satellites N          GPS satellites in view (0 to 32)\n"
        "  glonass N             GLONASS satellites in view (0 to 24)\n"
        "  hdop X                horizontal dilution of precision\n"
        "  altitude X | geoid X  metres above the geoid, geoid above the ellipsoid (signed)\n"
        "  nmea 4.11 | nmea 2.3  sentence layout: 4.11 adds status, system and signal ids\n"
        "  sentence BODY         send \"$BODY*hh\" with its checksum\n"
        "  garbage N             send N random bytes\n"
        "  status                what the receiver is doing\n");
}

QString GpsSimulator::status() const
{
    QStringList faults;
    const QPair<Fault, const char*> names[] = {{NoFix, "nofix"},       {OldDate, "olddate"},     {BadChecksum, "checksum"},
                                               {Truncated, "truncate"}, {SplitWrites, "split"}, {Garbage, "garbage"},
                                               {ZeroNoFix, "nofixzero"}};
    for (const auto& name : names) {
        if (m_faults.testFlag(name.first))
            faults.append(QString::fromLatin1(name.second));
    }
    return QStringLiteral("%1, %2 cycles sent, %3, faults: %4 (rate %5)")
        .arg(m_navigating ? QStringLiteral("navigating") : QStringLiteral("stopped"))
        .arg(m_cyclesSent)
        .arg(isReplaying() ? QStringLiteral("replaying a recording")
                           : QStringLiteral("%1 GPS + %2 GLONASS satellites, HDOP %3")
                                 .arg(m_route.gpsSatellites)
                                 .arg(m_route.glonassSatellites)
                                 .arg(m_route.hdop))
        .arg(faults.isEmpty() ? QStringLiteral("none") : faults.join(QLatin1Char(',')))
        .arg(m_faultRate);
}

QString GpsSimulator::control(const QString& line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString command = words.first().toLower();
    const QString argument = words.mid(1).join(QLatin1Char(' '));
    bool ok = false;
    if (command == QLatin1String("help"))
        return controlHelp();
    if (command == QLatin1String("status"))
        return status();
    if (command == QLatin1String("on") || command == QLatin1String("off")) {
        setNavigating(command == QLatin1String("on"));
        return status();
    }
    if (command == QLatin1String("send")) {
        if (!m_navigating)
            return QStringLiteral("stopped: nothing sent");
        emitCycle();
        return status();
    }
    if (command == QLatin1String("fix") || command == QLatin1String("nofix") || command == QLatin1String("nofixzero")) {
        m_faults.setFlag(NoFix, command == QLatin1String("nofix"));
        m_faults.setFlag(ZeroNoFix, command == QLatin1String("nofixzero"));
        return status();
    }
    if (command == QLatin1String("olddate") || command == QLatin1String("newdate")) {
        m_faults.setFlag(OldDate, command == QLatin1String("olddate"));
        return status();
    }
    if (command == QLatin1String("faults")) {
        Faults faults = m_faults & (NoFix | OldDate | ZeroNoFix);
        for (const QString& name : argument.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString n = name.trimmed().toLower();
            if (n == QLatin1String("checksum"))
                faults |= BadChecksum;
            else if (n == QLatin1String("truncate"))
                faults |= Truncated;
            else if (n == QLatin1String("split"))
                faults |= SplitWrites;
            else if (n == QLatin1String("garbage"))
                faults |= Garbage;
            else if (n != QLatin1String("none"))
                return QStringLiteral("unknown fault \"%1\"").arg(name);
        }
        m_faults = faults;
        return status();
    }
    if (command == QLatin1String("rate")) {
        const double rate = argument.toDouble(&ok);
        if (!ok || rate < 0 || rate > 1)
            return QStringLiteral("rate takes a number from 0 to 1");
        m_faultRate = rate;
        return status();
    }
    if (command == QLatin1String("satellites") || command == QLatin1String("glonass")
        || command == QLatin1String("hdop")) {
        const double value = argument.toDouble(&ok);
        if (!ok || value < 0)
            return command + QStringLiteral(" takes a number");
        if (command == QLatin1String("satellites"))
            m_route.gpsSatellites = qBound(0, int(value), kMaxGps);
        else if (command == QLatin1String("glonass"))
            m_route.glonassSatellites = qBound(0, int(value), kMaxGlonass);
        else
            m_route.hdop = value;
        return status();
    }
    if (command == QLatin1String("altitude") || command == QLatin1String("geoid")) {
        const double value = argument.toDouble(&ok);
        if (!ok || std::fabs(value) > 9999)
            return command + QStringLiteral(" takes metres from -9999 to 9999");
        (command == QLatin1String("altitude") ? m_route.altitude : m_route.geoidSeparation) = value;
        return status();
    }
    if (command == QLatin1String("nmea")) {
        if (argument != QLatin1String("4.11") && argument != QLatin1String("2.3"))
            return QStringLiteral("nmea takes 4.11 or 2.3");
        m_route.nmea411 = argument == QLatin1String("4.11");
        return status();
    }
    if (command == QLatin1String("sentence") && !argument.isEmpty()) {
        writeRaw(GpsNmea::sentence(argument.toLatin1()) + "\r\n");
        return QStringLiteral("sent");
    }
    if (command == QLatin1String("garbage")) {
        const int size = argument.toInt(&ok);
        if (!ok || size < 1 || size > 65536)
            return QStringLiteral("garbage takes a byte count from 1 to 65536");
        QByteArray noise(size, '\0');
        for (char& c : noise)
            c = char(m_random.bounded(256u));
        writeRaw(noise);
        return QStringLiteral("sent");
    }
    return QString();
}
