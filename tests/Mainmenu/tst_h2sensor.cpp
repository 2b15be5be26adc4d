// The H2 page in the main window against the simulated sensor unit with its H2 sensor:
// zero point, ticker, ranges, history and steps, the polling over the real link, the
// store and the stored view.
#include "Audio/audioworker.h"
#include "Mainmenu/h2sensor.h"
#include "Management/measmanagement.h"
#include "Tools/longtermdata.h"
#include "Tools/statusbar.h"
#include "Tools/timerh2heating.h"
#include "codecmixer.h"
#include "dialogdriver.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>
#include <cmath>

using TestSupport::child;
using TestSupport::rowsOf;

namespace {

const char* const kPeriod = "/sys/class/pwm/pwmchip1/pwm0/period";
const QColor kData(173, 216, 230);

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}}, settings)
    {
    }

    // The page live and muted, with the H2 sensor fitted; the test drives the readings
    // unless `polling`.
    H2Sensor* showLive(bool polling = false)
    {
        sim.sink()->setUnitSensorType(3);
        startMainMenu();
        if (!QTest::qWaitFor(
                [this] { return menu->getBtSinkInstance()->isConnectedRFCOMM(); }, TestSupport::timeBound(8000)))
            return nullptr;
        sim.sink()->unitRestarted();
        if (!QTest::qWaitFor([] { return StatusbarData()->sensorType() == 3; }, TestSupport::timeBound(3000)))
            return nullptr;
        menu->displayWidget(6, 1, 0);
        auto* page = qobject_cast<H2Sensor*>(menu->currentPage());
        if (page) {
            page->linkCheckTimer()->stop();
            if (!polling)
                page->readingTimer()->stop();
        }
        return page;
    }

    H2Sensor* showStored(const QString& dir, const QByteArray& ini)
    {
        device.write("/media/tk9400/meas/" + dir + "/info.ini", ini);
        startMainMenu();
        menu->displayWidget(7, 1, 0);
        menu->getInstanceMeasManagement()->openStoredMeasurement(dir);
        return qobject_cast<H2Sensor*>(menu->currentPage());
    }

    QByteArray period() const { return device.read(kPeriod); }
    bool pathMuted() const { return menu->isAudioPathMuted(); }
};

// The path opened by the page's own switch, the polling left to the test.
void open(H2Sensor* page)
{
    page->muteAudioPath(false, false);
    page->readingTimer()->stop();
}

void mute(H2Sensor* page)
{
    page->muteAudioPath(true, false);
    page->readingTimer()->stop();
}

// A raw value whose level (raw / 4.096, truncated) is exactly `level`.
QString rawFor(int level)
{
    return QString::number(level * 4.096 + 0.01, 'f', 3);
}

void reading(H2Sensor* page, int level, const QString& seconds = "700")
{
    page->btReceivedSensorvalue(rawFor(level), seconds);
}

QString text(H2Sensor* page, const char* label)
{
    return child<QLabel>(page, label)->text();
}

int bar(H2Sensor* page)
{
    return child<QProgressBar>(page, "progBarH2Level")->value();
}

void shoot(QWidget* page, const QString& name)
{
    QVERIFY(page->grab().save(TestSupport::screenshotPath("h2-" + name + ".png")));
}

QString onlyMeasurement(const TestSupport::DeviceRoot& device)
{
    const QStringList dirs = QDir(device.hostPath("/media/tk9400/meas")).entryList({"H2_*"}, QDir::Dirs);
    return dirs.size() == 1 ? dirs.first() : QString();
}

// The graph as the page shows it, so that a page drawn over it counts.
QImage shownGraph(H2Sensor* page)
{
    return page->grab(QRect(page->graph()->mapTo(page, QPoint()), page->graph()->size())).toImage();
}

// The mean gap between the first and the last of the times, in ms: a late arrival
// lengthens one gap and shortens the next, but moves the mean only when it is the first or
// the last.
double meanGap(const QList<qint64>& times)
{
    return double(times.last() - times.first()) / (times.size() - 1);
}

// Gaps between consecutive times, in ms.
QList<qint64> gaps(const QList<qint64>& times)
{
    QList<qint64> result;
    for (int i = 1; i < times.size(); ++i)
        result << times[i] - times[i - 1];
    return result;
}

} // namespace

class TestH2Sensor : public TestSupport::PageTest
{
    Q_OBJECT

private slots:
    // Fixed scale (automatic ranging off): the first reading sets the zero point, muted or
    // open; open readings drive the bar and the ticker's period.
    void zeroPointAndTicker_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::newRow("muted") << false;
        QTest::newRow("open") << true;
    }
    void zeroPointAndTicker()
    {
        QFETCH(bool, openFirst);
        Instrument instrument({{"Dialogconfiguration/H2Sensor_DynamicScaling", false}});
        instrument.device.journalWrites();
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        const QStringList pwm = instrument.device.writes().filter("/pwm0/");
        QCOMPARE(pwm.mid(0, 3), QStringList({QString(kPeriod) + " 1000000000",
                                              "/sys/class/pwm/pwmchip1/pwm0/duty_cycle 100000",
                                              "/sys/class/pwm/pwmchip1/pwm0/enable 1"}));
        QCOMPARE(page->rangeMax(), 50);
        QVERIFY(instrument.pathMuted());
        QCOMPARE(CodecMixer::inputPath(instrument.device), 2);
        if (!openFirst)
            shoot(page, "live-muted");

        if (openFirst)
            open(page);
        page->btReceivedSensorvalue("409.6", "100");
        QCOMPARE(page->level(), 100);
        QCOMPARE(page->referenceLevel(), 100);
        if (!openFirst) {
            QCOMPARE(instrument.period(), QByteArray("1000000000"));
            open(page);
            page->btReceivedSensorvalue("409.6", "100");
        }
        QVERIFY2(QStringList({"0", "1"}).contains(text(page, "labelLevel")), qPrintable(text(page, "labelLevel")));
        QCOMPARE(bar(page), 0);
        // Written over the longer start value: no digit of it stays behind.
        QCOMPARE(instrument.period(), QByteArray("500000000"));

        // A garbled value or one outside the sensor's range is dropped, not read as a level.
        for (const char* dropped : {"abc", "-4.1", "65536", "1e30", "nan"}) {
            page->btReceivedSensorvalue(dropped, "100");
            QCOMPARE(page->referenceLevel(), 100);
            QCOMPARE(page->level(), 100);
        }
        QCOMPARE(TestSupport::loggedMessages().filter("reading dropped").size(), 5);

        reading(page, 300);
        QCOMPARE(page->displayLevel(), 200);
        QCOMPARE(bar(page), 100);
        QCOMPARE(instrument.period(), QByteArray("10000000"));

        // A period file that does not open is skipped, with a line in the log.
        if (openFirst) {
            instrument.device.remove(kPeriod);
            QVERIFY(QDir().mkpath(instrument.device.hostPath(kPeriod)));
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("PWM file not opened"));
            reading(page, 120);
            QCOMPARE(bar(page), 40);
        }
    }

    void automaticRanging()
    {
        Instrument instrument;
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        QVERIFY(page->isDynamicScaling());
        open(page);
        reading(page, 0);
        QCOMPARE(page->referenceLevel(), 0);
        QCOMPARE(page->rangeMax(), 100);
        reading(page, 500);
        QCOMPARE(page->rangeMax(), 550);
        QCOMPARE(text(page, "labelScaleMax"), QString("<> 550"));
        shoot(page, "automatic-range");
        reading(page, 50);
        QCOMPARE(page->rangeMax(), 467);

        // Growth is capped at 1000 above zero; the floor then gives 100.
        page->on_butMenuMainmenu_clicked();
        instrument.menu->displayWidget(6, 1, 0);
        open(page);
        reading(page, 950);
        reading(page, 2000);
        QCOMPARE(page->referenceLevel(), 950);
        QCOMPARE(page->rangeMax(), 100);
        QCOMPARE(text(page, "labelScaleMax"), QString("<> 100"));
    }

    void rangeButtonCycles_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("automatic on") << true << QStringList({"50", "100", "200", "500", "1000", "<> 100", "50"});
        QTest::newRow("automatic off") << false << QStringList({"100", "200", "500", "1000", "50", "100", "200"});
    }
    void rangeButtonCycles()
    {
        QFETCH(bool, automatic);
        QFETCH(QStringList, labels);
        Instrument instrument({{"Dialogconfiguration/H2Sensor_DynamicScaling", automatic}});
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        QStringList shown;
        for (int press = 0; press < labels.size(); ++press) {
            QTest::mouseClick(child<QPushButton>(page, "butMenuScale"), Qt::LeftButton);
            shown << text(page, "labelScaleMax");
        }
        QCOMPARE(shown, labels);
    }

    void historyAndSteps()
    {
        Instrument instrument;
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        open(page);
        reading(page, 40);
        QTest::mouseClick(child<QPushButton>(page, "butMenuZero"), Qt::LeftButton);
        QCOMPARE(page->referenceLevel(), 40);
        QCOMPARE(page->historyCount(), 0);
        for (int i = 1; i <= 301; ++i)
            reading(page, 40 + i);
        QCOMPARE(page->historyCount(), 299);
        QCOMPARE(page->history()[0], 3.0f);
        QCOMPARE(page->history()[298], 301.0f);

        // Ten listening steps, then each opening shifts them; the new step starts empty.
        mute(page);
        for (int opening = 2; opening <= 11; ++opening) {
            open(page);
            if (opening == 11) {
                QCOMPARE(page->currentStep(), 10);
                QCOMPARE(page->stepLevel(10), 0.0f);
                QCOMPARE(page->stepLevel(9), 40.0f + 10 * 10);
            }
            reading(page, 40 + 10 * opening);
            mute(page);
        }
        QList<float> steps;
        for (int step = 1; step <= 10; ++step)
            steps << page->stepLevel(step);
        QCOMPARE(steps, QList<float>({60, 70, 80, 90, 100, 110, 120, 130, 140, 150}));
    }

    // Over the real link: the polling periods, and a silent unit that gathers no backlog.
    void pollingOverTheLink()
    {
        Instrument instrument;
        H2Sensor* page = instrument.showLive(true);
        QVERIFY(page);
        BtModuleSim* unit = instrument.sim.sink();
        unit->setH2Raw(409.6);
        QTRY_VERIFY_WITH_TIMEOUT(unit->unitLineTimes("BT_TX S").size() >= 3, 9000);
        const double muted = meanGap(unit->unitLineTimes("BT_TX S").mid(0, 3));
        QVERIFY2(qAbs(muted - H2Sensor::kMutedPollMs) < TestSupport::timeBound(300),
                 qPrintable(QString::number(muted)));
        QCOMPARE(page->referenceLevel(), 100);

        page->muteAudioPath(false, false);
        const qint64 opened = unit->clockMs();
        QTest::qWait(2200);
        QList<qint64> openTimes;
        for (qint64 t : unit->unitLineTimes("BT_TX S"))
            if (t > opened)
                openTimes << t;
        QVERIFY(openTimes.size() >= 3);
        const double open = meanGap(openTimes);
        QVERIFY2(qAbs(open - H2Sensor::kOpenPollMs) < TestSupport::timeBound(200), qPrintable(QString::number(open)));
        QVERIFY(open < muted / 2);

        unit->setUnitSilent(true);
        const qint64 silent = unit->clockMs();
        QTest::qWait(5000);
        unit->setUnitSilent(false);
        const qint64 back = unit->clockMs();
        const qint64 afterMs = 2500;
        QTest::qWait(afterMs);
        QList<qint64> during, after;
        for (qint64 t : unit->unitLineTimes("BT_TX S")) {
            if (t > silent && t <= back)
                during << t;
            else if (t > back && t <= back + afterMs)
                after << t;
        }
        // One request in flight at a time: a new one only when the last was given up. The
        // page times that wait itself, so only the way to the unit can shorten a gap here.
        QVERIFY2(during.size() <= 3, qPrintable(QString::number(during.size())));
        for (qint64 gap : gaps(during))
            QVERIFY2(gap >= H2Sensor::kAnswerWaitMs - TestSupport::timeBound(200), qPrintable(QString::number(gap)));
        // Nothing queued comes out in a burst once the unit answers again: no more requests
        // than the open period has ticks, and one that a late arrival carried over.
        QVERIFY(after.size() >= 2);
        QVERIFY2(after.size() <= afterMs / H2Sensor::kOpenPollMs + 2, qPrintable(QString::number(after.size())));
        QVERIFY(!page->isMuted());
    }

    void save()
    {
        Instrument instrument;
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        open(page);
        reading(page, 80);
        QTest::mouseClick(child<QPushButton>(page, "butMenuZero"), Qt::LeftButton);
        QStringList series;
        for (int i = 0; i < 5; ++i) {
            reading(page, 80 + 7 * i);
            series << QString::number(7 * i, 'f', 1);
        }

        DialogDriver driver;
        bool pausedWhileAsked = false;
        driver.setInspector([&](QWidget*) { pausedWhileAsked = Audioworker()->isPaused(); });
        driver.cancelKeyboard();
        QTest::mouseClick(child<QPushButton>(page, "butMenuSave"), Qt::LeftButton);
        QVERIFY(pausedWhileAsked);
        QVERIFY(TestSupport::logged("Text: verworfen"));
        QVERIFY(!Audioworker()->isPaused());
        QCOMPARE(onlyMeasurement(instrument.device), QString());

        driver.typeText("Schacht 2");
        QTest::mouseClick(child<QPushButton>(page, "butMenuSave"), Qt::LeftButton);
        QVERIFY(!page->isMuted() && !instrument.pathMuted());
        QVERIFY(!Audioworker()->isPaused());
        const QString dir = onlyMeasurement(instrument.device);
        QVERIFY2(QRegularExpression("^H2_\\d{8}_\\d{6}_Schacht 2$").match(dir).hasMatch(), qPrintable(dir));
        const QString path = instrument.device.hostPath("/media/tk9400/meas/" + dir);
        QCOMPARE(QDir(path).entryList(QDir::Files), QStringList({"info.ini"}));
        QSettings ini(path + "/info.ini", QSettings::IniFormat);
        QCOMPARE(ini.value("Measurementinfo/Measurementtype").toString(), QString("H2-Sensor"));
        QCOMPARE(ini.value("Levels/Level_1").toString(), QString("108.000")); // the level, not the display level
        QCOMPARE(ini.value("Levels/Level_2").toString(), QString("0.000"));
        QVERIFY(ini.contains("GPS-Positions/GPS-Position_10"));
        QCOMPARE(ini.value("Levels_CSV/Levels_Cnt").toInt(), 5);
        QCOMPARE(ini.value("Levels_CSV/Levels_Data").toString(), series.join("; ") + "; ");
        QCOMPARE(ini.value("Levels_CSV/H2-ReferenceLevel").toInt(), 80);
        QCOMPARE(ini.value("Levels_CSV/H2-MaxRange").toInt(), page->rangeMax());
        QVERIFY(ini.childGroups().contains("Gains"));
        QVERIFY(!ini.childGroups().contains("Filter"));
    }

    void storedView_data()
    {
        QTest::addColumn<QByteArray>("levels");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("range");
        QTest::newRow("saved") << QByteArray("Levels_Cnt=3\nH2-ReferenceLevel=20\nH2-MaxRange=500\n"
                                             "Levels_Data=\"250.0; 250.0; 250.0; \"\n")
                               << 3 << 500;
        QTest::newRow("no range, count beyond the values")
            << QByteArray("Levels_Cnt=5000\nLevels_Data=\"500.0; 500.0; 500.0; \"\n") << 3 << 1000;
        QTest::newRow("range no page sets")
            << QByteArray("Levels_Cnt=3\nH2-MaxRange=2147483647\nLevels_Data=\"500.0; 500.0; 500.0; \"\n") << 3 << 1000;
        QByteArray many = "Levels_Cnt=400\nH2-MaxRange=-3\nLevels_Data=\"";
        for (int i = 0; i < 400; ++i)
            many += "500.0; ";
        QTest::newRow("count beyond the window") << many + "\"\n" << 300 << 1000;
    }
    void storedView()
    {
        QFETCH(QByteArray, levels);
        QFETCH(int, count);
        QFETCH(int, range);
        Instrument instrument;
        H2Sensor* page = instrument.showStored("H2_20261209_101500_Schacht 2",
                                               "[Measurementinfo]\nMeasurementname=Schacht 2\n[Levels_CSV]\n" + levels);
        QVERIFY(page);
        QVERIFY(page->isStoredView());
        QCOMPARE(child<QStackedWidget>(page, "mainArea")->currentWidget()->objectName(), QString("storedPage"));
        QCOMPARE(text(page, "labelStoredMeasurement"), QString("Schacht 2"));
        QCOMPARE(page->storedValuesCount(), count);
        QCOMPARE(page->storedRangeMax(), range);
        QCOMPARE(page->graph()->geometry(), QRect(5, 35, 416, 185));
        QVERIFY(page->graph()->isVisibleTo(page));
        // Every value is half the range: the line at half the data area's height (160 rows).
        QVERIFY(rowsOf(shownGraph(page), 31, kData).contains(80));
        if (QTest::currentDataTag() == QString("saved"))
            shoot(page, "stored");

        // The mute keys open nothing here, nor after Back; the hidden page keeps polling.
        const QByteArray period = instrument.period();
        QVERIFY(page->readingTimer()->isActive());
        QTest::keyPress(page, Qt::Key_F10);
        instrument.sim.sink()->pressMuteKey();
        QTest::qWait(200);
        QVERIFY(instrument.pathMuted() && page->isMuted());
        QTest::keyRelease(page, Qt::Key_F10);
        page->on_butMenuStoredBack_clicked();
        QVERIFY(!page->readingTimer()->isActive());
        instrument.sim.sink()->releaseMuteKey();
        instrument.sim.sink()->pressMuteKey();
        QTest::qWait(200);
        QVERIFY(instrument.pathMuted());
        QCOMPARE(instrument.period(), period);
        QVERIFY(!TestSupport::logged("Audiopath: NOT MUTED"));
    }

    void layoutsAndServiceLabels_data()
    {
        QTest::addColumn<bool>("histogram");
        QTest::addColumn<bool>("debug");
        QTest::newRow("graph") << true << false;
        QTest::newRow("no graph") << false << false;
        QTest::newRow("service labels") << true << true;
    }
    void layoutsAndServiceLabels()
    {
        QFETCH(bool, histogram);
        QFETCH(bool, debug);
        Instrument instrument({{"Debug/Debugfeatures", debug ? 1 : 0},
                               {"Dialogconfiguration/H2Sensor_ShowHistogram", histogram},
                               {"Dialogconfiguration/H2Sensor_ShowWorkingRange", true},
                               {"Dialogconfiguration/H2Sensor_ShowGrid", true}});
        H2Sensor* page = instrument.showLive();
        QVERIFY(page);
        QCOMPARE(child<QLabel>(page, "labelLevel")->pos(), histogram ? QPoint(65, 0) : QPoint(65, 25));
        QCOMPARE(child<QProgressBar>(page, "progBarH2Level")->geometry(),
                 histogram ? QRect(5, 95, 416, 50) : QRect(5, 140, 416, 70));
        QCOMPARE(page->graph()->isVisibleTo(page), histogram);
        QCOMPARE(page->graph()->geometry(), QRect(5, 150, 416, 101));
        QVERIFY(child<TimerH2Heating>(page, "labelTimer")->isRangeVisualisationShown());
        QCOMPARE(child<QLabel>(page, "labelPpm")->isVisibleTo(page), debug);

        open(page);
        reading(page, 100, "150");
        for (int i = 0; i < 120; ++i)
            reading(page, 100 + int(120 * (1 - std::exp(-i / 30.0))) + (i * 37) % 9, QString::number(350 + i));
        // The line runs up to the newest of the 121 values, over the bar and the labels.
        if (histogram)
            QVERIFY(!rowsOf(shownGraph(page), 30 + 120 * 371 / 300 - 1, kData).isEmpty());
        auto* dial = child<TimerH2Heating>(page, "labelTimer");
        QCOMPARE(dial->currentTime(), 469);
        QCOMPARE(child<QLabel>(page, "labelActiveTime")->isVisibleTo(page), debug);
        if (debug) {
            QCOMPARE(text(page, "labelActiveTime"), QString("Active: 469 s"));
            QCOMPARE(child<QLabel>(page, "labelActiveTime")->styleSheet(), QString("color: yellow;"));
            QCOMPARE(text(page, "labelScaleMin"), QString("0 (100)"));
            QVERIFY(text(page, "labelPpm").startsWith("AD "));
        } else {
            QCOMPARE(text(page, "labelScaleMin"), QString("0"));
        }
        shoot(page, QTest::currentDataTag() == QString("graph") ? "open-graph"
                    : histogram                                  ? "service-labels"
                                                                 : "open-no-graph");

        // Home leaves muted; the ticker keeps its last period.
        TestSupport::tapEscape(page);
        QVERIFY(page->isMuted() && instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
        QCOMPARE(instrument.menu->getCurrentWidget(), 0);
        QCOMPARE(instrument.device.read("/sys/class/pwm/pwmchip1/pwm0/enable"), QByteArray("1"));
    }
};

QTEST_MAIN(TestH2Sensor)
#include "tst_h2sensor.moc"
