#include "Hardware/gps.h"
#include "Management/gpsmonitor.h"
#include "globals.h"
#include "gpsfeed.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <memory>

using TestSupport::button;
using TestSupport::DeviceRoot;

namespace {

// The instrument with its main window, whose monitor and Gps read the simulated receiver
// cycle by cycle.
struct Instrument
{
    DeviceRoot device;
    GpsSimulator sim;
    TestSupport::GpsFeed feed;
    std::unique_ptr<MainMenu> menu;
    GpsMonitor* monitor = nullptr;
    Gps* gps = nullptr;
    QString distanceBeforeUpdates;

    bool start(const char* recording = nullptr, const QVariantMap& settings = {})
    {
        if (!sim.open(device.hostPath("/dev/ttyO1")))
            return false;
        if (recording && !sim.loadReplay(qEnvironmentVariable("TK9400_SOURCE_DIR") + "/tests/data/nmea/" + recording))
            return false;
        TestSupport::writeSettings(device, {{"Dialogconfiguration/Startup_UseGpsForStartup", true},
                                            {"Local-Settings/DateTimeSource", "MAN"}},
                                settings);
        menu.reset(new MainMenu);
        monitor = menu->findChild<GpsMonitor*>();
        gps = menu->getGpsInstance();
        // Taken before any event runs: on a loaded machine the monitor's own timer may
        // update it before the test's first tick.
        if (monitor)
            distanceBeforeUpdates = text("leditDistance");
        return monitor && feed.attach(&sim, gps)
            && QTest::qWaitFor([this] { return sim.isNavigating(); }, TestSupport::timeBound(5000));
    }

    // The receiver's next cycle, read by the Gps, then one update of the monitor.
    bool tick()
    {
        if (!feed.emitCycle())
            return false;
        monitor->updateGpsData();
        return true;
    }

    QString text(const char* edit) const { return TestSupport::child<QLineEdit>(monitor, edit)->text(); }
    void click(const char* name) const { button(monitor, name)->click(); }
    QTimer* timer() const { return TestSupport::child<QTimer>(monitor, "updateTimer"); }
    QTextDocument* log() const { return TestSupport::child<QTextEdit>(monitor, "textGpsRcv")->document(); }
    QString mainPage() const { return TestSupport::child<QStackedWidget>(monitor, "mainArea")->currentWidget()->objectName(); }

    QStringList clockCommands() const { return TestSupport::clockCommands(device); }

    void screenshot(const QString& name) const
    {
        QVERIFY(monitor->grab().save(TestSupport::screenshotPath("gpsmonitor_" + name + ".png")));
    }
};

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory back in quarantine: the resident size grows anyway.
const bool kResidentSizeTells = false;
#else
const bool kResidentSizeTells = true;
#endif

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

} // namespace

class TestGpsMonitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::installEnglish(m_english));
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init()
    {
        TestSupport::clearLoggedMessages();
        g_debugFeatures = 0;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void coordinateText_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<int>("latLong");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal") << -12.5 << 0 << 0 << "-12.500000";
        QTest::newRow("seconds, south") << -12.5 << 0 << 1 << "S 12\u00B0 30' 0.0000\"";
        QTest::newRow("minutes, south") << -12.5 << 0 << 2 << "S 12\u00B0 30.00000'";
        QTest::newRow("minutes, just south") << -0.5 << 0 << 2 << "S 0\u00B0 30.00000'";
        QTest::newRow("seconds, east") << 8.25 << 1 << 1 << "E 8\u00B0 15' 0.0000\"";
        QTest::newRow("minutes, west") << -121.31427 << 1 << 2 << "W 121\u00B0 18.85620'";
        QTest::newRow("no such format") << 8.25 << 1 << 3 << "";
        QTest::newRow("seconds that would read 60") << 10.2 << 0 << 1 << "N 10\u00B0 12' 0.0000\"";
        QTest::newRow("minutes that would read 60") << 47.99999999 << 0 << 2 << "N 48\u00B0 0.00000'";
    }

    void coordinateText()
    {
        QFETCH(double, degrees);
        QFETCH(int, latLong);
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(GpsMonitor::convertGpsFormat(degrees, latLong, format), text);
    }

    void distance()
    {
        QVERIFY(std::fabs(GpsMonitor::calculateGpsDistance(48, 11, 48.001, 11) - 111.300) < 0.001);
        QVERIFY(std::fabs(GpsMonitor::calculateGpsDistance(60, 11, 60, 11.001) - 55.650) < 0.001);
    }

    // The walk, as the main window's monitor shows it on each of its pages.
    void walkOnEveryPage()
    {
        Instrument instrument;
        QVERIFY(instrument.start("walk.nmea"));
        GpsMonitor* monitor = instrument.monitor;
        QVERIFY(!monitor->isWindow()); // a page of the main window
        QVERIFY(instrument.timer()->isActive());
        QCOMPARE(instrument.timer()->interval(), GpsMonitor::kUpdateIntervalMs);
        g_debugFeatures = 1;
        instrument.menu->displayWidget(10, 1, 0);
        QCOMPARE(instrument.mainPage(), QString("pagePosition"));
        QCOMPARE(instrument.distanceBeforeUpdates, QString());

        QVERIFY(instrument.tick());
        QVERIFY(instrument.text("leditTime").startsWith("10:00:00 ("));
        QCOMPARE(instrument.text("leditDate"), QDate(2024, 6, 15).toString(Qt::TextDate));
        QCOMPARE(instrument.text("leditLatitude"), QString("48.137154"));
        QCOMPARE(instrument.text("leditLongitude"), QString("11.576124"));
        QCOMPARE(instrument.text("leditCurLatitude"), QString("48.137154"));
        QCOMPARE(instrument.text("leditDistance"), QString("--- m"));
        QCOMPARE(instrument.text("leditNumSat"), QString("Used:11 View:11"));
        QCOMPARE(instrument.text("leditSatInfoDirection"), QString("90.0 \u00B0"));
        QCOMPARE(instrument.text("leditSatInfoGroundspeed"), QString("1.4 m/s"));
        QCOMPARE(instrument.text("leditSatInfoHeight"), QString("519 m"));
        QCOMPARE(TestSupport::child<QProgressBar>(monitor, "progbarQuality")->value(), 100);
        QCOMPARE(TestSupport::child<QProgressBar>(monitor, "progbarQualitySatInfo")->value(), 100);
        QVERIFY(instrument.log()->lastBlock().text().startsWith("$GNRMC,100000.00,A,"));
        instrument.screenshot("position");

        // Each format shows at the next update.
        instrument.click("butMenuFormat");
        QCOMPARE(instrument.text("leditLatitude"), QString("48.137154"));
        monitor->updateGpsData();
        QCOMPARE(instrument.text("leditLatitude"), QString("N 48\u00B0 8' 13.7544\""));
        QCOMPARE(instrument.text("leditLongitude"), QString("E 11\u00B0 34' 34.0464\""));
        instrument.screenshot("format1");
        instrument.click("butMenuFormat");
        monitor->updateGpsData();
        QCOMPARE(instrument.text("leditLatitude"), QString("N 48\u00B0 8.22924'"));
        instrument.screenshot("format2");
        instrument.click("butMenuFormat");
        monitor->updateGpsData();
        QCOMPARE(instrument.text("leditLatitude"), QString("48.137154"));

        // The reference at the first cycle; a format change leaves it as it was written.
        instrument.click("butMenuDistance");
        QCOMPARE(instrument.mainPage(), QString("pageDistance"));
        instrument.click("butMenuSetReference");
        QCOMPARE(instrument.text("leditRefLatitude"), QString("48.137154"));
        instrument.click("butMenuFormatDist");
        QCOMPARE(instrument.text("leditCurLatitude"), QString("48.137154"));
        for (int cycle = 2; cycle <= 10; ++cycle)
            QVERIFY(instrument.tick());
        QCOMPARE(instrument.text("leditDistance"), QString("12.615 m"));
        QCOMPARE(instrument.text("leditRefLatitude"), QString("48.137154"));
        QVERIFY(instrument.text("leditCurLatitude").startsWith("N 48\u00B0 8' "));
        instrument.screenshot("distance");

        instrument.click("butMenuSatInfoDist");
        QCOMPARE(instrument.mainPage(), QString("pageSatInfo"));
        instrument.screenshot("satellites");
        instrument.click("butMenuPositionSatInfo");
        instrument.click("butMenuNmea");
        QCOMPARE(instrument.mainPage(), QString("pageNmea"));
        instrument.screenshot("nmea");

    }

    void recordedReceivers_data()
    {
        QTest::addColumn<QString>("recording");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("satellites");
        QTest::newRow("NMEA 4.11") << "nmea-4.11.nmea" << "48.137154" << "Used:8 View:8";
        QTest::newRow("void report at 0/0") << "no-fix.nmea" << "---" << "Used:--- View:6";
    }

    void recordedReceivers()
    {
        QFETCH(QString, recording);
        QFETCH(QString, latitude);
        QFETCH(QString, satellites);
        Instrument instrument;
        QVERIFY(instrument.start(recording.toLatin1().constData()));
        QVERIFY(instrument.tick());
        for (const char* field : {"leditLatitude", "leditCurLatitude"})
            QCOMPARE(instrument.text(field), latitude);
        if (latitude == "---") {
            QCOMPARE(instrument.text("leditLongitude"), latitude);
            QCOMPARE(instrument.text("leditCurLongitude"), latitude);
            QCOMPARE(instrument.text("leditSatInfoDirection"), QString("--- \u00B0"));
            QCOMPARE(instrument.text("leditSatInfoGroundspeed"), QString("--- m/s"));
            QCOMPARE(instrument.text("leditSatInfoHeight"), QString("--- m"));
            instrument.screenshot("nofix");
            instrument.click("butMenuSatInfo");
            instrument.screenshot("nofix_satellites");
            instrument.click("butMenuPositionSatInfo");
            // A reference taken now is 0.0/0.0, which counts as none.
            instrument.click("butMenuSetReference");
            instrument.monitor->updateGpsData();
            QCOMPARE(instrument.text("leditDistance"), QString("--- m"));
        }
        QCOMPARE(instrument.text("leditNumSat"), satellites);
    }

    // Stop sets the clock as the fix does with the GPS source: local time by the settings'
    // zone and summer time, carried into the date, and the hardware clock; a date no
    // receiver gives, or no fix, sets nothing. Start runs the updates again.
    void stopSetsTheClock_data()
    {
        TestSupport::addClockSettingColumns();
        const auto at = TestSupport::utcAt;
        const auto set = TestSupport::clockSetting;
        QTest::newRow("Berlin winter") << at(2026, 12, 8, 10, 51, 53) << 3600 << 0 << set("2026-12-8", "11:51:53");
        QTest::newRow("Berlin summer into the next day")
            << at(2026, 7, 8, 22, 30, 5) << 3600 << 1 << set("2026-7-9", "0:30:5");
        QTest::newRow("New York back into the day before")
            << at(2026, 12, 9, 3, 15, 0) << -18000 << 0 << set("2026-12-8", "22:15:0");
        QTest::newRow("London") << at(2026, 12, 8, 11, 51, 53) << 0 << 0 << set("2026-12-8", "11:51:53");
        QTest::newRow("dated 2015") << at(2015, 6, 1, 10, 0, 0) << 3600 << 0 << QStringList();
    }

    void stopSetsTheClock()
    {
        QFETCH(QDateTime, utc);
        QFETCH(int, zoneOffset);
        QFETCH(int, summerTime);
        QFETCH(QStringList, commands);
        Instrument instrument;
        QVERIFY(instrument.start(nullptr, {{"Local-Settings/TimezoneOffset", zoneOffset},
                                           {"Local-Settings/DaylightSavingTime", summerTime},
                                           {"Local-Settings/DateTimeSource", "GPS"}}));
        GpsSimulator::Route route = instrument.sim.route();
        route.start = utc;
        instrument.sim.setRoute(route);
        g_debugFeatures = 1;
        instrument.monitor->init();
        instrument.click("butMenuNmea");
        QVERIFY(instrument.tick());
        // The fix has set the clock once; Stop sets it again from the same stamp.
        QCOMPARE(instrument.clockCommands(), commands);
        instrument.click("butMenuStop");
        QVERIFY(!instrument.timer()->isActive());
        QCOMPARE(instrument.clockCommands(), commands + commands);
        QCOMPARE(TestSupport::logged("GPS monitor: clock not set, no valid GPS time"), commands.isEmpty());

        instrument.gps->switchOffGpsModul();
        instrument.click("butMenuStart");
        QVERIFY(instrument.timer()->isActive());
        QCOMPARE(instrument.timer()->interval(), GpsMonitor::kUpdateIntervalMs);
        TestSupport::clearLoggedMessages();
        instrument.click("butMenuStop");
        QVERIFY(TestSupport::logged("GPS monitor: clock not set, no valid GPS time"));
        QCOMPARE(instrument.clockCommands().size(), 2 * commands.size());
    }

    void showingAndLeaving()
    {
        Instrument instrument;
        QVERIFY(instrument.start("walk.nmea"));
        GpsMonitor* monitor = instrument.monitor;
        QPushButton* nmea = button(monitor, "butMenuNmea");
        monitor->init();
        QVERIFY(nmea->isHidden());
        g_debugFeatures = 1;
        monitor->init();
        QVERIFY(!nmea->isHidden());
        instrument.click("butMenuNmea");
        monitor->init();
        QCOMPARE(instrument.mainPage(), QString("pagePosition"));

        QSignalSpy leave(monitor, &GpsMonitor::gotoWidget);
        const QList<QVariant> toMainPage = {0, -1, 0};
        TestSupport::holdEscape(monitor, [&] {
            QVERIFY(TestSupport::logged("IO-Key pressed"));
            QCOMPARE(leave.count(), 0);
        });
        QCOMPARE(leave.takeFirst(), toMainPage);
        for (const char* back : {"butMenuBack", "butMenuBackDist", "butMenuBackSatInfo", "butMenuBackNmea"}) {
            instrument.click(back);
            QCOMPARE(leave.takeFirst(), toMainPage);
        }
        QVERIFY(instrument.timer()->isActive());

        // Receiver off: an empty paragraph every update. An hour of updates keeps the
        // log at its bound.
        QVERIFY(instrument.tick());
        instrument.gps->switchOffGpsModul();
        const int blocks = instrument.log()->blockCount();
        monitor->updateGpsData();
        QCOMPARE(instrument.log()->blockCount(), blocks + 1);
        QCOMPARE(instrument.log()->lastBlock().text(), QString());
        instrument.gps->switchOnGpsModul();
        QTRY_VERIFY(instrument.sim.isNavigating());
        QVERIFY(instrument.tick());
        for (int i = 0; i < 2400; ++i)
            monitor->updateGpsData();
        QCOMPARE(instrument.log()->blockCount(), GpsMonitor::kMaxLogParagraphs);
        // A second hour: the memory stays where the first left it (an unbounded log grows
        // by about 2 MB an hour).
        const qint64 afterAnHour = residentKiB();
        for (int i = 0; i < 2400; ++i)
            monitor->updateGpsData();
        const qint64 growth = residentKiB() - afterAnHour;
        QVERIFY2(!kResidentSizeTells || growth < 512, qPrintable(QString::number(growth)));
        QVERIFY(instrument.log()->lastBlock().text().startsWith("$GNRMC,"));
        instrument.click("butMenuDelete");
        QCOMPARE(instrument.log()->blockCount(), 1);
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestGpsMonitor)
#include "tst_gpsmonitor.moc"
