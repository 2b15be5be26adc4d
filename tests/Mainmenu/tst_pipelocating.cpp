// The pipe locating page in the main window, against the simulated sensor unit, headphones
// and GPS receiver, with tones of the ADC signal source fed to the analysis: points and
// their held values, positions, drops and the shift past ten, the save, the stored view,
// the display switches and the range rules.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/filtersettings.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Mainmenu/pipelocating.h"
#include "Mainmenu/pointhistory.h"
#include "Management/measmanagement.h"
#include "Tools/freqspectrum.h"
#include "Tools/progressbarminmaxmarker.h"
#include "adcsim.h"
#include "codecmixer.h"
#include "dialogdriver.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

#include <cmath>

using TestSupport::child;

namespace {

const QString kMeas = "/media/tk9400/meas";
const QString kDefaultStyle = "QProgressBar::chunk {background-color: rgb(0,255,127);}";

struct Place
{
    double latitude;
    double longitude;
};
const Place kA{51.123456, 7.654321};
const Place kB{51.223456, 7.754321};
const Place kC{51.323456, 7.854321};

// The block of the ADC signal source with a tone whose peak shows as `display` dB.
QByteArray toneBlock(double display, double hz)
{
    LeakSignal::Settings settings;
    settings.noiseRms = 0;
    settings.toneHz = hz;
    settings.toneRms = std::pow(10.0, (display / 1.8 - 77) / 20) * 32768 / std::sqrt(2.0);
    LeakSignal signal(AdcSimulator::kSampleRate, settings);
    return signal.next(AdcSimulator::kBlockSamples);
}

QString positionText(const Place& place)
{
    return QString("%1, %2").arg(place.latitude, 0, 'f', 6).arg(place.longitude, 0, 'f', 6);
}

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}}, settings)
    {
        route.speedMetresPerSecond = 0;
        route.latitude = kA.latitude;
        route.longitude = kA.longitude;
        receiver.setRoute(route);
        if (receiver.open(device.hostPath("/dev/ttyO1")))
            receiver.start(100);
        startMainMenu();
    }
    ~Instrument() { menu.reset(); }

    BtModuleSim* unit() const { return sim.sink(); }
    bool linkUp()
    {
        return QTest::qWaitFor(
            [this] { return menu->getBtSinkInstance()->isConnectedRFCOMM(); }, TestSupport::timeBound(8000));
    }

    // The page live, its timers driven by the test alone.
    Pipelocating* show()
    {
        menu->displayWidget(8, 1, 0);
        auto* page = qobject_cast<Pipelocating*>(menu->currentPage());
        if (page) {
            page->readingTimer()->stop();
            page->linkCheckTimer()->stop();
        }
        return page;
    }
    bool at(const Place& place)
    {
        route.latitude = place.latitude;
        route.longitude = place.longitude;
        receiver.setRoute(route);
        Gps* gps = menu->getGpsInstance();
        return QTest::qWaitFor(
            [&] {
                return std::abs(gps->getLatitude() - place.latitude) < 1e-6
                    && std::abs(gps->getLongitude() - place.longitude) < 1e-6;
            },
            TestSupport::timeBound(8000));
    }
    // One reading of the page with a tone of that level and frequency.
    void reading(Pipelocating* page, double display, double hz)
    {
        Analoginputworker()->analyseBlock(toneBlock(display, hz));
        page->updateData();
    }
    // A point: the path opened with the device's mute key, readings, the key let go.
    void point(Pipelocating* page, double display, double hz, int readings = 1)
    {
        QTest::keyPress(page, Qt::Key_F10);
        for (int i = 0; i < readings; ++i)
            reading(page, display, hz);
        QTest::keyRelease(page, Qt::Key_F10);
    }
    // The single measurement directory of that name, and its info.ini.
    QString saved(const QString& name) const
    {
        const QStringList dirs = QDir(device.hostPath(kMeas)).entryList({"PL_*_" + name}, QDir::Dirs);
        return dirs.size() == 1 ? dirs.first() : QString();
    }
    QMap<QString, QString> points(const QString& dir) const
    {
        QMap<QString, QString> values;
        QSettings info(device.hostPath(kMeas + "/" + dir + "/info.ini"), QSettings::IniFormat);
        for (const QString& key : info.allKeys()) {
            if (key.startsWith("Levels/") || key.startsWith("GPS-Positions/"))
                values[key] = info.value(key).toString();
        }
        return values;
    }

    GpsSimulator receiver;
    GpsSimulator::Route route;
};

QProgressBar* liveBar(const QWidget* page, int i)
{
    return child<QProgressBar>(page, QString("progBarHist%1").arg(i));
}
QProgressBar* storedBar(const QWidget* page, int i)
{
    return child<QProgressBar>(page, QString("progBarHist%1_stored").arg(i));
}
int visibleBars(const QWidget* page, bool stored)
{
    int count = 0;
    for (int i = 1; i <= 10; ++i)
        count += !(stored ? storedBar(page, i) : liveBar(page, i))->isHidden();
    return count;
}
QString frequencyStyle(int hz)
{
    const QColor c = AnalogInputWorker::calcFrequencyColor(hz, 300, QColor("blue"), QColor("red"), QColor("yellow"),
                                                           nullptr);
    return QString("QProgressBar::chunk {background-color: rgb(%1, %2, %3);}")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

} // namespace

class TestPipelocating : public TestSupport::PageTest
{
    Q_OBJECT

private slots:
    void barRanges_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("live 30/60") << false << QList<float>{30, 60} << 260 << 640;
        QTest::newRow("live 30/35") << false << QList<float>{30, 35} << 260 << 400;
        QTest::newRow("live within 1 dB") << false << QList<float>{40, 40.5f, 40.9f} << 0 << 1000;
        QTest::newRow("live high end capped") << false << QList<float>{80, 99} << 760 << 1000;
        QTest::newRow("live none") << false << QList<float>{} << 0 << 1000;
        QTest::newRow("stored 2/50") << true << QList<float>{2, 50} << 0 << 550;
        QTest::newRow("stored 3/98") << true << QList<float>{3, 98} << 0 << 1000;
        QTest::newRow("stored 20/60") << true << QList<float>{20, 0, 60} << 150 << 650;
        QTest::newRow("stored single point") << true << QList<float>{47} << 0 << 1000;
    }
    void barRanges()
    {
        QFETCH(bool, stored);
        QFETCH(QList<float>, values);
        QFETCH(int, low);
        QFETCH(int, high);
        float points[11] = {};
        for (int i = 0; i < values.size(); ++i)
            points[i + 1] = values[i];
        const PointHistory::Range range = stored ? PointHistory::storedRange(points) : PointHistory::liveRange(points);
        QCOMPARE(PointHistory::barValue(range.low), low);
        QCOMPARE(PointHistory::barValue(range.high), high);
    }

    void markedPoint_data()
    {
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<int>("marked");
        QTest::newRow("equal maxima at 2 and 4") << QList<float>{10, 50, 20, 50, 30} << 4;
        QTest::newRow("all zero: the last") << QList<float>{0, 0, 0} << 3;
        QTest::newRow("loudest first") << QList<float>{70, 50, 20} << 1;
        QTest::newRow("no point") << QList<float>{} << 0;
    }
    void markedPoint()
    {
        QFETCH(QList<float>, values);
        QFETCH(int, marked);
        float points[11] = {};
        for (int i = 0; i < values.size(); ++i)
            points[i + 1] = values[i];
        QCOMPARE(PointHistory::markedPoint(points, values.size()), marked);
    }

    void pointHoldsTheMaximumOfItsLastSixReadings_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::newRow("frequency colour") << true;
        QTest::newRow("plain colour") << false;
    }
    void pointHoldsTheMaximumOfItsLastSixReadings()
    {
        QFETCH(bool, colour);
        Instrument instrument({{"Dialogconfiguration/Pipelocating_ShowFft", true},
                               {"Dialogconfiguration/Pipelocating_UseFrequencyColorForLevelbar", colour}});
        Pipelocating* page = instrument.show();
        QVERIFY(page);
        auto* peakBar = child<ProgressBarMinMaxMarker>(page, "prgbPeakLevelMinMax");
        QLabel* level = child<QLabel>(page, "labelLevel");
        QCOMPARE(level->pos(), QPoint(5, 5));

        QTest::keyPress(page, Qt::Key_F10);
        QVERIFY(!instrument.menu->isAudioPathMuted());
        QCOMPARE(page->currentStep(), 1);
        // One loud reading, then quiet ones: the loud one counts for six readings.
        for (int i = 0; i < 7; ++i) {
            const bool loud = i == 0;
            instrument.reading(page, loud ? 60 : 30, loud ? 500 : 200);
            const float held = page->maxHoldValue();
            QVERIFY2(std::abs(held - (i < 6 ? 60 : 30)) < 1, qPrintable(QString::number(held)));
            QCOMPARE(page->pointValue(1), held);
            QCOMPARE(level->text(), QString::number(held, 'f', 0));
            QCOMPARE(liveBar(page, 1)->value(), int(held * 10));
            QCOMPARE(peakBar->maxMarker(), int(held * 10));
            QCOMPARE(peakBar->minMarker(), -1);
            QVERIFY(std::abs(peakBar->value() - (loud ? 600 : 300)) < 10);
            QCOMPARE(child<QLabel>(page, "labelProgBarMinMax")->text(),
                     QString::number(peakBar->value() / 10.0, 'f', 0));
            QCOMPARE(page->pointFrequency(1), loud ? 500 : 200);
            QCOMPARE(peakBar->styleSheet(), colour ? frequencyStyle(loud ? 500 : 200) : kDefaultStyle);
        }
        QCOMPARE(liveBar(page, 1)->styleSheet(), colour ? frequencyStyle(200) : kDefaultStyle);
        QVERIFY(child<QLabel>(page, "labelPipesymbol")->isVisibleTo(page));
        if (colour)
            QVERIFY(page->grab().save(TestSupport::screenshotPath("pipelocating-open.png")));
        // A reading of the cleared analysis has no frequency: the plain colour.
        Analoginputworker()->clearAllData();
        QCOMPARE(Analoginputworker()->getSignificandFrequency(), 0u);
        page->updateData();
        QCOMPARE(peakBar->styleSheet(), kDefaultStyle);
        QTest::keyRelease(page, Qt::Key_F10);
        QVERIFY(instrument.menu->isAudioPathMuted());
        QCOMPARE(page->currentStep(), 1);
        // Readings while muted are ignored.
        instrument.reading(page, 80, 300);
        QVERIFY(std::abs(page->pointValue(1) - 30) < 1);
    }

    void droppedOpeningsAndTheShiftPastTen()
    {
        Instrument instrument;
        Pipelocating* page = instrument.show();
        QVERIFY(page);
        QVERIFY(instrument.at(kA));
        instrument.point(page, 40, 100);
        QCOMPARE(page->pointLatitude(1), kA.latitude);

        // Opened and muted before any reading, elsewhere: the point is dropped, point 1 stays.
        QVERIFY(instrument.at(kB));
        QTest::keyPress(page, Qt::Key_F10);
        QCOMPARE(page->currentStep(), 2);
        QTest::keyRelease(page, Qt::Key_F10);
        QCOMPARE(page->currentStep(), 1);
        QCOMPARE(visibleBars(page, false), 1);
        QCOMPARE(page->pointLatitude(1), kA.latitude);
        // A second opening while open leaves no empty point behind.
        QTest::keyPress(page, Qt::Key_F10);
        page->switchActiveMute(false);
        QCOMPARE(page->currentStep(), 2);
        QTest::keyRelease(page, Qt::Key_F10);
        QCOMPARE(page->currentStep(), 1);

        // The unit's key makes the next point; its readings run while the receiver moves.
        QVERIFY(instrument.linkUp());
        instrument.unit()->setUnitMuted(false);
        QTRY_COMPARE_WITH_TIMEOUT(page->currentStep(), 2, 3000);
        instrument.reading(page, 42, 200);
        QVERIFY(instrument.at(kC));
        instrument.reading(page, 42, 200);
        instrument.unit()->setUnitMuted(true);
        QTRY_VERIFY_WITH_TIMEOUT(instrument.menu->isAudioPathMuted(), 3000);
        QCOMPARE(page->pointLatitude(2), kC.latitude);
        QCOMPARE(page->pointLongitude(2), kC.longitude);
        for (int p = 3; p <= 10; ++p)
            instrument.point(page, 40 + 2 * p, 100 * p);
        QCOMPARE(page->currentStep(), 10);

        DialogDriver driver;
        driver.typeText("Trasse 1");
        page->on_butMenuSave_clicked();
        const QString first = instrument.saved("Trasse 1");
        QVERIFY2(QRegularExpression("^PL_\\d{8}_\\d{6}_Trasse 1$").match(first).hasMatch(), qPrintable(first));
        QCOMPARE(QDir(instrument.device.hostPath(kMeas + "/" + first)).entryList(QDir::Files), QStringList{"info.ini"});
        QSettings info(instrument.device.hostPath(kMeas + "/" + first + "/info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("Measurementinfo/Measurementtype").toString(), QString("Pipelocating"));
        QCOMPARE(info.value("Levels/Level_1").toString(), QString::number(page->pointValue(1), 'f', 3));
        QCOMPARE(info.value("Levels/Frequency_10").toInt(), 1000);
        QCOMPARE(info.value("GPS-Positions/GPS-Position_1").toString(), positionText(kA));
        QCOMPARE(info.value("GPS-Positions/GPS-Position_2").toString(), positionText(kC));
        QCOMPARE(info.value("GPS-Positions/GPS-Position_10").toString(), positionText(kC));
        QVERIFY(info.contains("Gains/Microphone-Gain"));
        quint32 low = 0, high = 0;
        int type = -1;
        instrument.menu->getAudioCodecInstance()->getFilter(&low, &high, &type);
        QCOMPARE(info.value("Filter/LowCutOff-Frequency").toUInt(), low);
        QCOMPARE(info.value("Filter/HighCutOff-Frequency").toUInt(), high);
        const QMap<QString, QString> ten = instrument.points(first);

        // An eleventh opening muted before its first reading costs no point and leaves no bar.
        const int lastBar = liveBar(page, 10)->value();
        QTest::keyPress(page, Qt::Key_F10);
        QTest::keyRelease(page, Qt::Key_F10);
        QCOMPARE(page->currentStep(), 10);
        QCOMPARE(visibleBars(page, false), 10);
        QCOMPARE(liveBar(page, 10)->value(), lastBar);
        QVERIFY(page->grab().save(TestSupport::screenshotPath("pipelocating-ten-points.png")));
        driver.typeText("Trasse 2");
        page->on_butMenuSave_clicked();
        QCOMPARE(instrument.points(instrument.saved("Trasse 2")), ten);

        // An eleventh point with a reading: the oldest goes.
        const float second = page->pointValue(2);
        instrument.point(page, 75, 3000);
        QCOMPARE(page->currentStep(), 10);
        QCOMPARE(page->pointValue(1), second);
        QCOMPARE(page->pointLatitude(1), kC.latitude);
        QVERIFY(std::abs(page->pointValue(10) - 75) < 1);
        QCOMPARE(page->pointFrequency(10), 3000);
        QCOMPARE(page->pointFrequency(9), 1000);

        // A cancelled name stores nothing.
        const QStringList before = QDir(instrument.device.hostPath(kMeas)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        driver.cancelKeyboard();
        page->on_butMenuSave_clicked();
        QVERIFY(TestSupport::logged("Text: verworfen"));
        QCOMPARE(QDir(instrument.device.hostPath(kMeas)).entryList(QDir::Dirs | QDir::NoDotAndDotDot), before);
    }

    void storedView()
    {
        Instrument instrument;
        const QString wide = "PL_20240315_142530_wide";
        const QString single = "PL_20240315_142600_single";
        instrument.device.write(kMeas + "/" + wide + "/info.ini",
                                "[Measurementinfo]\nMeasurementname=Trasse 7\n"
                                "[Levels]\nLevel_1=2.000\nFrequency_1=100\nLevel_2=0.000\nLevel_3=50.000\n"
                                "Frequency_3=250\nLevel_4=50.000\nFrequency_4=400\nLevel_5=12.345\n"
                                "[Filter]\nFiltertype=Bandstop\nLowCutOff-Frequency=400\nHighCutOff-Frequency=2000\n");
        instrument.device.write(kMeas + "/" + single + "/info.ini",
                                "[Measurementinfo]\nMeasurementname=one\n[Levels]\nLevel_6=47.000\n");
        MainMenu& menu = *instrument.menu;
        menu.displayWidget(7, 1, 0);
        menu.getInstanceMeasManagement()->openStoredMeasurement(wide);
        auto* page = qobject_cast<Pipelocating*>(menu.currentPage());
        QVERIFY(page);
        QCOMPARE(child<QStackedWidget>(page, "mainArea")->currentWidget()->objectName(), QString("storedPage"));
        QCOMPARE(visibleBars(page, true), 4);
        QVERIFY(storedBar(page, 2)->isHidden());
        QCOMPARE(storedBar(page, 5)->value(), 123);
        QCOMPARE(storedBar(page, 1)->maximum(), 550);
        QLabel* pipe = child<QLabel>(page, "labelPipesymbol_stored");
        QVERIFY(pipe->isVisibleTo(page));
        QCOMPARE(pipe->pos(), QPoint(storedBar(page, 4)->x() + 3, 182));
        QLabel* storedFilter = child<QLabel>(page, "labelFiltersymbolStored");
        QVERIFY(storedFilter->styleSheet().contains("Filtertype_Bandstop_gr_40px.png"));
        QCOMPARE(child<QLabel>(page, "labelFilterLowCutOff")->text(), QString("400 Hz"));
        QCOMPARE(child<QLabel>(page, "labelFilterHighCutOff")->text(), QString("2000 Hz"));
        QCOMPARE(child<QLabel>(page, "labelStoredMeasurement")->text(), QString("Trasse 7"));
        QVERIFY(page->grab().save(TestSupport::screenshotPath("pipelocating-stored.png")));

        // The keys of the stored view open nothing behind it.
        QVERIFY(instrument.linkUp());
        QTest::keyPress(page, Qt::Key_F10);
        instrument.unit()->setUnitMuted(false);
        QTest::qWait(300);
        QVERIFY(menu.isAudioPathMuted());
        QCOMPARE(page->currentStep(), 0);
        QVERIFY(!page->readingTimer()->isActive());
        QTest::keyRelease(page, Qt::Key_F10);

        // Another view starts from the full range.
        menu.displayWidget(7, 1, 0);
        menu.getInstanceMeasManagement()->openStoredMeasurement(single);
        QCOMPARE(visibleBars(page, true), 1);
        QCOMPARE(storedBar(page, 6)->maximum(), 1000);
        QCOMPARE(storedBar(page, 6)->value(), 470);
        QVERIFY(storedFilter->styleSheet().contains("Filtertype_Bandpass_gr_40px.png"));
        QCOMPARE(child<QLabel>(page, "labelFilterHighCutOff")->text(), QString("4000 Hz"));

        page->on_butMenuStoredBack_clicked();
        QCOMPARE(menu.getCurrentWidget(), 7);
        QCOMPARE(CodecMixer::inputPath(instrument.device), 1);
        QVERIFY(!Analoginputworker()->isCaptureStarted());
        QVERIFY(menu.isAudioPathMuted());
    }

    void filterDialogSetsTheReadingPace()
    {
        Instrument instrument;
        instrument.menu->setCurrentFilter(160, 1250, 1);
        Pipelocating* page = instrument.show();
        QVERIFY(page);
        QLabel* range = child<QLabel>(page, "labelFilterrange");
        QCOMPARE(range->text(), QString("160 Hz\n1250 Hz"));

        // Accepted after a step of the low cut-off: faster readings and the new band shown.
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<Filtersettings*>(dialog));
            TestSupport::button(dialog, "butLowCutOffUp")->click();
            TestSupport::button(dialog, "butClose")->click();
        });
        page->on_butMenuFilter_clicked();
        QVERIFY(page->readingTimer()->isActive());
        QCOMPARE(page->readingTimer()->interval(), Pipelocating::kReadingAfterFilterMs);
        quint32 low = 0, high = 0, shownLow = 0, shownHigh = 0;
        int type = -1, shownType = -1;
        instrument.menu->getAudioCodecInstance()->getFilter(&low, &high, &type);
        QVERIFY(low > 160);
        QCOMPARE(range->text(), QString("%1 Hz\n%2 Hz").arg(low).arg(high));
        page->spectrum()->getFilter(&shownLow, &shownHigh, &shownType);
        QCOMPARE(QList<quint32>({shownLow, shownHigh, quint32(shownType)}), QList<quint32>({low, high, quint32(type)}));

        // Escape from a PC keyboard closes the dialog alone: the page reads on.
        QTimer::singleShot(0, [] { TestSupport::tapEscape(QApplication::activeModalWidget()); });
        page->on_butMenuFilter_clicked();
        QCOMPARE(page->readingTimer()->interval(), Pipelocating::kReadingAfterFilterMs);
        QVERIFY(page->readingTimer()->isActive());
        QCOMPARE(range->text(), QString("%1 Hz\n%2 Hz").arg(low).arg(high));
        page->init(0);
        QCOMPARE(page->readingTimer()->interval(), Pipelocating::kReadingMs);
        QVERIFY(page->readingTimer()->isActive());
    }

    void displaySwitches_data()
    {
        QTest::addColumn<bool>("fft");
        QTest::addColumn<bool>("frequency");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QPoint>("levelAt");
        QTest::newRow("spectrum") << true << true << true << QPoint(5, 5);
        QTest::newRow("numbers with filter") << false << true << true << QPoint(132, 5);
        QTest::newRow("level only") << false << false << false << QPoint(132, 5);
    }
    void displaySwitches()
    {
        QFETCH(bool, fft);
        QFETCH(bool, frequency);
        QFETCH(bool, filter);
        QFETCH(QPoint, levelAt);
        Instrument instrument({{"Dialogconfiguration/Pipelocating_ShowFft", fft},
                               {"Dialogconfiguration/Pipelocating_ShowFrequencyValue", frequency},
                               {"Dialogconfiguration/Pipelocating_ShowFilterParameter", filter}});
        instrument.menu->setCurrentFilter(160, 1250, 1);
        instrument.menu->displayWidget(8, 1, 0);
        auto* page = qobject_cast<Pipelocating*>(instrument.menu->currentPage());
        QVERIFY(page);
        QVERIFY(page->readingTimer()->isActive());
        QCOMPARE(page->readingTimer()->interval(), Pipelocating::kReadingMs);
        QCOMPARE(visibleBars(page, false), 0);
        QCOMPARE(child<QLabel>(page, "labelLevel")->pos(), levelAt);
        QCOMPARE(child<QLabel>(page, "labelFrequency")->isVisibleTo(page), !fft && frequency);
        QLabel* range = child<QLabel>(page, "labelFilterrange");
        QLabel* symbol = child<QLabel>(page, "labelFiltersymbol");
        QCOMPARE(range->isVisibleTo(page), !fft && filter);
        QCOMPARE(symbol->isVisibleTo(page), !fft && filter);
        QCOMPARE(range->text(), QString("160 Hz\n1250 Hz"));
        QVERIFY(symbol->styleSheet().contains("Filtertype_Bandpass_gr_40px.png"));
        if (!fft && filter) {
            QCOMPARE(symbol->pos(), QPoint(5, 30));
            QCOMPARE(range->pos(), QPoint(55, 25));
        }
        const QString name = fft ? "pipelocating-live.png" : filter ? "pipelocating-numbers.png" : "";
        if (!name.isEmpty())
            QVERIFY(page->grab().save(TestSupport::screenshotPath(name)));
    }
};

QTEST_MAIN(TestPipelocating)
#include "tst_pipelocating.moc"
