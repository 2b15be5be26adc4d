// The listening path and the sensor unit's microphone parameters, with the main window
// started against the simulated Bluetooth modules, sensor unit and headphones.
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Tools/favouritebutton.h"
#include "Tools/statusbar.h"
#include "btmodulesim.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::kHeadphones;
using TestSupport::kUnit;

namespace {

// A device tree with both peers paired, the simulated modules, and the main window.
struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}}, settings)
    {
    }

    // Starts the main window and waits until both links are up.
    bool start()
    {
        startMainMenu();
        return QTest::qWaitFor(
            [this] {
                Bluetooth* sink = menu->getBtSinkInstance();
                return sink->getBtState() == 6 && sink->getBtMode() == 1 && !unit()->unitLines().isEmpty()
                    && phones()->commandLines().contains("@3 +CHLD=0");
            },
            TestSupport::timeBound(5000));
    }

    BtModuleSim* unit() const { return sim.sink(); }
    // The microphone parameters the unit received (the status data asks its own questions).
    QStringList micLines() const
    {
        return unit()->unitLines().filter(QRegularExpression("^BT_TX I "));
    }
    BtModuleSim* phones() const { return sim.source(); }
    QByteArray audioGpio() const { return device.read("/sys/class/gpio/gpio17/value"); }
    long codec(const char* control) const { return CodecMixer::state(device).value(control, -1); }
    // The headphone module's commands without the volume the status data sets once.
    QStringList headphoneCommands() const
    {
        QStringList lines = phones()->commandLines();
        lines.removeAll("AVRCP PDU 50 50");
        return lines;
    }
};

} // namespace

class TestAudioPath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::initLinkTest(); }
    void cleanup() { TestSupport::cleanupLinkTest(); }

    void startUpSequencesLineForLine()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        QVERIFY(instrument.start());

        // Sensor-unit link: gains (the format's own line end leaves an empty line),
        // auto-call, the data channel, and the microphone parameters once it is up.
        QCOMPARE(instrument.unit()->commandLines().mid(0, 5),
                 QStringList({"LIST", "SET CONTROL GAIN 5 f", "", "SET CONTROL AUTOCALL 19 500 A2DP",
                              "CALL " + kUnit + " 1101 RFCOMM"}));
        QCOMPARE(instrument.unit()->unitLines().first(), QString("BT_TX I 0f MUTE PUSHBUT"));
        QCOMPARE(instrument.unit()->unitButtonMode(), QString("PUSHBUT"));
        QCOMPARE(instrument.unit()->unitMuteState(), QString("MUTE"));
        QCOMPARE(instrument.unit()->unitMicGain(), 15);

        // Headphone link: gain by the rule, auto-call, muted at start, then hands-free and battery.
        QCOMPARE(instrument.headphoneCommands(),
                 QStringList({"LIST", "SET CONTROL GAIN 5 f", "", "SET CONTROL AUTOCALL 19 500 A2DP",
                              "SET CONTROL GAIN 0 f", "", "CALL " + kHeadphones + " 111E HFP-AG", "@3 +CHLD=0"}));
        QTRY_COMPARE(instrument.menu->getBtSourceInstance()->getBtExtHeadphoneBatteryState(), 60);

        QVERIFY(instrument.menu->isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("0"));
        QVERIFY(instrument.menu->getAudioCodecInstance()->isMuted());
        QCOMPARE(instrument.codec("LO DAC"), 0L);
    }

    void unitMuteKeyOnAMeasuringPage_data()
    {
        QTest::addColumn<QString>("switchmode");
        QTest::newRow("push-button") << "Push";
        QTest::newRow("switch") << "Switch";
    }
    void unitMuteKeyOnAMeasuringPage()
    {
        QFETCH(QString, switchmode);
        const bool toggles = switchmode == "Switch";
        Instrument instrument({{"Systemsettings/Switchmode", switchmode}});
        QVERIFY(instrument.start());
        QCOMPARE(instrument.unit()->unitButtonMode(), QString(toggles ? "SWITCH" : "PUSHBUT"));
        MainMenu& menu = *instrument.menu;
        instrument.unit()->clearTranscript();
        menu.displayWidget(1, 1, 0);
        QTRY_VERIFY(menu.isAudioPathMuted());
        // The page starts muted, calls the links again and re-applies the gain step: the
        // unit hears all of it before its key is pressed.
        QTRY_VERIFY(instrument.micLines().size() >= 2);
        for (int seen = 0; seen != instrument.micLines().size();) {
            seen = instrument.micLines().size();
            QTest::qWait(300);
        }
        instrument.phones()->clearTranscript();

        instrument.unit()->pressMuteKey();
        QTRY_VERIFY(!menu.isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("1"));
        QVERIFY(!menu.getAudioCodecInstance()->isMuted());
        QVERIFY(!Audioworker()->isPaused());
        QTRY_COMPARE(instrument.headphoneCommands(), QStringList({"SET CONTROL GAIN 5 f", ""}));

        instrument.unit()->releaseMuteKey();
        if (toggles) {
            QTest::qWait(100);
            QVERIFY(!menu.isAudioPathMuted());
            instrument.unit()->pressMuteKey();
        }
        QTRY_VERIFY(menu.isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("0"));
        QVERIFY(menu.getAudioCodecInstance()->isMuted());
        QVERIFY(Audioworker()->isPaused());
        QTRY_COMPARE(instrument.headphoneCommands(), QStringList({"SET CONTROL GAIN 5 f", "", "SET CONTROL GAIN 0 f", ""}));
        // The page mutes without telling the unit: the unit knows its own key.
        QVERIFY(!instrument.micLines().contains("BT_TX I 0f ACTIVE " + QString(toggles ? "SWITCH" : "PUSHBUT")));
    }

    void unitMuteKeyOnTheMainPageKeepsThePathMuted()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        MainMenu& menu = *instrument.menu;
        instrument.unit()->clearTranscript();
        instrument.unit()->pressMuteKey();
        QTRY_COMPARE(instrument.unit()->unitMuteState(), QString("MUTE")); // told back
        QVERIFY(instrument.micLines().contains("BT_TX I 0f MUTE PUSHBUT"));
        QVERIFY(menu.isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("0"));

        // A report of a muted key changes nothing.
        instrument.unit()->clearTranscript();
        instrument.unit()->setUnitMuted(true);
        QTest::qWait(100);
        QCOMPARE(instrument.micLines(), QStringList());
    }

    // The unit's mute key belongs to the page shown: the measuring page opens the path, the
    // main page keeps it muted and tells the unit so, whichever road leads between them.
    void unitMuteKeyFollowsThePageShown_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("Home") << "home";
        QTest::newRow("on/off key") << "onoff";
        QTest::newRow("favourite, then Home") << "favourite";
    }
    void unitMuteKeyFollowsThePageShown()
    {
        QFETCH(QString, road);
        Instrument instrument({{"Systemsettings/FavouriteButton", 4}});
        QVERIFY(instrument.start());
        MainMenu& menu = *instrument.menu;
        auto pageOwnsTheKey = [&] {
            instrument.unit()->pressMuteKey();
            const bool opened = QTest::qWaitFor([&] { return !menu.isAudioPathMuted(); }, TestSupport::timeBound(1000));
            instrument.unit()->releaseMuteKey();
            return opened && QTest::qWaitFor([&] { return menu.isAudioPathMuted(); }, TestSupport::timeBound(1000));
        };
        auto mainPageOwnsTheKey = [&] {
            instrument.unit()->clearTranscript();
            instrument.unit()->pressMuteKey();
            const bool told = QTest::qWaitFor([&] { return instrument.micLines().contains("BT_TX I 0f MUTE PUSHBUT"); },
                TestSupport::timeBound(2000));
            instrument.unit()->releaseMuteKey();
            return told && menu.isAudioPathMuted();
        };
        auto home = [&] {
            QWidget* page = menu.currentPage();
            // The H2 page names its Home button so.
            auto* button = page->findChild<QPushButton*>("butMenuMainmenu");
            if (!button)
                button = page->findChild<QPushButton*>("butMenuHome");
            if (!button || !button->isVisibleTo(page))
                button = TestSupport::button(page, "butMenuBack");
            button->click();
        };

        menu.displayWidget(1, 1, 0);
        QVERIFY(pageOwnsTheKey());
        if (road == "home") {
            home();
        } else if (road == "onoff") {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(menu.currentPage(), &release);
            menu.displayFavouriteDialog(0);
        } else {
            TestSupport::ModalCloser closer; // whatever the next page asks on its way in
            menu.getFavouriteButtonInsance()->execFavouriteFunction();
            QCOMPARE(menu.currentPage()->metaObject()->className(), "H2Sensor");
            QVERIFY(pageOwnsTheKey());
            home();
        }
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        QVERIFY(mainPageOwnsTheKey());
    }

    // A restarted unit ("BT_RX RDY") gets its microphone parameters again.
    void restartedUnitGetsItsParametersAgain()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        QSignalSpy ready(instrument.menu->getBtSinkInstance(), &Bluetooth::btRdyReceived);
        instrument.unit()->clearTranscript();
        instrument.unit()->unitRestarted();
        QTRY_COMPARE(ready.count(), 1);
        QTRY_COMPARE(instrument.micLines(), QStringList("BT_TX I 0f MUTE PUSHBUT"));
    }

    // Both modules hang on the same DTR and carrier-detect lines: setting up and tearing
    // down the headphone link leaves the unit's data channel in data mode.
    void headphoneLinkLeavesTheUnitsDataModeAlone()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        Bluetooth* phones = instrument.menu->getBtSourceInstance();
        Bluetooth* sink = instrument.menu->getBtSinkInstance();
        instrument.phones()->clearTranscript();
        phones->initBtModulSource();
        phones->disconnectBtDevice();
        QTRY_VERIFY(instrument.phones()->commandLines().contains("KILL " + kHeadphones));
        QVERIFY(instrument.phones()->commandLines().contains("SET BT NAME TKR9400_HP"));
        QVERIFY(instrument.unit()->isDataMode());
        QCOMPARE(sink->getBtMode(), 1);
        instrument.unit()->clearTranscript();
        sink->sendData("BT_TX B");
        QTRY_COMPARE(instrument.unit()->unitLines(), QStringList("BT_TX B"));
        QVERIFY(instrument.unit()->commandLines().isEmpty());
    }

    void openingAndMutingWithAndWithoutTellingTheUnit()
    {
        Instrument instrument({{"Systemsettings/HeadphoneVolumeOffset", 2}});
        QVERIFY(instrument.start());
        MainMenu& menu = *instrument.menu;
        instrument.unit()->clearTranscript();
        instrument.phones()->clearTranscript();

        menu.muteAudioPath(false, false);
        QVERIFY(!menu.isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("1"));
        QVERIFY(!menu.getAudioCodecInstance()->isMuted());
        QCOMPARE(instrument.codec("LO DAC"), 1L);
        QVERIFY(!Audioworker()->isPaused());
        int muteParam = -1;
        menu.getMicInitParameter(nullptr, &muteParam, nullptr);
        QCOMPARE(muteParam, 0);
        menu.muteAudioPath(true, false);
        QVERIFY(menu.isAudioPathMuted());
        QCOMPARE(instrument.audioGpio(), QByteArray("0"));
        QCOMPARE(instrument.codec("LO DAC"), 0L);
        QTRY_COMPARE(instrument.headphoneCommands(), QStringList({"SET CONTROL GAIN 7 f", "", "SET CONTROL GAIN 0 f", ""}));
        QTest::qWait(50);
        QCOMPARE(instrument.micLines(), QStringList());

        menu.muteAudioPath(false, true);
        QTRY_COMPARE(instrument.micLines(), QStringList("BT_TX I 0f ACTIVE PUSHBUT"));
        menu.muteAudioPath(true, true);
        QTRY_COMPARE(instrument.micLines(), QStringList({"BT_TX I 0f ACTIVE PUSHBUT", "BT_TX I 0f MUTE PUSHBUT"}));
    }

    void microphoneGainSteps()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        MainMenu& menu = *instrument.menu;
        const QList<QPair<int, int>> steps = {{1, 10}, {2, 13}, {3, 15}, {4, 17}, {5, 19}, {6, 21}, {0, 15}, {7, 15}};
        for (const auto& step : steps) {
            instrument.unit()->clearTranscript();
            menu.setMicGainStep(step.first);
            QCOMPARE(menu.getMicGainStep(), step.first >= 1 && step.first <= 6 ? step.first : 3);
            QCOMPARE(menu.getMicPgaGain(), 3.0f);
            QCOMPARE(instrument.codec("PGA Level"), 300L);
            QCOMPARE(menu.getBtSinkInstance()->getBtExtMicGain(), step.second);
            const QString gain = QStringLiteral("%1").arg(step.second, 2, 16, QLatin1Char('0'));
            QTRY_COMPARE(instrument.micLines(), QStringList("BT_TX I " + gain + " MUTE PUSHBUT"));
            QCOMPARE(instrument.unit()->unitMicGain(), step.second);
        }
        // The stored parameters are sent again when the data channel comes back.
        instrument.unit()->clearTranscript();
        menu.setMicGainStep(6);
        QTRY_COMPARE(instrument.micLines(), QStringList("BT_TX I 15 MUTE PUSHBUT"));
        instrument.unit()->dropPeerLinks(50);
        QTRY_VERIFY(!menu.getBtSinkInstance()->isConnectedRFCOMM());
        QTRY_VERIFY_WITH_TIMEOUT(instrument.micLines().count("BT_TX I 15 MUTE PUSHBUT") == 2, 5000);

        // The unit reads the gain as one byte: a larger one is sent and kept as 255.
        instrument.unit()->clearTranscript();
        menu.initQj5(300, 1, 0);
        QTRY_COMPARE(instrument.micLines(), QStringList("BT_TX I ff MUTE PUSHBUT"));
        int gain = 0;
        menu.getMicInitParameter(&gain, nullptr, nullptr);
        QCOMPARE(gain, 255);
    }

    void wiredSensorGainTable()
    {
        Instrument instrument;
        instrument.menu.reset(new MainMenu);
        MainMenu& menu = *instrument.menu;
        instrument.device.write("/sys/class/gpio/gpio48/value", "1");
        StatusbarData()->update();
        QCOMPARE(StatusbarData()->sensorType(), 4);
        const QList<QPair<int, long>> steps = {{1, 900}, {2, 1800}, {3, 2250}, {4, 2900}, {5, 3500}, {6, 4100}, {0, 2250}};
        for (const auto& step : steps) {
            TestSupport::clearLoggedMessages();
            menu.setMicGainStep(step.first);
            QCOMPARE(menu.getMicGainStep(), step.first == 0 ? 3 : step.first);
            QCOMPARE(instrument.codec("PGA Level"), step.second);
            QCOMPARE(menu.getMicPgaGain(), float(step.second) / 100.0f);
            QVERIFY(!TestSupport::logged("MicInit")); // the wired sensor has no unit to tell
        }
    }
};

QTEST_MAIN(TestAudioPath)
#include "tst_audiopath.moc"
