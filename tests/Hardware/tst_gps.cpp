#include "Hardware/gps.h"
#include "Hardware/nmeapositioninfosourceraw.h"
#include "gpsfeed.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QSerialPort>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using TestSupport::DeviceRoot;

namespace {

const QByteArray kSwitchOn = QByteArray::fromHex("b56206040400000009001776");
const QByteArray kSwitchOff = QByteArray::fromHex("b56206040400000008001674");

QByteArray nmea(const QByteArray& body)
{
    return GpsNmea::sentence(body);
}

QByteArray withBadChecksum(const QByteArray& sentence)
{
    return sentence.left(sentence.size() - 2) + (sentence.endsWith("00") ? "01" : "00");
}

QList<QList<QByteArray>> recording(const char* name)
{
    return TestSupport::nmeaRecording(name);
}

QList<QByteArray> fields(const QByteArray& sentence)
{
    return sentence.left(sentence.indexOf('*')).split(',');
}

using Feed = TestSupport::GpsFeed::Feed;

void addFeedRows(const char* name, const std::function<void(QTestData&)>& columns)
{
    columns(QTest::newRow(name) << int(Feed::Whole));
    columns(QTest::addRow("%s, byte by byte", name) << int(Feed::ByteByByte));
    columns(QTest::addRow("%s, split", name) << int(Feed::Split));
}

// A receiver at the end of the instrument's serial line, and the instrument's Gps: on its
// own, or the one a main window makes with the given settings (which the clock needs).
struct Rig
{
    DeviceRoot device;
    GpsSimulator sim;
    std::unique_ptr<MainMenu> menu;
    std::unique_ptr<Gps> ownGps;
    Gps* gps = nullptr;
    NmeaPositionInfoSourceRaw* source = nullptr;
    TestSupport::GpsFeed feed;

    bool start()
    {
        if (!sim.open(device.hostPath("/dev/ttyO1")))
            return false;
        ownGps.reset(new Gps);
        ownGps->initGps();
        gps = ownGps.get();
        return takeOverUpdates();
    }

    bool takeOverUpdates()
    {
        if (!feed.attach(&sim, gps))
            return false;
        source = feed.source();
        return true;
    }

    bool startWithMainWindow(const QVariantMap& settings)
    {
        if (!sim.open(device.hostPath("/dev/ttyO1")))
            return false;
        TestSupport::writeSettings(device, settings);
        menu.reset(new MainMenu);
        gps = menu->getGpsInstance();
        return takeOverUpdates();
    }

    bool send(const QList<QByteArray>& sentences) { return feed.send(sentences); }
    bool deliver(const QList<QByteArray>& sentences, Feed how = Feed::Whole) { return feed.deliver(sentences, how); }

    QList<QByteArray> generated(const QDateTime& utc, int satellites = 9, double hdop = 0.9)
    {
        GpsSimulator::Route route = sim.route();
        route.start = utc;
        route.gpsSatellites = satellites;
        route.hdop = hdop;
        sim.setRoute(route);
        return sim.nextCycle();
    }

    QStringList clockCommands() const { return TestSupport::clockCommands(device); }
};

struct Figures
{
    double latitude, longitude;
    int inView, used;
    qreal pdop, hdop, vdop, speed, course, height;
    int table[4][Gps::kMaxSatellites];

    explicit Figures(const Gps& gps)
        : latitude(gps.getLatitude())
        , longitude(gps.getLongitude())
        , inView(gps.getNumSatellitesInView())
        , used(gps.getNumSatellitesUsed())
        , pdop(gps.getGpsInfoPdop())
        , hdop(gps.getGpsInfoHdop())
        , vdop(gps.getGpsInfoVdop())
        , speed(gps.getGpsSpeedOverGround())
        , course(gps.getGpsCourseOverGround())
        , height(gps.getGpsHeightOverSea())
    {
        for (int i = 0; i < Gps::kMaxSatellites; ++i) {
            table[0][i] = gps.getGsvSatelliteId(i);
            table[1][i] = gps.getGsvElevation(i);
            table[2][i] = gps.getGsvAzimuth(i);
            table[3][i] = gps.getGsvSnr(i);
        }
    }
};

} // namespace

class TestGps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void switchingSendsUbxWithThePowerLine()
    {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(TestSupport::logged("Uart 1: true"));
        QStringList powerAtMessage;
        connect(&rig.sim, &GpsSimulator::ubxReceived, this, [&] {
            powerAtMessage.append(QString::fromLatin1(rig.device.read("/sys/class/gpio/gpio16/value")));
        });

        rig.gps->switchOnGpsModul();
        QTRY_COMPARE(rig.sim.received(), kSwitchOn);
        QCOMPARE(powerAtMessage, QStringList({"1"}));
        QVERIFY(rig.sim.isNavigating());
        QVERIFY(TestSupport::logged("GNSS switched on: 23=0x17 118=0x76"));
        QVERIFY(rig.deliver(recording("walk.nmea").first()));
        QVERIFY(rig.gps->isGpsDataValid());

        rig.sim.clearReceived();
        rig.gps->switchOffGpsModul();
        QTRY_COMPARE(rig.sim.received(), kSwitchOff);
        QCOMPARE(powerAtMessage, QStringList({"1", "0"}));
        QVERIFY(!rig.sim.isNavigating());
        QVERIFY(TestSupport::logged("GNSS switched off: 22=0x16 116=0x74"));
        QVERIFY(!rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getLatitude(), 0.0);
        QCOMPARE(rig.gps->getLongitude(), 0.0);
        QVERIFY(!rig.gps->getDateTime().isValid());

        // While off, positions that still arrive are ignored.
        QVERIFY(rig.deliver(recording("walk.nmea").at(1)));
        QVERIFY(!rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getLatitude(), 0.0);
    }

    void withoutThePortNothingBreaks()
    {
        DeviceRoot device;
        Gps gps;
        gps.initGps();
        QVERIFY(TestSupport::logged("Uart 1: false"));
        gps.switchOnGpsModul();
        QCOMPARE(device.read("/sys/class/gpio/gpio16/value"), QByteArray("1"));
        gps.updatePosition();
        // No fix yet: the missing coordinate reads as 0, not as NaN.
        QCOMPARE(gps.getLatitude(), 0.0);
        QCOMPARE(gps.getLongitude(), 0.0);
        QVERIFY(!gps.isGpsDataValid());
        QVERIFY(!gps.getDateTime().isValid());
        QCOMPARE(gps.getRmcUtcTime(), QString("NO GPS"));
        QCOMPARE(gps.getGpsQuality(), 0);
        gps.switchOffGpsModul();
        QCOMPARE(device.read("/sys/class/gpio/gpio16/value"), QByteArray("0"));
    }

    void babbleWithoutLineEndsIsDropped()
    {
        Rig rig;
        QVERIFY(rig.start());
        auto* port = rig.gps->findChild<QSerialPort*>();
        QVERIFY(port);
        qint64 held = 0;
        connect(port, &QIODevice::readyRead, this, [&] { held = qMax(held, port->bytesAvailable()); });
        // In chunks the line can take, read as they come: 40 kB without a line end.
        for (int i = 0; i < 400; ++i) {
            rig.sim.writeRaw(QByteArray(100, char('0' + i % 10)));
            QCoreApplication::processEvents();
        }
        rig.sim.writeRaw("\r\n");
        QVERIFY(rig.deliver(recording("walk.nmea").first()));
        QVERIFY2(held < 12000, QByteArray::number(held));
        QVERIFY(rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getNumSatellitesInView(), 11);
    }

    void walkCycleGivesPositionAndFigures()
    {
        Rig rig;
        QVERIFY(rig.start());
        const QList<QByteArray> cycle = recording("walk.nmea").first();
        QVERIFY(rig.deliver(cycle));

        QVERIFY(rig.gps->isGpsDataValid());
        QVERIFY(rig.gps->getGpsInfo().isValid());
        QVERIFY(std::fabs(rig.gps->getLatitude() - (48 + 8.22924 / 60)) < 1e-7);
        QVERIFY(std::fabs(rig.gps->getLongitude() - (11 + 34.56744 / 60)) < 1e-7);
        QCOMPARE(rig.gps->getDateTime(), QDateTime(QDate(2024, 6, 15), QTime(10, 0), Qt::UTC));
        QCOMPARE(rig.gps->getNumSatellitesUsed(), 11);
        QCOMPARE(rig.gps->getGpsInfoPdop(), qreal(1.44));
        QCOMPARE(rig.gps->getGpsInfoHdop(), qreal(0.9));
        QCOMPARE(rig.gps->getGpsInfoVdop(), qreal(1.17));
        QCOMPARE(rig.gps->getGpsSpeedOverGround(), qreal(2.721));
        QCOMPARE(rig.gps->getGpsCourseOverGround(), qreal(90.0));
        QCOMPARE(rig.gps->getGpsHeightOverSea(), qreal(519.0));
        QCOMPARE(rig.gps->getRmcUtcTime(), QString("10:00:00"));
        QCOMPARE(rig.gps->getGpsQuality(), 100);

        // Three GSV messages of 4, 4 and 3 satellites fill the table in order.
        QCOMPARE(rig.gps->getNumSatellitesInView(), 11);
        int index = 0;
        for (const QByteArray& sentence : cycle) {
            if (!sentence.startsWith("$GPGSV"))
                continue;
            const QList<QByteArray> f = fields(sentence);
            for (int k = 4; k + 3 < f.size(); k += 4, ++index) {
                QCOMPARE(rig.gps->getGsvSatelliteId(index), f.at(k).toInt());
                QCOMPARE(rig.gps->getGsvElevation(index), f.at(k + 1).toInt());
                QCOMPARE(rig.gps->getGsvAzimuth(index), f.at(k + 2).toInt());
                QCOMPARE(rig.gps->getGsvSnr(index), f.at(k + 3).toInt());
            }
        }
        QCOMPARE(index, 11);
        for (int i = 11; i < Gps::kMaxSatellites; ++i)
            QCOMPARE(rig.gps->getGsvSatelliteId(i), 0);
        QCOMPARE(rig.gps->getGsvSatelliteId(-1), 0);
        QCOMPARE(rig.gps->getGsvSnr(Gps::kMaxSatellites), 0);

        // Fewer satellites next time: nothing of the earlier cycle stays in the table.
        QVERIFY(rig.deliver(rig.generated(QDateTime(QDate(2024, 6, 15), QTime(10, 0, 5), Qt::UTC), 5)));
        QCOMPARE(rig.gps->getNumSatellitesInView(), 5);
        QVERIFY(rig.gps->getGsvSatelliteId(4) != 0);
        for (int i = 5; i < Gps::kMaxSatellites; ++i) {
            QCOMPARE(rig.gps->getGsvSatelliteId(i), 0);
            QCOMPARE(rig.gps->getGsvSnr(i), 0);
        }
    }

    // A receiver learning the leap seconds steps back 18 s (a replay that loops steps back
    // too): its fixes are taken on from there with their own time; an exact repeat of a
    // time is not taken again.
    void timeSteppingBackIsTakenOn()
    {
        Rig rig;
        QVERIFY(rig.start());
        const QDateTime start(QDate(2024, 6, 15), QTime(10, 0, 30), Qt::UTC);
        QVERIFY(rig.deliver(rig.generated(start)));
        for (int late : {-18, -17}) {
            QVERIFY(rig.deliver(rig.generated(start.addSecs(late))));
            QVERIFY(rig.gps->isGpsDataValid());
            QCOMPARE(rig.gps->getDateTime(), start.addSecs(late));
        }
        const double latitude = rig.gps->getLatitude();
        QVERIFY(rig.deliver({nmea("GPRMC,100013.00,A,4900.00000,N,01134.56744,E,0.000,90.00,150624,,,A"),
                             nmea("GPGGA,100013.00,4900.00000,N,01134.56744,E,1,09,0.90,519.0,M,47.6,M,,")}));
        QCOMPARE(rig.gps->getLatitude(), latitude);
        QCOMPARE(rig.gps->getDateTime(), start.addSecs(-17));
    }

    // GPS and GLONASS share the five entries: the GLONASS messages, sent last, are read.
    void glonassCycleOverwritesGps()
    {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.deliver(recording("glonass.nmea").first()));
        QCOMPARE(rig.gps->getNumSatellitesInView(), 6);
        QCOMPARE(rig.gps->getNumSatellitesUsed(), 12);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(rig.gps->getGsvSatelliteId(i), 65 + i);
        QCOMPARE(rig.gps->getGsvSatelliteId(6), 0);
    }

    void rmcTimeText_data()
    {
        QTest::addColumn<QByteArray>("rmc");
        QTest::addColumn<QString>("text");
        QTest::newRow("hhmmss.ss") << nmea("GPRMC,083559.25,V,,,,,,,150624,,,N") << "08:35:59";
        QTest::newRow("hhmmss") << nmea("GNRMC,235959,V,,,,,,,150624,,,N") << "23:59:59";
        QTest::newRow("no time yet") << nmea("GPRMC,,V,,,,,,,,,,N") << "NO GPS";
        QTest::newRow("no RMC") << QByteArray() << "NO GPS";
        QTest::newRow("other talker") << nmea("GLRMC,083559.25,V,,,,,,,150624,,,N") << "NO GPS";
        QTest::newRow("too few digits") << nmea("GPRMC,0835.00,V,,,,,,,150624,,,N") << "...";
        QTest::newRow("too many digits") << nmea("GPRMC,0835591.00,V,,,,,,,150624,,,N") << "...";
        QTest::newRow("hour 25") << nmea("GPRMC,253559.00,V,,,,,,,150624,,,N") << "...";
        QTest::newRow("leap second") << nmea("GPRMC,235960.00,V,,,,,,,311216,,,N") << "23:59:60";
    }

    void rmcTimeText()
    {
        QFETCH(QByteArray, rmc);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.send(rmc.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{rmc}));
        QCOMPARE(rig.gps->getRmcUtcTime(), text);
    }

    void qualityFigure_data()
    {
        QTest::addColumn<bool>("fix");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<double>("hdop");
        QTest::addColumn<int>("inView");
        QTest::addColumn<int>("quality");
        const QTime noon(12, 0);
        QTest::newRow("no time") << false << QTime() << 0.0 << 0 << 0;
        QTest::newRow("time, no fix, 02:59") << false << QTime(2, 59, 59) << 0.0 << 0 << 1;
        QTest::newRow("time, no fix, 03:00") << false << QTime(3, 0) << 0.0 << 0 << 3;
        QTest::newRow("time, no fix, 22:59") << false << QTime(22, 59, 59) << 0.0 << 0 << 3;
        QTest::newRow("time, no fix, 23:00") << false << QTime(23, 0) << 0.0 << 0 << 1;
        QTest::newRow("HDOP 0.9, 6 in view") << true << noon << 0.9 << 6 << 100;
        QTest::newRow("HDOP 1.0, 5 in view") << true << noon << 1.0 << 5 << 100;
        QTest::newRow("HDOP 0.9, 4 in view") << true << noon << 0.9 << 4 << 92;
        QTest::newRow("HDOP 1.5, 7 in view: limited") << true << noon << 1.5 << 7 << 100;
        QTest::newRow("HDOP 1.5, 3 in view") << true << noon << 1.5 << 3 << 89;
        QTest::newRow("HDOP 2.5") << true << noon << 2.5 << 6 << 80;
        QTest::newRow("HDOP 4.0") << true << noon << 4.0 << 6 << 50;
        QTest::newRow("HDOP 40.0: in view") << true << noon << 40.0 << 7 << 7;
        QTest::newRow("HDOP 100.0: in view") << true << noon << 100.0 << 12 << 12;
        QTest::newRow("HDOP 0.01") << true << noon << 0.01 << 6 << 15;
        QTest::newRow("HDOP 250") << true << noon << 250.0 << 6 << 15;
    }

    void qualityFigure()
    {
        QFETCH(bool, fix);
        QFETCH(QTime, time);
        QFETCH(double, hdop);
        QFETCH(int, inView);
        QFETCH(int, quality);
        Rig rig;
        QVERIFY(rig.start());
        if (fix) {
            QVERIFY(rig.deliver(rig.generated(QDateTime(QDate(2024, 6, 15), time, Qt::UTC), inView, hdop)));
            QVERIFY(rig.gps->isGpsDataValid());
            QCOMPARE(rig.gps->getNumSatellitesInView(), inView);
        } else {
            const QByteArray hhmmss = time.isValid() ? time.toString("hhmmss").toLatin1() + ".00" : QByteArray();
            QVERIFY(rig.deliver({nmea("GPRMC," + hhmmss + ",V,,,,,,,150624,,,N")}));
            QVERIFY(!rig.gps->isGpsDataValid());
        }
        QCOMPARE(rig.gps->getGpsQuality(), quality);
    }

    void clockIsSetOncePerRequest()
    {
        Rig rig;
        QVERIFY(rig.startWithMainWindow({{"Local-Settings/TimezoneOffset", 3600},
                                         {"Local-Settings/DaylightSavingTime", 0},
                                         {"Local-Settings/DateTimeSource", "GPS"}}));

        // A fix dated 2015 keeps the request standing.
        for (const QList<QByteArray>& cycle : recording("old-date.nmea"))
            QVERIFY(rig.deliver(cycle));
        QVERIFY(rig.gps->isGpsDataValid());
        QCOMPARE(rig.clockCommands(), QStringList());

        const QList<QList<QByteArray>> walk = recording("walk.nmea");
        QVERIFY(rig.deliver(walk.at(0)));
        const QStringList once = {"date +%F -s 2024-6-15", "date +%T -s 11:0:0", "hwclock -w -f /dev/rtc0"};
        QCOMPARE(rig.clockCommands(), once);
        QVERIFY(TestSupport::logged("Offset Time: 3600 1 0"));
        QVERIFY(rig.deliver(walk.at(1)));
        QVERIFY(rig.deliver(walk.at(2)));
        QCOMPARE(rig.clockCommands(), once);

        // The date and time dialog accepted with the GPS source asks again; with the
        // manual source it withdraws the request.
        rig.gps->enableSystemTimeSettingViaGps(true);
        QVERIFY(rig.deliver(walk.at(3)));
        QCOMPARE(rig.clockCommands(),
                 once + QStringList({"date +%F -s 2024-6-15", "date +%T -s 11:0:3", "hwclock -w -f /dev/rtc0"}));
        rig.gps->enableSystemTimeSettingViaGps(true);
        rig.gps->enableSystemTimeSettingViaGps(false);
        QVERIFY(rig.deliver(walk.at(4)));
        QCOMPARE(rig.clockCommands().size(), 6);
    }

    void clockNotRequestedWithManualSource()
    {
        Rig rig;
        QVERIFY(rig.startWithMainWindow({{"Local-Settings/DateTimeSource", "MAN"}}));
        QVERIFY(rig.deliver(recording("walk.nmea").first()));
        QVERIFY(rig.gps->isGpsDataValid());
        QCOMPARE(rig.clockCommands(), QStringList());
    }

    // The clock runs on local time: the offsets carry into minutes, hours and the date.
    void clockCarriesIntoTheDate_data()
    {
        TestSupport::addClockSettingColumns();
        const auto at = TestSupport::utcAt;
        const auto set = TestSupport::clockSetting;
        QTest::newRow("no carry") << at(2024, 6, 15, 10, 0, 0) << 3600 << 0 << set("2024-6-15", "11:0:0");
        QTest::newRow("over midnight") << at(2024, 6, 15, 23, 30, 0) << 3600 << 0 << set("2024-6-16", "0:30:0");
        QTest::newRow("summer time into a leap day")
            << at(2024, 2, 28, 23, 30, 15) << 3600 << 1 << set("2024-2-29", "1:30:15");
        QTest::newRow("half-hour zone into the new year")
            << at(2023, 12, 31, 23, 45, 10) << 19800 << 0 << set("2024-1-1", "5:15:10");
        QTest::newRow("minutes carry into the hour")
            << at(2024, 6, 15, 10, 30, 0) << 20700 << 0 << set("2024-6-15", "16:15:0");
        QTest::newRow("west of UTC back a day")
            << at(2024, 3, 1, 0, 15, 0) << -18000 << 0 << set("2024-2-29", "19:15:0");
        QTest::newRow("half-hour west back a day")
            << at(2024, 6, 15, 0, 10, 0) << -12600 << 0 << set("2024-6-14", "20:40:0");
        QTest::newRow("2015: not set") << at(2015, 6, 15, 10, 0, 0) << 3600 << 0 << QStringList();
        QTest::newRow("2051: not set") << at(2051, 1, 1, 10, 0, 0) << 3600 << 0 << QStringList();
    }

    void clockCarriesIntoTheDate()
    {
        QFETCH(QDateTime, utc);
        QFETCH(int, zoneOffset);
        QFETCH(int, summerTime);
        QFETCH(QStringList, commands);
        Rig rig;
        QVERIFY(rig.startWithMainWindow({{"Local-Settings/TimezoneOffset", zoneOffset},
                                         {"Local-Settings/DaylightSavingTime", summerTime},
                                         {"Local-Settings/DateTimeSource", "GPS"}}));
        QVERIFY(rig.deliver(rig.generated(utc)));
        QVERIFY(rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getDateTime(), utc);
        QCOMPARE(rig.clockCommands(), commands);
    }

    void nmeaStringOnlyWhileSwitchedOn()
    {
        Rig rig;
        QVERIFY(rig.start());
        rig.gps->switchOnGpsModul();
        const QList<QByteArray> cycle = recording("walk.nmea").first();
        QVERIFY(rig.deliver(cycle));
        // RMC, GSA and the GSV messages 1 to 4 (the fourth is empty here); no GGA.
        const QString expected = QString::fromLatin1(cycle.at(0) + '\n' + cycle.at(2) + '\n' + cycle.at(3) + '\n'
                                                     + cycle.at(4) + '\n' + cycle.at(5) + '\n');
        QCOMPARE(rig.gps->getNmeaString(), expected);

        rig.gps->switchOffGpsModul();
        QCOMPARE(rig.gps->getNmeaString(), QString());
        rig.gps->switchOnGpsModul();
        QCOMPARE(rig.gps->getNmeaString(), expected);

        rig.gps->clearLastGpsData();
        QCOMPARE(rig.gps->getNmeaString(), QString("\n\n\n\n\n"));
        QCOMPARE(rig.gps->getNumSatellitesInView(), 0);
        QCOMPARE(rig.gps->getNumSatellitesUsed(), 0);
        QCOMPARE(rig.gps->getGpsInfoHdop(), qreal(0));
        QCOMPARE(rig.gps->getGpsInfoPdop(), qreal(0));
        QCOMPARE(rig.gps->getGpsInfoVdop(), qreal(0));
        QCOMPARE(rig.gps->getGpsSpeedOverGround(), qreal(0));
        QCOMPARE(rig.gps->getGpsCourseOverGround(), qreal(0));
        QCOMPARE(rig.gps->getGpsHeightOverSea(), qreal(0));
        QCOMPARE(rig.gps->getRmcUtcTime(), QString("NO GPS"));
    }

    void sourceErrorAndTimeOutClearThePosition_data()
    {
        QTest::addColumn<int>("event");
        QTest::newRow("switch-off") << 0;
        QTest::newRow("error") << 1;
        QTest::newRow("time-out") << 2;
    }

    void sourceErrorAndTimeOutClearThePosition()
    {
        QFETCH(int, event);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.deliver(recording("walk.nmea").first()));
        QVERIFY(rig.gps->isGpsDataValid());
        switch (event) {
        case 0:
            rig.gps->switchOffGpsModul();
            break;
        case 1:
            emit static_cast<QGeoPositionInfoSource*>(rig.source)->error(QGeoPositionInfoSource::UnknownSourceError);
            QVERIFY(TestSupport::logged("Error 2"));
            break;
        default:
            emit rig.source->updateTimeout();
            QVERIFY(TestSupport::logged("Timeout"));
            break;
        }
        QVERIFY(!rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getLatitude(), 0.0);
        QCOMPARE(rig.gps->getLongitude(), 0.0);
        QVERIFY(!rig.gps->getDateTime().isValid());
        // The satellites are the receiver's, not the position's.
        QCOMPARE(rig.gps->getNumSatellitesInView(), 11);
    }

    // Over the line as on the device: the library's position signal brings the fix, and
    // when the receiver falls silent its time-out clears it again.
    void signalsOfTheSourceDriveTheUpdates()
    {
        Rig rig;
        QVERIFY(rig.start());
        rig.source->startUpdates();
        rig.gps->switchOnGpsModul();
        QTRY_VERIFY(rig.sim.isNavigating());
        rig.sim.start(200);
        QTRY_VERIFY_WITH_TIMEOUT(rig.gps->isGpsDataValid(), 5000);
        QVERIFY(rig.gps->getLatitude() > 48.0);
        QCOMPARE(rig.gps->getNumSatellitesInView(), 9);
        rig.sim.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.gps->isGpsDataValid(), 6000);
        QCOMPARE(rig.gps->getLatitude(), 0.0);
    }

    // Sentences that match their expression but carry what no receiver sends, or that
    // arrive damaged, leave the figures of the last good cycle.
    void hostileSentencesKeepGoodFigures_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        const QByteArray gsa = "GNGSA,A,3,02,05,07,09,13,15,18,20,23,25,27,,";
        const QByteArray rmcHead = "GNRMC,100000.00,A,4808.22924,N,01134.56744,E,";
        const QByteArray ggaHead = "GNGGA,100000.00,4808.22924,N,01134.56744,E,1,11,0.90,";
        QTest::newRow("GSA: DOP with a letter") << nmea(gsa + "1x44,0.90,1.17");
        QTest::newRow("GSA: satellite number of four digits")
            << nmea("GNGSA,A,3,1002,05,07,09,13,15,18,20,23,25,27,,1.44,0.90,1.17");
        QTest::newRow("GSA: fix mode 7") << nmea("GNGSA,A,7,02,05,07,09,13,15,18,20,23,25,27,,1.44,0.90,1.17");
        QTest::newRow("GSA: DOP of a million") << nmea(gsa + "1000000.0,0.90,1.17");
        QTest::newRow("GSA: bad checksum") << withBadChecksum(nmea(gsa + "1.44,9.90,1.17"));
        QTest::newRow("RMC: course 400") << nmea(rmcHead + "2.721,400.00,150624,,,A");
        QTest::newRow("RMC: speed with a letter") << nmea(rmcHead + "2x721,90.00,150624,,,A");
        QTest::newRow("RMC: latitude 95") << nmea("GNRMC,100000.00,A,9500.00000,N,01134.56744,E,2.721,90.00,150624,,,A");
        QTest::newRow("GGA: height with a letter") << nmea(ggaHead + "51x.0,M,47.6,M,,");
        QTest::newRow("GGA: height of 99 km") << nmea(ggaHead + "99999.0,M,47.6,M,,");
        QTest::newRow("GSV: elevation 95")
            << nmea("GPGSV,3,2,11,13,95,106,34,15,76,138,45,18,25,274,26,20,55,037,37");
        QTest::newRow("GSV: 100 in view") << nmea("GPGSV,1,1,100,13,46,106,34,15,76,138,45,18,25,274,26,20,55,037,37");
        QTest::newRow("GSV: message 3 of 2") << nmea("GPGSV,2,3,11,23,85,082,48,25,34,205,29,27,64,328,40");
        QTest::newRow("GSV: SNR 120") << nmea("GPGSV,3,3,11,23,85,082,120,25,34,205,29,27,64,328,40");
    }

    void hostileSentencesKeepGoodFigures()
    {
        QFETCH(QByteArray, sentence);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.deliver(recording("walk.nmea").first()));
        const Figures before(*rig.gps);

        QVERIFY(rig.deliver({sentence}));
        const Figures after(*rig.gps);
        QCOMPARE(after.latitude, before.latitude);
        QCOMPARE(after.longitude, before.longitude);
        QCOMPARE(after.inView, before.inView);
        QCOMPARE(after.used, before.used);
        QCOMPARE(after.pdop, before.pdop);
        QCOMPARE(after.hdop, before.hdop);
        QCOMPARE(after.vdop, before.vdop);
        QCOMPARE(after.speed, before.speed);
        QCOMPARE(after.course, before.course);
        QCOMPARE(after.height, before.height);
        // A refused GSV sentence empties its satellites and the later ones move up, but
        // no satellite is made up from its values.
        for (int i = 0; i < Gps::kMaxSatellites; ++i) {
            if (after.table[0][i] == 0)
                continue;
            bool known = false;
            for (int j = 0; j < Gps::kMaxSatellites && !known; ++j) {
                known = after.table[0][i] == before.table[0][j] && after.table[1][i] == before.table[1][j]
                    && after.table[2][i] == before.table[2][j] && after.table[3][i] == before.table[3][j];
            }
            QVERIFY2(known, qPrintable(QString("satellite %1 in entry %2").arg(after.table[0][i]).arg(i)));
        }
    }

    // A receiver without a position may still report one, void and at 0/0; the library
    // takes that for a fix. It must not be one anywhere: no clock, quality by the time alone.
    void voidReportIsNoFix_data()
    {
        QTest::addColumn<int>("feed");
        QTest::addColumn<QList<QByteArray>>("report");
        const QByteArray rmcVoid = "$GPRMC,100000.00,V,0000.0000,N,00000.0000,E,,,150624,,,N*43";
        const QByteArray gsaMode1 = "$GPGSA,A,1,,,,,,,,,,,,,,,*1E";
        addFeedRows("RMC void, GSA mode 1", [&](QTestData& row) { row << QList<QByteArray>{rmcVoid, gsaMode1}; });
        addFeedRows("RMC valid, GGA fix quality 0", [&](QTestData& row) {
            row << QList<QByteArray>{nmea("GPRMC,100000.00,A,4808.22924,N,01134.56744,E,0.0,,150624,,,A"),
                                     nmea("GPGGA,100000.00,4808.22924,N,01134.56744,E,0,00,,,M,,M,,")};
        });
        QTest::newRow("recorded void reports") << int(Feed::Whole) << recording("no-fix.nmea").first();
    }

    void voidReportIsNoFix()
    {
        QFETCH(int, feed);
        QFETCH(QList<QByteArray>, report);
        Rig rig;
        QVERIFY(rig.startWithMainWindow({{"Local-Settings/TimezoneOffset", 0},
                                         {"Local-Settings/DaylightSavingTime", 0},
                                         {"Local-Settings/DateTimeSource", "GPS"}}));
        QVERIFY(rig.deliver(report, Feed(feed)));
        QVERIFY(!rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getGpsQuality(), 3); // time, no position, by day
        QCOMPARE(rig.clockCommands(), QStringList());

        // A second later the receiver has its fix.
        const QList<QList<QByteArray>> walk = recording("walk.nmea");
        QVERIFY(rig.deliver(walk.at(1), Feed(feed)));
        QVERIFY(rig.gps->isGpsDataValid());
        QVERIFY(rig.gps->getLatitude() > 48.0);
        const QStringList once = {"date +%F -s 2024-6-15", "date +%T -s 10:0:1", "hwclock -w -f /dev/rtc0"};
        QCOMPARE(rig.clockCommands(), once);
        QVERIFY(rig.deliver(walk.at(2), Feed(feed)));
        QCOMPARE(rig.clockCommands(), once);
    }

    // Heights below the geoid or the ellipsoid, and the one field more that NMEA 4.10 and
    // 4.11 receivers add to RMC, GSA and GSV.
    void signedHeightsAndNewerLayouts_data()
    {
        QTest::addColumn<int>("feed");
        QTest::addColumn<QList<QByteArray>>("cycle");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("inView");
        QTest::addColumn<double>("hdop");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("height");
        const QList<QList<QByteArray>> below = recording("negative-height.nmea");
        const QList<QList<QByteArray>> modern = recording("nmea-4.11.nmea");
        addFeedRows("geoid below the ellipsoid", [&](QTestData& row) {
            row << below.at(0) << 8 << 8 << 1.01 << 0.012 << 1144.8;
        });
        addFeedRows("below the geoid", [&](QTestData& row) { row << below.at(1) << 8 << 8 << 1.01 << 2.721 << -12.3; });
        addFeedRows("NMEA 4.11", [&](QTestData& row) { row << modern.at(0) << 8 << 8 << 0.64 << 0.025 << 519.0; });
    }

    void signedHeightsAndNewerLayouts()
    {
        QFETCH(int, feed);
        QFETCH(QList<QByteArray>, cycle);
        QFETCH(int, used);
        QFETCH(int, inView);
        QFETCH(double, hdop);
        QFETCH(double, speed);
        QFETCH(double, height);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.deliver(cycle, Feed(feed)));
        QVERIFY(rig.gps->isGpsDataValid());
        QCOMPARE(rig.gps->getNumSatellitesUsed(), used);
        QCOMPARE(rig.gps->getNumSatellitesInView(), inView);
        QVERIFY(std::fabs(rig.gps->getGpsInfoHdop() - hdop) < 1e-6);
        QVERIFY(std::fabs(rig.gps->getGpsSpeedOverGround() - speed) < 1e-9);
        QVERIFY(std::fabs(rig.gps->getGpsHeightOverSea() - height) < 1e-9);
        for (const char* refusal : {"No GPGSA match", "No RMC match", "No GGA match"})
            QVERIFY2(!TestSupport::logged(refusal), refusal);
        // The satellites of the GSV messages in order; a signal id after them is none.
        int index = 0;
        for (const QByteArray& sentence : cycle) {
            const QList<QByteArray> f = fields(sentence);
            for (int k = 4; f.at(0) == "$GPGSV" && k + 3 < f.size(); k += 4, ++index) {
                QCOMPARE(rig.gps->getGsvSatelliteId(index), f.at(k).toInt());
                QCOMPARE(rig.gps->getGsvElevation(index), f.at(k + 1).toInt());
                QCOMPARE(rig.gps->getGsvAzimuth(index), f.at(k + 2).toInt());
                QCOMPARE(rig.gps->getGsvSnr(index), f.at(k + 3).toInt());
            }
        }
        QCOMPARE(index, inView);
        QCOMPARE(rig.gps->getGsvSatelliteId(inView), 0);
    }
};

QTEST_MAIN(TestGps)
#include "tst_gps.moc"
