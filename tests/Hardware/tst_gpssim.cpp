#include "Hardware/platform.h"
#include "gpssim.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QtTest>

#include <cmath>

using TestSupport::DeviceRoot;

namespace {

const QByteArray kStart = QByteArray::fromHex("b56206040400000009001776");
const QByteArray kStop = QByteArray::fromHex("b56206040400000008001674");

QList<QByteArray> fields(const QByteArray& sentence)
{
    return sentence.left(sentence.indexOf('*')).split(',');
}

double degrees(const QByteArray& value, const QByteArray& hemisphere, int degreeDigits)
{
    const double d = value.left(degreeDigits).toDouble() + value.mid(degreeDigits).toDouble() / 60.0;
    return (hemisphere == "S" || hemisphere == "W") ? -d : d;
}

// The instrument's end of the line, reading whole lines.
struct Instrument
{
    QSerialPort port;
    QByteArray bytes;

    bool open()
    {
        port.setPortName(Platform::devicePath("/dev/ttyO1"));
        if (!port.open(QIODevice::ReadWrite))
            return false;
        QObject::connect(&port, &QSerialPort::readyRead, [this] { bytes += port.readAll(); });
        return true;
    }
    void send(const QByteArray& data)
    {
        port.write(data);
        port.flush();
    }
    QList<QByteArray> lines() const
    {
        QList<QByteArray> result;
        for (const QByteArray& line : bytes.split('\n')) {
            if (!line.trimmed().isEmpty())
                result.append(line.trimmed());
        }
        return result;
    }
};

GpsSimulator::Route walk()
{
    GpsSimulator::Route route;
    route.start = QDateTime(QDate(2024, 6, 15), QTime(23, 59, 59), Qt::UTC);
    route.gpsSatellites = 11;
    route.glonassSatellites = 6;
    route.hdop = 1.2;
    route.vtg = true;
    return route;
}

} // namespace

class TestGpsSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void generatedCycleIsWellFormed()
    {
        GpsSimulator sim;
        sim.setRoute(walk());
        const QList<QByteArray> first = sim.nextCycle();
        QStringList types;
        for (const QByteArray& sentence : first) {
            QVERIFY2(GpsNmea::hasValidChecksum(sentence), sentence.constData());
            types.append(QString::fromLatin1(sentence.mid(1, 5)));
        }
        QCOMPARE(types, QStringList({"GNRMC", "GNGGA", "GNGSA", "GPVTG", "GPGSV", "GPGSV", "GPGSV", "GLGSV", "GLGSV"}));
        const QList<QByteArray> rmc = fields(first.at(0));
        QCOMPARE(rmc.at(1), QByteArray("235959.00"));
        QCOMPARE(rmc.at(2), QByteArray("A"));
        QCOMPARE(rmc.at(9), QByteArray("150624"));
        QCOMPARE(rmc.size(), 13); // with the mode indicator
        QCOMPARE(fields(first.at(1)).at(7), QByteArray("12")); // satellites used, at most 12
        QCOMPARE(fields(first.at(2)).mid(15), QList<QByteArray>({"1.92", "1.20", "1.56"}));
        QCOMPARE(fields(first.at(6)).mid(1, 3), QList<QByteArray>({"3", "3", "11"}));
        QCOMPARE(fields(first.at(6)).size(), 4 + 3 * 4);
        QCOMPARE(fields(first.at(8)).mid(1, 3), QList<QByteArray>({"2", "2", "06"}));

        // A second later, over midnight, and a step further along the walk.
        const QList<QByteArray> second = sim.nextCycle();
        const QList<QByteArray> next = fields(second.at(0));
        QCOMPARE(next.at(1), QByteArray("000000.00"));
        QCOMPARE(next.at(9), QByteArray("160624"));
        const double dNorth = (degrees(next.at(3), next.at(4), 2) - degrees(rmc.at(3), rmc.at(4), 2)) * 111195.0;
        const double dEast = (degrees(next.at(5), next.at(6), 3) - degrees(rmc.at(5), rmc.at(6), 3)) * 111195.0
            * std::cos(48.137 * M_PI / 180.0);
        QVERIFY(std::fabs(std::hypot(dNorth, dEast) - 1.4) < 0.05);

        // The walk goes round a block and stays near its start.
        for (int i = 0; i < 1000; ++i) {
            const QList<QByteArray> f = fields(sim.nextCycle().at(0));
            QVERIFY(std::fabs(degrees(f.at(3), f.at(4), 2) - 48.137154) < 0.003);
            QVERIFY(std::fabs(degrees(f.at(5), f.at(6), 3) - 11.576124) < 0.004);
        }
    }

    void badDayContents()
    {
        GpsSimulator sim;
        GpsSimulator::Route route = walk();
        route.talker = "GP";
        sim.setRoute(route);
        sim.setFaults(GpsSimulator::NoFix);
        QList<QByteArray> cycle = sim.nextCycle();
        QCOMPARE(fields(cycle.at(0)).mid(0, 4), QList<QByteArray>({"$GPRMC", "235959.00", "V", ""}));
        QCOMPARE(fields(cycle.at(1)).at(6), QByteArray("0"));
        QCOMPARE(fields(cycle.at(2)).mid(1, 3), QList<QByteArray>({"A", "1", ""}));

        sim.setFaults(GpsSimulator::ZeroNoFix);
        cycle = sim.nextCycle();
        QCOMPARE(fields(cycle.at(0)).mid(2, 5), QList<QByteArray>({"V", "0000.0000", "N", "00000.0000", "E"}));
        QCOMPARE(fields(cycle.at(1)).at(6), QByteArray("0"));
        QCOMPARE(fields(cycle.at(2)).mid(1, 2), QList<QByteArray>({"A", "1"}));
        QCOMPARE(fields(cycle.at(2)).mid(15), QList<QByteArray>({"", "", ""}));

        sim.setFaults(GpsSimulator::OldDate);
        cycle = sim.nextCycle();
        QCOMPARE(fields(cycle.at(0)).at(2), QByteArray("A"));
        QCOMPARE(fields(cycle.at(0)).at(9), QByteArray("160615"));
    }

    void controlLinesChangeTheReceiver()
    {
        GpsSimulator sim;
        sim.setRoute(walk());
        QVERIFY(sim.control("nofix").contains("faults: nofix"));
        QCOMPARE(fields(sim.nextCycle().at(0)).at(2), QByteArray("V"));
        QVERIFY(sim.control("fix").contains("faults: none"));
        QVERIFY(!sim.control("satellites 4").isEmpty());
        QVERIFY(!sim.control("glonass 0").isEmpty());
        const QList<QByteArray> cycle = sim.nextCycle();
        QCOMPARE(fields(cycle.at(0)).at(2), QByteArray("A"));
        QCOMPARE(fields(cycle.last()).mid(0, 4), QList<QByteArray>({"$GPGSV", "1", "1", "04"}));

        // The NMEA 4.11 layout, one GSA per system, and heights below geoid and ellipsoid.
        for (const char* line : {"nmea 4.11", "glonass 2", "altitude -12.3", "geoid -21.4"})
            QVERIFY2(sim.control(line).startsWith("stopped"), line);
        QVERIFY(sim.control("nmea 4.1").startsWith("nmea takes"));
        QVERIFY(sim.control("altitude deep").startsWith("altitude takes"));
        const QList<QByteArray> modern = sim.nextCycle();
        QStringList layout;
        for (const QByteArray& sentence : modern)
            layout.append(QString::fromLatin1(sentence.mid(3, 3) + ':' + fields(sentence).last()));
        QCOMPARE(layout, QStringList({"RMC:V", "GGA:", "GSA:1", "GSA:2", "VTG:A", "GSV:1", "GSV:1"}));
        QCOMPARE(fields(modern.at(1)).mid(9, 4), QList<QByteArray>({"-12.3", "M", "-21.4", "M"}));
        QVERIFY(sim.control("faults checksum,garbage").contains("faults: checksum,garbage"));
        QVERIFY(sim.control("faults sparkles").startsWith("unknown fault"));
        QVERIFY(sim.control("rate 2").startsWith("rate takes"));
        QVERIFY(sim.control("on").startsWith("navigating"));
        QVERIFY(sim.control("bogus").isEmpty());
        QVERIFY(sim.control("help").contains("nofix"));
    }

    void ubxMessagesStartAndStopTheOutput()
    {
        DeviceRoot device;
        GpsSimulator sim;
        QVERIFY(sim.open(device.hostPath("/dev/ttyO1")));
        sim.setRoute(walk());
        Instrument instrument;
        QVERIFY(instrument.open());
        QVERIFY(sim.emitCycle().isEmpty()); // silent until started

        // A frame with a broken checksum does nothing; junk before a frame and a frame
        // split across writes are no obstacle.
        QByteArray broken = kStart;
        broken[11] = 0x00;
        instrument.send(broken);
        instrument.send("\x01\xb5junk" + kStart.left(5));
        QTest::qWait(20);
        QVERIFY(!sim.isNavigating());
        instrument.send(kStart.mid(5));
        QTRY_VERIFY(sim.isNavigating());

        const QList<QByteArray> cycle = sim.emitCycle();
        QCOMPARE(cycle.size(), 9);
        QTRY_COMPARE(instrument.lines(), cycle);

        instrument.send(kStop);
        QTRY_VERIFY(!sim.isNavigating());
        QVERIFY(sim.emitCycle().isEmpty());
        QCOMPARE(sim.received().right(kStop.size()), kStop);

        // A hardware reset leaves the receiver navigating, as after power-up.
        instrument.send(GpsNmea::ubxFrame(0x06, 0x04, QByteArray("\xff\xff\x00\x00", 4)));
        QTRY_VERIFY(sim.isNavigating());
    }

    void lineFaults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("checksum") << int(GpsSimulator::BadChecksum);
        QTest::newRow("truncate") << int(GpsSimulator::Truncated);
        QTest::newRow("garbage") << int(GpsSimulator::Garbage);
        QTest::newRow("split") << int(GpsSimulator::SplitWrites);
    }

    void lineFaults()
    {
        QFETCH(int, fault);
        DeviceRoot device;
        GpsSimulator sim;
        QVERIFY(sim.open(device.hostPath("/dev/ttyO1")));
        sim.setRoute(walk());
        sim.setNavigating(true);
        sim.setFaults(GpsSimulator::Faults(fault));
        Instrument instrument;
        QVERIFY(instrument.open());
        QSignalSpy done(&sim, &GpsSimulator::writesDone);

        const QList<QByteArray> cycle = sim.emitCycle();
        QByteArray expected;
        for (const QByteArray& sentence : cycle)
            expected += sentence + "\r\n";
        if (fault == GpsSimulator::SplitWrites) {
            QVERIFY(sim.hasPendingWrites());
            QTRY_VERIFY(!done.isEmpty());
            QTRY_COMPARE(instrument.bytes, expected);
            return;
        }
        QTRY_VERIFY(!done.isEmpty());
        QTRY_VERIFY(instrument.bytes.size() > 100);
        QTest::qWait(20);
        int intact = 0;
        for (const QByteArray& line : instrument.lines())
            intact += cycle.contains(line) ? 1 : 0;
        if (fault == GpsSimulator::Garbage) {
            const bool binary = std::any_of(instrument.bytes.begin(), instrument.bytes.end(),
                                            [](char c) { return quint8(c) > 0x7e || (quint8(c) < 0x20 && c != '\r' && c != '\n'); });
            QVERIFY(binary);
        } else {
            QCOMPARE(intact, 0);
        }
    }

    void replayRunsCycleByCycleInALoop()
    {
        GpsSimulator sim;
        const QByteArray a = GpsNmea::sentence("GPGSV,1,1,00");
        const QByteArray r1 = GpsNmea::sentence("GPRMC,100000.00,V,,,,,,,150624,,,N");
        const QByteArray g1 = GpsNmea::sentence("GPGGA,100000.00,,,,,0,00,99.99,,,,,,");
        const QByteArray r2 = GpsNmea::sentence("GPRMC,100001.00,V,,,,,,,150624,,,N");
        sim.setReplay({a, r1, g1, r2});
        QVERIFY(sim.isReplaying());
        QCOMPARE(sim.nextCycle(), QList<QByteArray>({a}));
        QCOMPARE(sim.nextCycle(), QList<QByteArray>({r1, g1}));
        QCOMPARE(sim.nextCycle(), QList<QByteArray>({r2}));
        QCOMPARE(sim.nextCycle(), QList<QByteArray>({a}));

        QVERIFY(sim.loadReplay(qEnvironmentVariable("TK9400_SOURCE_DIR") + "/tests/data/nmea/walk.nmea"));
        const QList<QByteArray> cycle = sim.nextCycle();
        QCOMPARE(cycle.size(), 6);
        QVERIFY(cycle.first().startsWith("$GNRMC,100000.00,A,"));
        QVERIFY(!sim.loadReplay("/nonexistent.nmea"));
    }

    // The executable as the run script starts it: only the device tree given. After the
    // start message it must deliver a fix with today's date.
    void executableServesTheDeviceTree()
    {
        const QString exe = qEnvironmentVariable("TK9400_BINARY_DIR") + "/HostTools/gps-sim";
        if (!QFileInfo(exe).isExecutable())
            QSKIP("gps-sim is not built");
        DeviceRoot device;
        QProcess sim;
        sim.setProcessEnvironment([&] {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TK9400_ROOT", device.root());
            return env;
        }());
        sim.start(exe, {"--interval", "100"});
        QVERIFY(sim.waitForStarted());
        QTRY_VERIFY(QFileInfo(device.hostPath("/dev/ttyO1")).isSymLink() && QFileInfo(device.hostPath("/dev/ttyO1")).exists());

        Instrument instrument;
        QVERIFY(instrument.open());
        instrument.send(kStart);
        const QDate before = QDateTime::currentDateTimeUtc().date();
        QByteArray rmc;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     for (const QByteArray& line : instrument.lines()) {
                                         if (line.startsWith("$GNRMC"))
                                             rmc = line;
                                     }
                                     return !rmc.isEmpty();
                                 }()),
                                 5000);
        QVERIFY(GpsNmea::hasValidChecksum(rmc));
        QCOMPARE(fields(rmc).at(2), QByteArray("A"));
        const QByteArray date = fields(rmc).at(9);
        QVERIFY2(date == before.toString("ddMMyy").toLatin1()
                     || date == QDateTime::currentDateTimeUtc().date().toString("ddMMyy").toLatin1(),
                 date.constData());
        QVERIFY(QFileInfo::exists(device.hostPath("/gps-sim-control")));

        instrument.port.close();
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(device.hostPath("/dev/ttyO1")).isSymLink());
        QVERIFY(!QFileInfo::exists(device.hostPath("/gps-sim-control")));
    }
};

QTEST_MAIN(TestGpsSim)
#include "tst_gpssim.moc"
