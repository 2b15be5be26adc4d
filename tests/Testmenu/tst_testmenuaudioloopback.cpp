// The audio loopback test: its judgement of the readings, the loop's steps against the
// simulated modules, the whole chain through the simulated codec and ADC, and a station's run.
#include "Audio/analoginputworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuaudioloopback.h"
#include "Testmenu/testmenuremotectrl.h"
#include "adcsim.h"
#include "btsimulator.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "teststation.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <memory>

using TestSupport::DeviceRoot;

namespace {

const QString kSourceAddress = QStringLiteral("02:00:00:00:4D:03");

// Counts RMS of a tone that the instrument shows at this level.
double countsForDb(double db)
{
    return 32768.0 * std::pow(10.0, (db / 1.8 - 77.0) / 20.0);
}

// The main window with both modules (unpaired, resting in command mode) and the ADC in
// chain mode, serving what the simulated codec selects.
struct Instrument
{
    Instrument()
    {
        TestSupport::writeSettings(device);
        simStarted = sim.start(TestSupport::quickSimOptions(device, false));
        Platform::setTerminateHandler([](int) {});
        adc.setRoot(device.root());
        adc.setChain(true);
        adc.control(QStringLiteral("ext 400 %1").arg(countsForDb(82)));
        adc.start(20);
        menu.reset(new MainMenu);
        simStarted = simStarted && TestSupport::waitForRestingLinks(*menu);
    }
    BtModuleSim* sink() const { return sim.sink(); }
    BtModuleSim* source() const { return sim.source(); }

    DeviceRoot device;
    BtSimulatorThread sim;
    AdcSimulator adc;
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
};

QString text(const QWidget& dialog, const char* label)
{
    return TestSupport::child<QLabel>(dialog, label)->text();
}

QByteArray answer(const DeviceRoot& device, const TestDialog& dialog, const QByteArray& command)
{
    return TestSupport::ask(device, dialog, command).trimmed();
}

// Until the analysis has taken n more blocks.
bool blocksAnalysed(int n)
{
    const quint64 start = Analoginputworker()->blocksAnalysed();
    return QTest::qWaitFor(
        [&] { return Analoginputworker()->blocksAnalysed() >= start + quint64(n); }, TestSupport::timeBound(5000));
}

// BT Loop until the sink's audio channel to the source module is up.
bool connectLoop(TestMenuAudioLoopback& dialog)
{
    dialog.on_butEnableBtLoop_clicked();
    return QTest::qWaitFor(
        [&] { return text(dialog, "labelStatus") == "Connected in Testmode"; }, TestSupport::timeBound(10000));
}

} // namespace

class TestTestmenuAudioLoopback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Bluetooth::timing() = TestSupport::quickLinkTiming();
    }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    // Both bounds of each window count; a reading without a block analysed since the last
    // one counts as no audio. Row: level, frequency, fresh, then the answers to the four
    // questions and the two labels.
    void judgement()
    {
        struct Row
        {
            const char* name;
            float level;
            int frequency;
            bool fresh;
            const char* levelAnswers;
            const char* frequencyAnswers;
        };
        const Row rows[] = {
            {"lower bounds", 78.0f, 350, true, "OK 78 dB", "OK 350 Hz"},
            {"upper bounds", 86.0f, 450, true, "OK 86 dB", "OK 450 Hz"},
            {"just above", 86.01f, 460, true, "ERROR 86.01 dB", "ERROR 460 Hz"},
            {"just below", 77.99f, 340, true, "ERROR 77.99 dB", "ERROR 340 Hz"},
            {"six digits", 81.52431f, 400, true, "OK 81.5243 dB", "OK 400 Hz"},
            {"no block since", 82.0f, 400, false, "ERROR 0 dB", "ERROR 0 Hz"},
        };
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        for (const Row& row : rows) {
            TestMenuAudioLoopback dialog;
            quint64 blocks = 7;
            dialog.setReadingSource([&] { return TestMenuAudioLoopback::Reading{row.level, row.frequency, blocks}; });
            if (row.fresh)
                ++blocks;
            dialog.updateValues();
            const QString level = QLatin1String(row.levelAnswers), frequency = QLatin1String(row.frequencyAnswers);
            QStringList expected = {row.name,
                                    "resAudioLoopbackLevelResult=" + level.section(' ', 0, 0),
                                    "resAudioLoopbackLevelValue=" + level.section(' ', 1),
                                    "resAudioLoopbackFrequencyResult=" + frequency.section(' ', 0, 0),
                                    "resAudioLoopbackFrequencyValue=" + frequency.section(' ', 1),
                                    "Level = " + level.section(' ', 1),
                                    "Frequency = " + frequency.section(' ', 1),
                                    row.fresh ? "Status" : "No audio data"};
            QStringList seen = {row.name};
            for (const char* command : {"cmdAudioLoopbackGetLevelResult", "cmdAudioLoopbackGetLevelValue",
                                        "cmdAudioLoopbackGetFrequencyResult", "cmdAudioLoopbackGetFrequencyValue"})
                seen << QString::fromLatin1(answer(instrument.device, dialog, command));
            seen << text(dialog, "labelLevel") << text(dialog, "labelFrequency") << text(dialog, "labelStatus");
            QCOMPARE(seen, expected);
        }
    }

    // Before BT Loop: no readings yet, and a pairing report makes no call.
    void beforeTheLoop()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestMenuAudioLoopback dialog;
        QVERIFY(TestSupport::child<QPushButton>(dialog, "butPass")->isHidden());
        QCOMPARE(answer(instrument.device, dialog, "cmdAudioLoopbackGetLevelResult"), QByteArray("resAudioLoopbackLevelResult=ERROR"));
        QCOMPARE(answer(instrument.device, dialog, "cmdAudioLoopbackGetFrequencyValue"),
                 QByteArray("resAudioLoopbackFrequencyValue=0 Hz"));
        QCOMPARE(answer(instrument.device, dialog, "cmdAudioLoopbackFoo"), QByteArray("staUnknownCommand"));
        // Both modules were asked for their own address, the source first.
        QTRY_VERIFY(instrument.menu->getBtSourceInstance()->getBtIdModul() == kSourceAddress);
        QCOMPARE(instrument.source()->commandLines().count("SET BT BDADDR"), 1);
        QCOMPARE(instrument.sink()->commandLines().count("SET BT BDADDR"), 1);

        Bluetooth* sink = instrument.menu->getBtSinkInstance();
        const QStringList before = instrument.sink()->commandLines();
        emit sink->btPairingOk();
        QCOMPARE(text(dialog, "labelStatus"), QString("Modul Sink paired. Starting call ..."));
        QVERIFY(dialog.findChild<QTimer*>("stateTimer")->isActive());
        QTest::qWait(100);
        QCOMPARE(instrument.sink()->commandLines(), before);
        dialog.updateState();
        QCOMPARE(text(dialog, "labelStatus"), QString("Modul Sink paired. Starting call ..."));
        QVERIFY(TestSupport::child<QPushButton>(dialog, "butPass")->isHidden());
    }

    // A source that never restarts leaves the loop at the sink's report; one that never told
    // its address is not paired with an empty one.
    void loopStopsShort()
    {
        {
            Instrument instrument;
            QVERIFY(instrument.simStarted);
            instrument.source()->setRestartBanner(false);
            TestMenuAudioLoopback dialog;
            dialog.on_butEnableBtLoop_clicked();
            QVERIFY(dialog.isLoopbackMode());
            QCOMPARE(text(dialog, "labelStatus"), QString("Init started. Please wait..."));
            QTRY_COMPARE(text(dialog, "labelStatus"), QString("Modul Sink reset."));
            QTest::qWait(200);
            QCOMPARE(text(dialog, "labelStatus"), QString("Modul Sink reset."));
            QVERIFY(instrument.sink()->commandLines().filter(QRegularExpression("^PAIR")).isEmpty());
            QCOMPARE(instrument.source()->commandLines().mid(instrument.source()->commandLines().indexOf("SET CONTROL PAIR *"), 2),
                     QStringList({"SET CONTROL PAIR *", "SET BT PAGEMODE 3 4000 1"}));
        }
        {
            Instrument instrument;
            QVERIFY(instrument.simStarted);
            instrument.source()->setModuleSilent(true);
            TestMenuAudioLoopback dialog;
            QTest::qWait(100);
            dialog.btModulResetReceivedSource();
            dialog.btModulResetReceivedSink();
            QCOMPARE(text(dialog, "labelStatus"), QString("Error: source address unknown"));
            QTest::qWait(100);
            QVERIFY(instrument.sink()->commandLines().filter(QRegularExpression("^PAIR")).isEmpty());
            QVERIFY(!dialog.findChild<QTimer*>("stateTimer")->isActive());
        }
    }

    // The whole chain: the connector's tone through the looped modules into the codec's
    // IN3 and the ADC; then a higher tone, a silent loop and no ADC at all.
    void fullLoop()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestMenuAudioLoopback dialog;
        CodecMixer::clearTrace(instrument.device);
        QVERIFY(connectLoop(dialog));
        QVERIFY(instrument.sink()->commandLines().contains("PAIR " + kSourceAddress));
        QCOMPARE(CodecMixer::inputPath(instrument.device), 3);
        QVERIFY(CodecMixer::trace(instrument.device).contains("Left Input Mixer IN3_L P 1"));
        auto gainLine = [](BtModuleSim* module) {
            const QStringList lines = module->commandLines().filter(QRegularExpression("^SET CONTROL GAIN "));
            return lines.isEmpty() ? QStringList() : lines.last().split(' ');
        };
        QTRY_COMPARE(gainLine(instrument.sink()).value(4), QString("f"));
        QTRY_COMPARE(gainLine(instrument.source()).value(3), QString("a"));
        QVERIFY(!TestSupport::child<QPushButton>(dialog, "butPass")->isHidden());

        // The readings from here on by hand: the first that follows a block of the new
        // signal counts.
        QTimer* values = dialog.findChild<QTimer*>("valueTimer");
        QVERIFY(values->isActive());
        values->stop();
        const DeviceRoot& device = instrument.device;
        auto answers = [&] {
            return QStringList({QString::fromLatin1(answer(device, dialog, "cmdAudioLoopbackGetLevelResult")).section('=', 1),
                                QString::fromLatin1(answer(device, dialog, "cmdAudioLoopbackGetFrequencyResult")).section('=', 1)});
        };
        auto readAfterBlocks = [&] {
            const bool analysed = blocksAnalysed(2);
            dialog.updateValues();
            return analysed && blocksAnalysed(1);
        };
        QVERIFY(readAfterBlocks());
        dialog.updateValues();
        QCOMPARE(answers(), QStringList({"OK", "OK"}));
        QVERIFY2(std::abs(dialog.levelDb() - 82) < 1.0, qPrintable(text(dialog, "labelLevel")));
        QCOMPARE(answer(device, dialog, "cmdAudioLoopbackGetFrequencyValue"), QByteArray("resAudioLoopbackFrequencyValue=400 Hz"));
        QCOMPARE(text(dialog, "labelStatus"), QString("Connected in Testmode"));
        TestSupport::useDeviceLook();
        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenuaudioloopback.png")));

        instrument.adc.control(QStringLiteral("ext 460 %1").arg(countsForDb(82)));
        QVERIFY(readAfterBlocks());
        dialog.updateValues();
        QCOMPARE(answers(), QStringList({"OK", "ERROR"}));

        QCOMPARE(instrument.sim.simulator()->control("loopaudio off"), QString("ok"));
        QTRY_VERIFY(device.read("/bt-links").contains("loopaudio off"));
        QVERIFY(readAfterBlocks());
        dialog.updateValues();
        QCOMPARE(answers().value(0), QString("ERROR"));
        QVERIFY(dialog.levelDb() > 0);

        instrument.adc.control("missing");
        instrument.adc.publish();
        QTest::qWait(2 * AnalogInputWorker::kRequestPeriodMs);
        dialog.updateValues();
        QTest::qWait(2 * AnalogInputWorker::kRequestPeriodMs);
        dialog.updateValues();
        QCOMPARE(answers(), QStringList({"ERROR", "ERROR"}));
        QCOMPARE(text(dialog, "labelStatus"), QString("No audio data"));
        QCOMPARE(text(dialog, "labelLevel"), QString("Level = 0 dB"));
    }

    // The station opens the test, starts the loop, reads the judgements and passes.
    void stationRun()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = 60;
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        TestStation::Options options;
        options.root = instrument.device.root();
        options.settleMs = 100;
        options.answers = QStringList({"staActive", "staActive", "resAudioLoopbackLevelResult=OK",
                                       "resAudioLoopbackFrequencyValue=400 Hz", "resPassed", "staActive"});
        TestStationThread station(options);
        QTimer::singleShot(0, [&] {
            station.start({"cmdTestAudioLoopback", "cmdAudioLoopbackBtLoop", "sleep:2000",
                           "cmdAudioLoopbackGetLevelResult", "expect:resAudioLoopbackLevelResult=OK",
                           "cmdAudioLoopbackGetFrequencyValue", "expect:resAudioLoopbackFrequencyValue=400 Hz",
                           "cmdPass", "cmdFinish"});
        });
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (station.isFinished())
                while (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
        });
        closer.start(500);
        instrument.menu->showWidget(100);
        QCOMPARE(station.finish(30000), int(TestStation::Done));
        QCOMPARE(station.station().answers(), options.answers);
    }
};

QTEST_MAIN(TestTestmenuAudioLoopback)
#include "tst_testmenuaudioloopback.moc"
