// The long-term page in the main window: levels from the real analysis fed with ADC blocks,
// the simulated sensor unit's mute key, the real store and its files.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/fft.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Management/measmanagement.h"
#include "Tools/longtermdata.h"
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

const QColor kData(255, 255, 100);
const QColor kGrid(64, 64, 64);

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}}, settings)
    {
    }

    // The page live with the path open; its timers are driven by the test.
    Longtermmeasurement* showLive()
    {
        startMainMenu();
        menu->displayWidget(9, 1, 0);
        auto* page = qobject_cast<Longtermmeasurement*>(menu->currentPage());
        if (!page)
            return nullptr;
        page->linkCheckTimer()->stop();
        page->muteAudioPath(false, false);
        page->readingTimer()->stop();
        return page;
    }

    Longtermmeasurement* showStored(const QString& dir, const QByteArray& ini)
    {
        device.write("/media/tk9400/meas/" + dir + "/info.ini", ini);
        startMainMenu();
        menu->displayWidget(7, 1, 0);
        menu->getInstanceMeasManagement()->openStoredMeasurement(dir);
        return qobject_cast<Longtermmeasurement*>(menu->currentPage());
    }

    bool pathMuted() const { return menu->isAudioPathMuted() && menu->getAudioCodecInstance()->isMuted(); }
};

// One ADC block whose display level is as near the wanted one as the samples allow: a
// square wave of 32-sample periods (about 240 Hz) has the amplitude as its RMS.
QByteArray blockAt(float level)
{
    int best = 0;
    for (int pcm = 1; pcm < 32767; ++pcm) {
        if (std::fabs(AnalogInputWorker::audioLevelToDb(pcmToReal(short(pcm))) - level)
            < std::fabs(AnalogInputWorker::audioLevelToDb(pcmToReal(short(best))) - level))
            best = pcm;
    }
    QByteArray block;
    for (int i = 0; i < kAdcBlockSamples; ++i) {
        const short sample = short((i / 16) % 2 ? -best : best);
        block.append(char(sample & 0xff)).append(char((sample >> 8) & 0xff));
    }
    return block;
}

void reading(Longtermmeasurement* page, float level)
{
    Analoginputworker()->analyseBlock(blockAt(level));
    page->updateData();
}

LongtermData* liveGraph(Longtermmeasurement* page)
{
    return child<QWidget>(page, "levelDataWidget")->findChild<LongtermData*>();
}


void shoot(QWidget* page, const char* name)
{
    QVERIFY(page->grab().save(TestSupport::screenshotPath(QStringLiteral("longterm-%1.png").arg(QLatin1String(name)))));
}

QString onlyMeasurement(const TestSupport::DeviceRoot& device)
{
    const QStringList dirs = QDir(device.hostPath("/media/tk9400/meas")).entryList({"LT_*"}, QDir::Dirs);
    return dirs.size() == 1 ? dirs.first() : QString();
}

} // namespace

class TestLongtermmeasurement : public TestSupport::PageTest
{
    Q_OBJECT

private slots:
    void ringWrapsAndWindows()
    {
        Instrument instrument;
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        for (int i = 0; i < 120; ++i)
            reading(page, 40 + i % 30);
        shoot(page, "live-before-wrap");
        for (int i = 120; i < 180; ++i)
            reading(page, 40 + i % 30);
        QCOMPARE(page->dataCount(), 0);
        QVERIFY(page->displaysOldData());
        QCOMPARE(rowsOf(liveGraph(page)->grab().toImage(), 100, kData), QList<int>()); // all old: black

        reading(page, 80);
        QCOMPARE(page->dataCount(), 1);
        QVERIFY(std::fabs(page->recordedData()[0] - 80) < 0.3);
        // The new value alone in the data colour at the left edge (row of 80 %), the rest black.
        QCOMPARE(rowsOf(liveGraph(page)->grab().toImage(), 30, kData).size(), 1);
        QVERIFY(qAbs(rowsOf(liveGraph(page)->grab().toImage(), 30, kData).first() - 15) <= 1);
        QCOMPARE(child<QLabel>(page, "labelLevel")->text(), QString("80"));
        shoot(page, "live-after-wrap");

        const QStringList labels = {"10 min", "30 min", "3 min"};
        const QList<int> windows = {600, 1800, 180};
        for (int press = 0; press < 3; ++press) {
            QTest::mouseClick(child<QPushButton>(page, "butMenuTime"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(page, "labelTime")->text(), labels[press]);
            QCOMPARE(page->dataCount(), 0);
            QVERIFY(!page->displaysOldData());
            for (int i = 0; i < 90; ++i)
                reading(page, 55 + 10 * std::sin(i / 6.0f));
            QCOMPARE(page->maxVisibleData(), windows[press]);
            if (press < 2)
                shoot(page, press ? "30min" : "10min");
        }
        QCOMPARE(page->selectedTime(), 0);
    }

    void readingBelowOneChangesNothing()
    {
        Instrument instrument;
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        reading(page, 50);
        const QImage before = liveGraph(page)->grab().toImage();
        Analoginputworker()->analyseBlock(QByteArray(2 * kAdcBlockSamples, 0)); // silence: level 0
        page->updateData();
        page->muteAudioPath(true, true);
        reading(page, 60); // muted: counts as 1e-6
        QCOMPARE(page->dataCount(), 1);
        QCOMPARE(child<QLabel>(page, "labelLevel")->text(), QString("50"));
        QCOMPARE(liveGraph(page)->grab().toImage(), before);
    }

    void scale_data()
    {
        QTest::addColumn<QList<float>>("levels");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QList<int>>("gridRows"); // the main steps of the Y axis
        QList<float> narrow{42.7f, 71.2f};
        for (int i = 0; i < 100; ++i)
            narrow << 57 + 12 * std::sin(i / 8.0f);
        QTest::newRow("narrow") << narrow << true << 40 << 75 << QList<int>{21, 43, 65};
        QTest::newRow("wide") << QList<float>{12, 50, 98} << true << 10 << 100 << QList<int>{16, 33, 50, 67};
        QTest::newRow("up to 99") << QList<float>{61, 99} << true << 60 << 100 << QList<int>{19, 38, 57};
        QTest::newRow("no values") << QList<float>{} << false << 0 << 100 << QList<int>{15, 30, 45, 60};
    }
    void scale()
    {
        QFETCH(QList<float>, levels);
        QFETCH(bool, scaled);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QList<int>, gridRows);
        Instrument instrument({{"Dialogconfiguration/Longterm_ShowGrid", true}});
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        for (float level : levels)
            reading(page, level);
        QTest::mouseClick(child<QPushButton>(page, "butMenuScale"), Qt::LeftButton);
        QCOMPARE(page->isScaled(), scaled);
        QCOMPARE(page->scaledMinimum(), min);
        QCOMPARE(page->scaledMaximum(), max);
        QCOMPARE(TestSupport::logged("Scaling nach runden"), scaled);
        QCOMPARE(child<QPushButton>(page, "butMenuScale")->styleSheet().contains("ScaleMagnifierFull"), scaled);
        reading(page, 50);
        QCOMPARE(rowsOf(liveGraph(page)->grab().toImage(), 300, kGrid), gridRows);
        if (QTest::currentDataTag() == QString("narrow"))
            shoot(page, "scaled");

        if (scaled) {
            QTest::mouseClick(child<QPushButton>(page, "butMenuScale"), Qt::LeftButton);
            QVERIFY(!page->isScaled());
            QCOMPARE(page->scaledMaximum(), 100);
        }
    }

    void barColour_data()
    {
        QTest::addColumn<bool>("byFrequency");
        QTest::newRow("yellow") << false;
        QTest::newRow("frequency colour") << true;
    }
    void barColour()
    {
        QFETCH(bool, byFrequency);
        Instrument instrument({{"Dialogconfiguration/Longterm_UseFrequencyColorForLevelbar", byFrequency},
                               {"Dialogconfiguration/Longterm_ShowFrequencyValue", true}});
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        reading(page, 50.5f);
        const QString shown = child<QLabel>(page, "labelFrequency")->text();
        QVERIFY2(shown.endsWith(" Hz") && shown != "0 Hz", qPrintable(shown));
        QColor text;
        const QColor c = AnalogInputWorker::calcFrequencyColor(shown.chopped(3).toUInt(), 300, QColor("blue"),
                                                               QColor("red"), QColor("yellow"), &text);
        const QString expected = byFrequency ? QString("QProgressBar::chunk {background-color: rgb(%1, %2, %3);}")
                                                   .arg(c.red())
                                                   .arg(c.green())
                                                   .arg(c.blue())
                                             : QString("QProgressBar::chunk {background-color: yellow;}");
        QCOMPARE(child<QProgressBar>(page, "prgbMinimumLevel")->styleSheet(), expected);
        QCOMPARE(child<QProgressBar>(page, "prgbMinimumLevel")->value(), 50);
    }

    // Before a wrap the values so far; after it the whole window, oldest first.
    void save_data()
    {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("timePresses");
        QTest::newRow("before the wrap") << 5 << 5 << 0;
        QTest::newRow("after the wrap") << 200 << 180 << 0;
        QTest::newRow("right after the wrap") << 180 << 180 << 0;
        QTest::newRow("Time empties the window it names") << 200 << 0 << 1;
    }
    void save()
    {
        QFETCH(int, readings);
        QFETCH(int, stored);
        QFETCH(int, timePresses);
        Instrument instrument;
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        QStringList shown;
        for (int i = 0; i < readings; ++i) {
            reading(page, 30 + (i * 7) % 60);
            const int slot = (page->dataCount() + page->maxVisibleData() - 1) % page->maxVisibleData();
            shown << QString::number(page->recordedData()[slot], 'f', 1);
        }
        for (int press = 0; press < timePresses; ++press) {
            QTest::mouseClick(child<QPushButton>(page, "butMenuTime"), Qt::LeftButton);
            QCOMPARE(rowsOf(liveGraph(page)->grab().toImage(), 15, kData), QList<int>());
        }
        DialogDriver driver;
        driver.typeText("Nacht");
        QTest::mouseClick(child<QPushButton>(page, "butMenuSave"), Qt::LeftButton);
        QVERIFY(TestSupport::logged("Store Longterm"));
        QVERIFY(instrument.pathMuted());

        const QString dir = onlyMeasurement(instrument.device);
        QVERIFY2(QRegularExpression("^LT_\\d{8}_\\d{6}_Nacht$").match(dir).hasMatch(), qPrintable(dir));
        QSettings ini(instrument.device.hostPath("/media/tk9400/meas/" + dir + "/info.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value("Levels_CSV/Levels_Cnt").toInt(), stored);
        if (stored > 0)
            QCOMPARE(ini.value("Levels_CSV/Levels_Data").toString(), shown.mid(readings - stored).join("; ") + "; ");
        QCOMPARE(ini.value("Levels_CSV/SelectedTime").toInt(), timePresses);
        QCOMPARE(ini.value("Levels_CSV/MaxVisibleData").toInt(), QList<int>({180, 600, 1800}).at(timePresses));
        QVERIFY(ini.childGroups().contains("Filter"));
        QVERIFY(ini.childGroups().contains("Gains"));
        QVERIFY(ini.contains("GPS-Positions/GPS-Position"));
        QVERIFY(!ini.childGroups().contains("Levels"));
    }

    void storedView_data()
    {
        QTest::addColumn<QByteArray>("levels");
        QTest::addColumn<QByteArray>("filter");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("high");
        QByteArray series = "Levels_Cnt=300\nSelectedTime=1\nMaxVisibleData=600\nLevels_Data=\"";
        for (int i = 0; i < 300; ++i)
            series += QByteArray::number(40 + 20 * std::sin(i / 20.0), 'f', 1) + "; ";
        QTest::newRow("saved series")
            << series + "\"\n" << QByteArray("Filtertype=Bandpass\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n")
            << 300 << 600 << "10 min" << 1 << 1250;
        QTest::newRow("lower-case filter type")
            << QByteArray("Levels_Cnt=2\nLevels_Data=\"40.0; 60.5; \"\nSelectedTime=0\nMaxVisibleData=180\n")
            << QByteArray("Filtertype=bandpass\nLowCutOff-Frequency=160\nHighCutOff-Frequency=1250\n") << 2 << 180
            << "3 min" << 0 << 4000;
        QTest::newRow("count and window beyond the file")
            << QByteArray("Levels_Cnt=5000\nLevels_Data=\"40.0; 60.5; 70.0; \"\nMaxVisibleData=20000\n") << QByteArray()
            << 3 << 180 << "3 min" << 0 << 4000;
        QTest::newRow("count and time beyond an int")
            << QByteArray("Levels_Cnt=99999999999\nSelectedTime=4294967297\nLevels_Data=\"40.0; 60.5; 70.0; \"\n")
            << QByteArray() << 0 << 180 << "3 min" << 0 << 4000;
        QByteArray many = "Levels_Cnt=300\nSelectedTime=7\nMaxVisibleData=-4\nLevels_Data=\"";
        for (int i = 0; i < 300; ++i)
            many += "50.0; ";
        QTest::newRow("count beyond the window") << many + "\"\n" << QByteArray("Filtertype=Bandstop\n") << 180 << 180
                                                 << "3 min" << 2 << 0;
    }
    void storedView()
    {
        QFETCH(QByteArray, levels);
        QFETCH(QByteArray, filter);
        QFETCH(int, count);
        QFETCH(int, window);
        QFETCH(QString, time);
        QFETCH(int, type);
        QFETCH(int, high);
        Instrument instrument;
        const QByteArray ini = "[Measurementinfo]\nMeasurementname=Nacht\n[Levels_CSV]\n" + levels
            + (filter.isEmpty() ? QByteArray() : "[Filter]\n" + filter);
        Longtermmeasurement* page = instrument.showStored("LT_20261209_031500_Nacht", ini);
        QVERIFY(page);
        QCOMPARE(child<QStackedWidget>(page, "mainArea")->currentWidget()->objectName(), QString("storedPage"));
        QCOMPARE(page->storedDataCount(), count);
        QCOMPARE(page->maxVisibleData(), window);
        QCOMPARE(child<QLabel>(page, "labelTimeStored")->text(), time);
        QCOMPARE(page->storedFilterType(), type);
        QCOMPARE(child<QLabel>(page, "labelFilterHighCutOff")->text(), QString("%1 Hz").arg(high));
        QCOMPARE(child<QLabel>(page, "labelStoredMeasurement")->text(), QString("Nacht"));
        if (QTest::currentDataTag() == QString("saved series")) {
            QCOMPARE(page->storedData()[1], 41.0f);
            // Drawn from the left: point 0 at the data area's left edge, at 40 %.
            auto* graph = child<QWidget>(page, "levelDataStored")->findChild<LongtermData*>();
            const QImage image = graph->grab().toImage();
            QCOMPARE(rowsOf(image, 30, kData).last(), 45); // the first value, 40 %
            QCOMPARE(rowsOf(image, 300, kData), QList<int>()); // half the window
            shoot(page, "stored");
        }

        // No key opens the path of the hidden live page or starts its timer, also after Back.
        QTest::keyPress(page, Qt::Key_F10);
        instrument.sim.sink()->pressMuteKey();
        QTest::qWait(200);
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
        page->on_butMenuStoredBack_clicked();
        instrument.sim.sink()->releaseMuteKey();
        instrument.sim.sink()->pressMuteKey();
        QTest::qWait(200);
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
        QVERIFY(!TestSupport::logged("Audiopath: NOT MUTED"));
    }

    void settingsBarAndLeaving()
    {
        Instrument instrument;
        Longtermmeasurement* page = instrument.showLive();
        QVERIFY(page);
        QTest::mouseClick(child<QPushButton>(page, "butMenuSettings"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>(page, "subMenu")->currentWidget()->objectName(), QString("subMenu_3"));
        shoot(page, "settings-bar");
        // A filter dialog closed without its check mark (a PC keyboard's Escape) leaves the
        // page reading on.
        page->readingTimer()->stop();
        {
            DialogDriver driver;
            QTest::mouseClick(child<QPushButton>(page, "butMenuFilter"), Qt::LeftButton);
            QCOMPARE(driver.otherDialogs().size(), 1);
        }
        QVERIFY(page->readingTimer()->isActive());
        QVERIFY(!instrument.pathMuted());
        QTest::mouseClick(child<QPushButton>(page, "butMenuBack"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>(page, "subMenu")->currentWidget()->objectName(), QString("subMenu_1"));

        TestSupport::tapEscape(page);
        QVERIFY(TestSupport::logged("Longterm IO-Key released"));
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
        QCOMPARE(instrument.menu->getCurrentWidget(), 0);
    }
};

QTEST_MAIN(TestLongtermmeasurement)
#include "tst_longtermmeasurement.moc"
