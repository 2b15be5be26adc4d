#include "Hardware/nmeapositioninfosourceraw.h"
#include "Hardware/platform.h"
#include "gpssim.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>
#include <QtTest>

#include <memory>

using TestSupport::DeviceRoot;

namespace {

QByteArray nmea(const QByteArray& body)
{
    return GpsNmea::sentence(body);
}

const QByteArray kRmc = nmea("GPRMC,123519.00,A,4807.03800,N,01131.00000,E,0.022,84.40,230324,,,A");
const QByteArray kRmc2 = nmea("GNRMC,123520.00,A,4807.03810,N,01131.00020,E,0.031,84.10,230324,,,A");
const QByteArray kGga = nmea("GPGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.90,545.4,M,46.9,M,,");
const QByteArray kGsa = nmea("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");

// Spins the event loop until `done` holds, without the 10 ms naps of QTest::qWaitFor,
// so that feeding a line byte by byte stays fast.
template <typename Predicate>
bool spinUntil(Predicate done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > TestSupport::timeBound(timeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(50);
    }
    return true;
}

// The receiver end and the instrument end of one serial line, with the position source
// reading the instrument's port as it does on the device.
struct Line
{
    DeviceRoot device;
    GpsSimulator sim;
    QSerialPort port;
    std::unique_ptr<NmeaPositionInfoSourceRaw> source;
    int barriers = 0;

    bool open()
    {
        QString error;
        if (!sim.open(device.hostPath("/dev/ttyO1"), &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        port.setPortName(Platform::devicePath("/dev/ttyO1"));
        if (!port.open(QIODevice::ReadWrite))
            return false;
        port.setBaudRate(QSerialPort::Baud9600);
        source.reset(new NmeaPositionInfoSourceRaw(QNmeaPositionInfoSource::RealTimeMode));
        source->setDevice(&port);
        source->setUpdateInterval(1200);
        source->startUpdates();
        return true;
    }

    // Writes the stream in the given chunks; each chunk that ends inside a line is
    // waited for until the port holds it, so the source sees the line in parts.
    bool feed(const QList<QByteArray>& chunks)
    {
        QByteArray sent;
        for (const QByteArray& chunk : chunks) {
            sim.writeRaw(chunk);
            sent += chunk;
            const int tail = int(sent.size() - sent.lastIndexOf('\n') - 1);
            if (tail > 0 && !spinUntil([&] { return port.bytesAvailable() == tail; }))
                return false;
        }
        return barrier();
    }

    // A VTG sentence behind everything written so far: once the source keeps it, it has
    // read all that came before.
    bool barrier()
    {
        const QByteArray vtg = nmea("GPVTG," + QByteArray::number(++barriers) + ".00,T,,M,0.000,N,0.000,K,A");
        sim.writeRaw(vtg + "\r\n");
        return spinUntil([&] { return source->getNmeaVtgString() == QString::fromLatin1(vtg); });
    }
};

enum Chunking { Whole, ByteByByte, Chunks, MidLine };

QList<QByteArray> cut(const QByteArray& stream, int chunking)
{
    QList<QByteArray> chunks;
    switch (chunking) {
    case Whole:
        chunks.append(stream);
        break;
    case ByteByByte:
        for (const char c : stream)
            chunks.append(QByteArray(1, c));
        break;
    case Chunks:
        for (int i = 0, n = 3; i < stream.size(); i += n, n = n % 7 + 2)
            chunks.append(stream.mid(i, n));
        break;
    case MidLine: {
        int from = 0;
        for (int end = stream.indexOf('\n'); end >= 0; end = stream.indexOf('\n', end + 1)) {
            const int middle = from + (end - from) / 2;
            chunks.append(stream.mid(from, middle - from));
            chunks.append(stream.mid(middle, end + 1 - middle));
            from = end + 1;
        }
        if (from < stream.size())
            chunks.append(stream.mid(from));
        break;
    }
    }
    return chunks;
}

} // namespace

class TestNmeaPositionInfoSourceRaw : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // How the line arrives must not matter: whole, byte by byte, in odd chunks or cut in
    // the middle of every sentence; and broken lines must never replace good ones.
    void keepsSentencesHoweverTheLineArrives_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("chunking");
        QTest::addColumn<QByteArray>("rmc");
        QTest::addColumn<QByteArray>("gga");

        const QByteArray badChecksum = kRmc.left(kRmc.size() - 2) + (kRmc.endsWith("00") ? "01" : "00");
        const QByteArray lowerCase = kRmc2.left(kRmc2.size() - 2) + kRmc2.right(2).toLower();
        struct Case
        {
            const char* name;
            QByteArray stream;
            QByteArray rmc;
            QByteArray gga;
        };
        const QList<Case> cases = {
            {"CR LF", kRmc + "\r\n" + kGga + "\r\n", kRmc, kGga},
            {"LF only", kRmc + "\n" + kGga + "\n", kRmc, kGga},
            {"LF CR", kRmc + "\n\r" + kGga + "\n\r", kRmc, kGga},
            {"blank lines between", "\r\n\r\n" + kRmc + "\r\n\r\n\r\n" + kGga + "\r\n", kRmc, kGga},
            {"bad checksum then valid", badChecksum + "\r\n" + kGga + "\r\n", QByteArray(), kGga},
            {"valid then bad checksum", kRmc + "\r\n" + badChecksum + "\r\n", kRmc, QByteArray()},
            {"checksum in lower case", lowerCase + "\r\n", lowerCase, QByteArray()},
            {"no checksum", kRmc.left(kRmc.indexOf('*')) + "\r\n" + kGga + "\r\n", QByteArray(), kGga},
            {"truncated then valid", kRmc.left(30) + "\r\n" + kGga + "\r\n", QByteArray(), kGga},
            {"truncated without line end", kRmc.left(30) + kRmc2 + "\r\n" + kGga + "\r\n", QByteArray(), kGga},
            {"overlong line resyncs", QByteArray(3000, 'A') + "\r\n" + kRmc + "\r\n" + kGga + "\r\n", kRmc, kGga},
            {"binary garbage line", QByteArray("\x00\xff\xb5\x62\x06\x04\x80\x0d", 8) + "\r\n" + kRmc + "\r\n", kRmc,
             QByteArray()},
            {"NUL inside a sentence", kRmc.left(20) + '\0' + kRmc.mid(21) + "\r\n" + kGga + "\r\n", QByteArray(), kGga},
            {"later sentence replaces", kRmc + "\r\n" + kRmc2 + "\r\n", kRmc2, QByteArray()},
        };
        const char* const chunkings[] = {"whole", "byte by byte", "chunks", "cut mid-line"};
        for (const Case& c : cases) {
            for (int chunking = Whole; chunking <= MidLine; ++chunking) {
                if (chunking == ByteByByte && c.stream.size() > 1000)
                    continue; // the overlong line is covered in chunks
                QTest::addRow("%s, %s", c.name, chunkings[chunking]) << c.stream << chunking << c.rmc << c.gga;
            }
        }
    }

    void keepsSentencesHoweverTheLineArrives()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, chunking);
        QFETCH(QByteArray, rmc);
        QFETCH(QByteArray, gga);

        Line line;
        QVERIFY(line.open());
        QVERIFY(line.feed(cut(stream, chunking)));
        QCOMPARE(line.source->getNmeaRmcString(), QString::fromLatin1(rmc));
        QCOMPARE(line.source->getNmeaGgaString(), QString::fromLatin1(gga));
    }

    void keepsOnlyTheTalkersOfEachType()
    {
        Line line;
        QVERIFY(line.open());
        const QByteArray gnGga = nmea("GNGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.90,545.4,M,46.9,M,,");
        const QByteArray glGga = nmea("GLGGA,123519.00,4807.03800,N,01131.00000,E,1,08,0.90,545.4,M,46.9,M,,");
        const QByteArray gnVtg = nmea("GNVTG,84.40,T,,M,0.022,N,0.041,K,A");
        const QByteArray gpGsa = nmea("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
        QVERIFY(line.feed({kGsa + "\r\n" + gnGga + "\r\n" + kRmc + "\r\n"}));
        QCOMPARE(line.source->getNmeaGsaString(), QString::fromLatin1(kGsa));
        QCOMPARE(line.source->getNmeaGgaString(), QString::fromLatin1(gnGga));

        // GLONASS fixes and VTG of other talkers are not kept.
        QVERIFY(line.feed({glGga + "\r\n" + gnVtg + "\r\n" + gpGsa + "\r\n"}));
        QCOMPARE(line.source->getNmeaGgaString(), QString::fromLatin1(gnGga));
        QVERIFY(line.source->getNmeaVtgString().startsWith("$GPVTG,"));
        QCOMPARE(line.source->getNmeaGsaString(), QString::fromLatin1(gpGsa));

        line.source->clearLastNmeaData();
        QVERIFY(line.source->getNmeaGgaString().isEmpty());
        QVERIFY(line.source->getNmeaGsaString().isEmpty());
        QVERIFY(line.source->getNmeaRmcString().isEmpty());
        QVERIFY(line.source->getNmeaVtgString().isEmpty());
    }

    void gsvEntriesFollowTheMessageNumber()
    {
        Line line;
        QVERIFY(line.open());
        auto gsv = [](const char* talker, int messages, int number) {
            return nmea(QByteArray(talker) + "GSV," + QByteArray::number(messages) + ',' + QByteArray::number(number)
                        + ",17,02,07,026,20,05,37,162,31,07,67,194,42,09,16,317,23");
        };
        auto kept = [&] {
            QStringList entries;
            for (int n = -1; n <= 5; ++n)
                entries.append(line.source->getNmeaGsvString(n));
            return entries;
        };
        const QByteArray m1 = gsv("GP", 5, 1), m2 = gsv("GP", 5, 2), m3 = gsv("GP", 5, 3), m4 = gsv("GP", 5, 4),
                         m5 = gsv("GP", 5, 5);
        QVERIFY(line.feed({m1 + "\r\n" + m2 + "\r\n" + m3 + "\r\n" + m4 + "\r\n" + m5 + "\r\n"}));
        QCOMPARE(kept(), QStringList({"", m1, m2, m3, m4, m5, ""}));

        // A new first message starts the cycle afresh; GLONASS shares the entries.
        const QByteArray gl1 = gsv("GL", 2, 1);
        QVERIFY(line.feed({gl1 + "\r\n"}));
        QCOMPARE(kept(), QStringList({"", gl1, "", "", "", "", ""}));

        // Messages beyond five, two-digit counts and a second message that came without a
        // first one: the latter is kept in its place, the others are not.
        const QByteArray m6 = gsv("GP", 6, 6);
        const QByteArray tens = nmea("GPGSV,10,1,40,02,07,026,20");
        const QByteArray gl2 = gsv("GL", 2, 2);
        QVERIFY(line.feed({m6 + "\r\n" + tens + "\r\n" + gl2 + "\r\n"}));
        QCOMPARE(kept(), QStringList({"", gl1, gl2, "", "", "", ""}));
    }

    // The library still makes the position out of the same lines.
    void libraryPositionIsUntouched()
    {
        Line line;
        QVERIFY(line.open());
        QSignalSpy updates(line.source.get(), &QGeoPositionInfoSource::positionUpdated);
        QVERIFY(line.feed({kRmc + "\r\n" + kGga + "\r\n"}));
        QTRY_VERIFY(line.source->lastKnownPosition(false).isValid());
        const QGeoPositionInfo position = line.source->lastKnownPosition(false);
        QCOMPARE(qRound(position.coordinate().latitude() * 1e5), qRound((48 + 7.038 / 60) * 1e5));
        QCOMPARE(qRound(position.coordinate().longitude() * 1e5), qRound((11 + 31.0 / 60) * 1e5));
        QCOMPARE(position.timestamp(), QDateTime(QDate(2024, 3, 23), QTime(12, 35, 19), Qt::UTC));
        QTRY_VERIFY_WITH_TIMEOUT(!updates.isEmpty(), 3000);
    }
};

QTEST_MAIN(TestNmeaPositionInfoSourceRaw)
#include "tst_nmeapositioninfosourceraw.moc"
