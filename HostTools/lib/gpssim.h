#ifndef GPSSIM_H
#define GPSSIM_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QString>

class PtyPeer;
class QTimer;

// NMEA 0183 and UBX framing as a GNSS receiver writes and reads it.
namespace GpsNmea {
// The two upper-case hex digits of the XOR of every byte of `body`.
QByteArray checksum(const QByteArray& body);
// "$" body "*hh", without a line end.
QByteArray sentence(const QByteArray& body);
bool hasValidChecksum(const QByteArray& sentence);
// A complete UBX frame: sync, class, id, length, payload, Fletcher checksum.
QByteArray ubxFrame(quint8 messageClass, quint8 messageId, const QByteArray& payload);
} // namespace GpsNmea

// A simulated GNSS receiver on the device end of a pseudo-terminal (the instrument's
// "/dev/ttyO1", 9600 baud). Like the real receiver it navigates only between the UBX
// CFG-RST "start" and "stop" messages and then sends one cycle of RMC, GGA, GSA and GSV
// sentences a second, generated along a walking route or replayed from a recording.
// It can also behave like a receiver on a bad day. Tests drive it cycle by cycle.
class GpsSimulator : public QObject
{
    Q_OBJECT
public:
    enum Fault {
        NoFix = 0x01,       // time and satellites, but no position
        OldDate = 0x02,     // a fix dated in 2015
        BadChecksum = 0x04, // sentences with a wrong checksum
        Truncated = 0x08,   // sentences cut short
        SplitWrites = 0x10, // sentences written in chunks, a few milliseconds apart
        Garbage = 0x20,     // binary bytes between the sentences
        ZeroNoFix = 0x40,   // no position, reported as "V" at 0/0 with GSA mode 1
    };
    Q_DECLARE_FLAGS(Faults, Fault)

    struct Route
    {
        double latitude = 48.137154; // start of the walk, degrees
        double longitude = 11.576124;
        double speedMetresPerSecond = 1.4;
        double altitude = 519.0; // metres above the geoid; negative below it
        double geoidSeparation = 47.6; // geoid above the ellipsoid; negative below it
        int gpsSatellites = 9; // in view; the first 12 of all are used for the fix
        int glonassSatellites = 0;
        double hdop = 0.9;
        QByteArray talker = "GN"; // of RMC, GGA and GSA: "GP" or "GN"
        bool vtg = false;         // add a GPVTG sentence to each cycle
        // The NMEA 4.11 layout: RMC with the navigational status, one GSA per system with
        // its system id, GSV with the signal id.
        bool nmea411 = false;
        QDateTime start;          // UTC of the first cycle; invalid: the host clock
        QDate date;               // with the host clock: this date instead of today's
    };

    explicit GpsSimulator(QObject* parent = nullptr);
    ~GpsSimulator() override;

    // Creates the pseudo-terminal and links its slave at `linkPath`.
    bool open(const QString& linkPath, QString* error = nullptr);
    void close();
    bool isOpen() const;
    QString slaveName() const;

    void setRoute(const Route& route);
    Route route() const { return m_route; }
    // Replays the sentences of a recording instead of the route, cycle by cycle (a cycle
    // begins at each RMC), from the start again after the last. Lines starting with "#"
    // and empty lines are skipped.
    bool loadReplay(const QString& path, QString* error = nullptr);
    void setReplay(const QList<QByteArray>& lines);
    void clearReplay();
    bool isReplaying() const { return !m_replay.isEmpty(); }

    // `rate` is the share of sentences hit by the line faults (checksum, truncation,
    // garbage, split writes); NoFix and OldDate apply to every generated cycle.
    void setFaults(Faults faults, double rate = 1.0);
    Faults faults() const { return m_faults; }
    void setSeed(quint32 seed);

    bool isNavigating() const { return m_navigating; }
    void setNavigating(bool navigating);

    // The 1 Hz output; a cycle is sent on each tick while navigating.
    void start(int intervalMs = 1000);
    void stop();

    // The sentences of the next cycle, without line ends and faults; advances the walk.
    QList<QByteArray> nextCycle();
    // Sends the next cycle now, with the faults applied, and returns its intact sentences.
    // Sends nothing and returns nothing while not navigating.
    QList<QByteArray> emitCycle();
    // Writes the bytes as they are (now, or after chunks still pending).
    bool writeRaw(const QByteArray& bytes);
    bool hasPendingWrites() const { return !m_pending.isEmpty(); }
    // The bytes a cycle goes out as, with the line faults applied (for recordings).
    QByteArray withFaults(const QList<QByteArray>& sentences);
    int cyclesSent() const { return m_cyclesSent; }

    // One control line ("help" lists them); answers with a line of text, or an empty
    // string when the line is not understood.
    QString control(const QString& line);
    static QString controlHelp();
    QString status() const;

    // Everything the instrument wrote to the receiver.
    QByteArray received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

signals:
    void ubxReceived(quint8 messageClass, quint8 messageId, const QByteArray& payload);
    void navigationChanged(bool navigating);
    void cycleSent(int cycle);
    void writesDone();

private:
    QList<QByteArray> generatedCycle(const QDateTime& utc);
    QByteArray applyFaults(const QByteArray& sentence);
    void queue(const QByteArray& bytes, bool split);
    void flushPending();
    void receive(const QByteArray& data);
    void handleUbx(quint8 messageClass, quint8 messageId, const QByteArray& payload);
    bool hit();

    PtyPeer* m_peer = nullptr;
    QTimer* m_cycleTimer = nullptr;
    QTimer* m_chunkTimer = nullptr;
    Route m_route;
    QList<QList<QByteArray>> m_replay;
    int m_replayIndex = 0;
    Faults m_faults;
    double m_faultRate = 1.0;
    QRandomGenerator m_random;
    bool m_navigating = false;
    int m_cycle = 0;
    int m_cyclesSent = 0;
    QList<QByteArray> m_pending;
    QByteArray m_ubxBuffer;
    QByteArray m_received;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(GpsSimulator::Faults)

#endif // GPSSIM_H
