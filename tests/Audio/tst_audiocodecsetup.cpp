// The codec control against the simulated codec behind the ALSA mixer: what reaches the
// mixer, in which order, and what happens when the card lacks a control.
#include "Audio/audiocodecsetup.h"
#include "Tools/statusbar.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QDir>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {

const char* const kRegisters = "/sys/bus/i2c/devices/1-0018/registers";

QMap<QString, long> listeningState()
{
    return {{"Mic PGA", 1},
            {"ADCFGA Left Mute", 0},
            {"ADCFGA Right Mute", 0},
            {"LOL Output Mixer L_DAC", 1},
            {"LOR Output Mixer R_DAC", 1},
            {"LO Driver Gain", 0},
            {"PGA Level", 300},
            {"ADC Level", 200},
            {"PCM", 0},
            {"Loopback ADC ADC>DAC", 0},
            {"Loopback-SecDataIn", 1},
            {"DAC mode PRB_P3", 1}};
}

// The listed controls of the codec's state.
QMap<QString, long> subset(const QMap<QString, long>& state, const QMap<QString, long>& wanted)
{
    QMap<QString, long> result;
    for (auto it = wanted.begin(); it != wanted.end(); ++it)
        result.insert(it.key(), state.value(it.key(), -99999));
    return result;
}

} // namespace

class TestAudioCodecSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void constructionSetsTheCommonModeAndStartsMuted()
    {
        DeviceRoot device;
        AudioCodecSetup codec;
        QCOMPARE(CodecMixer::trace(device), QStringList("FullChipCM=0,75V LineOutCM=1,65V 1"));
        QCOMPARE(TestSupport::loggedMessages(),
                 QStringList({"debug: --- AudioCodecSetup ---", "debug: Setup common mode control finished"}));
        QVERIFY(codec.isMuted());
        codec.setMuting(false);
        QVERIFY(!codec.isMuted());
        QCOMPARE(CodecMixer::state(device).value("LO DAC"), 1L);
        codec.setMuting(true);
        QVERIFY(codec.isMuted());
        QCOMPARE(CodecMixer::state(device).value("LO DAC"), 0L);
    }

    // Each routing from the other one, so that every step it takes shows in the trace
    // (the mixer writes only the values that change).
    void routing_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("trace");
        const QStringList listening = {"Mic PGA 1", "ADCFGA Left Mute 0", "ADCFGA Right Mute 0", "PGA Level 300",
                                       "ADC Level 200", "Left Input Mixer IN1_L P 1", "Right Input Mixer IN1_R P 1",
                                       "Loopback-SecDataIn 1", "DAC mode PRB_P3 1", "DAC mode PRB_P3 1"};
        QTest::newRow("listening 0") << 1 << 0 << listening;
        QTest::newRow("listening 2") << 1 << 2 << listening;
        QTest::newRow("playback") << 0 << 1
                                  << QStringList({"Mic PGA 0", "ADCFGA Left Mute 1", "ADCFGA Right Mute 1", "PGA Level 0",
                                                  "ADC Level -1200", "Left Input Mixer IN1_L P 0",
                                                  "Right Input Mixer IN1_R P 0", "Loopback-SecDataIn 0",
                                                  "DAC mode PRB_P3 1", "DAC mode PRB_P3 1"});
    }
    void routing()
    {
        QFETCH(int, from);
        QFETCH(int, mode);
        QFETCH(QStringList, trace);
        DeviceRoot device;
        AudioCodecSetup codec;
        codec.setRouting(from);
        CodecMixer::clearTrace(device);
        codec.setRouting(mode);
        QCOMPARE(CodecMixer::trace(device), trace);
        const QMap<QString, long> state = CodecMixer::state(device);
        if (mode == 1) {
            QCOMPARE(CodecMixer::inputPath(device), 0);
            QCOMPARE(state.value("LOL Output Mixer L_DAC"), 1L);
        } else {
            QCOMPARE(subset(state, listeningState()), listeningState());
            QCOMPARE(CodecMixer::inputPath(device), 1);
        }
    }

    void inputPath_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << 0 << 0 << "Select Input NONE";
        QTest::newRow("IN1") << 1 << 1 << "Select Input IN1";
        QTest::newRow("IN2") << 2 << 2 << "Select Input IN2";
        QTest::newRow("IN3") << 3 << 3 << "Select Input IN3";
        QTest::newRow("7 as IN1") << 7 << 1 << "Select Input IN1";
        QTest::newRow("-1 as IN1") << -1 << 1 << "Select Input IN1";
    }
    void inputPath()
    {
        QFETCH(int, input);
        QFETCH(int, selected);
        QFETCH(QString, line);
        DeviceRoot device;
        AudioCodecSetup codec;
        codec.setInputPath(3); // every input switch has been written once
        TestSupport::clearLoggedMessages();
        codec.setInputPath(input);
        QCOMPARE(CodecMixer::inputPath(device), selected);
        QCOMPARE(TestSupport::loggedMessages(), QStringList("debug: " + line));
    }

    void initSelectsTheInputBySensorAndMutes_data()
    {
        QTest::addColumn<int>("sensorType");
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("line");
        QTest::newRow("none") << 0 << 1 << "Bluetootheingang gewählt";
        QTest::newRow("wired sensor") << 4 << 3 << "Direkteingang gewählt";
        QTest::newRow("unit's code 4") << 5 << 1 << "Bluetootheingang gewählt";
    }
    void initSelectsTheInputBySensorAndMutes()
    {
        QFETCH(int, sensorType);
        QFETCH(int, input);
        QFETCH(QString, line);
        DeviceRoot device;
        MainMenu menu;
        AudioCodecSetup* codec = menu.getAudioCodecInstance();
        device.write("/sys/class/gpio/gpio48/value", sensorType == 4 ? "1" : "0");
        StatusbarData()->update();
        if (sensorType != 4)
            StatusbarData()->btReceivedSensortype(sensorType == 5 ? "4" : "0");
        QCOMPARE(StatusbarData()->sensorType(), sensorType);
        menu.muteAudioPath(false, false);
        codec->setRouting(1);
        TestSupport::clearLoggedMessages();

        codec->init();
        QCOMPARE(CodecMixer::inputPath(device), input);
        QCOMPARE(subset(CodecMixer::state(device), listeningState()), listeningState());
        QCOMPARE(CodecMixer::state(device).value("LO DAC"), 0L);
        QVERIFY(codec->isMuted());
        QVERIFY(menu.isAudioPathMuted());
        const QStringList log = TestSupport::loggedMessages();
        QCOMPARE(log.first(), QString("debug: **** INIT Audio-Codec ****"));
        QVERIFY(log.indexOf("debug: " + line) < log.indexOf("debug: Audiopath: MUTED"));
        device.write("/sys/class/gpio/gpio48/value", "0");
        StatusbarData()->update();
    }

    // A control the card does not offer is logged and skipped; nothing aborts, and the
    // rest of the operation still happens.
    void missingControls()
    {
        DeviceRoot device;
        CodecMixer::setMissing(device, {"FullChipCM=0,75V LineOutCM=1,65V", "LO DAC", "Right Input Mixer IN2_R P"});
        AudioCodecSetup codec;
        QVERIFY(TestSupport::logged("mixer element not found: FullChipCM=0,75V LineOutCM=1,65V"));
        codec.setMuting(false);
        QVERIFY(TestSupport::logged("mixer element not found: LO DAC"));
        QVERIFY(!codec.isMuted());
        codec.setInputPath(2);
        QVERIFY(TestSupport::logged("mixer element not found: Right Input Mixer IN2_R P"));
        QCOMPARE(CodecMixer::state(device).value("Left Input Mixer IN2_L P"), 1L);
        QVERIFY(CodecMixer::trace(device).filter("LO DAC").isEmpty());
    }

    void mainMenuStartsWithoutTheCommonModeOrWithoutACard_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("no common-mode control") << QStringList("FullChipCM=0,75V LineOutCM=1,65V");
        QTest::newRow("no card") << QStringList("*");
    }
    void mainMenuStartsWithoutTheCommonModeOrWithoutACard()
    {
        QFETCH(QStringList, missing);
        DeviceRoot device;
        CodecMixer::setMissing(device, missing);
        MainMenu menu;
        QVERIFY(menu.getAudioCodecInstance()->isMuted());
        QVERIFY(menu.isAudioPathMuted());
        if (missing == QStringList("*"))
            QCOMPARE(CodecMixer::trace(device), QStringList());
        else
            QCOMPARE(CodecMixer::state(device).value("LO DAC"), 0L);
    }

    void registerText_data()
    {
        QTest::addColumn<int>("reg");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("page 44") << 0x2c << 4 << QByteArray("2c 4");
        QTest::newRow("register 0") << 0 << 0x2d << QByteArray("0 2d");
        QTest::newRow("byte") << 0x7f << 0xff << QByteArray("7f ff");
    }
    void registerText()
    {
        QFETCH(int, reg);
        QFETCH(int, value);
        QFETCH(QByteArray, text);
        DeviceRoot device;
        device.journalWrites();
        AudioCodecSetup codec;
        QCOMPARE(codec.writeRegister(reg, value), 0);
        QCOMPARE(device.read(kRegisters), text);
        QCOMPARE(device.writes(), QStringList(QString(kRegisters) + " " + text));
    }

    // A register file that is missing or refuses the write: -1, logged, nothing journaled.
    void registerFileFaults_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("line");
        QTest::newRow("missing") << false << "Error: Could not open Audio-Codec";
        QTest::newRow("write refused") << true << "Error: Could not write Audio-Codec";
    }
    void registerFileFaults()
    {
        QFETCH(bool, present);
        QFETCH(QString, line);
        DeviceRoot device;
        device.journalWrites();
        QVERIFY(QDir(device.hostPath("/sys/bus/i2c/devices/1-0018")).removeRecursively());
        if (present) {
            QVERIFY(QDir().mkpath(device.hostPath("/sys/bus/i2c/devices/1-0018")));
            QVERIFY(QFile::link("/dev/full", device.hostPath(kRegisters)));
        }
        AudioCodecSetup codec;
        QCOMPARE(codec.writeRegister(0x2c, 4), -1);
        QVERIFY(TestSupport::logged(line));
        QCOMPARE(device.writes(), QStringList());
        QCOMPARE(QFile::exists(device.hostPath(kRegisters)), present);
    }
};

QTEST_MAIN(TestAudioCodecSetup)
#include "tst_audiocodecsetup.moc"
