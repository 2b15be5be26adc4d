#include "gpsfeed.h"

#include "Hardware/gps.h"
#include "Hardware/nmeapositioninfosourceraw.h"
#include "gpssim.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTest>

namespace TestSupport {

namespace {

QList<QByteArray> fields(const QByteArray& sentence)
{
    return sentence.left(sentence.indexOf('*')).split(',');
}

// Whether the library makes a position of the sentences: a time and a coordinate.
bool carriesPosition(const QList<QByteArray>& sentences)
{
    for (const QByteArray& sentence : sentences) {
        const QList<QByteArray> f = fields(sentence);
        if (f.at(0).endsWith("RMC") && !f.value(1).isEmpty() && !f.value(3).isEmpty())
            return true;
        if (f.at(0).endsWith("GGA") && f.value(6).toInt() > 0)
            return true;
    }
    return false;
}

// The barrier: the VTG sentence is kept by the instrument once it has read all before it.
const int kReadTimeoutMs = 5000;
// The library hands a position on only after the sentences of its second have stopped
// coming for a moment.
const int kPositionTimeoutMs = 300;

} // namespace

QList<QList<QByteArray>> nmeaRecording(const char* name)
{
    GpsSimulator reader;
    QList<QList<QByteArray>> cycles;
    if (!reader.loadReplay(qEnvironmentVariable("TK9400_SOURCE_DIR") + QStringLiteral("/tests/data/nmea/")
                           + QLatin1String(name)))
        return cycles;
    QList<QByteArray> cycle = reader.nextCycle();
    while (cycles.isEmpty() || cycle != cycles.first()) {
        cycles.append(cycle);
        cycle = reader.nextCycle();
    }
    return cycles;
}

QStringList clockCommands(const DeviceRoot& device)
{
    QStringList result;
    for (const QString& command : device.commands()) {
        if (command.startsWith(QLatin1String("date ")) || command.startsWith(QLatin1String("hwclock")))
            result.append(command);
    }
    return result;
}

QStringList clockSetting(const char* date, const char* time)
{
    return {QStringLiteral("date +%F -s ") + QLatin1String(date), QStringLiteral("date +%T -s ") + QLatin1String(time),
            QStringLiteral("hwclock -w -f /dev/rtc0")};
}

QDateTime utcAt(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

void addClockSettingColumns()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<int>("zoneOffset");
    QTest::addColumn<int>("summerTime");
    QTest::addColumn<QStringList>("commands");
}

bool GpsFeed::attach(GpsSimulator* sim, Gps* gps)
{
    m_sim = sim;
    m_gps = gps;
    m_source = gps ? gps->findChild<NmeaPositionInfoSourceRaw*>() : nullptr;
    if (!m_source)
        return false;
    m_source->stopUpdates();
    return true;
}

bool GpsFeed::send(const QList<QByteArray>& sentences, Feed feed)
{
    QByteArray bytes;
    for (const QByteArray& sentence : sentences)
        bytes += sentence + "\r\n";
    const int chunk = feed == Feed::ByteByByte ? 1 : feed == Feed::Split ? 23 : int(bytes.size());
    for (int i = 0; i < bytes.size(); i += chunk) {
        m_sim->writeRaw(bytes.mid(i, chunk));
        QCoreApplication::processEvents();
    }
    const QByteArray vtg =
        GpsNmea::sentence("GPVTG," + QByteArray::number(++m_barriers) + ".00,T,,M,0.000,N,0.000,K,A");
    m_sim->writeRaw(vtg + "\r\n");
    return QTest::qWaitFor([&] { return m_source->getNmeaVtgString() == QString::fromLatin1(vtg); },
        TestSupport::timeBound(kReadTimeoutMs));
}

bool GpsFeed::deliver(const QList<QByteArray>& sentences, Feed feed)
{
    const QGeoPositionInfo before = m_source->lastKnownPosition(false);
    if (!send(sentences, feed))
        return false;
    settle(sentences, before);
    return true;
}

bool GpsFeed::emitCycle()
{
    const QGeoPositionInfo before = m_source->lastKnownPosition(false);
    const QList<QByteArray> cycle = m_sim->emitCycle();
    if (cycle.isEmpty() || !send({}))
        return false;
    settle(cycle, before);
    return true;
}

void GpsFeed::settle(const QList<QByteArray>& sentences, const QGeoPositionInfo& before)
{
    if (carriesPosition(sentences))
        (void)QTest::qWaitFor(
            [&] { return m_source->lastKnownPosition(false) != before; }, TestSupport::timeBound(kPositionTimeoutMs));
    m_gps->updatePosition();
}

} // namespace TestSupport
