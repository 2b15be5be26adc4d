// The SD card and flash update tests against the simulated device: the commands they
// run, what they make of the tools' outcomes, and when they offer Pass.
#include "Hardware/platform.h"
#include "Testmenu/testmenuflashupdate.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenusdcard.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kParted = QStringLiteral("parted -sm /dev/mmcblk0 print free");
const QString kListing = QStringLiteral("ls -la /media/boot");

QString status(const QDialog& dialog)
{
    return TestSupport::child<QLabel>(dialog, "labelStatus")->text();
}

QString box(const QDialog& dialog)
{
    return TestSupport::child<QTextEdit>(dialog, "textEdit")->toPlainText();
}

bool passOffered(const QDialog& dialog)
{
    return !TestSupport::button(dialog, "butPass")->isHidden();
}

// Sets a command's simulated outcome: its status, and its output unless null.
void outcome(const DeviceRoot& device, const QString& command, const QByteArray& status, const QByteArray& output)
{
    const QString root = device.root();
    device.write(Platform::cannedStatusPath(command).mid(root.size()), status);
    if (!output.isNull())
        device.write(Platform::cannedOutputPath(command).mid(root.size()), output);
}

} // namespace

class TestTestmenuStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void partitionTableShown()
    {
        DeviceRoot device;
        const QByteArray listing = device.read(Platform::cannedOutputPath(kParted).mid(device.root().size()));
        QVERIFY(listing.startsWith("BYT;\n"));
        TestmenuSdcard dialog;
        QVERIFY(!passOffered(dialog));
        QCOMPARE(ask(device, dialog, "cmdSdcardPartitionX"), QByteArray("staActive\n"));
        QCOMPARE(status(dialog), QString("Partition table read."));
        QCOMPARE(box(dialog), QString::fromLatin1(listing));
        QVERIFY(passOffered(dialog));
        QVERIFY(TestSupport::logged("TestmenuSdcard: \"BYT;\\n"));
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenusdcard.png")));

        // A second Start runs the tool again and replaces the box.
        const QByteArray other = "BYT;\n/dev/mmcblk0:1B:sd/mmc:512:512:msdos:X:;\n1:1B:2B:1B:fat32::boot;\n";
        outcome(device, kParted, "0", other);
        TestSupport::button(dialog, "butStart")->click();
        QCOMPARE(device.commands(), QStringList({kParted, kParted}));
        QCOMPARE(box(dialog), QString::fromLatin1(other));
        QCOMPARE(ask(device, dialog, "cmdsdcardpartition"), QByteArray("staUnknownCommand\n"));
        QCOMPARE(ask(device, dialog, "cmdTestSdcard"), QByteArray("staActive\n"));
    }

    void unreadPartitionTable_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("no tool") << QByteArray("nostart") << QByteArray();
        QTest::newRow("failed") << QByteArray("1") << QByteArray("Error: Could not stat device /dev/mmcblk0\n");
        QTest::newRow("timed out") << QByteArray("timeout") << QByteArray();
        QTest::newRow("silent") << QByteArray("0") << QByteArray("");
        QTest::newRow("blank") << QByteArray("0") << QByteArray(" \n\n");
        QTest::newRow("no partition") << QByteArray("0")
                                      << QByteArray("BYT;\n/dev/mmcblk0:1B:sd/mmc:512:512:msdos:X:;\n");
        QTest::newRow("free space only")
            << QByteArray("0") << QByteArray("BYT;\n/dev/mmcblk0:7948206080B:sd/mmc:512:512:unknown:SD SC08G:;\n"
                                             "1:32256B:7948206079B:7948173824B:free;\n");
        QTest::newRow("cut at the bound")
            << QByteArray("0") << QByteArray("BYT;\n1:1B:2B:1B:fat32::boot;\n").leftJustified(70000, 'x');
    }
    // After a good listing: each Start shows its own outcome.
    void unreadPartitionTable()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, output);
        DeviceRoot device;
        TestmenuSdcard dialog;
        TestSupport::button(dialog, "butStart")->click();
        QVERIFY(passOffered(dialog));
        outcome(device, kParted, status, output);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^TestmenuSdcard: partition table could not be read"));
        TestSupport::button(dialog, "butStart")->click();
        QCOMPARE(::status(dialog), QString("Error: partition table could not be read."));
        QCOMPARE(box(dialog), QString());
        QVERIFY(!passOffered(dialog));
    }

    void markerGenerated()
    {
        DeviceRoot device;
        TestMenuFlashUpdate dialog;
        QCOMPARE(dialog.windowTitle(), QString("FlashUpdate"));
        QVERIFY(!passOffered(dialog));
        QCOMPARE(ask(device, dialog, "cmdGenerateFlashUpdateFile"), QByteArray("staActive\n"));
        QCOMPARE(device.commands(), QStringList({"mkdir /media/boot", "mount /dev/mmcblk0p1 /media/boot/",
                                                 "touch /media/boot/.do_update", kListing}));
        QCOMPARE(status(dialog), QString("File for flash update generated."));
        QVERIFY(box(dialog).contains(" .do_update\n"));
        QVERIFY(passOffered(dialog));
        QVERIFY(TestSupport::logged("TestmenuFlashUpdate:"));
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenuflashupdate.png")));
        QCOMPARE(ask(device, dialog, "cmdFlashUpdateX"), QByteArray("staActive\n"));
        QCOMPARE(ask(device, dialog, "cmdFlashUpdateX"), QByteArray("staActive\n"));
        QCOMPARE(ask(device, dialog, "cmdflashupdate"), QByteArray("staUnknownCommand\n"));
        QCOMPARE(ask(device, dialog, "cmdPass"), QByteArray("resPassed\n"));
    }

    // Each of these leaves no marker where the start-up looks for it, also after a good run.
    void markerNotGenerated_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("mount failed") << "mount /dev/mmcblk0p1 /media/boot/" << QByteArray("32") << QByteArray();
        QTest::newRow("touch failed") << "touch /media/boot/.do_update" << QByteArray("1") << QByteArray();
        QTest::newRow("marker not listed") << kListing << QByteArray("0")
                                           << QByteArray("drwxr-xr-x 2 root root 16384 Jan 1 1970 .\n"
                                                         "-rwxr-xr-x 1 root root 0 Jan 1 1970 .do_update.old\n");
        QTest::newRow("listing timed out") << kListing << QByteArray("timeout") << QByteArray();
    }
    void markerNotGenerated()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, output);
        DeviceRoot device;
        TestMenuFlashUpdate dialog;
        // A partition mounted by the good run stays mounted, whatever a second mount says.
        if (!command.startsWith("mount")) {
            TestSupport::button(dialog, "butStart")->click();
            QVERIFY(passOffered(dialog));
        }
        outcome(device, command, status, output);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^TestmenuFlashUpdate: marker not generated"));
        TestSupport::button(dialog, "butStart")->click();
        QCOMPARE(::status(dialog), QString("Error: file for flash update not generated."));
        QVERIFY(!passOffered(dialog));
    }
};

QTEST_MAIN(TestTestmenuStorage)
#include "tst_testmenustorage.moc"
