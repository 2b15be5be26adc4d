#include "Hardware/gps.h"
#include "Hardware/nmeapositioninfosourceraw.h"
#include "gpssim.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <cmath>

using TestSupport::DeviceRoot;

namespace {

QList<QByteArray> corpus()
{
    QList<QByteArray> sentences;
    for (const char* name : {"walk.nmea", "glonass.nmea", "cold-start.nmea", "old-date.nmea", "no-fix.nmea",
                             "nmea-4.11.nmea", "negative-height.nmea"}) {
        QFile file(qEnvironmentVariable("TK9400_SOURCE_DIR") + "/tests/data/nmea/" + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QByteArray sentence = line.trimmed();
            if (sentence.startsWith('$'))
                sentences.append(sentence);
        }
    }
    return sentences;
}

// Damages sentences the ways a hostile or broken sender could: fields replaced, dropped
// or repeated, types swapped, bytes flipped, lines cut, overlong or binary.
class Mutator
{
public:
    explicit Mutator(quint32 seed)
        : m_random(seed)
    {
    }

    QByteArray line(const QList<QByteArray>& corpus)
    {
        const QByteArray original = corpus.at(int(m_random.bounded(quint32(corpus.size()))));
        switch (m_random.bounded(10u)) {
        case 0:
        case 1:
            return original + "\r\n";
        case 2:
        case 3:
        case 4:
        case 5:
            return GpsNmea::sentence(mutatedBody(original)) + "\r\n";
        case 6: { // a flipped byte, checksum left as it was
            QByteArray damaged = original;
            damaged[int(m_random.bounded(quint32(damaged.size())))] = char(m_random.bounded(256u));
            return damaged + "\r\n";
        }
        case 7: // cut short, with or without its line end
            return original.left(int(m_random.bounded(quint32(original.size())))) + (m_random.bounded(2u) ? "\r\n" : "");
        case 8:
            return noise(1 + int(m_random.bounded(60u)));
        default:
            return QByteArray(900 + int(m_random.bounded(400u)), char('0' + m_random.bounded(10u))) + "\r\n";
        }
    }

    QList<QByteArray> chunks(const QByteArray& bytes)
    {
        QList<QByteArray> result;
        for (int i = 0; i < bytes.size();) {
            const int n = 1 + int(m_random.bounded(quint32(qMin(200, int(bytes.size()) - i))));
            result.append(bytes.mid(i, n));
            i += n;
        }
        return result;
    }

    quint32 bounded(quint32 n) { return m_random.bounded(n); }

private:
    QByteArray noise(int size)
    {
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(m_random.bounded(256u));
        return bytes;
    }

    QByteArray field()
    {
        static const char* const odd[] = {"",       "-5",         "1e308", "999999999999999999999", "00", "+1",
                                          " 1",     "1.2.3",      "nan",   "inf",                   "0x1F", "٣",
                                          "99.99", "2147483648", "A",     ",,,",                   "*",  "$GPRMC",
                                          "-0.0",  "-99999.9",   "--1",   "-",                     "1-2"};
        switch (m_random.bounded(4u)) {
        case 0:
            return odd[m_random.bounded(quint32(sizeof odd / sizeof odd[0]))];
        case 1:
            return QByteArray::number(m_random.bounded(1000000000u)).left(1 + int(m_random.bounded(12u)));
        case 2:
            return QByteArray::number(m_random.bounded(100000u)) + char(m_random.bounded(2u) ? '.' : 'x')
                + QByteArray::number(m_random.bounded(10000u));
        default: {
            QByteArray printable(1 + int(m_random.bounded(8u)), ' ');
            for (char& c : printable)
                c = char(0x21 + m_random.bounded(94u));
            return printable;
        }
        }
    }

    QByteArray mutatedBody(const QByteArray& sentence)
    {
        QList<QByteArray> fields = sentence.mid(1, sentence.indexOf('*') - 1).split(',');
        const int mutations = 1 + int(m_random.bounded(3u));
        for (int m = 0; m < mutations; ++m) {
            const int index = 1 + int(m_random.bounded(quint32(qMax(1, int(fields.size()) - 1))));
            switch (m_random.bounded(5u)) {
            case 0:
            case 1:
                if (index < fields.size())
                    fields[index] = field();
                break;
            case 2:
                if (index < fields.size())
                    fields.removeAt(index);
                break;
            case 3:
                fields.insert(qMin(index, int(fields.size())), field());
                break;
            default: { // another sentence type with these fields
                static const char* const types[] = {"GPRMC", "GNGGA", "GPGSA", "GPGSV", "GLGSV", "GNRMC", "GPVTG"};
                fields[0] = types[m_random.bounded(quint32(sizeof types / sizeof types[0]))];
                break;
            }
            }
        }
        return fields.join(',');
    }

    QRandomGenerator m_random;
};

bool printable(const QString& text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char('\n') && (c.unicode() < 0x20 || c.unicode() > 0x7e))
            return false;
    }
    return true;
}

// Everything a reader of the Gps may see stays within what a receiver could report.
QString implausible(const Gps& gps, const NmeaPositionInfoSourceRaw& source)
{
    const auto within = [](double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; };
    if (!within(gps.getLatitude(), -90, 90) || !within(gps.getLongitude(), -180, 180))
        return QStringLiteral("position %1 %2").arg(gps.getLatitude()).arg(gps.getLongitude());
    if (gps.getNumSatellitesInView() < 0 || gps.getNumSatellitesInView() > 99)
        return QStringLiteral("in view %1").arg(gps.getNumSatellitesInView());
    if (gps.getNumSatellitesUsed() < 0 || gps.getNumSatellitesUsed() > 12)
        return QStringLiteral("used %1").arg(gps.getNumSatellitesUsed());
    for (const qreal dop : {gps.getGpsInfoPdop(), gps.getGpsInfoHdop(), gps.getGpsInfoVdop()}) {
        if (!within(dop, 0, 1000))
            return QStringLiteral("DOP %1").arg(dop);
    }
    if (!within(gps.getGpsSpeedOverGround(), 0, 1000) || !within(gps.getGpsCourseOverGround(), 0, 360)
        || !within(gps.getGpsHeightOverSea(), -50000, 50000))
        return QStringLiteral("speed, course or height");
    for (int i = 0; i < Gps::kMaxSatellites; ++i) {
        if (gps.getGsvSatelliteId(i) < 0 || gps.getGsvSatelliteId(i) > 999 || gps.getGsvElevation(i) < 0
            || gps.getGsvElevation(i) > 90 || gps.getGsvAzimuth(i) < 0 || gps.getGsvAzimuth(i) > 360
            || gps.getGsvSnr(i) < 0 || gps.getGsvSnr(i) > 99)
            return QStringLiteral("satellite entry %1").arg(i);
    }
    static const QRegularExpression clock(QStringLiteral("^(NO GPS|\\.\\.\\.|[0-2]\\d:[0-5]\\d:[0-6]\\d)$"));
    if (!clock.match(gps.getRmcUtcTime()).hasMatch())
        return QStringLiteral("time text ") + gps.getRmcUtcTime();
    if (gps.getGpsQuality() < 0 || gps.getGpsQuality() > 100)
        return QStringLiteral("quality %1").arg(gps.getGpsQuality());
    if (!printable(gps.getNmeaString()))
        return QStringLiteral("raw text");
    QStringList kept = {source.getNmeaGgaString(), source.getNmeaGsaString(), source.getNmeaRmcString(),
                        source.getNmeaVtgString()};
    for (int n = 0; n < NmeaPositionInfoSourceRaw::kGsvEntries; ++n)
        kept.append(source.getNmeaGsvString(n));
    for (const QString& sentence : qAsConst(kept)) {
        if (!sentence.isEmpty() && !NmeaPositionInfoSourceRaw::isIntactSentence(sentence.toLatin1()))
            return QStringLiteral("kept ") + sentence;
    }
    return QString();
}

// The clock commands name a real local date and time, whatever the fix said.
QString malformedClockCommand(const QStringList& commands)
{
    static const QRegularExpression date(QStringLiteral("^date \\+%F -s (\\d+)-(\\d+)-(\\d+)$"));
    static const QRegularExpression time(QStringLiteral("^date \\+%T -s (\\d+):(\\d+):(\\d+)$"));
    for (const QString& command : commands) {
        const QRegularExpressionMatch d = date.match(command);
        const QRegularExpressionMatch t = time.match(command);
        if (d.hasMatch()) {
            if (!QDate(d.captured(1).toInt(), d.captured(2).toInt(), d.captured(3).toInt()).isValid()
                || d.captured(1).toInt() < 2015 || d.captured(1).toInt() > 2051)
                return command;
        } else if (t.hasMatch()) {
            if (!QTime(t.captured(1).toInt(), t.captured(2).toInt(), t.captured(3).toInt()).isValid())
                return command;
        } else if (command != QLatin1String("hwclock -w -f /dev/rtc0")) {
            return command;
        }
    }
    return QString();
}

} // namespace

class TestGpsFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void randomAndMutatedSentencesNeverYieldImplausibleValues()
    {
        const QList<QByteArray> sentences = corpus();
        QVERIFY(sentences.size() > 50);
        const quint32 seed = qEnvironmentVariableIsSet("TK9400_FUZZ_SEED")
            ? quint32(qEnvironmentVariableIntValue("TK9400_FUZZ_SEED"))
            : 0x9a5f00du;
        const int seconds = qEnvironmentVariableIsSet("TK9400_FUZZ_SECONDS") ? qEnvironmentVariableIntValue("TK9400_FUZZ_SECONDS") : 3;
        const QString run = QStringLiteral("seed %1").arg(seed);

        DeviceRoot device;
        GpsSimulator sim;
        QVERIFY(sim.open(device.hostPath("/dev/ttyO1")));
        sim.setSeed(seed);
        sim.setFaults(GpsSimulator::BadChecksum | GpsSimulator::Truncated | GpsSimulator::Garbage
                          | GpsSimulator::SplitWrites,
                      0.25);
        Gps gps;
        gps.initGps();
        auto* source = gps.findChild<NmeaPositionInfoSourceRaw*>();
        QVERIFY(source);
        gps.switchOnGpsModul();
        QTRY_VERIFY(sim.isNavigating());

        Mutator mutator(seed);
        QElapsedTimer elapsed;
        elapsed.start();
        int batches = 0;
        while (elapsed.elapsed() < seconds * 1000) {
            if (mutator.bounded(4u) == 0) {
                sim.emitCycle(); // the simulator's own bad day
            } else {
                QByteArray batch;
                for (int i = 0, n = 1 + int(mutator.bounded(25u)); i < n; ++i)
                    batch += mutator.line(sentences);
                // Read as it comes, so the line never backs up.
                for (const QByteArray& chunk : mutator.chunks(batch)) {
                    sim.writeRaw(chunk);
                    QCoreApplication::processEvents();
                }
            }
            // End whatever line the batch left open, then wait until all has been read.
            const QByteArray vtg = GpsNmea::sentence("GPVTG," + QByteArray::number(++batches) + ".00,T,,M,0.000,N,0.000,K,A");
            sim.writeRaw("\r\n" + vtg + "\r\n");
            QElapsedTimer wait;
            wait.start();
            while (source->getNmeaVtgString() != QString::fromLatin1(vtg)) {
                QVERIFY2(wait.elapsed() < TestSupport::timeBound(5000), qPrintable(run));
                QCoreApplication::processEvents();
                QThread::usleep(50);
            }

            if (mutator.bounded(8u) == 0)
                gps.enableSystemTimeSettingViaGps(true);
            gps.updatePosition();
            const QString problem = implausible(gps, *source);
            QVERIFY2(problem.isEmpty(), qPrintable(run + QStringLiteral(", batch %1: ").arg(batches) + problem));
        }
        QVERIFY2(malformedClockCommand(device.commands()).isEmpty(),
                 qPrintable(run + ": " + malformedClockCommand(device.commands())));
        QVERIFY(batches > 20);

        // One good cycle afterwards and every figure is right again.
        sim.setFaults({});
        GpsSimulator reader;
        QVERIFY(reader.loadReplay(qEnvironmentVariable("TK9400_SOURCE_DIR") + "/tests/data/nmea/walk.nmea"));
        QByteArray cycle;
        for (const QByteArray& sentence : reader.nextCycle())
            cycle += sentence + "\r\n";
        const QByteArray vtg = GpsNmea::sentence("GPVTG,0.00,T,,M,0.000,N,0.000,K,A");
        sim.writeRaw("\r\n" + cycle + vtg + "\r\n");
        QTRY_COMPARE(source->getNmeaVtgString(), QString::fromLatin1(vtg));
        // The position itself is the library's: it takes no fix older than the newest it
        // has seen, and mutated dates reach far into the future.
        gps.updatePosition();
        QCOMPARE(gps.getNumSatellitesInView(), 11);
        QCOMPARE(gps.getNumSatellitesUsed(), 11);
        QCOMPARE(gps.getGpsInfoHdop(), qreal(0.9));
        QCOMPARE(gps.getGpsHeightOverSea(), qreal(519.0));
        QCOMPARE(gps.getRmcUtcTime(), QString("10:00:00"));
        QCOMPARE(gps.getGsvSatelliteId(10), 27);
        QCOMPARE(gps.getGsvSatelliteId(11), 0);
    }
};

QTEST_MAIN(TestGpsFuzz)
#include "tst_gpsfuzz.moc"
