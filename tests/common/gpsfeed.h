#ifndef GPSFEED_H
#define GPSFEED_H

#include <QByteArray>
#include <QDateTime>
#include <QGeoPositionInfo>
#include <QList>
#include <QStringList>

class Gps;
class GpsSimulator;
class NmeaPositionInfoSourceRaw;

namespace TestSupport {

class DeviceRoot;

// The cycles of a recording in tests/data/nmea, each a list of sentences.
QList<QList<QByteArray>> nmeaRecording(const char* name);
// The clock-setting commands ("date ...", "hwclock ...") recorded on the device so far.
QStringList clockCommands(const DeviceRoot& device);
// The commands that set the clock to a local date and time given as the commands write them
// ("2024-6-15", "11:0:0"), the hardware clock last.
QStringList clockSetting(const char* date, const char* time);
// A GPS time stamp.
QDateTime utcAt(int year, int month, int day, int hour, int minute, int second);
// The columns of a test of the clock set from a time stamp: "utc" (QDateTime), the
// settings' "zoneOffset" and "summerTime" (int), and the "commands" (QStringList).
void addClockSettingColumns();

// Feeds an instrument's Gps from the simulated receiver on its line, one step at a time:
// the sentences are written, read by the instrument, and then the update step runs as the
// library's position signal would run it. The library's own update timer is stopped, so
// that it cannot run the step in between with whatever has arrived by then.
class GpsFeed
{
public:
    enum class Feed { Whole, ByteByByte, Split };

    // False when the Gps has no position source.
    bool attach(GpsSimulator* sim, Gps* gps);
    NmeaPositionInfoSourceRaw* source() const { return m_source; }

    // Writes the sentences (at once, byte by byte, or in chunks cut across them, each read
    // before the next is written) and waits until the instrument has read them all.
    bool send(const QList<QByteArray>& sentences, Feed feed = Feed::Whole);
    // send(), then the update step.
    bool deliver(const QList<QByteArray>& sentences, Feed feed = Feed::Whole);
    // The simulator's next cycle over the line (it must be navigating), then the update step.
    bool emitCycle();

private:
    void settle(const QList<QByteArray>& sentences, const QGeoPositionInfo& before);

    GpsSimulator* m_sim = nullptr;
    Gps* m_gps = nullptr;
    NmeaPositionInfoSourceRaw* m_source = nullptr;
    int m_barriers = 0;
};

} // namespace TestSupport

#endif // GPSFEED_H
