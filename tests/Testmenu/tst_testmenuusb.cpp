// The USB and UART/USB switch tests against the simulated device: the export and return
// commands, the special files, the shared connector's pins and the station's answers.
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenuuartusbswitch.h"
#include "Testmenu/testmenuusb.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kPin50 = QStringLiteral("/sys/class/gpio/gpio50/value 0");
const QString kUart = QStringLiteral("/sys/class/gpio/gpio65/value 1");
const QString kUsb = QStringLiteral("/sys/class/gpio/gpio65/value 0");
const QStringList kExport = {"umount /media/tk9400",
                             "modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y iSerialNumber=1234567890"};
const QStringList kReturn = {"modprobe g_mass_storage -r", "mount /dev/mmcblk0p3 /media/tk9400"};

bool shown(const QDialog& dialog, const char* name)
{
    return !TestSupport::button(dialog, name)->isHidden();
}

QString text(const QDialog& dialog, const char* name)
{
    return TestSupport::child<QLabel>(dialog, name)->text();
}

} // namespace

class TestTestmenuUsb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void exportAndReturnApplySpecialFiles()
    {
        DeviceRoot device;
        device.write("/media/tk9400/info.txt", QByteArray(500, 'x'));
        device.journalWrites();
        TestmenuUsb dialog;
        QCOMPARE(device.writes(), QStringList({kPin50, kUsb}));
        const QByteArray info = device.read("/media/tk9400/info.txt");
        QVERIFY(info.startsWith("For more information") && info.contains("example.com") && !info.contains("xx")
                && !info.endsWith('\n'));
        QVERIFY(shown(dialog, "butConnect") && !shown(dialog, "butDisconnect") && !shown(dialog, "butPass"));
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenuusb.png")));

        QCOMPARE(ask(device, dialog, "cmdUsbConnect"), QByteArray("staActive\n"));
        QCOMPARE(device.commands(), kExport);
        for (const QString& line : device.commandLines())
            QVERIFY2(line.startsWith("/home/root\t"), qPrintable(line));
        QVERIFY(!shown(dialog, "butConnect") && shown(dialog, "butDisconnect") && shown(dialog, "butPass"));

        device.write("/media/tk9400/do_serialNumber", "4711000");
        TestSupport::expectMessage(QtDebugMsg, "New Serialnumber = 4711000");
        QCOMPARE(ask(device, dialog, "cmdUsbDisconnectNow"), QByteArray("staActive\n"));
        QCOMPARE(device.commands(), kExport + kReturn);
        QCOMPARE(device.read("/home/root/serialNumber"), QByteArray("4711000"));
        QVERIFY(!QFile::exists(device.hostPath("/media/tk9400/do_serialNumber")));
        QVERIFY(shown(dialog, "butConnect") && !shown(dialog, "butDisconnect") && shown(dialog, "butPass"));
        QCOMPARE(device.writes().mid(2), QStringList({kPin50, kUsb})); // the unshown data-transfer dialog

        QCOMPARE(ask(device, dialog, "cmdusbconnect"), QByteArray("staUnknownCommand\n"));
        QCOMPARE(ask(device, dialog, "cmdExit"), QByteArray("resPassed\n"));
        QCOMPARE(device.writes().mid(4), QStringList({kPin50, kUart}));
    }

    // Leaving while exported takes the partition back first, without special files.
    void passWhileExported()
    {
        DeviceRoot device;
        TestmenuUsb dialog;
        TestSupport::button(dialog, "butConnect")->click();
        QCOMPARE(text(dialog, "label"), QString("Connect the TK9400 to your PC\nand press the button Connect."));
        device.write("/media/tk9400/do_serialNumber", "4711000");
        device.journalWrites();
        QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resPassed\n"));
        QCOMPARE(device.commands(), kExport + kReturn);
        QVERIFY(QFile::exists(device.hostPath("/media/tk9400/do_serialNumber")));
        QCOMPARE(device.read("/home/root/serialNumber"), QByteArray("0000000\n"));
        QCOMPARE(device.writes(), QStringList({kPin50, kUart}));
    }

    void disconnectWithoutConnect()
    {
        DeviceRoot device;
        TestmenuUsb dialog;
        device.write("/media/tk9400/do_serialNumber", "4711000");
        TestSupport::expectMessage(QtDebugMsg, "New Serialnumber = 4711000");
        ask(device, dialog, "cmdUsbDisconnect");
        QCOMPARE(device.commands(), kReturn);
        QVERIFY(shown(dialog, "butPass"));
        QCOMPARE(device.read("/home/root/serialNumber"), QByteArray("4711000"));
    }

    void failedStepsShown()
    {
        DeviceRoot device;
        device.write("/command-status/umount__media_tk9400", "1");
        TestmenuUsb dialog;
        TestSupport::expectMessage(QtWarningMsg, "Data partition still mounted after umount; not exported");
        // The simulated mount table only knows what this run mounted.
        Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400");
        TestSupport::button(dialog, "butConnect")->click();
        QCOMPARE(text(dialog, "label"), QString("Export failed."));
        QCOMPARE(device.commands().filter("modprobe"), QStringList());
        QVERIFY(shown(dialog, "butConnect") && !shown(dialog, "butPass"));

        device.write("/command-status/mount__dev_mmcblk0p3__media_tk9400", "32");
        device.write("/command-status/umount__media_tk9400", "0");
        TestSupport::button(dialog, "butConnect")->click();
        QCOMPARE(text(dialog, "label"), QString("Connect the TK9400 to your PC\nand press the button Connect."));
        device.write("/media/tk9400/do_serialNumber", "4711000");
        TestSupport::expectMessage(QtWarningMsg, "Data partition not mounted after return");
        TestSupport::button(dialog, "butDisconnect")->click();
        QCOMPARE(text(dialog, "label"), QString("Return failed."));
        QVERIFY(shown(dialog, "butDisconnect"));
        QVERIFY(QFile::exists(device.hostPath("/media/tk9400/do_serialNumber")));
    }

    // Pass follows each step's own outcome; a partition the PC still holds fails the test
    // whichever way it ends, and the hand-back is tried again when the dialog goes.
    void failedHandBackFailsTheTest()
    {
        DeviceRoot device;
        const QString notRemoved = "USB mass-storage gadget not removed, status 1; partition left with the PC";
        {
            TestmenuUsb dialog;
            ask(device, dialog, "cmdUsbConnect");
            ask(device, dialog, "cmdUsbDisconnect");
            QVERIFY(shown(dialog, "butPass"));
            device.write("/command-status/umount__media_tk9400", "1");
            TestSupport::expectMessage(QtWarningMsg, "Data partition still mounted after umount; not exported");
            ask(device, dialog, "cmdUsbConnect");
            QCOMPARE(text(dialog, "label"), QString("Export failed."));
            QVERIFY(!shown(dialog, "butPass"));

            QVERIFY(device.remove("/command-status/umount__media_tk9400"));
            ask(device, dialog, "cmdUsbConnect");
            QVERIFY(shown(dialog, "butPass"));
            device.write("/command-status/modprobe_g_mass_storage_-r", "1");
            TestSupport::expectMessage(QtWarningMsg, notRemoved);
            ask(device, dialog, "cmdUsbDisconnect");
            QCOMPARE(text(dialog, "label"), QString("Return failed."));
            QVERIFY(!shown(dialog, "butPass") && shown(dialog, "butDisconnect"));
            TestSupport::expectMessage(QtWarningMsg, notRemoved);
            QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resFailed\n"));
            QVERIFY(device.remove("/command-status/modprobe_g_mass_storage_-r"));
        }
        QCOMPARE(device.commands().mid(device.commands().size() - 5),
                 QStringList({kExport.last(), kReturn.first(), kReturn.first(), kReturn.first(), kReturn.last()}));
    }

    void uartUsbSwitch()
    {
        DeviceRoot device;
        device.journalWrites();
        {
            TestmenuUartUsbSwitch dialog;
            QCOMPARE(device.writes(), QStringList({kUsb, kPin50}));
            QCOMPARE(text(dialog, "labelState"), QString("Selected mode: USB"));
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenuuartusbswitch.png")));
            QCOMPARE(ask(device, dialog, "cmdExit"), QByteArray("resCanceled\n"));
            QCOMPARE(device.writes().size(), 2);
        }
        TestmenuUartUsbSwitch dialog;
        QCOMPARE(ask(device, dialog, "cmdUartUsbSwitchUart"), QByteArray("staActive\n"));
        QCOMPARE(device.writes().mid(4), QStringList({kPin50, kUart}));
        QCOMPARE(text(dialog, "labelState"), QString("Selected mode: UART"));
        QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resPassed\n"));
        QCOMPARE(device.writes().size(), 6);
    }
};

QTEST_MAIN(TestTestmenuUsb)
#include "tst_testmenuusb.moc"
