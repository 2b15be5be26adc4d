// The audio channel test: the test-device address files, the PWM output and the sensor
// value of channel 2, the readings and answers of channels 1 and 3 through the analysis,
// the commands, and the calls to the simulated peers with a link that drops and comes back.
#include "Audio/analoginputworker.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuaudio.h"
#include "Testmenu/testmenuremotectrl.h"
#include "adcsim.h"
#include "btsimulator.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <memory>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kMicIdFile = QStringLiteral("/home/root/testBtIdMic");
const QString kHpIdFile = QStringLiteral("/home/root/testBtIdHp");
const QString kPwm = QStringLiteral("/sys/class/pwm/pwmchip1/pwm0/");
const QByteArray kMissing = "<missing>";

// The main window with both modules, which know no peer: the links rest in command mode.
// One serves every test; each opens its own dialog, which starts the links over.
struct Instrument
{
    Instrument()
    {
        TestSupport::writeSettings(device, TestSupport::pairedPeers());
        simStarted = sim.start(TestSupport::quickSimOptions(device, false));
        Platform::setTerminateHandler([](int) {});
        menu.reset(new MainMenu);
        simStarted = simStarted && TestSupport::waitForRestingLinks(*menu);
    }
    void addressFiles(const QByteArray& mic, const QByteArray& hp) const
    {
        device.remove(kMicIdFile);
        device.remove(kHpIdFile);
        if (mic != kMissing)
            device.write(kMicIdFile, mic);
        if (hp != kMissing)
            device.write(kHpIdFile, hp);
    }

    DeviceRoot device;
    BtSimulatorThread sim;
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
};

QString text(const QWidget& dialog, const char* label)
{
    return TestSupport::child<QLabel>(dialog, label)->text();
}

QStringList pwmWrites(const DeviceRoot& device)
{
    return device.writes().filter(kPwm);
}

// One ADC block of a steady tone of rms counts.
QByteArray toneBlock(double hz, double rms)
{
    LeakSignal::Settings settings;
    settings.noiseRms = 0;
    settings.toneHz = hz;
    settings.toneRms = rms;
    LeakSignal signal(AdcSimulator::kSampleRate, settings);
    return signal.next(AdcSimulator::kBlockSamples);
}

// What an answer line says after its "=".
QString valueOf(const QByteArray& answer)
{
    return QString::fromLatin1(answer).section('=', 1).trimmed();
}

bool hasLineStarting(const QStringList& lines, const QString& start)
{
    for (const QString& line : lines)
        if (line.startsWith(start))
            return true;
    return false;
}

} // namespace

class TestTestmenuAudio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        TestmenuAudio::Timing quick;
        quick.callStateMs = 50;
        quick.valueUpdateMs = 50;
        quick.linkWatchMs = 100;
        quick.lostRetryMs = 200;
        TestmenuAudio::timing() = quick;
        m_instrument.reset(new Instrument);
        QVERIFY(m_instrument->simStarted);
    }
    void cleanupTestCase() { m_instrument.reset(); }
    void init() { m_instrument->addressFiles(kMissing, kMissing); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // A refused address starts nothing on its module: no pairing, nothing a file smuggles in.
    void addressFiles_data()
    {
        QTest::addColumn<QByteArray>("mic");
        QTest::addColumn<QByteArray>("hp");
        QTest::addColumn<QString>("sinkLabel");
        QTest::addColumn<QString>("sourceLabel");
        const QString builtInSink = "Sink-Id: 00:07:80:CA:E6:45";
        const QString builtInSource = "Source-Id: 00:07:80:32:86:D3";
        QTest::newRow("no files") << kMissing << kMissing << builtInSink << builtInSource;
        QTest::newRow("address and line end")
            << QByteArray("00:07:80:ca:e6:47\n") << kMissing << "Sink-Id: 00:07:80:ca:e6:47" << builtInSource;
        QTest::newRow("longer first line")
            << kMissing << QByteArray("00:07:80:32:86:D4:99\n") << builtInSink << "Source-Id: 00:07:80:32:86:D4";
        QTest::newRow("16 characters and line end")
            << QByteArray("00:07:80:CA:E6:4\n") << kMissing << "Invalid BT-ID: 00:07:80:CA:E6:4" << builtInSource;
        QTest::newRow("a second command")
            << kMissing << QByteArray("x\nSET RESET") << builtInSink << "Invalid BT-ID: x\nSET RESET";
        QTest::newRow("empty") << QByteArray("") << kMissing << "Invalid BT-ID: " << builtInSource;
        QTest::newRow("not hexadecimal")
            << QByteArray("00:07:80:CA:E6:4G") << kMissing << "Invalid BT-ID: 00:07:80:CA:E6:4G" << builtInSource;
    }
    void addressFiles()
    {
        QFETCH(QByteArray, mic);
        QFETCH(QByteArray, hp);
        QFETCH(QString, sinkLabel);
        QFETCH(QString, sourceLabel);
        Instrument& instrument = *m_instrument;
        instrument.addressFiles(mic, hp);
        TestmenuAudio dialog;
        QCOMPARE(text(dialog, "labelStatusSink"), sinkLabel);
        QCOMPARE(text(dialog, "labelStatusSource"), sourceLabel);

        instrument.sim.sink()->clearTranscript();
        instrument.sim.source()->clearTranscript();
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioStartConnection"), QByteArray("staActive\n"));
        const bool sinkRefused = sinkLabel.startsWith("Invalid");
        const bool sourceRefused = sourceLabel.startsWith("Invalid");
        if (!sinkRefused) // the address as it is, not quoted
            QVERIFY(TestSupport::logged("Used BT-ID's Mic: " + sinkLabel.section(' ', 1)));
        BtModuleSim* started = sinkRefused ? instrument.sim.source() : instrument.sim.sink();
        const QString address = (sinkRefused ? sourceLabel : sinkLabel).section(' ', 1);
        // The started module restarts and is asked to pair with the address from the file.
        QTRY_VERIFY_WITH_TIMEOUT(started->commandLines().contains("PAIR " + address), 3000);
        QList<BtModuleSim*> refused;
        if (sinkRefused)
            refused << instrument.sim.sink();
        if (sourceRefused)
            refused << instrument.sim.source();
        for (const BtModuleSim* module : refused) {
            const QStringList lines = module->commandLines();
            QVERIFY2(!hasLineStarting(lines, "PAIR") && !lines.contains("RESET") && !lines.contains("SET RESET"),
                     qPrintable(lines.join(" | ")));
        }
        // The refused side keeps telling why.
        if (sinkRefused)
            QCOMPARE(text(dialog, "labelStatusSink"), sinkLabel);
        if (sourceRefused)
            QCOMPARE(text(dialog, "labelStatusSource"), sourceLabel);
    }

    void channelTwoStartsThePwm()
    {
        Instrument& instrument = *m_instrument;
        TestmenuAudio dialog;
        instrument.device.journalWrites();
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioSelCh2"), QByteArray("staActive\n"));
        QCOMPARE(pwmWrites(instrument.device),
                 QStringList({kPwm + "period 50000000", kPwm + "duty_cycle 100000", kPwm + "enable 1"}));
        QCOMPARE(instrument.device.read(kPwm + "period"), QByteArray("50000000"));

        // Without an attribute (no PWM driver) its write is skipped; nothing creates it.
        QVERIFY(instrument.device.remove(kPwm + "enable"));
        instrument.device.journalWrites();
        ask(instrument.device, dialog, "cmdAudioSelCh2");
        QCOMPARE(pwmWrites(instrument.device), QStringList({kPwm + "period 50000000", kPwm + "duty_cycle 100000"}));
        QVERIFY(!QFile::exists(instrument.device.hostPath(kPwm + "enable")));
        instrument.device.write(kPwm + "enable", "0");
    }

    void sensorValueSetsPeriod_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("period");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("2048") << "2048" << QByteArray("20000000") << QByteArray("resAudioLevelCh2=2048");
        QTest::newRow("410") << "410" << QByteArray("99000000") << QByteArray("resAudioLevelCh2=410");
        QTest::newRow("5") << "5" << QByteArray("1000000000") << QByteArray("resAudioLevelCh2= 5");
        QTest::newRow("5000") << "5000" << QByteArray("10000000") << QByteArray("resAudioLevelCh2=5000");
        QTest::newRow("0") << "0" << QByteArray("1000000000") << QByteArray("resAudioLevelCh2= 0");
        QTest::newRow("not a number") << "abc" << QByteArray("1000000000") << QByteArray("resAudioLevelCh2= 0");
        QTest::newRow("37.9 truncated") << "37.9" << QByteArray("1000000000") << QByteArray("resAudioLevelCh2=37");
        QTest::newRow("beyond an int") << "1e30" << QByteArray("10000000") << QByteArray("resAudioLevelCh2=1000000000");
    }
    void sensorValueSetsPeriod()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, period);
        QFETCH(QByteArray, answer);
        Instrument& instrument = *m_instrument;
        TestmenuAudio dialog;
        ask(instrument.device, dialog, "cmdAudioSelCh2");
        instrument.device.journalWrites();
        emit instrument.menu->getBtSinkInstance()->btSensorvalueReceived(value, "17");
        QCOMPARE(instrument.device.read(kPwm + "period"), period);
        QCOMPARE(pwmWrites(instrument.device), QStringList(kPwm + "period " + period));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetLevelCh2"), answer + "\n");
        QCOMPARE(text(dialog, "labelValCh2"), valueOf(answer));
    }

    // Readings through the analysis: each counts only when a block was analysed since the last.
    void readingsAndAnswers()
    {
        Instrument& instrument = *m_instrument;
        TestmenuAudio dialog;
        // The path is open, so blocks come in before any call is up.
        QVERIFY(!Analoginputworker()->isPaused() && !Audioworker()->isPaused());
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetLevelCh1"), QByteArray("resAudioLevelCh1= 0\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh1"), QByteArray("resAudioFrequencyCh1=0\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetLevelCh3"), QByteArray("resAudioLevelCh3=-\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh2"), QByteArray("resAudioFrequencyCh2=-\n"));

        AnalogInputWorker* analysis = Analoginputworker();
        const double rms = 2000;
        analysis->analyseBlock(toneBlock(400, rms));
        dialog.updateValue();
        const double expected = AnalogInputWorker::audioLevelToDb(float(rms / 32768));
        const QByteArray level = ask(instrument.device, dialog, "cmdAudioGetLevelCh1");
        QVERIFY2(qAbs(valueOf(level).toDouble() - expected) <= 1.0, level.constData());
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh1"), QByteArray("resAudioFrequencyCh1=400\n"));
        QCOMPARE(text(dialog, "labelValCh1"), QString("%1dB/400Hz").arg(valueOf(level)));
        QCOMPARE(text(dialog, "labelValCh3"), QString("---"));

        // No block since: the values the analysis kept are no reading.
        dialog.updateValue();
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetLevelCh1"), QByteArray("resAudioLevelCh1= 0\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh1"), QByteArray("resAudioFrequencyCh1=0\n"));
        QCOMPARE(text(dialog, "labelValCh1"), QString(" 0dB/0Hz"));

        ask(instrument.device, dialog, "cmdAudioSelCh3");
        analysis->analyseBlock(toneBlock(1000, rms));
        dialog.updateValue();
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh3"), QByteArray("resAudioFrequencyCh3=1000\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetLevelCh1"), QByteArray("resAudioLevelCh1=-\n"));
        QCOMPARE(text(dialog, "labelValCh1"), QString("---"));
        QVERIFY(text(dialog, "labelValCh3").endsWith("dB/1000Hz"));

        ask(instrument.device, dialog, "cmdAudioSelCh2");
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh2"), QByteArray("resAudioFrequencyCh2=-\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdAudioGetFrequencyCh3"), QByteArray("resAudioFrequencyCh3=-\n"));
    }

    void commands_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("muteButton");
        QTest::newRow("mute") << QByteArray("cmdAudioMute") << QByteArray("staActive\n") << "Unmute";
        QTest::newRow("pair") << QByteArray("cmdAudioPair") << QByteArray("staActive\n") << "Mute";
        QTest::newRow("call") << QByteArray("cmdAudioCall") << QByteArray("staActive\n") << "Mute";
        QTest::newRow("opening, more letters") << QByteArray("cmdTestAudioChannels2") << QByteArray("staActive\n")
                                               << "Mute";
        QTest::newRow("no such channel") << QByteArray("cmdAudioSelCh4") << QByteArray("staUnknownCommand\n") << "Mute";
        QTest::newRow("no channel") << QByteArray("cmdAudioGetLevelCh") << QByteArray("staUnknownCommand\n") << "Mute";
        QTest::newRow("pass while hidden") << QByteArray("cmdPass") << QByteArray("resPassed\n") << "Mute";
    }
    void commands()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, answer);
        QFETCH(QString, muteButton);
        Instrument& instrument = *m_instrument;
        TestmenuAudio dialog;
        QVERIFY(!instrument.menu->isAudioPathMuted());
        QCOMPARE(ask(instrument.device, dialog, command), answer);
        QCOMPARE(TestSupport::button(dialog, "butMute")->text(), muteButton);
        QCOMPARE(instrument.menu->isAudioPathMuted(), muteButton == "Unmute");
    }

    // The station's test devices at their built-in addresses, the test microphone's tone on
    // channel 1 and a tone at the external connector on channel 3; then the headphone's
    // link drops and comes back.
    void channelsEndToEnd()
    {
        Instrument& instrument = *m_instrument;
        instrument.sim.simulator()->setTestDevices(true);
        const double rms = 3000;
        AdcSimulator adc;
        adc.setRoot(instrument.device.root());
        adc.setChain(true);
        adc.setMicTone(400, rms);
        adc.setExtTone(1000, rms);
        adc.start(20);
        TestmenuAudio dialog;
        QTest::mouseClick(TestSupport::button(dialog, "butStartConnection"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "labelStatusSource"), QString("Call active to headphone"), 5000);
        QVERIFY(TestSupport::button(dialog, "butPass")->isVisibleTo(&dialog));
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "labelStatusSink"), QString("Call active to microphone"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(instrument.sim.sink()->unitLines().contains("BT_TX X DEBUG"), 2000);
        QVERIFY(TestSupport::logged("Pair Receiver: 00:07:80:32:86:D3"));

        const DeviceRoot& device = instrument.device;
        QTRY_COMPARE_WITH_TIMEOUT(ask(device, dialog, "cmdAudioGetFrequencyCh1"),
                                  QByteArray("resAudioFrequencyCh1=400\n"), 3000);
        const double expected = AnalogInputWorker::audioLevelToDb(float(rms / 32768));
        // A reading with no new block since the last one is 0 dB and 0 Hz, so on a slow
        // machine the level is asked again until a reading of the tone answers.
        QByteArray level;
        QTRY_VERIFY2_WITH_TIMEOUT(
            qAbs(valueOf(level = ask(device, dialog, "cmdAudioGetLevelCh1")).toDouble() - expected) <= 1.0,
            level.constData(), 3000);
        ask(device, dialog, "cmdAudioSelCh3");
        QTRY_COMPARE_WITH_TIMEOUT(ask(device, dialog, "cmdAudioGetFrequencyCh3"),
                                  QByteArray("resAudioFrequencyCh3=1000\n"), 3000);
        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-audio.png")));

        // Lost within one watch period; back within one retry period once the link is up again.
        const TestmenuAudio::Timing& t = TestmenuAudio::timing();
        Bluetooth* source = instrument.menu->getBtSourceInstance();
        instrument.sim.source()->dropPeerLinks(300);
        QTRY_VERIFY_WITH_TIMEOUT(!source->isConnectedA2DP(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "labelStatusSource"), QString("Source: Connection lost!"),
                                  t.linkWatchMs + 500);
        QTRY_VERIFY_WITH_TIMEOUT(source->isConnectedA2DP(), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "labelStatusSource"), QString("Call active to headphone"),
                                  t.lostRetryMs + 500);

        adc.stop();
        instrument.sim.simulator()->setTestDevices(false);
    }

private:
    std::unique_ptr<Instrument> m_instrument;
};

QTEST_MAIN(TestTestmenuAudio)
#include "tst_testmenuaudio.moc"
