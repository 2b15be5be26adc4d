// The pinpointing page in the main window: its scaling and leak rules, a survey of
// points read from the ADC signal source with their clips recorded on the file-backed
// capture and positions from the simulated GPS receiver, the save and the stored view.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Hardware/gps.h"
#include "Mainmenu/pinpointing.h"
#include "Management/measmanagement.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/waitnote.h"
#include "adcsim.h"
#include "dialogdriver.h"
#include "eventhandler.h"
#include "globals.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace PinpointingRules;

namespace {

const QString kMeas = "/media/tk9400/meas/";
const QString kClips = "/home/root/meas/wav_temp/";
constexpr int kPatience = 15000; // ms; the host PCM reads about 1.5 times as fast as real time

// How a point's clip goes wrong.
enum ClipRoad {
    WriteFailed,
    WriteLate,
    LateWriteOpened,
    DeletedThenCannotOpen,
    DeletedWhileBusy,
    TimelyWithoutSound,
    // Past ten points, so that the survey shifts.
    ElevenPoints,
    FifthLateWithoutSound,
    TenthFailedEleventhBusy,
    TenthLateEleventhBusy
};

QVector<float> levels(const QList<float>& points)
{
    QVector<float> all(kPoints, 0.0f);
    for (int p = 0; p < points.size(); ++p)
        all[p + 1] = points[p];
    return all;
}

QByteArray sha(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// Counts the times the watched widgets are styled anew.
struct RestyleCounter : QObject
{
    explicit RestyleCounter(const QList<QWidget*>& widgets)
    {
        for (QWidget* widget : widgets)
            widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StyleChange)
            ++count;
        return false;
    }
    int count = 0;
};

// An instrument with the page live, the GPS receiver standing where the test puts it.
struct Survey
{
    explicit Survey(const QVariantMap& settings = {})
    {
        TestSupport::writeSettings(device, {{"Systemsettings/Switchmode", "Push"}}, settings);
        if (receiver.open(device.hostPath("/dev/ttyO1")))
            receiver.start(100);
        moveTo(50.0, 8.0);
        menu.reset(new MainMenu);
    }
    ~Survey()
    {
        Audioworker()->stopAudioRecording();
        menu.reset();
    }

    Pinpointing* start()
    {
        menu->displayWidget(3, 1, 0);
        page = qobject_cast<Pinpointing*>(menu->currentPage());
        if (page)
            page->linkCheckTimer()->stop();
        return page;
    }
    void moveTo(double latitude, double longitude)
    {
        GpsSimulator::Route route;
        route.latitude = latitude;
        route.longitude = longitude;
        route.speedMetresPerSecond = 0.0;
        receiver.setRoute(route);
    }
    bool gpsAt(double latitude) const
    {
        return QTest::qWaitFor([&] { return qAbs(menu->getGpsInstance()->getLatitude() - latitude) < 1e-6; },
            TestSupport::timeBound(8000));
    }
    // Opens the path with the mute key held and lets the recorder take some sound, without
    // a reading yet; mute() lets the key go.
    bool open()
    {
        // Input made while a clip was awaited is dropped a moment after the wait.
        if (!QTest::qWaitFor([] { return !WaitNote::isHoldingInput(); }, TestSupport::timeBound(2000)))
            return false;
        QTest::keyPress(page, Qt::Key_F10);
        page->readingTimer()->stop(); // the test takes the readings
        // The resume has reached the recorder: the count is the new opening's.
        QMetaObject::invokeMethod(
            Audioworker()->backgroundRecording(), [] {}, Qt::BlockingQueuedConnection);
        return QTest::qWaitFor(
            [] { return Audioworker()->recordedBytesSinceResume() > 6400; }, TestSupport::timeBound(kPatience));
    }
    void mute() { QTest::keyRelease(page, Qt::Key_F10); }
    // One reading of a tone of that many counts and frequency from the ADC signal source.
    void reading(double toneRms, double hz)
    {
        LeakSignal::Settings settings;
        settings.noiseRms = 0;
        settings.toneHz = hz;
        settings.toneRms = toneRms;
        LeakSignal signal(AdcSimulator::kSampleRate, settings);
        Analoginputworker()->analyseBlock(signal.next(AdcSimulator::kBlockSamples));
        page->updateLevel();
    }
    QString clipFile(int point) const { return device.hostPath(kClips + QString("PP_Sound_%1.wav").arg(point)); }
    QByteArray clip(int point) const { return device.read(kClips + QString("PP_Sound_%1.wav").arg(point)); }
    QStringList stored() const
    {
        return QDir(device.hostPath(kMeas)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
    bool save(const QString& name)
    {
        DialogDriver driver;
        driver.typeText(name);
        page->on_butMenuSave_clicked();
        return stored().size() == 1;
    }
    QWidget* widget(const QString& name) const { return TestSupport::child<QWidget>(page, name); }
    QProgressBar* bar(int p) const { return TestSupport::child<QProgressBar>(page, QString("progBarMin%1").arg(p)); }
    void shot(const QString& name) const { QVERIFY(page->grab().save(TestSupport::screenshotPath(name))); }

    TestSupport::DeviceRoot device;
    GpsSimulator receiver;
    std::unique_ptr<MainMenu> menu;
    Pinpointing* page = nullptr;
};

} // namespace

class TestPinpointing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestSupport::useDeviceLook();
        // A counting pattern: every clip is a slice of its own.
        const int samples = 120 * 16000;
        QByteArray bytes(samples * 2, Qt::Uninitialized);
        for (int n = 0; n < samples; ++n)
            qToLittleEndian(quint16(n % 65536), bytes.data() + 2 * n);
        QFile capture(m_files.filePath("capture.raw"));
        QVERIFY(capture.open(QIODevice::WriteOnly) && capture.write(bytes) == bytes.size());
        capture.close();
        qputenv("TK9400_ALSA_CAPTURE", QFile::encodeName(capture.fileName()));
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void barRange_data()
    {
        QTest::addColumn<QVector<float>>("points");
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        QTest::newRow("dynamic 40/45") << levels({40, 45}) << 1 << 36.0f << 50.0f;
        QTest::newRow("dynamic 40/60") << levels({40, 60}) << 1 << 36.0f << 64.0f;
        QTest::newRow("zoom 40/60") << levels({40, 60}) << 2 << 39.0f << 61.0f;
        QTest::newRow("fixed 40/60") << levels({40, 60}) << 0 << 0.0f << 100.0f;
        QTest::newRow("unknown mode is fixed") << levels({40, 60}) << 7 << 0.0f << 100.0f;
        for (int mode = 0; mode <= 2; ++mode) {
            QTest::addRow("one point, mode %d", mode) << levels({40}) << mode << 0.0f << 100.0f;
            QTest::addRow("no point, mode %d", mode) << levels({}) << mode << 0.0f << 100.0f;
            QTest::addRow("spread below 1, mode %d", mode) << levels({40, 40.5f}) << mode << 0.0f << 100.0f;
        }
        QTest::newRow("dynamic capped at 100") << levels({92, 97}) << 1 << 88.0f << 100.0f;
        QTest::newRow("dynamic wide, capped") << levels({50, 99}) << 1 << 46.0f << 100.0f;
        QTest::newRow("low end not below 0") << levels({0.5f, 30}) << 1 << 0.0f << 34.0f;
    }
    void barRange()
    {
        QFETCH(QVector<float>, points);
        QFETCH(int, mode);
        QFETCH(float, low);
        QFETCH(float, high);
        const BarRange range = PinpointingRules::barRange(points.constData(), mode);
        QVERIFY(qAbs(range.low - low) < 1e-4);
        QVERIFY(qAbs(range.high - high) < 1e-4);
        QCOMPARE(range.mode, mode >= 0 && mode <= 2 ? mode : 0);
    }

    void scaleButton()
    {
        QList<int> withDynamic, without;
        int a = Dynamic, b = Fixed;
        for (int i = 0; i < 4; ++i) {
            withDynamic << a;
            without << b;
            a = nextScaleMode(a, true);
            b = nextScaleMode(b, false);
        }
        QCOMPARE(withDynamic, QList<int>({1, 2, 1, 2}));
        QCOMPARE(without, QList<int>({0, 2, 0, 2}));
        QVERIFY(scaleButtonStyle(Fixed).contains("QPushButton:pressed{image: url(:/Resources/Icons/Mainmenu/"
                                                 "Pinpointing/Scale_sw_44px.png);}"));
        QVERIFY(!scaleButtonStyle(Dynamic).contains("_sw_"));
        QVERIFY(scaleButtonStyle(Zoom).contains("ScaleMagnifierFull_ws_44px.png"));
        QVERIFY(scaleButtonStyle(Zoom).contains("ScaleMagnifierFull_sw_44px.png"));
    }

    void leak_data()
    {
        QTest::addColumn<QVector<float>>("points");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("leak");
        QTest::newRow("first of equal maxima") << levels({20, 30, 50, 40, 50}) << 10 << 3;
        QTest::newRow("counted points only") << levels({20, 30, 50, 40, 60}) << 4 << 3;
        QTest::newRow("no valid point") << levels({0, -3}) << 10 << -1;
        QTest::newRow("no points counted") << levels({20}) << 0 << -1;
    }
    void leak()
    {
        QFETCH(QVector<float>, points);
        QFETCH(int, count);
        QFETCH(int, leak);
        QVector<int> frequencies(kPoints);
        for (int p = 0; p < kPoints; ++p)
            frequencies[p] = 100 * p;
        float level = -1;
        int frequency = -1;
        QCOMPARE(leakPoint(points.constData(), frequencies.constData(), count, &level, &frequency), leak);
        QCOMPARE(level, leak > 0 ? points[leak] : 0.0f);
        QCOMPARE(frequency, leak > 0 ? 100 * leak : 0);
    }

    // Eleven points, the eleventh shifting the survey, then the save.
    void surveyOfElevenPoints()
    {
        Survey survey({{"Dialogconfiguration/Pinpointing_UseFrequencyColorForLevelbar", true}});
        QVERIFY(survey.start());
        Pinpointing& page = *survey.page;
        survey.shot("pinpointing-no-point.png");
        QVERIFY(survey.widget("labelMicrophone")->isVisibleTo(survey.page));
        QCOMPARE(survey.widget("labelMicrophone")->geometry(), QRect(5, 65, 37, 155));

        // No valid reading: the point is given back, without a clip.
        QVERIFY(survey.open());
        TestSupport::expectMessage(QtDebugMsg, QRegularExpression("^Ungültiger Wert:"));
        Analoginputworker()->analyseBlock(QByteArray(2048, '\0'));
        page.updateLevel();
        survey.mute();
        QCOMPARE(page.currentStep(), 0);
        QVERIFY(!QFile::exists(survey.clipFile(1)));

        struct Point
        {
            float level, rms;
            int frequency;
            double latitude;
            QByteArray clip;
        };
        QList<Point> cycles;
        // A style set again although unchanged would cache a new picture of the button's
        // icon at every mute: the memory grows all through a survey.
        std::unique_ptr<RestyleCounter> restyled;
        for (int cycle = 1; cycle <= 11; ++cycle) {
            if (cycle == 2)
                restyled.reset(new RestyleCounter({survey.widget("butMenuScale"), survey.bar(1)}));
            if (cycle == 11) // the scale mode and point 1 stayed as they were
                QCOMPARE(restyled->count, 0);
            const double latitude = 50.0 + cycle * 0.001;
            survey.moveTo(latitude, 8.0 + cycle * 0.002);
            QVERIFY(survey.gpsAt(latitude));
            if (cycle == 11) {
                // Opened past ten points and muted before a valid reading: nothing lost.
                QList<QByteArray> before;
                for (int p = 1; p <= 10; ++p)
                    before << sha(survey.clip(p));
                QVERIFY(survey.open());
                QVERIFY(page.isShiftPending());
                survey.mute();
                QCOMPARE(page.currentStep(), 10);
                for (int p = 1; p <= 10; ++p) {
                    QCOMPARE(sha(survey.clip(p)), before[p - 1]);
                    QCOMPARE(page.minimumLevel(p), cycles[p - 1].level);
                }
            }
            QVERIFY(survey.open());
            // Frequencies across the bar colours' scale (blue at 0, red at 150, yellow from 300 Hz).
            survey.reading(200 + 150 * ((cycle * 7) % 11), 60 + 25 * cycle);
            if (cycle == 1)
                survey.shot("pinpointing-open.png");
            const int p = page.currentStep();
            QCOMPARE(p, qMin(cycle, 10));
            QVERIFY(page.minimumLevel(p) > 1);
            QCOMPARE(page.latitude(p), latitude);
            survey.mute();
            QVERIFY(TestSupport::logged(QString("Store WAV-File \"PP_Sound_%1\" %1").arg(p)));
            cycles << Point{page.minimumLevel(p), page.rmsLevel(p), page.frequency(p), latitude, survey.clip(p)};
            QVERIFY(cycles.last().clip.size() > 6444);

            // The drop over the loudest point so far, the microphone over the next slot.
            int loudest = 1;
            for (int q = 1; q <= p; ++q) {
                if (page.minimumLevel(q) > page.minimumLevel(loudest))
                    loudest = q;
            }
            QCOMPARE(page.leakPos(), loudest);
            QCOMPARE(survey.widget("labelWaterdrop")->pos(), QPoint(42 * (loudest - 1) + 8, 180));
            QVERIFY(survey.widget("labelWaterdrop")->isVisibleTo(survey.page));
            QCOMPARE(survey.widget("labelMicrophone")->isVisibleTo(survey.page), p < 10);
            if (p < 10)
                QCOMPARE(survey.widget("labelMicrophone")->x(), 42 * p + 5);
        }
        survey.shot("pinpointing-ten-points.png");
        // Dynamic scaling is set up: the button goes between dynamic and zoom.
        QCOMPARE(page.scaleMode(), 1);
        survey.shot("pinpointing-scale-dynamic.png");
        TestSupport::button(&page, "butMenuScale")->click();
        QCOMPARE(page.scaleMode(), 2);
        survey.shot("pinpointing-scale-zoom.png");

        QVERIFY(survey.save("Line A"));
        const QString dir = survey.stored().first();
        QVERIFY(QRegularExpression("^PP_\\d{8}_\\d{6}_Line A$").match(dir).hasMatch());
        QSettings info(survey.device.hostPath(kMeas + dir + "/info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("Measurementinfo/Measurementtype").toString(), QString("Histogram"));
        for (int p = 1; p <= 10; ++p) {
            const Point& point = cycles[p];
            QCOMPARE(info.value(QString("Levels/Level_%1").arg(p)).toString(), QString::number(point.level, 'f', 3));
            QCOMPARE(info.value(QString("Levels/Frequency_%1").arg(p)).toInt(), point.frequency);
            QVERIFY(info.value(QString("GPS-Positions/GPS-Position_%1").arg(p)).toString().startsWith(
                QString::number(point.latitude, 'f', 6)));
            QCOMPARE(sha(survey.device.read(kMeas + dir + QString("/PP_Sound_%1.wav").arg(p))), sha(point.clip));
        }
        QVERIFY(info.contains("Filter/Filtertype"));
    }

    // A point is saved with no clip but its own whole one: the clip of an earlier survey, of
    // a deleted point or of the point that held its number before the survey shifted is
    // not taken for it. A clip still being written refuses the save, every point kept, and
    // is saved once it is there; a point whose write failed, or that has no sound of its
    // own, is stored without a clip and the user told which.
    void staleFailedAndLateClips_data()
    {
        QTest::addColumn<int>("road");
        QTest::newRow("writes of two points failed") << int(WriteFailed);
        QTest::newRow("write not done in time, input during the wait") << int(WriteLate);
        QTest::newRow("late write has opened its file") << int(LateWriteOpened);
        QTest::newRow("deleted point, the new write late and unable to open") << int(DeletedThenCannotOpen);
        QTest::newRow("deleted point measured again while the thread is busy") << int(DeletedWhileBusy);
        QTest::newRow("timely write of nothing recorded") << int(TimelyWithoutSound);
        QTest::newRow("eleven points, the fifth write failed") << int(ElevenPoints);
        QTest::newRow("eleven points, the fifth late with nothing recorded") << int(FifthLateWithoutSound);
        QTest::newRow("eleven points, the tenth write failed, the eleventh measured while the thread is busy")
            << int(TenthFailedEleventhBusy);
        QTest::newRow("eleven points, the tenth write late, the eleventh measured while the thread is busy")
            << int(TenthLateEleventhBusy);
    }
    void staleFailedAndLateClips()
    {
        QFETCH(int, road);
        const auto busy = std::make_shared<std::atomic<bool>>(true);
        // The recording thread stays busy until released, running whileBusy meanwhile. It is
        // held before this returns: what is asked of it from then on waits for the release
        // and then runs in one go (a request posted while the thread is still busy with its
        // last ones would run on its own, and a read could come between it and the next).
        const auto holdThread = [busy](std::function<void()> whileBusy = {}, std::function<void()> atEnd = {}) {
            const auto held = std::make_shared<std::atomic<bool>>(false);
            QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [busy, held, whileBusy, atEnd] {
                held->store(true);
                while (busy->load()) {
                    if (whileBusy)
                        whileBusy();
                    QThread::msleep(5);
                }
                if (atEnd)
                    atEnd();
            });
            while (!held->load())
                QThread::msleep(1);
        };
        const auto lateAtMute = [] {
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^AudioWorker::storeAudioData: the clip"));
        };
        Survey survey({{"Dialogconfiguration/Pinpointing_DynamicScaling", false}});
        const auto release = qScopeGuard([busy] { busy->store(false); }); // before the survey ends
        QVERIFY(survey.device.write(kClips + "PP_Sound_3.wav", "an earlier survey"));
        QVERIFY(survey.start());
        QVERIFY(!QFile::exists(survey.clipFile(3)));

        // Keys and touches made while the save waits must not act after the wait.
        struct Input
        {
            std::atomic<bool> keyboardDone{false};
            std::atomic<bool> posted{false};
            std::atomic<bool> noteSeen{false};
        };
        const auto input = std::make_shared<Input>();
        QWidget* page = survey.page;
        QWidget* saveButton = survey.widget("butMenuSave");
        const auto postInputOnce = [input, page, saveButton] {
            if (!input->keyboardDone || input->posted.exchange(true))
                return;
            QThread::msleep(300); // the save is waiting now
            QCoreApplication::postEvent(page, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            QCoreApplication::postEvent(page, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
            const QPointF at(5, 5);
            const auto touch = [at](QEvent::Type type, Qt::MouseButtons buttons) {
                return new QMouseEvent(type, at, Qt::LeftButton, buttons, Qt::NoModifier);
            };
            QCoreApplication::postEvent(saveButton, touch(QEvent::MouseButtonPress, Qt::LeftButton));
            QCoreApplication::postEvent(saveButton, touch(QEvent::MouseButtonRelease, Qt::NoButton));
            QMetaObject::invokeMethod(
                page,
                [input] {
                    input->noteSeen = WaitNote::shownNote() && !WaitNote::shownNote()->isHidden();
                    const QString shot = TestSupport::screenshotPath("pinpointing-wait-note.png");
                    if (input->noteSeen)
                        WaitNote::shownNote()->window()->grab().save(shot);
                },
                Qt::QueuedConnection);
        };

        // A pipe that is full: a write to it has opened its file and then stands still.
        const QString fifoPath = m_files.filePath("clip.fifo");
        int fifo = -1;
        const auto closeFifo = qScopeGuard([&fifo] {
            if (fifo >= 0)
                ::close(fifo);
        });
        std::atomic<bool> restored{false};
        const int points = road >= ElevenPoints ? 11 : 3;
        int troubled = 3;
        if (road == ElevenPoints || road == FifthLateWithoutSound)
            troubled = 5;
        else if (road >= TenthFailedEleventhBusy)
            troubled = 10;
        // Writes that fail: two points' on the first road, so that the message names both.
        QList<int> failing;
        if (road == WriteFailed)
            failing = {2, 3};
        else if (road == ElevenPoints || road == TenthFailedEleventhBusy)
            failing = {troubled};
        // Opened while the recording thread is held: the opening records nothing.
        const auto openWhileBusy = [&](std::function<void()> whileBusy = {}) {
            QTRY_VERIFY(!WaitNote::isHoldingInput());
            holdThread(std::move(whileBusy));
            QTest::keyPress(survey.page, Qt::Key_F10);
            survey.page->readingTimer()->stop();
        };
        // The thread is let go once the mute has asked for the point's clip: the write comes
        // in time and finds nothing recorded.
        const auto storeAsked = std::make_shared<std::atomic<bool>>(false);
        const auto watchStores = connect(Audioworker(), &AudioWorker::storeRecordedAudioData, [storeAsked] {
            storeAsked->store(true);
        });
        const auto unwatchStores = qScopeGuard([watchStores] { disconnect(watchStores); });
        QByteArray oldTenth;
        for (int p = 1; p <= points; ++p) {
            if (p == troubled && road == TimelyWithoutSound) {
                storeAsked->store(false);
                openWhileBusy([busy, storeAsked] { busy->store(!storeAsked->load()); });
            } else if ((p == troubled && road == FifthLateWithoutSound)
                       || (p == 11 && road >= TenthFailedEleventhBusy)) {
                openWhileBusy();
                lateAtMute();
            } else {
                QVERIFY(survey.open());
            }
            survey.reading(400 + 50 * p, 500);
            if (failing.contains(p)) {
                QVERIFY(QFile::link("/dev/full", survey.clipFile(p)));
                const QString failure = QString("^Could not write clip: .*PP_Sound_%1.wav").arg(p);
                TestSupport::expectMessage(QtWarningMsg, QRegularExpression(failure));
            } else if (p == troubled && road == WriteLate) {
                holdThread(postInputOnce);
                lateAtMute();
            } else if (p == troubled && road == TenthLateEleventhBusy) {
                holdThread();
                lateAtMute();
            } else if (p == troubled && road == LateWriteOpened) {
                QFile::remove(fifoPath);
                QVERIFY(::mkfifo(QFile::encodeName(fifoPath).constData(), 0600) == 0);
                fifo = ::open(QFile::encodeName(fifoPath).constData(), O_RDWR | O_NONBLOCK);
                QVERIFY(fifo >= 0);
                const QByteArray block(4096, 'x');
                while (::write(fifo, block.constData(), size_t(block.size())) > 0) {
                }
                QVERIFY(QFile::link(fifoPath, survey.clipFile(3)));
                lateAtMute();
                TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write clip: .*PP_Sound_3.wav"));
            } else if (p == troubled && road == DeletedThenCannotOpen) {
                survey.mute();
                const QByteArray deleted = survey.clip(3);
                QVERIFY(deleted.size() > 6444);
                TestSupport::button(survey.page, "butMenuDeleteLast")->click();
                QVERIFY(survey.open());
                survey.reading(420, 500);
                // Late, and then no file can be opened: a write that cannot open its file
                // leaves what lies there as it was.
                // The clip folder is moved aside for that write alone, a plain file in its
                // place; nothing else of the process is touched.
                const QString folder = QFileInfo(survey.clipFile(3)).absolutePath();
                holdThread({}, [folder] {
                    QDir().rename(folder, folder + ".aside");
                    QFile blocker(folder);
                    blocker.open(QIODevice::WriteOnly);
                });
                lateAtMute();
            } else if (p == troubled && road == DeletedWhileBusy) {
                holdThread();
                lateAtMute();
                survey.mute();
                QTRY_VERIFY(!WaitNote::isHoldingInput());
                TestSupport::button(survey.page, "butMenuDeleteLast")->click();
                // Measured again before the thread is free: the new opening records nothing.
                QTest::keyPress(survey.page, Qt::Key_F10);
                survey.page->readingTimer()->stop();
                survey.reading(420, 500);
                lateAtMute();
            }
            survey.mute();
            if (p == troubled && (road == FifthLateWithoutSound || road == TenthLateEleventhBusy)) {
                // The late write ends; the eleventh point may hold the thread anew.
                busy->store(false);
                QTRY_VERIFY(!Audioworker()->storesPending());
                busy->store(true);
                oldTenth = survey.clip(10);
            }
            if (p == troubled && road == DeletedThenCannotOpen) {
                const QString folder = QFileInfo(survey.clipFile(3)).absolutePath();
                QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [&restored, folder] {
                    QFile::remove(folder);
                    QDir().rename(folder + ".aside", folder);
                    restored = true;
                });
            }
        }
        if (road == WriteFailed) {
            QVERIFY(!QFileInfo(survey.clipFile(3)).exists() && !QFileInfo(survey.clipFile(3)).isSymLink());
            QCOMPARE(survey.page->scaleMode(), 0);
            survey.shot("pinpointing-scale-fixed.png");
        }

        DialogDriver driver;
        driver.grabMessages(true);
        if (road == WriteLate) {
            // A clip still being written is not saved half done: the save is refused with
            // every point kept. A touch on Save and the on/off key made during the wait do
            // nothing: no second keyboard and no duplicate survey, the page stays.
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Pinpointing: not saved, "));
            TestSupport::expectMessage(QtWarningMsg, "Measurement could not be stored");
            driver.setInspector([input](QWidget* dialog) {
                if (dialog->inherits("VirtualKeyboard"))
                    input->keyboardDone = true;
            });
            driver.typeText("stale");
            driver.typeText("stale");
            survey.page->on_butMenuSave_clicked();
            QTRY_VERIFY(!WaitNote::isHoldingInput());
            QVERIFY(input->posted);
            QVERIFY(input->noteSeen);
            QCOMPARE(driver.keyboardsSeen(), 1);
            QCOMPARE(survey.menu->currentPage(), page);
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.messages().first().icon, int(MessageDialog::IconError));
            QCOMPARE(survey.stored(), QStringList());
            QCOMPARE(survey.page->currentStep(), 3);

            // The retry once the write is done stores the whole clip.
            busy->store(false);
            QTRY_VERIFY(!Audioworker()->storesPending());
            survey.page->on_butMenuSave_clicked();
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(survey.stored().size(), 1);
            const QString dir = kMeas + survey.stored().first();
            QCOMPARE(QDir(survey.device.hostPath(dir)).entryList({"PP_Sound_*"}),
                     QStringList({"PP_Sound_1.wav", "PP_Sound_2.wav", "PP_Sound_3.wav"}));
            const QByteArray clip = survey.device.read(dir + "/PP_Sound_3.wav");
            QCOMPARE(qint64(clip.size()), 44 + std::min<qint64>(Audioworker()->recordedBytesSinceResume(),
                                                                BackgroundRecording::kClipDataBytes));
            QCOMPARE(sha(clip), sha(survey.clip(3)));
            return;
        }

        // The other roads store the survey at once, the point without sound of its own
        // with its values but no clip, and say so.
        busy->store(false);
        if (road == DeletedThenCannotOpen)
            QTRY_VERIFY(restored);
        // The full pipe empties while the save waits: the write then fails.
        std::atomic<bool> draining{true};
        std::unique_ptr<QThread> drain(QThread::create([&] {
            char bytes[4096];
            QThread::msleep(200);
            while (draining && fifo >= 0) {
                if (::read(fifo, bytes, sizeof bytes) <= 0)
                    QThread::msleep(5);
            }
        }));
        drain->start();
        const auto stopDrain = qScopeGuard([&] {
            draining = false;
            drain->wait();
        });
        // The points without sound of their own, as the survey numbers them at the save.
        QList<int> lost = {3};
        if (road == WriteFailed)
            lost = failing;
        else if (road == ElevenPoints || road == FifthLateWithoutSound)
            lost = {4};
        else if (road == TenthFailedEleventhBusy)
            lost = {9, 10};
        else if (road == TenthLateEleventhBusy)
            lost = {10};
        QStringList numbers;
        for (int p : lost)
            numbers << QString::number(p);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Pinpointing: no clip for the points"));
        driver.typeText("lost");
        survey.page->on_butMenuSave_clicked();
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().first().icon, int(MessageDialog::IconWarning));
        // The message's form for the number of points, not only its list.
        const QString text = QString("Stored without the sound\nof %1 %2.").arg(lost.size() > 1 ? "points" : "point");
        QCOMPARE(driver.messages().first().text, text.arg(numbers.join(", ")));
        if (road == WriteFailed)
            QVERIFY(driver.messages().first().image.save(TestSupport::screenshotPath("pinpointing-sound-lost.png")));
        QCOMPARE(survey.stored().size(), 1);
        const QString dir = kMeas + survey.stored().first();
        QStringList clips;
        for (int p = 1; p <= std::min(points, 10); ++p) {
            if (!lost.contains(p))
                clips << QString("PP_Sound_%1.wav").arg(p);
        }
        clips.sort();
        QCOMPARE(QDir(survey.device.hostPath(dir)).entryList({"PP_Sound_*"}, QDir::Files, QDir::Name), clips);
        const QSettings info(survey.device.hostPath(dir + "/info.ini"), QSettings::IniFormat);
        for (int p : lost)
            QVERIFY(info.value(QString("Levels/Level_%1").arg(p)).toDouble() > 0); // the point itself is kept
        if (road == TenthLateEleventhBusy)
            QCOMPARE(sha(survey.device.read(dir + "/PP_Sound_9.wav")), sha(oldTenth));
    }

    void deleteLastAndFilterDialog()
    {
        Survey survey;
        QVERIFY(survey.start());
        Pinpointing& page = *survey.page;
        QPushButton* deleteLast = TestSupport::button(&page, "butMenuDeleteLast");
        deleteLast->click(); // no point yet
        QCOMPARE(page.currentStep(), 0);
        QVERIFY(survey.open());
        survey.reading(500, 600);
        page.muteAudioPath(true, true);
        const QByteArray first = survey.clip(1);
        // Given back, then muted once more (the unit's key, the save): point 1 keeps its
        // clip, which the sound of the empty opening would otherwise replace.
        QVERIFY(survey.open());
        page.muteAudioPath(true, true);
        TestSupport::clearLoggedMessages();
        page.muteAudioPath(true, true);
        QCOMPARE(page.currentStep(), 1);
        QVERIFY(!TestSupport::logged("Store WAV-File"));
        QCOMPARE(survey.clip(1), first);
        QVERIFY(survey.open());
        survey.reading(500, 600);
        // Open: the button is away and the call does nothing.
        QVERIFY(deleteLast->isHidden());
        QMetaObject::invokeMethod(&page, "on_butMenuDeleteLast_clicked");
        QCOMPARE(page.currentStep(), 2);
        page.muteAudioPath(true, true);
        deleteLast->click();
        QCOMPARE(page.currentStep(), 1);
        QCOMPARE(page.minimumLevel(2), 0.0f);
        QVERIFY(!QFile::exists(survey.clipFile(2))); // the deleted point leaves no sound behind

        TestSupport::button(&page, "butMenuSettings")->click();
        QCOMPARE(TestSupport::child<QStackedWidget>(&page, "subMenu")->currentIndex(), 1);
        {
            TestSupport::ModalCloser closer([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
            TestSupport::button(&page, "butMenuFilter")->click();
            QCOMPARE(closer.seen(), QStringList("Filtersettings"));
        }
        QVERIFY(page.readingTimer()->isActive());
        QCOMPARE(page.readingTimer()->interval(), 300);
        QVERIFY(!Audioworker()->isPaused());
        // Closed without its check mark (a PC keyboard's Escape), the page reads and records on.
        page.readingTimer()->stop();
        {
            TestSupport::ModalCloser closer;
            TestSupport::button(&page, "butMenuFilter")->click();
        }
        QVERIFY(page.readingTimer()->isActive());
        QVERIFY(!Audioworker()->isPaused());
    }

    // The favourite key on a message of the save's store, with this page the favourite,
    // does nothing: the page started anew in place would remove the clips being stored.
    void favouriteKeyDuringTheStore()
    {
        Survey survey({{"Systemsettings/FavouriteButton", 1}});
        for (int n = 0; n < Measurements::warnNumMeasurements; ++n)
            survey.device.write(kMeas + QString("LE_20240101_1%1_m/info.ini").arg(n, 5, 10, QLatin1Char('0')), "");
        QVERIFY(survey.start());
        QVERIFY(survey.open());
        survey.reading(500, 600);
        survey.mute();
        const QByteArray clip = survey.clip(1);
        QVERIFY(!clip.isEmpty());
        EventHandler keys;
        qApp->installEventFilter(&keys);
        DialogDriver driver;
        driver.typeText("Line B");
        driver.pressButtons("MessageDialog", {"Key_F2"}); // the warning of the near limit; then OK
        survey.page->on_butMenuSave_clicked();
        qApp->removeEventFilter(&keys);
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(survey.menu->currentPage(), survey.page);
        QCOMPARE(survey.page->currentStep(), 1);
        const QStringList surveys = survey.stored().filter(QRegularExpression("^PP_"));
        QCOMPARE(surveys.size(), 1);
        QCOMPARE(survey.device.read(kMeas + surveys.first() + "/PP_Sound_1.wav"), clip);
    }

    void storedView()
    {
        Survey survey;
        const QString dir = "PP_20240101_000000_a  b";
        QVERIFY(survey.device.write(kMeas + dir + "/info.ini",
                                    "[Measurementinfo]\nMeasurementname=a  b\n"
                                    "[Levels]\nLevel_1=40.5\nFrequency_1=300\nLevel_2=55\nFrequency_2=600\n"
                                    "Level_5=55\nFrequency_5=900\nLevel_7=0\nFrequency_7=0\n"
                                    "[Filter]\nFiltertype=Bandstop\nLowCutOff-Frequency=200\nHighCutOff-Frequency=1600\n"));
        QVERIFY(survey.device.write(kMeas + dir + "/PP_Sound_2.wav", QByteArray(100, 'x')));
        survey.menu->displayWidget(7, 1, 0);
        survey.menu->getInstanceMeasManagement()->openStoredMeasurement(dir);
        survey.page = qobject_cast<Pinpointing*>(survey.menu->currentPage());
        QVERIFY(survey.page);
        Pinpointing& page = *survey.page;
        QCOMPARE(TestSupport::child<QStackedWidget>(&page, "subMenu")->currentIndex(), 2);
        QCOMPARE(page.scaleMode(), 2);
        QCOMPARE(page.leakPos(), 2);
        QCOMPARE(survey.widget("labelWaterdrop")->geometry(), QRect(50, 155, 30, 45));
        QCOMPARE(TestSupport::child<QLabel>(&page, "labelFilterrange")->text(), QString("200 Hz\n1600 Hz"));
        QCOMPARE(TestSupport::child<QLabel>(&page, "labelStoredMeasurement")->text(), QString("a  b"));
        for (int p = 1; p <= 10; ++p)
            QCOMPARE(survey.bar(p)->isVisibleTo(&page), p == 1 || p == 2 || p == 5);

        // The keys and the unit's key neither play nor stop.
        QSignalSpy plays(Audioworker(), &AudioWorker::startBackgroundPlayback);
        QTest::keyPress(&page, Qt::Key_F10);
        QTest::keyRelease(&page, Qt::Key_F10);
        page.switchActiveMute(false);
        QCOMPARE(plays.size(), 0);

        QList<int> selected;
        for (int i = 0; i < 3; ++i) {
            TestSupport::button(&page, "butMenuStoredNext")->click();
            selected << page.currentStep();
            QVERIFY(survey.bar(page.currentStep())->styleSheet().contains("lightgreen"));
            QCOMPARE(survey.widget("labelSymbol")->pos(), QPoint(42 * (page.currentStep() - 1) + 5, 165));
            if (i == 0)
                survey.shot("pinpointing-stored.png");
        }
        QCOMPARE(selected, QList<int>({2, 5, 1}));
        QVERIFY(survey.bar(2)->styleSheet().contains("yellow"));

        // Point 1 has no clip: nothing is played and nothing is made.
        const QStringList files = QDir(survey.device.hostPath(kMeas + dir)).entryList(QDir::Files);
        TestSupport::button(&page, "butMenuStoredPlay")->click();
        QCOMPARE(plays.size(), 0);
        QCOMPARE(QDir(survey.device.hostPath(kMeas + dir)).entryList(QDir::Files), files);
        TestSupport::button(&page, "butMenuStoredNext")->click();
        TestSupport::button(&page, "butMenuStoredPlay")->click();
        QCOMPARE(plays.size(), 1);
        QCOMPARE(plays.first().first().toString(), survey.device.hostPath(kMeas + dir + "/PP_Sound_2.wav"));
        QVERIFY(survey.widget("labelSymbol")->styleSheet().contains("Start_sw_44px.png"));
        TestSupport::button(&page, "butMenuStoredStop")->click();
        QVERIFY(survey.widget("labelSymbol")->styleSheet().contains("Stop_sw_44px.png"));
    }

    void linearSwitchOfTheDebugFeatures()
    {
        Survey survey;
        const int debugFeatures = g_debugFeatures;
        g_debugFeatures = 1;
        QVERIFY(survey.start());
        QPushButton* button = TestSupport::button(survey.page, "butStartStop");
        QVERIFY(button->isVisibleTo(survey.page));
        QCOMPARE(button->text(), QString("LIN"));
        button->click();
        QCOMPARE(button->text(), QString("LOG"));
        QVERIFY(survey.open());
        survey.reading(500, 600);
        float rms = 0;
        Analoginputworker()->getAudioLevel(&rms);
        QVERIFY(qAbs(survey.page->rmsLevel(1) - rms * 10000 / 5) < 0.01);
        survey.shot("pinpointing-linear.png");
        g_debugFeatures = debugFeatures;
        survey.page->muteAudioPath(true, true);
        survey.menu->displayWidget(3, 1, 0);
        QVERIFY(!button->isVisibleTo(survey.page));
        QCOMPARE(button->text(), QString("LIN"));
    }
};

QTEST_MAIN(TestPinpointing)
#include "tst_pinpointing.moc"
