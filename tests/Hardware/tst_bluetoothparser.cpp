// The receive path of a Bluetooth link: bytes from a real pseudo-terminal, split into
// lines, parsed into state and signals; and a peer that misbehaves for seconds.
#include "Hardware/bluetooth.h"
#include "btsimulator.h"
#include "ptypeer.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

#include <memory>

using TestSupport::DeviceRoot;

namespace {

// Every signal of a link as one text each, in the order they came.
class SignalLog
{
public:
    explicit SignalLog(Bluetooth& link)
    {
        auto add = [this](const QString& entry) { entries.append(entry); };
        QObject::connect(&link, &Bluetooth::stateActiveMuteChanged, [=](bool m) { add(QStringLiteral("mute:%1").arg(m)); });
        QObject::connect(&link, &Bluetooth::terminationStringDetected, [=] { add("term"); });
        QObject::connect(&link, &Bluetooth::btAlertMessageReceived, [=](QString a) { add("alert:" + a); });
        QObject::connect(&link, &Bluetooth::btSensortypeReceived, [=](QString t) { add("sensor:" + t); });
        QObject::connect(&link, &Bluetooth::btBatteryvoltageReceived, [=](QString v) { add("battery:" + v); });
        QObject::connect(&link, &Bluetooth::btSensorvalueReceived, [=](QString v, QString t) { add("sensval:" + v + "," + t); });
        QObject::connect(&link, &Bluetooth::btHeadphoneBatteryStateReceived, [=](int p) { add(QStringLiteral("hpbattery:%1").arg(p)); });
        QObject::connect(&link, &Bluetooth::btConnectedRfcomm, [=] { add("rfcomm"); });
        QObject::connect(&link, &Bluetooth::btHeadphoneVolumeChanged, [=](int v) { add(QStringLiteral("volume:%1").arg(v)); });
        QObject::connect(&link, &Bluetooth::btModulReset, [=] { add("reset"); });
        QObject::connect(&link, &Bluetooth::btPairingOk, [=] { add("pairok"); });
        QObject::connect(&link, &Bluetooth::btAtOk, [=] { add("atok"); });
        QObject::connect(&link, &Bluetooth::btFwHeaderReceived, [=](bool ok) { add(QStringLiteral("fwheader:%1").arg(ok)); });
        QObject::connect(&link, &Bluetooth::btFwDataReceived, [=](int n, bool ok) { add(QStringLiteral("fwdata:%1,%2").arg(n).arg(ok)); });
        QObject::connect(&link, &Bluetooth::btFwStartUpdateReceived, [=](bool ok) { add(QStringLiteral("fwstart:%1").arg(ok)); });
        QObject::connect(&link, &Bluetooth::btAnswerFromDeviceReceived, [=] { add("answer"); });
        QObject::connect(&link, &Bluetooth::btRdyReceived, [=] { add("rdy"); });
        QObject::connect(&link, &Bluetooth::btFirmwareVersion, [=](QString v) { add("fw:" + v); });
        QObject::connect(&link, &Bluetooth::connectionLost, [=] { add("lost"); });
    }
    QStringList entries;
};

QString summary(const Bluetooth& link)
{
    return QStringLiteral("state=%1 a2dp=%2 rfcomm=%3 avrcp=%4 profile=%5 name=%6 modul=%7 hpstep=%8 hpbatt=%9")
        .arg(link.getBtState())
        .arg(int(link.isConnectedA2DP()))
        .arg(int(link.isConnectedRFCOMM()))
        .arg(int(link.isConnectedAVRCP()))
        .arg(link.getBtProfile())
        .arg(link.getBtName(), link.getBtIdModul())
        .arg(link.getBtExtHeadphoneGain())
        .arg(link.getBtExtHeadphoneBatteryState());
}

const QString kIdle = "state=-1 a2dp=0 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1";

// Waits until the link has taken at least one more read from its port.
bool waitForRead(QSerialPort* port, const int& reads, int before)
{
    QElapsedTimer timer;
    timer.start();
    while (reads == before && timer.elapsed() < TestSupport::timeBound(3000)) {
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        QObject::connect(port, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return reads != before;
}

} // namespace

class TestBluetoothParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void linesFromThePort_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("signals_");
        QTest::addColumn<QString>("after");

        auto row = [](const char* name, QList<QByteArray> chunks, QStringList expected, QString after = kIdle) {
            QTest::newRow(name) << chunks << expected << after;
        };
        // Line splitting
        row("line split across reads", {"BT_RX SEN", "SOR 1\r", "\n"}, {"answer", "sensor:1"});
        row("two lines in one read, the second completed later", {"BT_RX SENSOR 1\r\nBT_RX BATT_VOL", "TAGE 3950\r\n"},
            {"answer", "sensor:1", "answer", "battery:3950"});
        row("lone LF ends a line", {"BT_RX SENSOR 2\n"}, {"answer", "sensor:2"});
        row("CR CR LF", {"BT_RX SENSOR 2\r\r\n"}, {"answer", "sensor:2"});
        row("a lone CR is no line end", {"BT_RX SENSOR 3\rBT_RX SENSOR 4\r\n"}, {"answer", "sensor:3"});
        row("unfinished line waits", {"BT_RX SENSOR 1"}, {});
        row("NULs are dropped", {QByteArray("\0BT_R\0X SENSOR\0 1\r\n\0\0", 22)}, {"answer", "sensor:1"});
        row("overlong line is dropped, the next one parsed",
            {QByteArray(5000, 'A') + "\r\nBT_RX SENSOR 1\r\n"}, {"answer", "sensor:1"});
        row("text without line end is dropped up to its line end",
            {QByteArray(5000, 'B'), "BT_RX SENSOR 9\r\n", "BT_RX SENSOR 1\r\n"}, {"answer", "sensor:1"});
        row("garbage then a valid line", {"\xff\xfe\x01\x7fgarbage \xc3\r\nBT_RX SENSOR 1\r\n"}, {"answer", "sensor:1"});
        row("short lines change nothing",
            {"CALL\r\nLIST\r\nBT_TX I\r\nHFP-AG 1 X Y AT+IPHONEACCEV\r\nNO CARRIER\r\nCONNECT 1\r\n"
             "CONNECT x RFCOMM\r\nRING 1\r\nRING x a b AVRCP\r\nLIST 1 CONNECTED\r\nLIST x CONNECTED RFCOMM\r\n"
             "SET PROFILE A2DP\r\nSET BT NAME\r\nSET BT BDADDR\r\nAVRCP 1 2 3 VOLUME_CHANGED\r\n"
             "HFP-AG 1 X Y AT+IPHONEACCEV=2,1\r\nHFP-AG x READY\r\n"},
            {});
        row("short unit lines only release the queue",
            {"BT_RX\r\nBT_RX MUTE_STATE\r\nBT_RX ALERT\r\nBT_RX FD\r\nBT_RX FD x OK\r\n"},
            {"answer", "answer", "answer", "answer", "answer"});
        // The H2 page takes a reading without active time; a restart without type still counts.
        row("unit lines with a field missing", {"BT_RX RDY 3900\r\nBT_RX SENSVAL 1\r\n"},
            {"answer", "battery:3900", "sensor:", "rdy", "answer", "sensval:1,"});
        row("echoed commands", {"CALL 02:00:00:00:51:01 1101 RFCOMM\r\nSET CONTROL GAIN 5 f\r\nLIST\r\nSELECT 2\r\n"
                                "@3 +CHLD=0\r\nPAIR 02:00:00:00:48:01\r\nKILL 02:00:00:00:51:01\r\nBT_TX I 0f MUTE SWITCH\r\n"},
            {});

        // Sensor-unit lines
        row("unit key open", {"BT_RX MUTE_STATE ACTIVE\r\n"}, {"answer", "mute:0"});
        row("unit key muted", {"BT_RX MUTE_STATE MUTE\r\n"}, {"answer", "mute:1"});
        row("alert", {"BT_RX ALERT 1\r\n"}, {"answer", "alert:1"});
        row("battery and type", {"BT_RX BATT_VOLTAGE 3950\r\nBT_RX SENSOR 3\r\n"},
            {"answer", "battery:3950", "answer", "sensor:3"});
        row("reading", {"BT_RX SENSVAL 12 34\r\n"}, {"answer", "sensval:12,34"});
        row("values split at runs of blanks", {"BT_RX  SENSVAL\t12   34\r\n"}, {"answer"});
        row("unit restarted", {"BT_RX RDY 3900 1\r\n"}, {"answer", "battery:3900", "sensor:1", "rdy"});
        row("firmware answers", {"BT_RX FH OK\r\nBT_RX FH NO\r\nBT_RX FD 007 OK\r\nBT_RX FD 8 ERR\r\nBT_RX FS ERR\r\n"},
            {"answer", "fwheader:1", "answer", "fwheader:0", "answer", "fwdata:7,1", "answer", "fwdata:8,0", "answer",
             "fwstart:0"});
        row("firmware version", {"BT_RX FW-VERSION 1.4.2\r\n"}, {"answer", "fw:1.4.2"});
        row("logged only", {"BT_RX OK\r\nBT_RX RCVOK 1\r\nBT_RX X 1\r\nBT_RX SOMETHING new\r\n"},
            {"answer", "answer", "answer", "answer"});
        row("configuration dump end", {"!$!\r\n"}, {"term"});

        // Module events
        row("module settings", {"SET BT BDADDR 02:00:00:00:4d:02\r\nSET BT NAME TKR9400_MIC\r\nSET PROFILE A2DP SINK\r\n"}, {},
            "state=-1 a2dp=0 rfcomm=0 avrcp=0 profile=1 name=TKR9400_MIC modul=02:00:00:00:4d:02 hpstep=8 hpbatt=-1");
        row("profile source, any case", {"SET PROFILE A2DP source\r\n"}, {},
            "state=-1 a2dp=0 rfcomm=0 avrcp=0 profile=2 name=unknown modul= hpstep=8 hpbatt=-1");
        row("module restarted", {"WRAP THOR AI (x)\r\nREADY.\r\n"}, {"reset"});
        row("READY. without banner", {"READY.\r\n"}, {});
        row("pairing", {"PAIR 02:00:00:00:48:01 FAIL\r\nPAIR 02:00:00:00:48:01 OK\r\n"}, {"pairok"});
        row("OK", {"OK\r\n"}, {"atok"});
        row("headset battery", {"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,5,2,0\r\n"}, {"hpbattery:60"},
            "state=-1 a2dp=0 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=60");
        row("headset battery out of range", {"HFP-AG 3 UNKNOWN 0 AT+IPHONEACCEV=2,1,42,2,0\r\n"}, {});
        row("headphone volume", {"AVRCP 2 NOTIFY CHANGED VOLUME_CHANGED 94\r\n"}, {"volume:94"},
            "state=-1 a2dp=0 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=15 hpbatt=-1");
        row("streaming starts", {"A2DP STREAMING START\r\n"}, {},
            "state=-1 a2dp=1 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("data channel connects", {"CONNECT 2 RFCOMM 1\r\n"}, {},
            "state=-1 a2dp=0 rfcomm=1 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("remote control rings", {"RING 2 02:00:00:00:48:01 17 AVRCP\r\n"}, {},
            "state=-1 a2dp=0 rfcomm=0 avrcp=1 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("NO CARRIER 3 changes nothing", {"A2DP STREAMING START\r\nNO CARRIER 3 ERROR 0\r\n"}, {},
            "state=-1 a2dp=1 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("NO CARRIER 0 drops the links", {"A2DP STREAMING START\r\nNO CARRIER 0 ERROR 0\r\n"}, {},
            "state=2 a2dp=0 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("streaming stops", {"CONNECT 2 RFCOMM 1\r\nA2DP STREAMING STOP\r\n"}, {},
            "state=2 a2dp=0 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        // Data channel found up: state 6 asks for command mode at once, so the step lands in 7.
        row("listed data channel", {"LIST 1\r\nLIST 1 CONNECTED RFCOMM 02:00:00:00:51:01\r\n"}, {"rfcomm"},
            "state=7 a2dp=0 rfcomm=1 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
        row("listed audio link", {"LIST 0 CONNECTED A2DP 02:00:00:00:51:01\r\n"}, {},
            "state=3 a2dp=1 rfcomm=0 avrcp=0 profile=0 name=unknown modul= hpstep=8 hpbatt=-1");
    }

    // Each row is fed once in the chunks given and once byte by byte, every part its own read.
    void linesFromThePort()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, signals_);
        QFETCH(QString, after);

        for (const bool byteByByte : {false, true}) {
            DeviceRoot device;
            // Only direct calls step the state machine here.
            Bluetooth::timing().idleTickMs = Bluetooth::timing().slowTickMs = Bluetooth::timing().fastTickMs = 600000;
            PtyPeer peer;
            QVERIFY(peer.open(device.hostPath("/dev/ttyO2")));
            Bluetooth link;
            link.initBluetooth("/dev/ttyO2", QString());
            SignalLog log(link);
            int reads = 0;
            auto* port = link.findChild<QSerialPort*>();
            QVERIFY(port && port->isOpen());
            connect(port, &QSerialPort::readyRead, [&reads] { ++reads; });

            QList<QByteArray> parts;
            for (const QByteArray& chunk : chunks) {
                if (!byteByByte) {
                    parts.append(chunk);
                    continue;
                }
                for (char c : chunk)
                    parts.append(QByteArray(1, c));
            }
            for (const QByteArray& part : parts) {
                const int before = reads;
                QVERIFY(peer.write(part));
                QVERIFY2(waitForRead(port, reads, before), byteByByte ? "byte by byte" : "in chunks");
            }
            QCoreApplication::processEvents(); // queued signals
            QCOMPARE(log.entries, signals_);
            QCOMPARE(summary(link), after);
        }
    }

    void collectedTextForDialogs()
    {
        DeviceRoot device;
        PtyPeer peer;
        QVERIFY(peer.open(device.hostPath("/dev/ttyO2")));
        Bluetooth link;
        link.initBluetooth("/dev/ttyO2", QString());
        int reads = 0;
        auto* port = link.findChild<QSerialPort*>();
        connect(port, &QSerialPort::readyRead, [&reads] { ++reads; });

        // Only complete lines are handed out; an unfinished one waits.
        QVERIFY(peer.write("INQUIRY_PARTIAL 02:00:00:00:51:01 280404\r\nNAME 02:00"));
        QVERIFY(waitForRead(port, reads, 0));
        QCOMPARE(link.getData(), QString("INQUIRY_PARTIAL 02:00:00:00:51:01 280404\n"));
        QCOMPARE(link.getData(), QString());
        QVERIFY(peer.write(":00:00:51:01 \"QJ5-0001\"\r\n"));
        QVERIFY(waitForRead(port, reads, 1));
        QCOMPARE(link.getData(), QString("NAME 02:00:00:00:51:01 \"QJ5-0001\"\n"));

        // Nobody collects: only the newest text is kept, in whole lines.
        for (int i = 0; i < 6000; i += 200) {
            QByteArray lines;
            for (int n = i; n < i + 200; ++n)
                lines += "LINE " + QByteArray::number(n) + "\r\n";
            const int before = reads;
            QVERIFY(peer.write(lines));
            QVERIFY(waitForRead(port, reads, before));
        }
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::logged("BT: \"LINE 5999\""), 5000);
        const QString kept = link.getData();
        QVERIFY(kept.size() <= Bluetooth::kMaxCollectedChars);
        QVERIFY(kept.startsWith("LINE "));
        QVERIFY(kept.endsWith("LINE 5999\n"));

        QVERIFY(peer.write("SET\r\n"));
        QTRY_VERIFY(TestSupport::logged("BT: \"SET\""));
        link.clearData();
        QCOMPARE(link.getData(), QString());
    }

    // A unit that floods the link with garbage, bursts, broken lines and NULs for seconds:
    // nothing crashes, nothing grows without bound, and the link works once it behaves.
    void misbehavingPeer()
    {
        DeviceRoot device;
        Bluetooth::Timing& t = Bluetooth::timing();
        t.slowTickMs = 20;
        t.replyTimeoutMs = 100;
        BtSimulatorThread sim;
        BtSimulator::Options options;
        options.root = device.root();
        options.source = false;
        options.paired = true;
        options.timing.autoCallMs = 20;
        options.timing.connectDelayMs = 10;
        QVERIFY(sim.start(options));
        Bluetooth link;
        link.initBluetooth("/dev/ttyO2", BtModuleSim::kDefaultUnitAddress);
        SignalLog log(link);
        link.callBtDeviceA2DP(true);
        QTRY_VERIFY_WITH_TIMEOUT(link.getBtState() == 6, 5000);

        sim.sink()->startChaos(15, 4711);
        QElapsedTimer running;
        running.start();
        int sent = 0;
        while (running.elapsed() < 3000) {
            QTest::qWait(25);
            link.sendData(sent++ % 2 ? "BT_TX T" : "BT_TX B");
            QVERIFY(link.getData().size() <= Bluetooth::kMaxCollectedChars);
        }
        sim.sink()->stopChaos();
        sim.sink()->writeRaw("\r\n"); // ends whatever broken line the chaos left
        QVERIFY(link.isConnectedRFCOMM());
        QCOMPARE(link.getBtState(), 6);

        // Behaving again: a question gets its answer.
        QTest::qWait(300); // the queue drains
        log.entries.clear();
        sim.sink()->setUnitBattery(3777);
        link.sendData("BT_TX B");
        QTRY_VERIFY_WITH_TIMEOUT(log.entries.contains("battery:3777"), 5000);
        QVERIFY(sim.sink()->unitLines().size() > 20);
    }
};

QTEST_MAIN(TestBluetoothParser)
#include "tst_bluetoothparser.moc"
