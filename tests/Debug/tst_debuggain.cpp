// The gain service dialog against the simulated sensor unit, headphones and codec: what
// each slider shows and sends, the default set on opening and again, the volume bounds,
// paging and the mute key.
#include "Debug/debuggain.h"
#include "Hardware/bluetooth.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTextEdit>
#include <QtTest>
#include <memory>

using TestSupport::DeviceRoot;

namespace {

std::unique_ptr<TestSupport::PairedInstrument> g_instrument;
// Opened once for the slider rows, so that each row moves one slider from where it stands.
std::unique_ptr<DebugGain> g_sliders;

void click(const DebugGain& dialog, const char* button)
{
    TestSupport::child<QPushButton>(dialog, button)->click();
}

QStringList lines(const DebugGain& dialog, const char* textEdit)
{
    return TestSupport::child<QTextEdit>(dialog, textEdit)->toPlainText().split(QLatin1Char('\n'));
}

int pageShown(const DebugGain& dialog)
{
    return TestSupport::child<QStackedWidget>(dialog, "mainArea")->currentIndex() + 1;
}

BtModuleSim* unit() { return g_instrument->sim.sink(); }
BtModuleSim* headphones() { return g_instrument->sim.source(); }

// The sensor-unit link at rest, in data or in command mode, not switching between them:
// a line handed to it now is sent, not dropped.
bool sinkSettled()
{
    Bluetooth* sink = g_instrument->menu->getBtSinkInstance();
    return QTest::qWaitFor(
        [sink] {
            return (sink->getBtState() == 6 && sink->getBtMode() == 1) || (sink->getBtState() == 8 && sink->getBtMode() == 0);
        },
        TestSupport::timeBound(5000));
}

} // namespace

class TestDebugGain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        g_instrument.reset(new TestSupport::PairedInstrument);
        g_instrument->startMainMenu();
        QVERIFY(g_instrument->waitForLinksUp());
    }
    void cleanupTestCase()
    {
        g_sliders.reset();
        g_instrument.reset();
        Bluetooth::timing() = Bluetooth::Timing();
    }
    void init()
    {
        // Its reply polling would take what the links receive from another test's dialog.
        if (QLatin1String(QTest::currentTestFunction()) != QLatin1String("slider"))
            g_sliders.reset();
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void defaultSetOnOpeningAndAgain()
    {
        DeviceRoot& device = g_instrument->device;
        const int avrcpBefore = headphones()->transcript().count("AVRCP PDU 50 50");
        DebugGain dialog(g_instrument->menu.get());
        dialog.init();
        QCOMPARE(dialog.currentPage(), int(DebugGain::PageOverview));
        QCOMPARE(lines(dialog, "textEditDefaultValues"),
                 QStringList({"Ground-Microphone Gain: 18 dB (0x0f)", "Routing: IN1 (Bluetooth)",
                              "DAC Bluetooth: 3 dB (0x0f)", "MicPGA Gain Codec: 3 dB (6)",
                              "ADC Level Gain Codec: 2 dB (4)", "MixerAmp Gain Codec: 0 dB (0)",
                              "DAC PCM Gain Codec: 0 dB (0)", "Line-Out Gain Codec: 0 dB (0)",
                              "ADC Bluetooth: 0 dB (0x09)", "Headphone Vol-Step: 8"}));
        // The sliders that stood elsewhere in the form ran their handlers.
        QCOMPARE(lines(dialog, "textEditMessages"),
                 QStringList({"M< BT_TX G 0f", "M< SET CONTROL GAIN 10 f", "M<", "H<", "H<"}));
        QTRY_VERIFY_WITH_TIMEOUT(unit()->transcript().contains("BT_TX G 0f"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(headphones()->transcript().count("AVRCP PDU 50 50"), avrcpBefore + 1, 5000);
        const QMap<QString, long> codec = CodecMixer::state(device);
        QCOMPARE(codec.value("PGA Level"), 300L);
        QCOMPARE(codec.value("ADC Level"), 200L);
        QCOMPARE(codec.value("PCM"), 0L);
        QCOMPARE(codec.value("LO Driver Gain"), 0L);
        QCOMPARE(CodecMixer::inputPath(device), 1);
        QCOMPARE(device.read("/sys/class/gpio/gpio17/value"), QByteArray("0")); // muted

        QVERIFY(sinkSettled());
        const int micLines = unit()->transcript().count("BT_TX G 0f");
        const int dacLines = unit()->transcript().count("SET CONTROL GAIN 10 f");
        click(dialog, "butDefault");
        QCOMPARE(lines(dialog, "textEditMessages"), QStringList({"M<", "H<", "H<"}));
        QTRY_COMPARE_WITH_TIMEOUT(headphones()->transcript().count("AVRCP PDU 50 50"), avrcpBefore + 2, 5000);
        QTest::qWait(200);
        QCOMPARE(unit()->transcript().count("BT_TX G 0f"), micLines);
        QCOMPARE(unit()->transcript().count("SET CONTROL GAIN 10 f"), dacLines);

        for (int page = DebugGain::PageBtMic; page <= DebugGain::PageMessages; ++page) {
            dialog.selectPage(page);
            QVERIFY(dialog.grab().toImage().save(TestSupport::screenshotPath(QString("debug_gain_page%1.png").arg(page))));
        }
    }

    void slider_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("labelText");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<QString>("peerLine"); // "unit: ..." (the sensor unit's module) or "headphones: ..."
        QTest::addColumn<QStringList>("codecWrites");
        QTest::newRow("mic 0") << "slideGainMic" << 0 << "labGainMic" << "-27 dB (0x00)" << "M< BT_TX G 00"
                               << "unit: BT_TX G 00" << QStringList();
        QTest::newRow("mic 22") << "slideGainMic" << 22 << "labGainMic" << "39 dB (0x16)" << "M< BT_TX G 16"
                                << "unit: BT_TX G 16" << QStringList();
        QTest::newRow("sink DAC 22") << "slideGainDacBluetooth" << 22 << "labelGainDacBluetooth" << "24 dB (0x16)"
                                     << "M< SET CONTROL GAIN 10 16" << "unit: SET CONTROL GAIN 10 16" << QStringList();
        QTest::newRow("headphone ADC 15") << "slideGainAdcBluetooth" << 15 << "labelGainAdcBluetooth" << "18 dB (0x0f)"
                                          << "H< SET CONTROL GAIN f E" << "headphones: SET CONTROL GAIN f E"
                                          << QStringList();
        QTest::newRow("PGA 95") << "slideGainPgaAudiocodec" << 95 << "labelGainPgaAudiocodec" << "47.5 dB (95)"
                                << QString() << QString() << QStringList("PGA Level 4750");
        QTest::newRow("ADC level -24") << "slideGainAdcLevelgain" << -24 << "labelGainAdcLevelgain" << "-12 dB (-24)"
                                       << QString() << QString() << QStringList("ADC Level -1200");
        QTest::newRow("PCM -3") << "slideGainDacPcmAudiocodec" << -3 << "labelGainDacPcmAudiocodec" << "-1.5 dB (-3)"
                                << QString() << QString() << QStringList("PCM -150");
        // -6400 is below the codec's lowest step, which it takes instead.
        QTest::newRow("PCM -128") << "slideGainDacPcmAudiocodec" << -128 << "labelGainDacPcmAudiocodec"
                                  << "-64 dB (-128)" << QString() << QString() << QStringList("PCM -6350");
        QTest::newRow("line-out -6") << "slideGainLineOutAudiocodec" << -6 << "labelGainLineOutAudiocodec"
                                     << "-6 dB (-6)" << QString() << QString() << QStringList("LO Driver Gain -600");
        QTest::newRow("mixer amp: label only") << "slideGainMixerAmpAudiocodec" << 1 << "labelGainMixerAmpAudiocodec"
                                               << "-0.4 dB (1)" << QString() << QString() << QStringList();
    }
    void slider()
    {
        QFETCH(QString, slider);
        QFETCH(int, step);
        QFETCH(QString, label);
        QFETCH(QString, labelText);
        QFETCH(QString, logLine);
        QFETCH(QString, peerLine);
        QFETCH(QStringList, codecWrites);
        if (!g_sliders) {
            g_sliders.reset(new DebugGain(g_instrument->menu.get()));
            g_sliders->init();
        }
        DebugGain& dialog = *g_sliders;
        QVERIFY(sinkSettled());
        CodecMixer::clearTrace(g_instrument->device);
        unit()->clearTranscript();
        headphones()->clearTranscript();

        const int logged = lines(dialog, "textEditMessages").size();
        TestSupport::child<QSlider>(dialog, slider)->setValue(step);
        QCOMPARE(TestSupport::child<QLabel>(dialog, label)->text(), labelText);
        const QStringList sent = lines(dialog, "textEditMessages").mid(logged).filter(QRegularExpression("^[MH]<"));
        QCOMPARE(sent, logLine.isEmpty() ? QStringList() : QStringList(logLine));
        QCOMPARE(CodecMixer::trace(g_instrument->device), codecWrites);
        const QString peer = peerLine.section(": ", 0, 0);
        const QString line = peerLine.section(": ", 1);
        if (peer == "unit")
            QTRY_VERIFY_WITH_TIMEOUT(unit()->transcript().contains(line), 5000);
        else if (peer == "headphones")
            QTRY_VERIFY_WITH_TIMEOUT(headphones()->transcript().contains(line), 5000);
        dialog.selectPage(DebugGain::PageOverview);
        QVERIFY(lines(dialog, "textEditDefaultValues").join('\n').contains(labelText));
    }

    void volumeStaysWithinItsSteps()
    {
        DebugGain dialog(g_instrument->menu.get());
        dialog.init();
        headphones()->clearTranscript();
        for (int i = 0; i < 8; ++i)
            click(dialog, "butVolHpUp");
        QCOMPARE(TestSupport::child<QLabel>(dialog, "labelGainHeadphone")->text(), QString("15"));
        QCOMPARE(TestSupport::child<QSlider>(dialog, "slideGainHeadphone")->value(), 15);
        for (int i = 0; i < 16; ++i)
            click(dialog, "butVolHpDown");
        QCOMPARE(TestSupport::child<QLabel>(dialog, "labelGainHeadphone")->text(), QString("0"));
        QCOMPARE(lines(dialog, "textEditMessages").last(), QString("H< AVRCP DN"));
        QTRY_COMPARE_WITH_TIMEOUT(headphones()->transcript().count("AVRCP DN"), 16, 5000);
        QCOMPARE(headphones()->transcript().count("AVRCP UP"), 8);
    }

    void repliesOfBothLinksAreLogged()
    {
        DebugGain dialog(g_instrument->menu.get());
        dialog.init();
        QVERIFY(sinkSettled());
        g_instrument->menu->getBtSinkInstance()->clearData();
        unit()->writeRaw("<b>x</b> & y\r\n");
        headphones()->writeRaw("OK\r\n");
        // Shown as it came, not as rich text.
        const auto logged = [&dialog] { return lines(dialog, "textEditMessages").join('\n'); };
        QTRY_VERIFY_WITH_TIMEOUT(logged().contains("<b>x</b> & y") && logged().contains("\nH> "), 5000);
        QVERIFY(lines(dialog, "textMicResp").contains("<b>x</b> & y"));
        // Blue and black, each readable on its log's page.
        for (const char* log : {"textEditMessages", "textMicResp", "textEditDefaultValues"})
            QCOMPARE(TestSupport::lowContrastText(TestSupport::child<QTextEdit>(dialog, log)), QStringList());
    }

    void pagingAndInfo()
    {
        {
            DebugGain unused; // destroyed without init()
        }
        DebugGain dialog;
        dialog.selectPage(DebugGain::PageBtMic);
        click(dialog, "butUp");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageOverview));
        QCOMPARE(lines(dialog, "textEditDefaultValues").at(1), QString("Routing: unknown"));
        click(dialog, "butDown");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageBtMic));
        click(dialog, "butDown");
        click(dialog, "butDown");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageCodecIn));
        click(dialog, "butInfo");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageOverview));
        click(dialog, "butInfo");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageMessages));
        click(dialog, "butInfo");
        QCOMPARE(pageShown(dialog), int(DebugGain::PageOverview));
    }

    void muteKey_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("gpio17");
        QTest::newRow("push button: open while held") << "Push-Button" << QStringList({"1", "0", "1", "0"});
        QTest::newRow("switch: each press toggles") << "Switch" << QStringList({"1", "0"});
    }
    void muteKey()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, gpio17);
        DeviceRoot device;
        TestSupport::writeSettings(device, {{"Systemsettings/Switchmode", mode}});
        MainMenu menu;
        DebugGain dialog(&menu);
        device.journalWrites();
        for (int press = 0; press < 2; ++press) {
            QTest::keyPress(&dialog, Qt::Key_F10);
            QTest::keyRelease(&dialog, Qt::Key_F10);
        }
        QStringList written;
        for (const QString& write : device.writes()) {
            if (write.startsWith("/sys/class/gpio/gpio17/value "))
                written << write.section(' ', 1);
        }
        QCOMPARE(written, gpio17);
        QVERIFY(TestSupport::logged("Debuggain. Mute Key pressed"));
        QVERIFY(TestSupport::logged("Debuggain. Mute Key released"));
    }
};

QTEST_MAIN(TestDebugGain)
#include "tst_debuggain.moc"
