// The production test menu and the frame its test dialogs share: what the menu writes
// when it is built, paging, the keys, every opening command, the frame's commands and
// buttons, and a dialog opened by hand serving the station alone.
#include "Testmenu/testmenu.h"
#include "Testmenu/testmenuled.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenuuartusbswitch.h"
#include "Testmenu/testmenuusb.h"
#include "teststation.h"
#include "testsupport.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;

namespace {

const QString kFile = QStringLiteral("/media/ramdisk/production");

TestmenuRemoteCtrl* channelOf(const QObject& owner)
{
    return owner.findChild<TestmenuRemoteCtrl*>();
}

// Writes the line as the station would and lets the owner's channel take it.
QByteArray poll(const DeviceRoot& device, const QObject& owner, const QByteArray& line)
{
    device.write(kFile, line);
    channelOf(owner)->readCommandFile();
    return device.read(kFile);
}

int pageShown(const TestMenu& menu)
{
    return TestSupport::child<QStackedWidget>(menu, "mainArea")->currentIndex() + 1;
}

} // namespace

class TestTestMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void constructionAnnouncesTheMenu()
    {
        DeviceRoot device;
        device.write(kFile, "resPassed\nold second line\n");
        device.journalWrites();
        TestMenu menu;
        QCOMPARE(device.read(kFile), QByteArray("staActiveMenu\n"));
        QCOMPARE(device.writes(), QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 1"}));
        QCOMPARE(menu.currentPage(), 1);
        QCOMPARE(pageShown(menu), 1);
    }

    void withoutRamDiskTheMenuStillOpens()
    {
        DeviceRoot device;
        QVERIFY(QDir(device.hostPath("/media/ramdisk")).removeRecursively());
        TestSupport::expectMessage(QtDebugMsg, "ERROR: Could not open file: /media/ramdisk/production");
        TestMenu menu;
        TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
        channelOf(menu)->readCommandFile();
        QCOMPARE(device.commands(), QStringList("/home/root/hardwaretest.sh dbg"));
    }

    // A FIFO the station left there would hang the opening menu: it gives way to a file.
    void fifoGivesWayToTheAnnouncement()
    {
        DeviceRoot device;
        QCOMPARE(mkfifo(QFile::encodeName(device.hostPath(kFile)).constData(), 0644), 0);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("Not a regular file, replaced by one"));
        TestMenu menu;
        QCOMPARE(device.read(kFile), QByteArray("staActiveMenu\n"));
    }

    void pagingWrapsBothWays()
    {
        DeviceRoot device;
        TestMenu menu;
        QPushButton* up = TestSupport::button(menu, "butUp");
        QPushButton* down = TestSupport::button(menu, "butDown");
        up->click();
        QCOMPARE(pageShown(menu), 3);
        QCOMPARE(menu.currentPage(), 3);
        down->click();
        QCOMPARE(pageShown(menu), 1);
        down->click();
        down->click();
        QCOMPARE(pageShown(menu), 3);
        down->click();
        QCOMPARE(menu.currentPage(), 1);
        // The empty fourteenth button opens nothing.
        ModalCloser closer;
        TestSupport::button(menu, "but14")->click();
        QCoreApplication::processEvents();
        QVERIFY(closer.seen().isEmpty());
    }

    void keysAndHomeClose()
    {
        DeviceRoot device;
        TestMenu menu;
        menu.show();
        QTest::keyClick(&menu, Qt::Key_Escape);
        QVERIFY(menu.isVisible());
        QTest::keyClick(&menu, Qt::Key_F11);
        QVERIFY(!menu.isVisible());
        menu.show();
        TestSupport::button(menu, "butCancel")->click();
        QVERIFY(!menu.isVisible());
    }

    void commandsOfTheMenu_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QByteArray>("fileAfter");
        const QByteArray unknown = "staUnknownCommand\n";
        const QList<QPair<const char*, const char*>> opening = {
            {"cmdTestDisplay", "TestmenuDisplay"},
            {"cmdTestUartUsbSwitch", "TestmenuUartUsbSwitch"},
            {"cmdTestBluetooth", "TestmenuInitBluetooth"},
            {"cmdTestBattery", "TestmenuBattery"},
            {"cmdTestKeyboard", "TestmenuKeyboard"},
            {"cmdTestSensordetection", "TestmenuSensordetection"},
            {"cmdTestAudioChannels", "TestmenuAudio"},
            {"cmdTestAudioLoopback", "TestMenuAudioLoopback"},
            {"cmdTestLed", "TestmenuLed"},
            {"cmdTestGps", "TestmenuGps"},
            {"cmdTestUsb", "TestmenuUsb"},
            {"cmdTestSelftest", "TestmenuSelftest"},
            {"cmdTestSdcard", "TestmenuSdcard"},
            {"cmdFlashUpdate", "TestMenuFlashUpdate"},
        };
        // The closer rejects the dialog, which leaves as by Back (the USB test's Back passes).
        for (const auto& o : opening)
            QTest::newRow(o.first) << QByteArray(o.first) + "\n" << QString(o.second)
                                   << QByteArray(qstrcmp(o.first, "cmdTestUsb") ? "resCanceled\n" : "resPassed\n");
        QTest::newRow("other letter case") << QByteArray("cmdTestbattery\n") << QString() << unknown;
        QTest::newRow("dialog command") << QByteArray("cmdPass\n") << QString() << unknown;
    }
    void commandsOfTheMenu()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, dialog);
        DeviceRoot device;
        TestMenu menu;
        ModalCloser closer;
        QTEST(poll(device, menu, line), "fileAfter");
        QCOMPARE(closer.seen(), dialog.isEmpty() ? QStringList() : QStringList(dialog));
    }

    void finishClosesTheMenu()
    {
        DeviceRoot device;
        TestMenu menu;
        menu.show();
        QCOMPARE(poll(device, menu, "cmdFinish\r\nrest"), QByteArray("staActive\n"));
        QVERIFY(!menu.isVisible());
    }

    // The frame: Back, Pass and Fail by button and by command, the opening command and
    // unknown ones, and the connector position each dialog selects.
    void frameCommands_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::addColumn<bool>("closes");
        QTest::newRow("exit") << QByteArray("cmdExit\n") << QByteArray("resCanceled\n") << true;
        QTest::newRow("pass, longer word") << QByteArray("cmdPassed\n") << QByteArray("resPassed\n") << true;
        QTest::newRow("fail") << QByteArray("cmdFail\n") << QByteArray("resFailed\n") << true;
        QTest::newRow("opening") << QByteArray("cmdTestLed\n") << QByteArray("staActive\n") << false;
        QTest::newRow("other dialog's") << QByteArray("cmdTestUsb\n") << QByteArray("staUnknownCommand\n") << false;
        QTest::newRow("finish") << QByteArray("cmdFinish\n") << QByteArray("staUnknownCommand\n") << false;
    }
    void frameCommands()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, closes);
        DeviceRoot device;
        TestmenuLed dialog;
        dialog.show();
        QTEST(poll(device, dialog, line), "fileAfter");
        QCOMPARE(dialog.isVisible(), !closes);
    }

    void frameButtonsAndConnector()
    {
        DeviceRoot device;
        device.journalWrites();
        {
            TestmenuUsb usb;
            TestmenuUartUsbSwitch uartUsb;
            TestmenuLed led;
            // The UART/USB switch test moves pin 65 first.
            QCOMPARE(device.writes(), QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 0",
                                                   "/sys/class/gpio/gpio65/value 0", "/sys/class/gpio/gpio50/value 0",
                                                   "/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 1"}));
            const QList<QPair<const char*, QByteArray>> buttons
                = {{"butBack", "resCanceled\n"}, {"butPass", "resPassed\n"}, {"butFail", "resFailed\n"}};
            for (const auto& b : buttons) {
                led.show();
                TestSupport::button(led, b.first)->click();
                QCOMPARE(device.read(kFile), b.second);
                QVERIFY(!led.isVisible());
            }
        }
    }

    // Escape (a key on a PC) leaves as Back does: the USB test takes the partition back,
    // selects UART and answers. Destroyed while exported, it takes the partition back too.
    void escapeLeavesAsBack()
    {
        DeviceRoot device;
        const QString removal = QStringLiteral("modprobe g_mass_storage -r");
        {
            TestmenuUsb usb;
            usb.show();
            TestSupport::button(usb, "butConnect")->click();
            device.journalWrites();
            QTest::keyClick(&usb, Qt::Key_Escape);
            QVERIFY(!usb.isVisible());
            QCOMPARE(device.read(kFile), QByteArray("resPassed\n"));
            QCOMPARE(device.commands().count(removal), 1);
            QCOMPARE(device.writes(),
                     QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 1"}));
            TestSupport::button(usb, "butConnect")->click();
        }
        QCOMPARE(device.commands().count(removal), 2);
        QCOMPARE(device.commands().last(), QString("mount /dev/mmcblk0p3 /media/tk9400"));
    }

    // Opened by hand, the dialog alone takes lines: the station's "cmdPass" closes it and
    // an opening command reaches only it, so no second dialog opens.
    void dialogOpenedByHandServesAlone()
    {
        DeviceRoot device;
        TestmenuRemoteCtrl::pollIntervalMs() = 20;
        TestMenu menu;
        menu.show();
        TestStation::Options options;
        options.root = device.root();
        options.settleMs = 100;
        options.answers = QStringList({"staUnknownCommand", "resPassed"});
        TestStationThread station(options);
        QStringList opened;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            const QString name = modal ? QString::fromLatin1(modal->metaObject()->className()) : QString();
            if (modal && modal != &menu && !opened.contains(name))
                opened << name;
        });
        watch.start(5);
        // Should the dialog not close, the test still ends.
        QTimer::singleShot(8000, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        station.start({"sleep:300", "cmdTestGps", "cmdPass"});
        TestSupport::button(menu, "butLed")->click();
        QCOMPARE(station.finish(10000), int(TestStation::Done));
        QCOMPARE(opened, QStringList("TestmenuLed"));
        QCOMPARE(station.station().answers(), options.answers);
        QVERIFY(menu.isVisible());
    }

    void screenshots()
    {
        DeviceRoot device;
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        TestMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (int page = 1; page <= TestMenu::kPages; ++page) {
            const QImage image = menu.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(TestSupport::screenshotPath(QStringLiteral("testmenu_page%1.png").arg(page))));
            TestSupport::button(menu, "butDown")->click();
        }
    }
};

QTEST_MAIN(TestTestMenu)
#include "tst_testmenu.moc"
