// The service menu: what opening it does to the connector switch, the UART toggle, paging
// and keys, and its service functions against the simulated device, codec and sensor unit.
#include "Debug/debuggain.h"
#include "Debug/debugmenu.h"
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "codecmixer.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {

void click(const DebugMenu& menu, const char* button)
{
    TestSupport::child<QPushButton>(menu, button)->click();
}

int pageShown(const DebugMenu& menu)
{
    return TestSupport::child<QStackedWidget>(menu, "mainArea")->currentIndex() + 1;
}

} // namespace

class TestDebugMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::initLinkTest(); }
    void cleanup() { TestSupport::cleanupLinkTest(); }

    void openingSelectsUsbAndTheToggleSwitchesToUart()
    {
        DeviceRoot device;
        device.write("/sys/class/gpio/gpio65/value", "1");
        device.journalWrites();
        DebugMenu menu;
        QCOMPARE(device.writes(), QStringList({"/sys/class/gpio/gpio65/value 0", "/sys/class/gpio/gpio50/value 0"}));
        QPushButton* toggle = TestSupport::child<QPushButton>(menu, "butUartTerminal");
        QCOMPARE(toggle->text(), QString("UART-Terminal State=disabled"));

        toggle->click();
        QCOMPARE(toggle->text(), QString("UART-Terminal State=enabled"));
        QCOMPARE(device.writes().mid(2),
                 QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 1"}));
        toggle->click();
        QCOMPARE(toggle->text(), QString("UART-Terminal State=disabled"));
        QCOMPARE(device.read("/sys/class/gpio/gpio65/value"), QByteArray("0"));
    }

    void pagingWrapsAndOnlyF11Closes()
    {
        DeviceRoot device;
        DebugMenu menu;
        for (int page = 1; page <= DebugMenu::kPages; ++page) {
            QCOMPARE(pageShown(menu), page);
            QVERIFY(menu.grab().toImage().save(TestSupport::screenshotPath(QString("debugmenu_page%1.png").arg(page))));
            click(menu, "butDown");
        }
        click(menu, "butUp");
        QCOMPARE(pageShown(menu), 3);
        click(menu, "butDown");
        QCOMPARE(pageShown(menu), 1);

        menu.show();
        QTest::keyClick(&menu, Qt::Key_Escape);
        QVERIFY(menu.isVisible());
        QTest::keyClick(&menu, Qt::Key_F11);
        QVERIFY(!menu.isVisible());
    }

    void gainAndLevelRowsOpenTheirDialogs()
    {
        DeviceRoot device;
        DebugMenu menu;
        int gainPage = 0;
        TestSupport::ModalCloser closer([&gainPage](QWidget* dialog) {
            if (auto* gain = qobject_cast<DebugGain*>(dialog))
                gainPage = gain->currentPage();
        });
        click(menu, "butGain");
        click(menu, "butAudioLevelFft");
        QCOMPARE(closer.seen(), QStringList({"DebugGain", "DebugAudioLevelFft"}));
        QCOMPARE(gainPage, int(DebugGain::PageOverview)); // init() ran before it opened
    }

    void firmwareTestFileReplacesALongerOne()
    {
        DeviceRoot device;
        device.write(DebugMenu::fwTestFile(), QByteArray(2000, 'x'));
        DebugMenu menu;
        click(menu, "butFwTestString");
        const QByteArray written = device.read(DebugMenu::fwTestFile());
        QCOMPARE(written.size(), 1041);
        QCOMPARE(written, DebugMenu::firmwareTestBlock());
        QCOMPARE(written.at(255), char(0xFF));
        QCOMPARE(written.at(256), char(0xA1));
        QCOMPARE(written.at(1023), char(0xC3));
        QCOMPARE(written.at(1040), char(0xD4));
        QVERIFY(TestSupport::logged("Testfile written"));
        QVERIFY(TestSupport::logged("0123456"));
    }

    void filesystemCheck_data()
    {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("both: the SD card") << QByteArray("/dev/root ext4\nubi0:root ubifs\n") << QByteArray()
                                           << "Filesystem: SD-Karte";
        QTest::newRow("flash") << QByteArray("ubi0:root ubifs\n") << QByteArray() << "Filesystem: Flash";
        QTest::newRow("neither") << QByteArray("tmpfs tmpfs\n") << QByteArray() << "Filesystem: Unknown";
        QTest::newRow("not started") << QByteArray() << QByteArray("nostart") << "Prozess konnte nicht gestartet werden.";
    }
    void filesystemCheck()
    {
        QFETCH(QByteArray, listing);
        QFETCH(QByteArray, status);
        QFETCH(QString, logLine);
        DeviceRoot device;
        QVERIFY(QFile::remove(Platform::cannedOutputPath("df -Th")) || true);
        QFile canned(Platform::cannedOutputPath("df -Th"));
        QVERIFY(canned.open(QIODevice::WriteOnly | QIODevice::Truncate));
        canned.write(listing);
        canned.close();
        if (!status.isEmpty()) {
            QFile statusFile(Platform::cannedStatusPath("df -Th"));
            QVERIFY(statusFile.open(QIODevice::WriteOnly));
            statusFile.write(status);
        }
        DebugMenu menu;
        click(menu, "butDetectFilesystem");
        QVERIFY(TestSupport::logged(logLine));
        QVERIFY(device.commands().contains("df -Th"));
    }

    void resetAudioReplacesTheStateAndRestores()
    {
        TestSupport::PairedInstrument instrument;
        instrument.startMainMenu();
        DeviceRoot& device = instrument.device;
        device.write(DebugMenu::kAsoundState, "stale state\n");
        CodecMixer::clearTrace(device);
        DebugMenu menu(instrument.menu.get());
        click(menu, "butResetAudio");
        QFile resource(":/Resources/Files/asound.state");
        QVERIFY(resource.open(QIODevice::ReadOnly));
        QCOMPARE(device.read(DebugMenu::kAsoundState), resource.readAll());
        QVERIFY(device.commands().contains("alsactl --file /var/lib/alsa/asound.state restore"));
        QVERIFY(CodecMixer::trace(device).contains("DAC mode PRB_P3 1"));
        QVERIFY(TestSupport::logged("**** INIT Audio-Codec ****"));

        CodecMixer::clearTrace(device);
        click(menu, "butAudioCodecStresstest");
        const QStringList trace = CodecMixer::trace(device);
        // Left in playback routing: the capture side muted, the DAC on the playback block.
        QCOMPARE(trace.last(), QString("DAC mode PRB_P3 1"));
        QVERIFY(trace.lastIndexOf("ADCFGA Left Mute 1") > trace.lastIndexOf("ADCFGA Left Mute 0"));

        // A state that cannot be written leaves the old one, and nothing is restored from it.
        device.write(DebugMenu::kAsoundState, "old state\n");
        const int restores = device.commands().count("alsactl --file /var/lib/alsa/asound.state restore");
        const QString directory = device.hostPath("/var/lib/alsa");
        QVERIFY(TestSupport::lockDirectory(directory, true));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write /var/lib/alsa/asound.state"));
        click(menu, "butResetAudio");
        QVERIFY(TestSupport::lockDirectory(directory, false));
        QCOMPARE(device.read(DebugMenu::kAsoundState), QByteArray("old state\n"));
        QCOMPARE(device.commands().count("alsactl --file /var/lib/alsa/asound.state restore"), restores);
    }

    void sensorUnitCommands()
    {
        TestSupport::PairedInstrument instrument;
        instrument.startMainMenu();
        Bluetooth* sink = instrument.menu->getBtSinkInstance();
        QVERIFY(QTest::qWaitFor(
            [&] { return sink->getBtState() == 6 && sink->getBtMode() == 1; }, TestSupport::timeBound(5000)));
        BtModuleSim* unit = instrument.sim.sink();
        const auto count = [unit](const char* line) { return unit->unitLines().count(QString::fromLatin1(line)); };

        DebugMenu menu(instrument.menu.get());
        click(menu, "butStresstestBluetooth");
        click(menu, "butStresstestBluetooth");
        QTimer* timer = menu.stressTimer();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), DebugMenu::kStressIntervalMs);
        const int before = count("BT_TX S");
        timer->setInterval(20);
        QTRY_VERIFY_WITH_TIMEOUT(count("BT_TX S") >= before + 4, 5000);
        click(menu, "butCancel");
        QVERIFY(!timer->isActive());

        click(menu, "butSetQJ5ToDebugMode");
        QVERIFY(TestSupport::logged("Set QJ-5 to debug mode."));
        QTRY_COMPARE_WITH_TIMEOUT(count("BT_TX X DEBUG"), 1, 5000);
    }

    void exitAndGameEndTheRunningLoops_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("exit") << QByteArray("butExit") << QByteArray() << 0 << QString();
        QTest::newRow("game") << QByteArray("butTetrix") << QByteArray() << -2 << "Tetrix: true";
        QTest::newRow("no game") << QByteArray("butTetrix") << QByteArray("nostart") << -2 << "Tetrix: false";
    }
    void exitAndGameEndTheRunningLoops()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, status);
        QFETCH(int, exitCode);
        QFETCH(QString, logLine);
        DeviceRoot device;
        if (!status.isEmpty())
            device.write("/command-status/_usr_games_tetrix_tetrix", status);
        DebugMenu menu;
        // Opened from the main menu: the menu's loop runs inside the application's.
        int menuResult = 1;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { click(menu, button.constData()); });
            menuResult = menu.exec();
        });
        QTimer::singleShot(TestSupport::timeBound(5000), [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), exitCode);
        QCOMPARE(menuResult, QDialog::Rejected);
        if (!logLine.isEmpty())
            QVERIFY(TestSupport::logged(logLine));
        if (button == "butTetrix")
            QVERIFY(device.commands().contains("/usr/games/tetrix/tetrix"));
    }
};

QTEST_MAIN(TestDebugMenu)
#include "tst_debugmenu.moc"
