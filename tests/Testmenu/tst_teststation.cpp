// A test station against the real main window, its modules and GPS receiver: the complete
// exchange of a self-test, a dialog's commands, and what a misbehaving station sends.
#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenugps.h"
#include "Testmenu/testmenuselftest.h"
#include "globals.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "teststation.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

using TestSupport::DeviceRoot;

namespace {

const QString kFile = QStringLiteral("/media/ramdisk/production");

struct Instrument
{
    Instrument()
    {
        TestSupport::writeSettings(device);
        simStarted = sim.start(TestSupport::quickSimOptions(device, false)) && gps.open(device.hostPath("/dev/ttyO1"));
        gps.setNavigating(true);
        gps.start(100);
        Platform::setTerminateHandler([](int) {});
        menu.reset(new MainMenu);
        // The modules have their set-up and the receiver sends before the station starts.
        simStarted = simStarted
            && QTest::qWaitFor(
                [&] {
                    return menu->getBtSinkInstance()->getBtState() == 2
                        && menu->getBtSourceInstance()->getBtState() == 2
                        && menu->getGpsInstance()->getNmeaString().contains("RMC");
                },
                TestSupport::timeBound(5000));
    }

    // Runs the test menu as "tk9400 test" does while the station works through the steps;
    // returns the station's outcome once the menu has closed.
    int runMenu(TestStationThread& station, const QStringList& steps)
    {
        commandsBefore = device.commands().size();
        QTimer::singleShot(0, [&] {
            menuFileAtStart = device.read(kFile);
            station.start(steps);
        });
        // Should the station not close the menu, the test still ends.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (station.isFinished())
                while (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
        });
        closer.start(500);
        menu->showWidget(100);
        return station.finish(30000);
    }
    QStringList commandsDuringMenu() const { return device.commands().mid(commandsBefore); }

    DeviceRoot device;
    BtSimulatorThread sim;
    GpsSimulator gps;
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
    int commandsBefore = 0;
    QByteArray menuFileAtStart;
};

// A station that knows the answers due, as a factory's does: it waits for each however
// late a busy machine makes it.
TestStation::Options stationOptions(const DeviceRoot& device, const QStringList& answers = {})
{
    TestStation::Options options;
    options.root = device.root();
    options.settleMs = 100;
    options.answers = answers;
    return options;
}

} // namespace

class TestTestStation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        TestmenuSelftest::gpsPollMs() = 150;
        TestmenuSelftest::gpsVerdictMs() = 450;
    }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 60; }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void completeExchange()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        const QStringList answers = {"staActive", "staActive", "staUnknownCommand", "resPassed", "staActive",
                                     "staActive", "resSelftestStatusSelftest=OK", "resPassed", "staActive"};
        TestStationThread station(stationOptions(instrument.device, answers));
        const int outcome = instrument.runMenu(
            station, {"cmdTestLed", "cmdTestLed", "cmdTestUsb", "cmdPass", "cmdTestSelftest", "cmdSelftestStart",
                      "sleep:1300", "cmdSelftestGetStatusSelftest", "expect:resSelftestStatusSelftest=OK", "cmdPass",
                      "cmdFinish"});
        QCOMPARE(outcome, int(TestStation::Done));
        QCOMPARE(instrument.menuFileAtStart, QByteArray("staActiveMenu\n"));
        QCOMPARE(station.station().answers(), answers);
        QCOMPARE(instrument.device.read(kFile), QByteArray("staActive\n"));
        QVERIFY(instrument.commandsDuringMenu().contains("amixer sset \"PCM\" 127"));
    }

    // The connector, storage and display tests as a station runs them; Back ends the
    // USB test with a pass.
    void connectorStorageAndDisplay()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        const QStringList answers = {"staActive", "staActive", "staActive", "resPassed", "staActive", "staActive",
                                     "resPassed", "staActive", "staActive", "resPassed", "staActive", "staActive",
                                     "resPassed", "staActive", "staActive", "resPassed", "staActive"};
        TestStationThread station(stationOptions(instrument.device, answers));
        const int outcome = instrument.runMenu(
            station, {"cmdTestUsb", "cmdUsbConnect", "cmdUsbDisconnect", "cmdExit", "cmdTestUartUsbSwitch",
                      "cmdUartUsbSwitchUart", "cmdPass", "cmdTestSdcard", "cmdSdcardPartition", "cmdPass",
                      "cmdFlashUpdate", "cmdGenerateFlashUpdateFile", "cmdPass", "cmdTestDisplay",
                      "cmdDisplayGradient", "cmdPass", "cmdFinish"});
        QCOMPARE(outcome, int(TestStation::Done));
        QCOMPARE(station.station().answers(), answers);
        const QStringList commands = instrument.commandsDuringMenu();
        QVERIFY(commands.contains("modprobe g_mass_storage -r"));
        QVERIFY(commands.contains("parted -sm /dev/mmcblk0 print free"));
        QVERIFY(commands.contains("touch /media/boot/.do_update"));
        QFile transcript(TestSupport::screenshotPath("teststation-connector-storage-display.txt"));
        QVERIFY(transcript.open(QIODevice::WriteOnly | QIODevice::Truncate));
        transcript.write(station.station().transcript().join('\n').toUtf8() + '\n');
    }

    // The device tests one after the other, as a station runs them on the seeded board.
    void deviceTestsInOneRun()
    {
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        instrument.device.write("/sys/class/power_supply/bq27426-0/voltage_now", "3912000\n");
        instrument.device.write("/sys/bus/iio/devices/iio:device0/in_voltage2_raw", "2047\n");
        const QStringList answers = {"staActive", "staActive", "resBatteryVoltage=3.912 V", "resPassed",
                                     "staActive", "staActive", "resSensordetectionAdValue=2047", "resPassed",
                                     "staActive", "staActive", "resCanceled", "staActive", "resFailed", "staActive",
                                     "resGpsStatusModulConnected=OK", "resPassed", "staActive"};
        TestStationThread station(stationOptions(instrument.device, answers));
        const int outcome = instrument.runMenu(
            station, {"cmdTestBattery", "cmdBatteryRead", "cmdBatteryGetVoltage", "cmdPass", "cmdTestSensordetection",
                      "cmdSensordetectionRead", "cmdSensordetectionAdValue", "cmdPass", "cmdTestLed", "cmdLedIoOff",
                      "cmdExit", "cmdTestKeyboard", "cmdFail", "cmdTestGps",
                      QStringLiteral("sleep:%1").arg(TestmenuGps::kReadingIntervalMs + 300),
                      "cmdGpsGetStatusModulConnected", "cmdPass", "cmdFinish"});
        QCOMPARE(outcome, int(TestStation::Done));
        QCOMPARE(station.station().answers(), answers);
        QCOMPARE(instrument.device.read("/sys/class/leds/on_led/brightness"), QByteArray("255"));
        QVERIFY(!g_hardwareTestActive);
    }

    // Nothing of the file reaches a shell or a path.
    void injectedTextRunsNothing()
    {
        Instrument instrument;
        const QStringList answers = {"staActive", "staUnknownCommand", "staUnknownCommand", "staUnknownCommand",
                                     "resPassed", "staActive"};
        TestStationThread station(stationOptions(instrument.device, answers));
        QCOMPARE(instrument.runMenu(station, {"cmdTestLed; reboot", "cmd$(touch x)", "cmd`id`", "cmdTestSelftest",
                                              "cmdPass", "cmdFinish"}),
                 int(TestStation::Done));
        QCOMPARE(station.station().answers(), answers);
        for (const QString& command : instrument.commandsDuringMenu())
            QVERIFY2(!command.contains("reboot") && !command.contains("touch") && !command.contains("id"),
                     qPrintable(command));
        for (const QString& dir : {instrument.device.root(), instrument.device.hostPath("/home/root"), QDir::currentPath()})
            QVERIFY(!QFileInfo::exists(dir + "/x"));
    }

    // Half a command, a pause longer than a poll, then the rest: the half is unknown.
    void halfWrittenCommandOpensNothing()
    {
        Instrument instrument;
        TestStation::Options options = stationOptions(instrument.device);
        options.splitMs = 300;
        TestStationThread station(options);
        QStringList opened;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !opened.contains(modal->metaObject()->className()))
                opened << modal->metaObject()->className();
        });
        watch.start(5);
        QCOMPARE(instrument.runMenu(station, {"cmdTestBattery"}), int(TestStation::Done));
        QCOMPARE(opened, QStringList("TestMenu"));
        QVERIFY(instrument.device.read(kFile).startsWith("sta"));
    }

    // 500 lines of commands and garbage in 3 s: the GUI stays on time and the station
    // is served normally afterwards.
    void floodLeavesTheMenuWorking()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        Instrument instrument;
        QStringList flood;
        const QStringList lines = {"cmdTestLed", "cmdPass", "cmdFail", "cmdTestBattery", "cmdSelftestGetStatusGPS",
                                   "garbage", "\\x01\\x02\\0", "cmd", "res", "sta"};
        QRandomGenerator random(7);
        for (int i = 0; i < 500; ++i)
            flood << lines.at(random.bounded(lines.size()));
        TestStation::Options options = stationOptions(instrument.device);
        options.noWait = true;
        options.raw = true;
        options.gapMs = 6;
        TestStationThread floodStation(options);

        qint64 latest = 0;
        QElapsedTimer clock;
        QTimer tick;
        qint64 last = -1;
        connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            if (last >= 0)
                latest = qMax(latest, now - last);
            last = now;
        });
        clock.start();
        tick.start(20);

        // After the flood the station leaves any open dialog and goes on as usual.
        TestStationThread station(stationOptions(instrument.device));
        QTimer::singleShot(0, [&] { floodStation.start(flood); });
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (floodStation.isFinished() && !station.isRunning() && !station.isFinished())
                station.start({"cmdExit", "cmdTestLed", "cmdPass", "cmdFinish"});
            if (station.isFinished() && floodStation.isFinished())
                while (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
        });
        closer.start(50);
        instrument.menu->showWidget(100);
        QCOMPARE(floodStation.finish(), int(TestStation::Done));
        QCOMPARE(station.finish(), int(TestStation::Done));
        // Whatever the flood left open takes the "cmdExit"; then all is as usual.
        QCOMPARE(station.station().answers().mid(1), QStringList({"staActive", "resPassed", "staActive"}));
        QVERIFY2(latest <= TestSupport::timeBound(20 + TestmenuRemoteCtrl::kDefaultPollIntervalMs), qPrintable(QString::number(latest)));
        const QString lastFlooded = floodStation.station().transcript().filter("] > ").last();
        QVERIFY2(lastFlooded.section(" ms]", 0, 0).mid(1).toInt() < TestSupport::timeBound(4000), qPrintable(lastFlooded));
    }
};

QTEST_MAIN(TestTestStation)
#include "tst_teststation.moc"
