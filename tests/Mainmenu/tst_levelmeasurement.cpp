// The level measurement page in the main window: its rules on single readings, the live
// page against the simulated converter and recorder, saving, the stored view with its
// sound through the recording player, the layout by the settings and the service buttons.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/filtersettings.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Mainmenu/levelmeasurement.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/freqspectrum.h"
#include "Tools/measurements.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/waitnote.h"
#include "adcsim.h"
#include "codecmixer.h"
#include "dialogdriver.h"
#include "globals.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "recordingplayer.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>

using TestSupport::button;
using TestSupport::child;

using Readings = QVector<QVector<float>>; // current, peak, minimum (display units), linear peak
Q_DECLARE_METATYPE(Readings)

namespace {

const QString kRoot = "/media/tk9400/meas";
const QString kTempClip = "/home/root/meas/wav_temp/LE_sound.wav";
const QString kStoredWithoutSound = "^Levelmeasurement: stored without sound$";

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"},
                            {"Dialogconfiguration/LevelMeasurement_ShowFft", true},
                            {"Dialogconfiguration/LevelMeasurement_ShowFrequencyValue", true},
                            {"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", true}},
                           settings)
    {
        GpsSimulator::Route route;
        route.latitude = 51.123456;
        route.longitude = 7.654321;
        route.speedMetresPerSecond = 0.0;
        gps.setRoute(route);
        if (gps.open(device.hostPath("/dev/ttyO1")))
            gps.start(200);
        startMainMenu();
    }
    ~Instrument() { menu.reset(); }

    void setSettings(const QVariantMap& values)
    {
        TestSupport::changeSettings(device, values);
        menu->getInstanceSystemsettings()->loadSystemsettings();
    }
    // The live page, with the link check driven by nobody.
    Levelmeasurement* showLive()
    {
        menu->displayWidget(1, 1, 0);
        auto* page = qobject_cast<Levelmeasurement*>(menu->currentPage());
        if (page)
            page->linkCheckTimer()->stop();
        return page;
    }
    Levelmeasurement* showStored(const QString& dir)
    {
        menu->displayWidget(7, 1, 0);
        menu->getInstanceMeasManagement()->openStoredMeasurement(dir);
        return qobject_cast<Levelmeasurement*>(menu->currentPage());
    }
    bool linkUp()
    {
        return QTest::qWaitFor(
            [this] { return menu->getBtSinkInstance()->isConnectedRFCOMM(); }, TestSupport::timeBound(8000));
    }
    QStringList entries() const
    {
        return QDir(device.hostPath(kRoot)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    QList<quint32> codecFilter() const
    {
        quint32 low = 0, high = 0;
        int type = -1;
        menu->getAudioCodecInstance()->getFilter(&low, &high, &type);
        return {low, high, quint32(type)};
    }

    GpsSimulator gps;
};

ProgressBarMinMaxMarker* bar(QWidget* page, const char* name)
{
    return child<ProgressBarMinMaxMarker>(page, name);
}
QString text(QWidget* page, const char* name)
{
    return child<QLabel>(page, name)->text();
}
int hertz(const QString& label)
{
    return label.section(' ', 0, 0).toInt();
}

// Runs action on the next modal dialog that opens, while the caller's exec() waits.
void onNextModal(const std::function<void(QWidget*)>& action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(20);
}

void saveScreen(QWidget* page, const QString& name)
{
    // The tests never show the window: its first grab polishes it and leaves the spectrum out.
    page->window()->grab();
    QVERIFY(page->window()->grab().save(TestSupport::screenshotPath(name)));
}

} // namespace

class TestLevelmeasurement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestSupport::useDeviceLook();
        TestSupport::installEnglish(m_english);
        m_shared.reset(new Instrument);
        m_page = m_shared->showLive();
        QVERIFY(m_page);
    }
    void init()
    {
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        TestSupport::clearLoggedMessages();
        g_debugFeatures = 0;
    }
    void cleanup()
    {
        g_debugFeatures = 0;
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }
    void cleanupTestCase() { m_shared.reset(); }

    void peakColour_data()
    {
        QTest::addColumn<float>("peak");
        QTest::addColumn<QString>("colour");
        // The float nearest 0.056 lies above it, the one nearest 0.04 below it.
        QTest::newRow("0.056f") << 0.056f << "red";
        QTest::newRow("0.05f") << 0.05f << "orange";
        QTest::newRow("0.04f") << 0.04f << "lightgreen";
    }
    void peakColour()
    {
        QFETCH(float, peak);
        QFETCH(QString, colour);
        m_shared->setSettings({{"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", true}});
        m_shared->showLive();
        QVERIFY(m_page->showLevels(50, 60, 40, peak));
        QCOMPARE(child<QProgressBar>(m_page, "prgbPeakLevel")->styleSheet(),
                 QString("QProgressBar::chunk {background-color: %1;}").arg(colour));
    }

    void readings_data()
    {
        QTest::addColumn<bool>("peakBar");
        QTest::addColumn<Readings>("readings");
        QTest::addColumn<QString>("minimumText");
        QTest::addColumn<QString>("currentText");
        QTest::addColumn<int>("minimumBar");
        QTest::addColumn<int>("currentBar");
        QTest::addColumn<int>("maxMarker");
        QTest::addColumn<int>("peakBarValue");
        Readings falling;
        for (float peak = 90; peak >= 30; peak -= 10)
            falling << QVector<float>({50.07f, peak, 40.99f, 0.01f});
        // Bars in tenths, truncated; numbers rounded.
        QTest::newRow("max-hold of the last six") << true << falling << "41" << "50" << 409 << 500 << 800 << 800;
        QTest::newRow("peak bar off") << false << falling << "41" << "50" << 409 << 500 << -1 << 0;
        QTest::newRow("no minimum yet: the current level")
            << true << Readings({{55.68f, 60, 99, 0.01f}}) << "56" << "56" << 556 << 556 << 600 << 600;
        QTest::newRow("a level that cannot be shown changes nothing")
            << true << Readings({{55.68f, 60, 40, 0.01f}, {NAN, 70, 30, 0.1f}, {50, INFINITY, 30, 0.1f}}) << "40"
            << "56" << 400 << 556 << 600 << 600;
        QTest::newRow("a level below 0 changes nothing")
            << true << Readings({{55.68f, 60, 40, 0.01f}, {-1, 70, 30, 0.1f}, {50, -0.5f, 30, 0.1f}}) << "40"
            << "56" << 400 << 556 << 600 << 600;
    }
    void readings()
    {
        QFETCH(bool, peakBar);
        QFETCH(Readings, readings);
        m_shared->setSettings({{"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", peakBar}});
        m_shared->showLive();
        for (const QVector<float>& r : readings)
            QCOMPARE(m_page->showLevels(r[0], r[1], r[2], r[3]),
                     std::all_of(r.begin(), r.begin() + 3, [](float v) { return v >= 0 && v <= 100; }));
        QTEST(text(m_page, "labelLevel"), "minimumText");
        QTEST(text(m_page, "labelPrgbCurrentLevel"), "currentText");
        QTEST(bar(m_page, "prgbMinimumLevel")->value(), "minimumBar");
        QTEST(bar(m_page, "prgbCurrentLevel")->value(), "currentBar");
        QTEST(bar(m_page, "prgbMinimumLevel")->maxMarker(), "maxMarker");
        QTEST(bar(m_page, "prgbCurrentLevel")->maxMarker(), "maxMarker");
        QTEST(child<QProgressBar>(m_page, "prgbPeakLevel")->value(), "peakBarValue");
        QCOMPARE(bar(m_page, "prgbMinimumLevel")->minMarker(), -1);
        QCOMPARE(bar(m_page, "prgbCurrentLevel")->minMarker(), -1);
    }

    void layoutBySettings_data()
    {
        QTest::addColumn<bool>("fft");
        QTest::addColumn<bool>("frequency");
        QTest::addColumn<bool>("colours");
        QTest::addColumn<int>("debug");
        QTest::newRow("spectrum, frequency colours") << true << true << true << 0;
        QTest::newRow("no spectrum, no frequency, service features") << false << false << false << 1;
    }
    void layoutBySettings()
    {
        QFETCH(bool, fft);
        QFETCH(bool, frequency);
        QFETCH(bool, colours);
        QFETCH(int, debug);
        m_shared->setSettings({{"Dialogconfiguration/LevelMeasurement_ShowFft", fft},
                               {"Dialogconfiguration/LevelMeasurement_ShowFrequencyValue", frequency},
                               {"Dialogconfiguration/LevelMeasurement_UseFrequencyColorForLevelbar", colours},
                               {"Dialogconfiguration/LevelMeasurement_ShowPeakLevelBar", true}});
        g_debugFeatures = debug;
        m_shared->showLive();
        const int x = fft ? 5 : 132;
        QCOMPARE(child<QLabel>(m_page, "labelLevel")->pos(), QPoint(x, 0));
        QCOMPARE(child<QLabel>(m_page, "labelFrequency")->pos(), QPoint(x, 90));
        QCOMPARE(child<QLabel>(m_page, "labelFrequency")->isVisibleTo(m_page), frequency);
        QCOMPARE(child<QProgressBar>(m_page, "prgbPeakLevel")->isVisibleTo(m_page), debug == 1);
        for (const char* service : {"butDigitalLoopback", "butAnalogLoopback", "butDbgStartRec", "butDbgStopRec", "butDbgLoop"})
            QCOMPARE(button(m_page, service)->isVisibleTo(m_page), debug == 1);
        // A hidden spectrum keeps its place and shows black.
        const QImage spectrum = m_page->spectrum()->grab().toImage();
        QCOMPARE(spectrum.pixelColor(spectrum.width() / 2, 10) == Qt::black, !fft);

        Analoginputworker()->analyseBlock(toneBlock(150, 3000));
        m_page->updateLevel();
        const QString minimumStyle = bar(m_page, "prgbMinimumLevel")->styleSheet();
        const QString currentStyle = bar(m_page, "prgbCurrentLevel")->styleSheet();
        if (colours) {
            // 150 Hz is the middle of the scale: red.
            QCOMPARE(currentStyle, QString("QProgressBar::chunk {background-color: rgb(255, 0, 0);}"));
            QVERIFY(minimumStyle.contains("rgb("));
        } else {
            QCOMPARE(minimumStyle, QString("QProgressBar::chunk {background-color: yellow;}"));
            QCOMPARE(currentStyle, QString("QProgressBar::chunk {background-color: orange;}"));
        }
        if (debug)
            saveScreen(m_page, "levelmeasurement-peakbar-debug.png");
        Analoginputworker()->clearAllData();
    }

    void dialogButtons()
    {
        m_shared->setSettings({{"Dialogconfiguration/LevelMeasurement_ShowFft", true}});
        Levelmeasurement* page = m_shared->showLive();
        QVERIFY(m_shared->menu->isAudioPathMuted());
        onNextModal([](QWidget* dialog) {
            QVERIFY(qobject_cast<Filtersettings*>(dialog));
            button(dialog, "butLowCutOffUp")->click();
            button(dialog, "butClose")->click();
        });
        button(page, "butMenuFilter")->click();
        quint32 low = 0, high = 0;
        int type = -1;
        page->spectrum()->getFilter(&low, &high, &type);
        QCOMPARE(QList<quint32>({low, high, quint32(type)}), m_shared->codecFilter());
        QVERIFY(page->readingTimer()->isActive());
        QCOMPARE(page->readingTimer()->interval(), 300);

        // Closed without its check mark (a PC keyboard's Escape), the page reads on.
        onNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        button(page, "butMenuFilter")->click();
        QVERIFY(page->readingTimer()->isActive());

        TestSupport::ModalCloser closer;
        for (const char* name : {"butMenuHeadphone", "butMenuMic", "butMenuStoredHeadphone"})
            button(page, name)->click();
        QCOMPARE(closer.seen(), QStringList({"Headphonesettings", "Micsettings", "Headphonesettings"}));
    }

    void serviceButtonsReachTheHeadphones()
    {
        g_debugFeatures = 1;
        Levelmeasurement* page = m_shared->showLive();
        BtModuleSim* phones = m_shared->sim.source();
        phones->clearTranscript();
        button(page, "butDbgStopRec")->click();
        QTRY_VERIFY(phones->commandLines().contains("SET CONTROL AUTOCALL"));
        QTRY_VERIFY(!phones->commandLines().filter(QRegularExpression("^CLOSE ")).isEmpty());
        phones->clearTranscript();
        button(page, "butDbgStartRec")->click();
        QTRY_VERIFY(!phones->commandLines().filter(QRegularExpression("^CALL ")).isEmpty());
    }

    void liveWithToneAndSave_data()
    {
        QTest::addColumn<bool>("startupFilter");
        QTest::addColumn<bool>("fft");
        QTest::newRow("start-up filter, spectrum") << true << true;
        QTest::newRow("no filter, no spectrum") << false << false;
    }
    void liveWithToneAndSave()
    {
        QFETCH(bool, startupFilter);
        QFETCH(bool, fft);
        Instrument instrument({{"Dialogconfiguration/Startup_UseFilterForStartup", startupFilter},
                               {"Dialogconfiguration/LevelMeasurement_ShowFft", fft}});
        LeakSignal::Settings signal;
        signal.seed = 3;
        signal.noiseRms = 50;
        signal.toneHz = 250; // between two bins of 7.49 Hz
        signal.toneRms = 300;
        AdcSimulator adc(signal);
        adc.setRoot(instrument.device.root());
        adc.start(20);
        QVERIFY(QTest::qWaitFor(
            [&] { return instrument.menu->getGpsInstance()->getLatitude() != 0.0; }, TestSupport::timeBound(8000)));

        Levelmeasurement* page = instrument.showLive();
        QVERIFY(instrument.menu->isAudioPathMuted());
        if (fft)
            saveScreen(page, "levelmeasurement-live-init.png");

        // Held for about a second and a half: the minimum is found from the fourth block.
        QTest::keyPress(page, Qt::Key_F10);
        QVERIFY(page->readingTimer()->isActive() && page->spectrum()->isEnabled());
        QTest::qWait(1000);
        QTRY_VERIFY_WITH_TIMEOUT(minimumFound() && qAbs(hertz(text(page, "labelFrequency")) - 250) <= 7, 3000);
        // Louder and higher: the minimum and its frequency stay, the last block's moves.
        adc.control("tone 400 1200");
        QTRY_VERIFY_WITH_TIMEOUT(Analoginputworker()->getSignificandFrequency() == 400, 3000);
        QTest::qWait(700);
        saveScreen(page, fft ? "levelmeasurement-live-open-fft.png" : "levelmeasurement-live-open-nofft.png");
        QTest::keyRelease(page, Qt::Key_F10);
        QVERIFY(!page->readingTimer()->isActive());
        QVERIFY(!page->spectrum()->isEnabled());
        QVERIFY(instrument.menu->isAudioPathMuted());

        const QString minimumText = text(page, "labelLevel");
        const QString frequencyText = text(page, "labelFrequency");
        QVERIFY2(qAbs(hertz(frequencyText) - 250) <= 7, qPrintable(frequencyText));
        const int minimumBar = bar(page, "prgbMinimumLevel")->value();
        const int currentBar = bar(page, "prgbCurrentLevel")->value();
        QCOMPARE(qRound(minimumBar / 10.0 + 0.05), minimumText.toInt()); // within the tenth truncated
        QVERIFY(qAbs(currentBar / 10.0 - text(page, "labelPrgbCurrentLevel").toInt()) <= 0.6);
        QVERIFY(currentBar >= minimumBar); // the minimum never lies above the current level
        QTest::qWait(400);
        QCOMPARE(text(page, "labelLevel"), minimumText);
        QCOMPARE(bar(page, "prgbCurrentLevel")->value(), currentBar);

        // A cancelled name stores nothing and writes no clip.
        DialogDriver driver;
        driver.cancelKeyboard();
        const QByteArray olderClip = "RIFF of an earlier save";
        instrument.device.write(kTempClip, olderClip);
        button(page, "butMenuSave")->click();
        QCOMPARE(instrument.entries(), QStringList());
        QCOMPARE(instrument.device.read(kTempClip), olderClip);
        QVERIFY(instrument.menu->isAudioPathMuted());

        // On a busy machine the simulated receiver's feed can stall past the fix's timeout,
        // which clears the position: the one stored is the one the save finds.
        QVERIFY(QTest::qWaitFor(
            [&] { return instrument.menu->getGpsInstance()->getLatitude() != 0.0; }, TestSupport::timeBound(8000)));
        const auto fixLapses = [] {
            return TestSupport::loggedMessages().filter(QRegularExpression("^\\w+: Timeout$")).size();
        };
        const int lapsesBeforeTheSave = fixLapses();
        const QDateTime before = Platform::currentDateTime();
        driver.typeText("Hydrant 3");
        button(page, "butMenuSave")->click();
        QCOMPARE(instrument.entries().size(), 1);
        const QString dir = instrument.entries().first();
        QVERIFY2(QRegularExpression("^LE_\\d{8}_\\d{6}_Hydrant 3$").match(dir).hasMatch(), qPrintable(dir));
        const QDateTime stamp = QDateTime::fromString(dir.mid(3, 15), "yyyyMMdd_hhmmss");
        QVERIFY(qAbs(stamp.secsTo(before)) <= 2);
        QVERIFY(instrument.menu->isAudioPathMuted());

        QSettings info(instrument.device.hostPath(kRoot + "/" + dir + "/info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("Measurementinfo/Measurementtype").toString(), QString("Levelmeasurement"));
        const QString level = info.value("Levels/Level").toString();
        QVERIFY2(QRegularExpression("^\\d+\\.\\d{3}$").match(level).hasMatch(), qPrintable(level));
        QCOMPARE(int(level.toFloat() * 10), minimumBar);
        QCOMPARE(info.value("Levels/Frequency").toInt(), 400);
        QCOMPARE(info.value("FFT/FFT-Size").toInt(), 512);
        QCOMPARE(info.value("FFT/Samplerate").toInt(), 16000);
        QStringList values = info.value("FFT/FFT-Values").toString().split(';');
        QCOMPARE(values.size(), 513); // each value ends in "; "
        QCOMPARE(values.last().trimmed(), QString());
        const QString filterType = info.value("Filter/Filtertype").toString();
        const int low = info.value("Filter/LowCutOff-Frequency").toInt();
        const int high = info.value("Filter/HighCutOff-Frequency").toInt();
        if (startupFilter)
            QCOMPARE(QVariantList({filterType, low, high}), QVariantList({"Bandpass", 160, 1250}));
        else
            QCOMPARE(QVariantList({filterType, low, high}), QVariantList({"NoFilter", 0, 4000}));
        QVERIFY(info.childGroups().contains("Gains"));
        // The fix's position, unless the feed stalled again while the name was typed: then the
        // position may have been cleared when the save read it, and none is stored.
        const QString position = info.value("GPS-Positions/GPS-Position").toString();
        QVERIFY2(position == "51.123456, 7.654321"
                     || (fixLapses() > lapsesBeforeTheSave && position == "0.000000, 0.000000"),
                 qPrintable(position));

        const QByteArray clip = instrument.device.read(kRoot + "/" + dir + "/LE_sound.wav");
        QVERIFY(clip.size() > 44 && clip != olderClip);
        QCOMPARE(clip, instrument.device.read(kTempClip));
        QCOMPARE(qFromLittleEndian<quint32>(clip.constData() + 4), quint32(clip.size() - 8));
        QCOMPARE(qFromLittleEndian<quint32>(clip.constData() + 40), quint32(clip.size() - 44));
    }

    // Every save of the result shown stores its whole sound, until the path is opened
    // again (on the page or in its filter dialog) or the page starts again. Without its
    // whole clip nothing is stored, and the user is told; once the obstacle is gone, the
    // retry stores the sound the refused save would have stored, also when the path was
    // opened and muted again while the write was held up. So does a save after one the
    // store refused, or a second save. A result without sound is stored, and the user told.
    void everySaveOfTheResultStoresItsWholeSound_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QStringList>("warnings"); // of the first save
        QTest::addColumn<int>("firstIcon");        // of the first save's message; -1: none
        const QString refused = "^Measurement could not be stored$";
        const QString late = "^AudioWorker::storeAudioData: the clip";
        QTest::newRow("no folder for it") << "file" << QStringList{refused} << 2;
        QTest::newRow("write not done in time") << "busy" << QStringList{late, refused} << 2;
        QTest::newRow("write not done in time, path reopened meanwhile")
            << "busy, reopened" << QStringList{late, refused} << 2;
        QTest::newRow("refused with 100 stored, then saved") << "100 stored" << QStringList() << 2;
        QTest::newRow("saved twice without opening the path") << "none" << QStringList() << -1;
        QTest::newRow("path opened between two saves") << "none, reopened" << QStringList() << -1;
        QTest::newRow("path opened in the filter dialog between two saves")
            << "none, reopened in the filter dialog" << QStringList() << -1;
        QTest::newRow("page started again between two saves") << "none, started again" << QStringList() << -1;
        QTest::newRow("nothing recorded: stored, and the user told")
            << "no sound" << QStringList{kStoredWithoutSound} << 1;
    }
    void everySaveOfTheResultStoresItsWholeSound()
    {
        QFETCH(QString, obstacle);
        QFETCH(QStringList, warnings);
        QFETCH(int, firstIcon);
        const auto busy = std::make_shared<std::atomic<bool>>(true);
        Instrument instrument;
        const auto release = qScopeGuard([busy] { busy->store(false); }); // before the instrument ends
        Levelmeasurement* page = instrument.showLive();
        // Listens on `keys` (the page or its dialog) until more than `bytes` are recorded;
        // what was recorded, or -1. The count is the last opening's only once the recording
        // thread has taken this one.
        const auto listenOn = [](QWidget* keys, qint64 bytes) {
            const auto settle = [] {
                QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [] {}, Qt::BlockingQueuedConnection);
            };
            // A key pressed just after a wait for a clip would be dropped with the wait's input.
            if (!QTest::qWaitFor([] { return !WaitNote::isHoldingInput(); }))
                return qint64(-1);
            QTest::keyPress(keys, Qt::Key_F10);
            settle();
            const bool done = QTest::qWaitFor([bytes] { return Audioworker()->recordedBytesSinceResume() > bytes; },
                                              TestSupport::timeBound(8000));
            QTest::keyRelease(keys, Qt::Key_F10);
            settle();
            return done ? Audioworker()->recordedBytesSinceResume() : -1;
        };
        const auto listen = [&](qint64 bytes) { return listenOn(page, bytes); };
        qint64 recorded = obstacle == "no sound" ? 0 : listen(32000);
        QVERIFY(recorded >= 0);
        const QString folder = QFileInfo(instrument.device.hostPath(kTempClip)).absolutePath();
        const QString filler = kRoot + "/LE_%1";
        if (obstacle == "file") {
            // A plain file where the temporary folder should be.
            QDir(folder).removeRecursively();
            QVERIFY(instrument.device.write(QFileInfo(kTempClip).path(), "in the way"));
        } else if (obstacle.startsWith("busy")) {
            // The recording thread stays busy until the page has given up on the clip, however
            // long the save takes to get there.
            QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [busy] {
                while (busy->load())
                    QThread::msleep(5);
            });
        } else if (obstacle == "100 stored") {
            for (int n = 0; n < Measurements::maxNumMeasurements; ++n)
                QVERIFY(QDir().mkpath(instrument.device.hostPath(filler.arg(n))));
        }
        QStringList before = instrument.entries();
        for (const QString& warning : warnings)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression(warning));
        {
            DialogDriver driver;
            driver.typeText("first");
            button(page, "butMenuSave")->click();
            QCOMPARE(driver.messages().size(), firstIcon < 0 ? 0 : 1);
            if (firstIcon >= 0)
                QCOMPARE(driver.messages().first().icon, firstIcon);
        }
        QCOMPARE(instrument.entries().size(), before.size() + (firstIcon == 2 ? 0 : 1));
        if (obstacle == "busy, reopened") {
            QTRY_VERIFY(!WaitNote::isHoldingInput());
            QTest::keyPress(page, Qt::Key_F10);
            QTest::keyRelease(page, Qt::Key_F10);
        }

        busy->store(false);
        QTRY_VERIFY(!Audioworker()->storesPending());
        if (obstacle == "file")
            QVERIFY(QFile::remove(folder));
        for (int n = 0; obstacle == "100 stored" && n < Measurements::maxNumMeasurements; ++n)
            QVERIFY(QDir(instrument.device.hostPath(filler.arg(n))).removeRecursively());
        // What the first try wrote, late or not: the clip a retry or a second save must store.
        const QByteArray firstTry = instrument.device.read(kTempClip);
        const bool reopened = obstacle.startsWith("none, reopened");
        if (obstacle == "none, reopened") {
            recorded = listen(recorded + 32000);
        } else if (obstacle == "none, reopened in the filter dialog") {
            const qint64 bytes = recorded + 32000;
            onNextModal([&](QWidget* dialog) {
                recorded = listenOn(dialog, bytes);
                button(dialog, "butClose")->click();
            });
            button(page, "butMenuFilter")->click();
        } else if (obstacle == "none, started again") {
            QCOMPARE(instrument.showLive(), page);
            recorded = 0;
        }
        QVERIFY(recorded >= 0);
        const bool secondWithoutSound = recorded == 0;
        if (secondWithoutSound)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression(kStoredWithoutSound));
        before = instrument.entries();
        DialogDriver driver;
        driver.typeText("second");
        button(page, "butMenuSave")->click();
        QCOMPARE(driver.messages().size(), secondWithoutSound ? 1 : 0);
        const QStringList stored = instrument.entries();
        QCOMPARE(stored.size(), before.size() + 1);
        const auto added =
            std::find_if(stored.begin(), stored.end(), [&](const QString& entry) { return !before.contains(entry); });
        const QByteArray clip = instrument.device.read(kRoot + "/" + *added + "/LE_sound.wav");
        QCOMPARE(clip.size(), 44 + std::min<qint64>(recorded, BackgroundRecording::kClipDataBytes));
        if (!reopened && !secondWithoutSound && !firstTry.isEmpty())
            QVERIFY(clip == firstTry);
    }

    void storedView_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("fftSize");
        QTest::addColumn<QString>("fftValues");
        QTest::addColumn<QList<quint32>>("codecFilter");
        QTest::addColumn<int>("drawn");
        QTest::newRow("Bandstop") << "Bandstop" << "4" << "1.5; 2.5; 3.5; 4.5; " << QList<quint32>({250, 1000, 2}) << 4;
        QTest::newRow("lower-case bandpass plays unfiltered")
            << "bandpass" << "2" << "1;2;3" << QList<quint32>({0, 4000, 0}) << 2;
        QTest::newRow("size beyond the values and the page")
            << "Bandpass" << "5000" << "7;8;9" << QList<quint32>({250, 1000, 1}) << 3;
    }
    void storedView()
    {
        QFETCH(QString, filter);
        QFETCH(QString, fftSize);
        QFETCH(QString, fftValues);
        QFETCH(int, drawn);
        RecordingPlayer::Install player;
        Instrument instrument({{"Dialogconfiguration/LevelMeasurement_UseFrequencyColorForLevelbar", false}});
        QVERIFY(instrument.linkUp());
        const QString dir = "LE_20240315_142530_Hydrant 3";
        const QString ini = QString("[Measurementinfo]\nMeasurementname=Hydrant 3\n[Levels]\nLevel=43.680\nFrequency=270\n"
                                    "[FFT]\nFFT-Size=%1\nFFT-Values=\"%2\"\n[Filter]\nFiltertype=%3\n"
                                    "LowCutOff-Frequency=250\nHighCutOff-Frequency=1000\n")
                                .arg(fftSize, fftValues, filter);
        instrument.device.write(kRoot + "/" + dir + "/info.ini", ini.toUtf8());
        Levelmeasurement* page = instrument.showStored(dir);
        QVERIFY(page && page->isStoredView());

        QFETCH(QList<quint32>, codecFilter);
        // The codec keeps no corners for a band-stop: only its type tells.
        if (filter == "Bandstop")
            QCOMPARE(instrument.codecFilter().last(), codecFilter.last());
        else
            QCOMPARE(instrument.codecFilter(), codecFilter);
        for (const char* name : {"prgbMinimumLevel", "prgbCurrentLevel", "prgbPeakLevel"})
            QCOMPARE(child<QProgressBar>(page, name)->value(), 436);
        QCOMPARE(text(page, "labelLevel"), QString("44"));
        QVERIFY(!bar(page, "prgbCurrentLevel")->isVisibleTo(page));
        QVERIFY(!child<QLabel>(page, "labelPrgbCurrentLevel")->isVisibleTo(page));
        QCOMPARE(text(page, "labelFrequency"), QString("270 Hz"));
        QCOMPARE(text(page, "labelStoredMeasurement"), QString("Hydrant 3"));
        const QStringList parts = fftValues.split(';');
        for (int i = 0; i < 8; ++i)
            QCOMPARE(page->fftValues()[i], i < drawn ? parts.at(i).toFloat() : 0.0f);
        if (drawn == 3)
            saveScreen(page, "levelmeasurement-stored.png");

        // Play: the path opens without telling the unit; the mute key plays and stops.
        instrument.sim.sink()->clearTranscript();
        button(page, "butMenuStoredPlay")->click();
        RecordingPlayer* played = RecordingPlayer::last();
        QVERIFY(played);
        QCOMPARE(played->url(), QUrl::fromLocalFile(instrument.device.hostPath(kRoot + "/" + dir + "/LE_sound.wav")));
        QCOMPARE(played->volume(), 70);
        QVERIFY(played->isPlaying());
        QVERIFY(!instrument.menu->isAudioPathMuted());
        QCOMPARE(CodecMixer::inputPath(instrument.device), 0); // playback route
        if (drawn == 3)
            saveScreen(page, "levelmeasurement-stored-playing.png");
        QTest::keyPress(page, Qt::Key_F10);
        QTest::keyRelease(page, Qt::Key_F10);
        QCOMPARE(played->calls(), QStringList({"play", "play", "stop"}));
        QTest::qWait(100);
        // (The unit's parameters may still come from the link's start, but never as opened.)
        QVERIFY(instrument.sim.sink()->unitLines().filter(QRegularExpression("^BT_TX I .*ACTIVE")).isEmpty());

        // Both ways out end the sound, the playback route and the open path.
        button(page, "butMenuStoredPlay")->click();
        if (drawn == 3)
            button(page, "butMenuMainmenu_2")->click();
        else
            button(page, "butMenuStoredBack")->click();
        instrument.sim.sink()->pressMuteKey();
        QTest::qWait(150);
        QCOMPARE(instrument.menu->getCurrentWidget(), drawn == 3 ? 0 : 7);
        QVERIFY(!RecordingPlayer::last());
        QCOMPARE(CodecMixer::inputPath(instrument.device), 1); // listening route
        QVERIFY(instrument.menu->isAudioPathMuted());
        QCOMPARE(instrument.device.read("/sys/class/gpio/gpio17/value"), QByteArray("0"));
    }

    void linkWarningOverThePage()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        Levelmeasurement* page = instrument.showLive();
        page->checkBtConnection();
        DialogDriver driver;
        driver.grabMessages(true); // the box covers the whole screen
        instrument.sim.sink()->dropPeerLinks(-1);
        QVERIFY(QTest::qWaitFor(
            [&] { return !instrument.menu->getBtSinkInstance()->isConnectedRFCOMM(); }, TestSupport::timeBound(8000)));
        page->checkBtConnection();
        QCOMPARE(driver.messages().size(), 1);
        QVERIFY(driver.messages().first().image.save(TestSupport::screenshotPath("levelmeasurement-link-warning.png")));
    }

private:
    static bool minimumFound()
    {
        float rms = 0, peak = 0, minimum = 0;
        Analoginputworker()->getAudioLevel(&rms, &peak, &minimum);
        return AnalogInputWorker::audioLevelToDb(minimum) < 99;
    }
    static QByteArray toneBlock(double hz, double rms)
    {
        QByteArray block(2048, 0);
        for (int i = 0; i < 1024; ++i)
            qToLittleEndian<qint16>(qint16(std::lround(rms * std::sqrt(2.0) * std::sin(2 * M_PI * hz * i / 7670.0))),
                                    block.data() + 2 * i);
        return block;
    }

    QTranslator m_english;
    std::unique_ptr<Instrument> m_shared;
    Levelmeasurement* m_page = nullptr;
};

QTEST_MAIN(TestLevelmeasurement)
#include "tst_levelmeasurement.moc"
