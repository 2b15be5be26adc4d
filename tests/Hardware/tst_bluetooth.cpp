// A Bluetooth link against the simulated module on a real pseudo-terminal: calling the
// peer, the data channel and its mode switches, the sensor-unit queue, gains, headphone
// control, disconnecting.
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "btsimulator.h"
#include "globals.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QTimer>
#include <QtTest>

#include <memory>

using TestSupport::DeviceRoot;
using TestSupport::kHeadphones;
using TestSupport::kUnit;

namespace {

// A link and the simulated module behind it, on a fresh device tree.
struct Rig
{
    explicit Rig(bool sink, bool paired = true, const QVariantMap& settings = {})
        : sink(sink)
    {
        TestSupport::writeSettings(device, TestSupport::pairedPeers(), settings);
        BtSimulator::Options options = TestSupport::quickSimOptions(device, paired);
        options.sink = sink;
        options.source = !sink;
        started = sim.start(options);
    }
    ~Rig() { link.reset(); }

    // Opens the link; returns once the module has its first command.
    Bluetooth& open(const QString& peer)
    {
        const int before = module()->transcript().size();
        link.reset(new Bluetooth);
        link->initBluetooth(sink ? "/dev/ttyO2" : "/dev/ttyO3", peer);
        // Generous: a transcript cleared before the first command arrived would still get it.
        static_cast<void>(
            QTest::qWaitFor([&] { return module()->transcript().size() > before; }, TestSupport::timeBound(10000)));
        return *link;
    }
    BtModuleSim* module() const { return sink ? sim.sink() : sim.source(); }
    QStringList commands() const { return module()->commandLines(); }

    const bool sink;
    DeviceRoot device;
    BtSimulatorThread sim;
    std::unique_ptr<Bluetooth> link;
    bool started = false;
};

Bluetooth::Timing quickTiming()
{
    Bluetooth::Timing t = TestSupport::quickLinkTiming();
    t.dataModeSettleMs = 30;
    t.carrierWaitLimitMs = 2000;
    return t;
}

// Notes whether the link ever stood without its data channel (in state 2 or before). After a
// short outage it calls again within a few steps, too fast for polling to see on a loaded
// machine; a zero timer looks at every pass of the event loop.
struct LossWatch
{
    explicit LossWatch(const Bluetooth& link)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, &link] {
            lost = lost || (!link.isConnectedRFCOMM() && link.getBtState() <= 2);
        });
        timer.start(0);
    }
    QTimer timer;
    bool lost = false;
};

// Brings the sensor-unit link into data mode over the simulated unit.
bool bringUpSink(Rig& rig)
{
    Bluetooth& link = rig.open(kUnit);
    link.callBtDeviceA2DP(true);
    return QTest::qWaitFor(
        [&] { return link.getBtState() == 6 && link.getBtMode() == 1 && rig.sim.sink()->isDataMode(); },
        TestSupport::timeBound(5000));
}

// Brings the sensor-unit link to its first step in state 4 (waiting for the data
// channel, which the module never brings), with only direct steps from then on.
bool waitingForDataChannel(Rig& rig)
{
    rig.sim.sink()->setAnswerDataCalls(false);
    Bluetooth::timing().fastTickMs = 600000;
    Bluetooth& link = rig.open(kUnit);
    link.callBtDeviceA2DP(true);
    auto* stateTimer = link.findChild<QTimer*>("btStateTimer");
    return QTest::qWaitFor(
        [&] { return link.getBtState() == 4 && stateTimer->interval() == 600000; }, TestSupport::timeBound(5000));
}

int count(const QStringList& lines, const QString& line)
{
    return int(lines.count(line));
}

} // namespace

class TestBluetooth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init()
    {
        Bluetooth::timing() = quickTiming();
        TestSupport::clearLoggedMessages();
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        g_debugFeatures = 0;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void sensorUnitLinkComesUpInDataMode()
    {
        Rig rig(true);
        QVERIFY(rig.started);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        QCOMPARE(rig.commands(),
                 QStringList({"LIST", "SET CONTROL AUTOCALL 19 500 A2DP", "CALL " + kUnit + " 1101 RFCOMM"}));
        QVERIFY(link.isConnectedA2DP());
        QVERIFY(link.isConnectedRFCOMM());
        QCOMPARE(link.getBtMode(), 1);
        QCOMPARE(rig.device.read("/sys/class/gpio/gpio59/value"), QByteArray("1"));
        QCOMPARE(rig.device.read("/sys/class/gpio/gpio58/value"), QByteArray("0"));

        QSignalSpy battery(&link, &Bluetooth::btBatteryvoltageReceived);
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 1);
        QCOMPARE(battery.at(0).at(0).toString(), QString("3950"));
        QCOMPARE(rig.sim.sink()->unitLines(), QStringList("BT_TX B"));
        QVERIFY(TestSupport::logged("BT_M: \"BT_RX BATT_VOLTAGE 3950\""));
    }

    void headphoneLinkComesUpWithRemoteControlAndBattery()
    {
        Rig rig(false);
        QVERIFY(rig.started);
        Bluetooth& link = rig.open(kHeadphones);
        QSignalSpy battery(&link, &Bluetooth::btHeadphoneBatteryStateReceived);
        rig.sim.source()->setHeadphoneBatteryLevel(5);
        link.callBtDeviceA2DP(false);
        QTRY_COMPARE_WITH_TIMEOUT(battery.count(), 1, 5000);
        QCOMPARE(battery.at(0).at(0).toInt(), 60);
        QCOMPARE(link.getBtExtHeadphoneBatteryState(), 60);
        QCOMPARE(rig.commands(), QStringList({"LIST", "SET CONTROL AUTOCALL 19 500 A2DP",
                                              "CALL " + kHeadphones + " 111E HFP-AG", "@3 +CHLD=0"}));
        QVERIFY(link.isConnectedA2DP());
        QVERIFY(link.isConnectedAVRCP());
        QCOMPARE(link.getBtState(), 3); // audio only: the link rests here
        QCOMPARE(link.getBtMode(), 0);
        QVERIFY(TestSupport::logged("BT_H: \"HFP-AG 3 READY\""));

        // A later query goes over the hands-free link again.
        link.requestHeadphoneBatteryState();
        QTRY_COMPARE(battery.count(), 2);
    }

    void dataChannelWantedWhileAudioIsUp()
    {
        Rig rig(true);
        Bluetooth& link = rig.open(kUnit);
        link.callBtDeviceA2DP(false);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 3, 5000);
        QTest::qWait(60);
        QVERIFY(!rig.commands().contains("CALL " + kUnit + " 1101 RFCOMM"));
        // Audio stays; the data channel is called in the same call.
        link.callBtDeviceA2DP(true);
        QCOMPARE(link.getBtState(), 4);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6, 5000);
        QCOMPARE(count(rig.commands(), "SET CONTROL AUTOCALL 19 500 A2DP"), 1);
    }

    void headphoneVolume()
    {
        Rig rig(false);
        Bluetooth& link = rig.open(kHeadphones);
        link.callBtDeviceA2DP(false);
        // Fully up: remote control, hands-free and the battery report.
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnectedAVRCP() && rig.commands().contains("@3 +CHLD=0"), 5000);
        rig.sim.source()->clearTranscript();
        QSignalSpy changed(&link, &Bluetooth::btHeadphoneVolumeChanged);

        link.setBtExtHeadphoneGain(50);
        QCOMPARE(link.getBtExtHeadphoneGain(), 8);
        QTRY_COMPARE(rig.sim.source()->headphoneVolume(), 50);
        link.setBtExtHeadphoneGain(101);
        QCOMPARE(link.getBtExtHeadphoneGain(), 8);
        link.setBtExtHeadphoneGain(100);
        QCOMPARE(link.getBtExtHeadphoneGain(), 15);
        link.setBtExtHeadphoneVolUp(); // at the top: still sent, still 15
        QCOMPARE(link.getBtExtHeadphoneGain(), 15);
        link.setBtExtHeadphoneGain(0);
        link.setBtExtHeadphoneVolDown();
        QCOMPARE(link.getBtExtHeadphoneGain(), 0);
        QTRY_COMPARE(rig.commands(), QStringList({"AVRCP PDU 50 50", "AVRCP PDU 50 101", "AVRCP PDU 50 100", "AVRCP UP",
                                                  "AVRCP PDU 50 0", "AVRCP DN"}));
        // The headphones report where their steps took them.
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toInt(), 94);
        QCOMPARE(changed.at(1).at(0).toInt(), 0);

        // The user turns the headphones' own wheel.
        rig.sim.source()->headphoneVolumeChanged(75);
        QTRY_COMPARE(changed.count(), 3);
        QCOMPARE(changed.at(2).at(0).toInt(), 75);
        QCOMPARE(link.getBtExtHeadphoneGain(), 12);
    }

    void volumeConversions()
    {
        const QList<QPair<int, int>> percentToStep = {{-1, 8}, {0, 0},   {3, 0},   {4, 1},   {9, 1},  {10, 2},
                                                      {28, 4}, {29, 5},  {47, 7},  {48, 8},  {53, 8}, {54, 9},
                                                      {91, 14}, {92, 15}, {100, 15}, {101, 8}};
        for (const auto& p : percentToStep)
            QCOMPARE(Bluetooth::convertVolPercentToVolStep(p.first), p.second);
        for (int step = 0; step < 16; ++step)
            QCOMPARE(Bluetooth::convertVolPercentToVolStep(Bluetooth::convertVolStepToVolPercent(step)), step);
        QCOMPARE(Bluetooth::convertVolStepToVolPercent(7), 44);
        QCOMPARE(Bluetooth::convertVolStepToVolPercent(16), 50);
        QCOMPARE(Bluetooth::convertVolStepToVolPercent(-1), 50);
    }

    void setUpListsLineForLine_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("expected");
        const QStringList common = {"SET CONTROL ECHO 5", "SET BT FILTER 200400 200400", "SET BT PAIRCOUNT 1"};
        QTest::newRow("headphone module")
            << 0
            << (QStringList("SET BT PAGEMODE 0 2000 2") + common
                + QStringList({"SET BT NAME TKR9400_HP", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1",
                               "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7",
                               "SET PROFILE HFP-AG ON", "SET BT CLASS 280428"}));
        QTest::newRow("sensor-unit module")
            << 1
            << (QStringList("SET BT PAGEMODE 0 2000 2") + common
                + QStringList({"SET BT NAME TKR9400_MIC", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1",
                               "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SINK", "SET PROFILE AVRCP CONTROLLER 3",
                               "SET BT CLASS 280438"}));
        QTest::newRow("loopback test")
            << 2
            << (QStringList("SET BT PAGEMODE 3 4000 1") + common
                + QStringList({"SET BT NAME TKR9400_SIM_MIC", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1",
                               "SET CONTROL ESCAPE - 02 1", "SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7",
                               "SET BT CLASS 280428"}));
    }
    void setUpListsLineForLine()
    {
        QFETCH(int, list);
        QFETCH(QStringList, expected);
        Rig rig(false, false);
        Bluetooth& link = rig.open(kHeadphones);
        rig.module()->clearTranscript();
        if (list == 0)
            link.initBtModulSource();
        else if (list == 1)
            link.initBtModulSink();
        else
            link.initBtModulSourceTestmode();
        QTRY_COMPARE(rig.commands(), expected);

        // The module keeps them; its settings dump tells the link what it is now.
        link.sendData("SET");
        const QString name = expected.at(4).section(' ', 3);
        QTRY_COMPARE(link.getBtName(), name);
        QCOMPARE(link.getBtIdModul(), QString("02:00:00:00:4D:03"));
        QCOMPARE(link.getBtProfile(), list == 1 ? 1 : 2);
    }

    void moduleRestartAndService()
    {
        Rig rig(false, false);
        Bluetooth& link = rig.open(kHeadphones);
        QSignalSpy reset(&link, &Bluetooth::btModulReset);
        QSignalSpy atOk(&link, &Bluetooth::btAtOk);
        QSignalSpy paired(&link, &Bluetooth::btPairingOk);
        link.sendData("RESET");
        QTRY_COMPARE(reset.count(), 1);
        link.sendData("AT");
        QTRY_COMPARE(atOk.count(), 1);

        // Inquiry and pairing as the pairing dialog runs them.
        link.clearData();
        link.sendData("INQUIRY 4 NAME\n");
        QString found;
        QTRY_VERIFY((found += link.getData()).contains("NAME " + kHeadphones + " \"SIM Headphones\""));
        QVERIFY(found.contains("INQUIRY_PARTIAL " + kHeadphones + " 240404"));
        link.sendData("PAIR " + kHeadphones + "\n");
        QTRY_COMPARE(paired.count(), 1);
        QCOMPARE(rig.module()->pairedDevices(), QStringList(kHeadphones));
    }

    void moduleQueriesAndSetUpFaults()
    {
        Rig rig(false, false);
        Bluetooth& link = rig.open(kHeadphones);
        link.sendData("SET BT BDADDR");
        QTRY_COMPARE(link.getBtIdModul(), QString("02:00:00:00:4D:03"));
        QVERIFY(rig.module()->setting("BT BDADDR").isEmpty());

        // Pairings are forgotten wholesale; the pairing acceptance line is taken silently.
        QSignalSpy paired(&link, &Bluetooth::btPairingOk);
        link.sendData("PAIR " + kHeadphones);
        QTRY_COMPARE(paired.count(), 1);
        link.sendData("SET CONTROL PAIR *");
        link.sendData("SET BT PAIR *");
        QTRY_VERIFY(rig.module()->pairedDevices().isEmpty());
        QCOMPARE(rig.module()->setting("CONTROL PAIR"), QString("*"));

        // A source still set up as a sink that ignores set-up lines keeps telling so.
        rig.module()->setSettingsOf(BtModuleSim::Role::Sink);
        rig.module()->setIgnoreSetupLines(true);
        link.initBtModulSource();
        QSignalSpy reset(&link, &Bluetooth::btModulReset);
        link.sendData("SET RESET");
        link.sendData("SET");
        QTRY_COMPARE(link.getBtProfile(), 1);
        QCOMPARE(link.getBtName(), QString("TKR9400_MIC"));
        QTRY_COMPARE(reset.count(), 1); // its banner comes after the answer

        // A restart without its banner is never reported.
        rig.module()->setRestartBanner(false);
        link.sendData("RESET");
        QTest::qWait(50);
        QSignalSpy atOk(&link, &Bluetooth::btAtOk);
        link.sendData("AT");
        QTRY_COMPARE(atOk.count(), 1);
        QCOMPARE(reset.count(), 1);
    }

    // The station's test devices behind both modules, and the loop of the sink module to
    // the source module in test mode, as "ROOT/bt-links" lists them.
    void testDevicesAndLoop()
    {
        DeviceRoot device;
        TestSupport::writeSettings(device);
        device.write("/home/root/testBtIdHp", "00:07:80:11:22:33\n");
        BtSimulator::Options options = TestSupport::quickSimOptions(device, false);
        options.testDevices = true;
        BtSimulatorThread sim;
        QVERIFY(sim.start(options));
        const QString mic = QString::fromLatin1(BtModuleSim::kTestMicrophoneAddress);
        auto links = [&] { return QString::fromLatin1(device.read("/bt-links")); };

        Bluetooth sink, source;
        sink.initBluetooth("/dev/ttyO2", QString());
        source.initBluetooth("/dev/ttyO3", QString());
        QSignalSpy sinkPaired(&sink, &Bluetooth::btPairingOk), sourcePaired(&source, &Bluetooth::btPairingOk);
        sink.sendData("PAIR " + mic);
        source.sendData("PAIR 00:07:80:11:22:33");
        QTRY_COMPARE(sinkPaired.count() + sourcePaired.count(), 2);
        sink.resetBluetooth(mic);
        source.resetBluetooth("00:07:80:11:22:33");
        sink.callBtDeviceA2DP(true);
        source.callBtDeviceA2DP(false);
        QTRY_VERIFY_WITH_TIMEOUT(sink.isConnectedRFCOMM() && source.isConnectedA2DP(), 5000);
        QVERIFY(links().contains("A2DP " + mic + " test-microphone\n"));
        QVERIFY(links().contains("source 0 A2DP 00:07:80:11:22:33 test-headphone\n"));
        QSignalSpy value(&sink, &Bluetooth::btSensorvalueReceived);
        QCOMPARE(sim.simulator()->control("sensval 37.9 5"), QString("ok"));
        sink.sendData("BT_TX S");
        QTRY_COMPARE(value.count(), 1);
        QCOMPARE(value.at(0), QVariantList({"37.9", "5"}));

        // The source module takes the sink's pairing only in test mode.
        sink.disconnectBtDevice();
        source.disconnectBtDevice();
        QTRY_VERIFY(!links().contains("A2DP"));
        sink.clearData();
        sink.sendData("PAIR 02:00:00:00:4D:03");
        QString answers;
        QTRY_VERIFY((answers += sink.getData()).contains("PAIR 02:00:00:00:4D:03 FAIL"));
        QSignalSpy reset(&source, &Bluetooth::btModulReset);
        source.initBtModulSourceTestmode();
        source.sendData("RESET");
        QTRY_COMPARE(reset.count(), 1);
        QTRY_VERIFY(links().contains("source testmode\n"));
        sink.sendData("PAIR 02:00:00:00:4D:03");
        QTRY_COMPARE(sinkPaired.count(), 2);
        QCOMPARE(sim.source()->pairedDevices(), QStringList("02:00:00:00:4D:02"));
        sink.callBtDeviceA2DP(false);
        QTRY_VERIFY(sink.isConnectedA2DP());
        QTRY_VERIFY(links().contains("A2DP 02:00:00:00:4D:03 source-module\n"));
        // The far end takes the call just after: the file is rewritten once per module.
        QTRY_VERIFY(links().contains("A2DP 02:00:00:00:4D:02 sink-module\n"));
        QCOMPARE(sim.simulator()->control("loopaudio off"), QString("ok"));
        QTRY_VERIFY(links().endsWith("loopaudio off\n"));
        // A restart of the source ends the loop at both ends (no auto-call brings it back).
        sink.sendData("SET CONTROL AUTOCALL");
        QTRY_VERIFY(!sim.sink()->isAutoCallOn());
        source.sendData("RESET");
        QTRY_VERIFY(!sink.isConnectedA2DP());
        QVERIFY(!links().contains("A2DP"));
    }

    void gainLines()
    {
        Rig rig(false, false, {{"Systemsettings/HeadphoneVolumeOffset", 6}});
        Bluetooth& link = rig.open(kHeadphones);
        QCOMPARE(link.getBtAdcGain(), 11); // offset + 5
        rig.module()->clearTranscript();
        link.setBtDacGain(15);
        link.setBtAdcGain(0);
        QCOMPARE(link.getBtAdcGain(), 0);
        link.setBtLastAdcGain();
        QCOMPARE(link.getBtAdcGain(), 11);
        QTRY_COMPARE(rig.commands(), QStringList({"SET CONTROL GAIN b f", "", "SET CONTROL GAIN 0 f", "",
                                                  "SET CONTROL GAIN b f", ""}));
    }

    void hearingProtectionGain()
    {
        Rig rig(false, false, {{"Systemsettings/HeadphoneVolumeOffset", 6}, {"Systemsettings/HearingProtection", true}});
        Bluetooth& link = rig.open(kHeadphones);
        QCOMPARE(link.getBtAdcGain(), 1);
        link.setBtAdcGain(0);
        link.setBtLastAdcGain();
        QCOMPARE(link.getBtAdcGain(), 1);
    }

    void sensorUnitQueueOneLineAtATime()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        BtModuleSim* unit = rig.sim.sink();
        unit->setUnitSilent(true);
        auto* replyTimer = link.findChild<QTimer*>("btTimerTransmit");
        QVERIFY(replyTimer);

        link.sendData("BT_TX T");
        link.sendData("BT_TX B");
        link.sendData("BT_TX S");
        QCOMPARE(replyTimer->interval(), Bluetooth::timing().replyTimeoutMs);
        QTest::qWait(50);
        QCOMPARE(unit->unitLines(), QStringList("BT_TX T"));

        // Any unit line releases the next one, an unsolicited one too.
        unit->setUnitMuted(true);
        QTRY_COMPARE(unit->unitLines(), QStringList({"BT_TX T", "BT_TX B"}));
        // A lost reply costs the reply window.
        link.transmitTimeout();
        QTRY_COMPARE(unit->unitLines(), QStringList({"BT_TX T", "BT_TX B", "BT_TX S"}));
        Bluetooth::timing().replyTimeoutMs = 100;
        link.sendData("BT_TX O");
        link.sendData("BT_TX P");
        QTest::qWait(40);
        QCOMPARE(unit->unitLines().size(), 3); // S is still in flight
        QTRY_COMPARE(unit->unitLines().size(), 5);

        // Answers flow again: every line gets its turn.
        unit->setUnitSilent(false);
        QTest::qWait(150);
        unit->clearTranscript();
        QSignalSpy type(&link, &Bluetooth::btSensortypeReceived);
        for (int i = 0; i < 5; ++i)
            link.sendData("BT_TX T");
        QTRY_COMPARE(type.count(), 5);
        QCOMPARE(unit->unitLines(), QStringList({"BT_TX T", "BT_TX T", "BT_TX T", "BT_TX T", "BT_TX T"}));
    }

    void sensorUnitQueueHoldsThirtyTwo()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        BtModuleSim* unit = rig.sim.sink();
        unit->setUnitSilent(true);
        Bluetooth::timing().replyTimeoutMs = 600000;
        QStringList expected;
        for (int i = 0; i <= 33; ++i) {
            const QString line = QStringLiteral("BT_TX G %1").arg(i, 2, 16, QLatin1Char('0'));
            link.sendData(line);
            // Line 0 is in flight, 1..32 wait; the 33rd takes the place of the 32nd.
            if (i != 32)
                expected.append(line);
        }
        for (int i = 0; i < 40; ++i)
            link.transmitTimeout();
        QTRY_COMPARE(unit->unitLines(), expected);
    }

    // Lines waiting behind the one in flight survive an excursion to command mode and a
    // lost data channel: none lost, none twice, in order.
    void queuedLinesOutliveTheDataChannel()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        BtModuleSim* unit = rig.sim.sink();
        unit->setUnitSilent(true);
        Bluetooth::timing().replyTimeoutMs = 100;
        for (const char* line : {"BT_TX T", "BT_TX B", "BT_TX S"})
            link.sendData(line);
        link.setBtDacGain(15); // a module command: out of data mode and back
        QTRY_COMPARE(unit->unitLines(), QStringList({"BT_TX T", "BT_TX B", "BT_TX S"}));
        QTRY_COMPARE(link.getBtState(), 6);
        QTRY_VERIFY(unit->commandLines().contains("SET CONTROL GAIN 5 f"));

        Bluetooth::timing().replyTimeoutMs = 600000;
        unit->clearTranscript();
        for (const char* line : {"BT_TX O", "BT_TX P", "BT_TX G 0a"})
            link.sendData(line);
        // The line in flight is on the wire; the channel must not go before the unit read it.
        QTRY_COMPARE(unit->unitLines(), QStringList("BT_TX O"));
        LossWatch watch(link);
        unit->dropPeerLinks(100);
        QTRY_VERIFY(watch.lost);
        unit->setUnitSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6 && unit->isDataMode(), 5000);
        // The line in flight went down with the channel; the two behind it follow the new call.
        QTRY_COMPARE(unit->unitLines(), QStringList({"BT_TX O", "BT_TX P", "BT_TX G 0a"}));
        QTest::qWait(100);
        QCOMPARE(unit->unitLines().size(), 3);
    }

    void disconnectRightAfterTheModuleEnteredDataMode()
    {
        Rig rig(true);
        Bluetooth::timing().fastTickMs = 600000; // the link does not notice data mode by itself
        Bluetooth& link = rig.open(kUnit);
        link.callBtDeviceA2DP(true);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 5 && rig.sim.sink()->isDataMode(), 5000);
        QCOMPARE(link.getBtMode(), 0);
        rig.sim.sink()->clearTranscript();
        link.disconnectBtDevice();
        QVERIFY(TestSupport::logged("Autocall disabled"));
        QTRY_COMPARE(rig.sim.sink()->commandLines(),
                     QStringList({"SET CONTROL AUTOCALL", "KILL " + kUnit, "CLOSE 0", "CLOSE 1", "CLOSE 2", "CLOSE 3",
                                  "SET CONTROL AUTOCALL"}));
        QVERIFY(rig.sim.sink()->unitLines().isEmpty());
        QVERIFY(!rig.sim.sink()->isDataMode());
    }

    void moduleCommandRightAfterTheModuleEnteredDataMode()
    {
        Rig rig(true);
        Bluetooth::timing().fastTickMs = 600000; // steps only when the test asks
        Bluetooth& link = rig.open(kUnit);
        link.callBtDeviceA2DP(true);
        QTRY_VERIFY(link.getBtState() == 5 && rig.sim.sink()->isDataMode());
        QCOMPARE(link.getBtMode(), 0);
        BtModuleSim* module = rig.sim.sink();
        module->clearTranscript();
        link.setBtDacGain(15);
        // Held back until the module is out of data mode, not written to the unit.
        QTRY_VERIFY((link.updateState(), link.getBtState() == 8));
        QTRY_COMPARE(module->commandLines(), QStringList({ "SET CONTROL GAIN 5 f", "" }));
        QVERIFY(module->unitLines().isEmpty());
    }

    void micGainTakenFromTheLineEvenWithoutLink()
    {
        Rig rig(true, false);
        Bluetooth& link = rig.open(kUnit);
        link.sendData("BT_TX I 0a MUTE PUSHBUT");
        QCOMPARE(link.getBtExtMicGain(), 10);
        link.sendData("BT_TX I");
        QCOMPARE(link.getBtExtMicGain(), 10);
        link.setBtExtMicGain(21);
        QCOMPARE(link.getBtExtMicGain(), 21);
        QVERIFY(TestSupport::logged("BT send \"/dev/ttyO2\" \"BT_TX G 15\""));
        link.setBtExtMicGain(300); // one byte on the wire, as stored
        QCOMPARE(link.getBtExtMicGain(), 255);
        QVERIFY(TestSupport::logged("BT send \"/dev/ttyO2\" \"BT_TX G ff\""));
        QTest::qWait(30);
        QCOMPARE(rig.commands(), QStringList("LIST")); // nothing reached the module
    }

    void commandModeExcursion()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        BtModuleSim* module = rig.sim.sink();
        module->clearTranscript();

        // Data written right before DTR rises still belongs to the unit.
        link.sendData("BT_TX T");
        link.setBtDacGain(15);
        QCOMPARE(link.getBtState(), 7);
        link.setBtAdcGain(3);
        // The mode follows one step after the state.
        QTRY_VERIFY(link.getBtState() == 8 && link.getBtMode() == 0);
        QCOMPARE(rig.device.read("/sys/class/gpio/gpio59/value"), QByteArray("0"));
        QTRY_COMPARE(module->commandLines(), QStringList({"SET CONTROL GAIN 5 f", "", "SET CONTROL GAIN 3 f", ""}));
        QCOMPARE(module->unitLines(), QStringList("BT_TX T"));

        // The next unit line selects the data channel again first.
        module->clearTranscript();
        QSignalSpy battery(&link, &Bluetooth::btBatteryvoltageReceived);
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 1);
        QCOMPARE(module->transcript(), QStringList({"SELECT 2", "BT_TX B"}));
        QCOMPARE(module->commandLines(), QStringList("SELECT 2"));
        QTRY_VERIFY(link.getBtState() == 6 && link.getBtMode() == 1);

        // "AT" lines go out at once, whatever the mode: here into the data channel.
        link.sendData("AT");
        QTRY_COMPARE(module->unitLines().last(), QString("AT"));
        QCOMPARE(link.getBtState(), 6);
    }

    void droppedDataChannelIsCalledAgain()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        QSignalSpy battery(&link, &Bluetooth::btBatteryvoltageReceived);
        LossWatch watch(link);
        rig.sim.sink()->dropPeerLinks(100);
        QTRY_VERIFY(watch.lost);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6 && rig.sim.sink()->isDataMode(), 5000);
        QCOMPARE(count(rig.commands(), "CALL " + kUnit + " 1101 RFCOMM"), 2);
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 1);
    }

    void dataChannelTimeoutTearsDownAndRetries()
    {
        Rig rig(true);
        QVERIFY(waitingForDataChannel(rig));
        Bluetooth& link = *rig.link;
        auto* stateTimer = link.findChild<QTimer*>("btStateTimer");
        for (int tick = 2; tick <= Bluetooth::kRfcommWaitTicks; ++tick)
            link.updateState();
        QCOMPARE(link.getBtState(), 4);
        Bluetooth::timing().retryDelayMs = 2000;
        // The call after this one is answered, and the machine runs on its own again.
        rig.sim.sink()->setAnswerDataCalls(true);
        Bluetooth::timing().fastTickMs = 10;
        link.updateState(); // tick 201
        QCOMPARE(link.getBtState(), 1);
        QCOMPARE(stateTimer->interval(), 2000);
        QVERIFY(!link.isConnectedA2DP());
        QTRY_COMPARE(rig.commands().mid(3, 5), QStringList({"KILL " + kUnit, "CLOSE 0", "CLOSE 1", "CLOSE 2", "CLOSE 3"}));

        // The module reports the links gone; auto-call brings audio back, and the data
        // channel is called again.
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6, 5000);
        QCOMPARE(count(rig.commands(), "CALL " + kUnit + " 1101 RFCOMM"), 2);
    }

    void dataChannelOnTheLastWaitingTick()
    {
        Rig rig(true);
        QVERIFY(waitingForDataChannel(rig));
        Bluetooth& link = *rig.link;
        for (int tick = 2; tick < Bluetooth::kRfcommWaitTicks; ++tick)
            link.updateState();
        // The channel comes and the parser runs tick 200: no tear-down.
        rig.sim.sink()->sendModuleLine("CONNECT 2 RFCOMM 1");
        QTRY_VERIFY(link.isConnectedRFCOMM());
        QCOMPARE(link.getBtState(), 5);
        QTest::qWait(20);
        QVERIFY(!rig.commands().contains("CLOSE 0"));
    }

    void startWithModuleStillInDataMode()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        // The program ends with the module in data mode; the next start finds it so.
        rig.link.reset();
        QVERIFY(rig.sim.sink()->isDataMode());
        rig.sim.sink()->clearTranscript();

        Bluetooth& link = rig.open(kUnit);
        QSignalSpy rfcomm(&link, &Bluetooth::btConnectedRfcomm);
        QVERIFY(!rig.sim.sink()->isDataMode()); // init waited for command mode
        QCOMPARE(rig.device.read("/sys/class/gpio/gpio58/value"), QByteArray("1"));
        QTRY_COMPARE(rfcomm.count(), 1); // the module lists the channel that is still up
        QTRY_COMPARE(link.getBtState(), 8);
        QCOMPARE(rig.commands(), QStringList("LIST"));

        QSignalSpy battery(&link, &Bluetooth::btBatteryvoltageReceived);
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 1);
        QCOMPARE(rig.sim.sink()->transcript(), QStringList({"LIST", "SELECT 2", "BT_TX B"}));
    }

    void stuckCarrierDetectIsWaitedForBoundedly()
    {
        DeviceRoot device;
        device.write("/sys/class/gpio/gpio59/value", "1"); // nobody ever lowers it
        Bluetooth::timing().carrierWaitLimitMs = 150;
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("carrier detect stays high"));
        QElapsedTimer took;
        took.start();
        Bluetooth link;
        link.initBluetooth("/dev/ttyO2", kUnit);
        QVERIFY2(took.elapsed() < TestSupport::timeBound(5000), qPrintable(QString::number(took.elapsed())));
        QCOMPARE(link.getBtMode(), 0);
        QVERIFY(TestSupport::logged("BT send \"/dev/ttyO2\" \"LIST\""));
    }

    void disconnectInDataModeLeavesNothingBehind()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        BtModuleSim* module = rig.sim.sink();
        module->clearTranscript();

        link.sendData("BT_TX I 0f MUTE PUSHBUT");
        link.disconnectBtDevice();
        QCOMPARE(link.getBtState(), -1);
        QCOMPARE(link.getBtMode(), 0);
        QVERIFY(!link.isConnectedA2DP() && !link.isConnectedRFCOMM());
        const QStringList teardown = {"SET CONTROL AUTOCALL", "KILL " + kUnit, "CLOSE 0", "CLOSE 1",
                                      "CLOSE 2", "CLOSE 3", "SET CONTROL AUTOCALL"};
        QTRY_COMPARE(module->commandLines(), teardown);
        QCOMPARE(module->unitLines(), QStringList("BT_TX I 0f MUTE PUSHBUT"));
        QTRY_VERIFY(!module->hasLink("RFCOMM"));
        // The module reports the links gone; with auto-call off nothing comes back.
        QTest::qWait(100);
        QVERIFY(link.getBtState() <= 2);
        QVERIFY(!link.isConnectedA2DP());
        QVERIFY(!module->isAutoCallOn());

        // A fresh connection and an excursion to command mode: no old command fires.
        module->clearTranscript();
        link.callBtDeviceA2DP(true);
        // In data mode, not only on the way there: a command before would go out at once.
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6 && link.getBtMode() == 1, 5000);
        link.setBtDacGain(15);
        QTRY_COMPARE(link.getBtState(), 8);
        QTRY_VERIFY(module->commandLines().contains("SET CONTROL GAIN 5 f"));
        for (const QString& line : module->commandLines())
            QVERIFY2(!line.startsWith("KILL") && !line.startsWith("CLOSE"), qPrintable(line));
    }

    void withoutPeerNothingIsCalledOrKilled()
    {
        Rig rig(true);
        DeviceRoot& device = rig.device;
        Q_UNUSED(device)
        Bluetooth& link = rig.open(QString());
        QVERIFY(TestSupport::logged("has no peer"));
        link.callBtDeviceA2DP(true);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 3, 5000); // audio came by auto-call
        QTest::qWait(100);
        link.callBtDeviceRFCOMM();
        link.disconnectBtDevice();
        QTRY_VERIFY(rig.commands().endsWith("SET CONTROL AUTOCALL"));
        for (const QString& line : rig.commands())
            QVERIFY2(!line.startsWith("CALL") && !line.startsWith("KILL"), qPrintable(line));
    }

    void malformedPeerAddressIsRefused_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("command smuggled in") << QString("02:00:00:00:51:01 1101 RFCOMM\nKILL");
        QTest::newRow("short") << QString("02:00:00:51:01");
        QTest::newRow("not hexadecimal") << QString("0G:00:00:00:51:01");
    }
    void malformedPeerAddressIsRefused()
    {
        QFETCH(QString, address);
        Rig rig(true);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("refusing malformed peer address"));
        Bluetooth& link = rig.open(address);
        QCOMPARE(link.getBtId(), QString());
        link.callBtDeviceA2DP(true);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 3, 5000);
        QTest::qWait(60);
        for (const QString& line : rig.commands())
            QVERIFY2(!line.startsWith("CALL") && !line.startsWith("KILL"), qPrintable(line));

        // A reset with another bad address is refused the same way; a good one is taken.
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("refusing malformed peer address"));
        link.resetBluetooth("nonsense");
        QCOMPARE(link.getBtId(), QString());
        link.resetBluetooth(kUnit);
        QCOMPARE(link.getBtId(), kUnit);
        // A bad address never costs the good peer.
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("refusing malformed peer address"));
        link.resetBluetooth("nonsense");
        QCOMPARE(link.getBtId(), kUnit);
    }

    void unitAlertReachesItsReceiverOutsideTheParser()
    {
        Rig rig(true);
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        QSignalSpy answer(&link, &Bluetooth::btAnswerFromDeviceReceived);
        QStringList alerts;
        bool nested = false;
        // A receiver that runs an event loop, as a message box does, while more lines come.
        connect(&link, &Bluetooth::btAlertMessageReceived, [&](QString code) {
            alerts.append(code);
            if (nested)
                return;
            nested = true;
            QTest::qWait(100);
            nested = false;
        });
        rig.sim.sink()->sendUnitLine("BT_RX ALERT 0");
        rig.sim.sink()->sendUnitLine("BT_RX ALERT 1");
        rig.sim.sink()->sendUnitLine("BT_RX SENSOR 1");
        QTRY_COMPARE(alerts, QStringList({"0", "1"}));
        QTRY_COMPARE(answer.count(), 3);
    }

    void traceFileWithDebugFeatures()
    {
        Rig rig(true, true, {{"Debug/Debugfeatures", 1}});
        g_debugFeatures = 1;
        Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400"); // as at start-up
        rig.device.write("/media/tk9400/btInfo.txt", "left from before\n");
        QVERIFY(bringUpSink(rig));
        Bluetooth& link = *rig.link;
        QSignalSpy battery(&link, &Bluetooth::btBatteryvoltageReceived);
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 1);
        const QString trace = QString::fromLatin1(rig.device.read("/media/tk9400/btInfo.txt"));
        QVERIFY2(!trace.contains("left from before"), qPrintable(trace));
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d H->M BT_TX B\n", QRegularExpression::MultilineOption)
                     .match(trace)
                     .hasMatch(),
                 qPrintable(trace));
        QVERIFY2(trace.contains(" M->H BT_RX BATT_VOLTAGE 3950\n"), qPrintable(trace));
        QVERIFY2(trace.contains(" M->H CONNECT 2 RFCOMM 1\n"), qPrintable(trace));

        // A trace file that cannot be written is reported and skipped.
        rig.device.remove("/media/tk9400/btInfo.txt");
        QDir().mkpath(rig.device.hostPath("/media/tk9400/btInfo.txt"));
        link.sendData("BT_TX T");
        QTRY_VERIFY(TestSupport::logged("Could not open file: \"/media/tk9400/btInfo.txt\""));

        // A full trace starts anew.
        QDir(rig.device.hostPath("/media/tk9400/btInfo.txt")).removeRecursively();
        rig.device.write("/media/tk9400/btInfo.txt", QByteArray(Bluetooth::kMaxTraceBytes, 'x'));
        link.sendData("BT_TX B");
        QTRY_COMPARE(battery.count(), 2);
        QVERIFY(rig.device.read("/media/tk9400/btInfo.txt").size() < 200);
    }
};

QTEST_MAIN(TestBluetooth)
#include "tst_bluetooth.moc"
