#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/backupdialog.h"
#include "Management/systemsettings.h"
#include "Tools/favouritebutton.h"
#include "Tools/statusbar.h"
#include "dialogdriver.h"
#include "failingcard.h"
#include "globals.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QDir>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using TestSupport::button;
using TestSupport::DeviceRoot;

namespace {

const QString kUmount = "/home/root\tumount /media/tk9400";
const QString kModprobe = "/home/root\tmodprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y iSerialNumber=1234567890";
const QString kGadgetOff = "/home/root\tmodprobe g_mass_storage -r";
const QString kMount = "/home/root\tmount /dev/mmcblk0p3 /media/tk9400";
const QString kScriptLine = "/home/root\t/media/tk9400/do_universalScript.sh";
const char* const kScript = "/media/tk9400/do_universalScript.sh";

// A device as after start-up: the data partition mounted, nothing recorded yet.
void mountPartition(const DeviceRoot& device)
{
    Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400");
    device.remove("/commands.log");
}

void failCommand(const DeviceRoot& device, const QString& command, const QByteArray& status)
{
    QDir().mkpath(device.hostPath("/command-status"));
    QFile file(Platform::cannedStatusPath(command));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(status);
}

bool exported(BackupDialog& dialog)
{
    return button(dialog, "butConnect")->isHidden() && !button(dialog, "butDisconnect")->isHidden();
}

} // namespace

class TestBackupDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::installEnglish(m_english));
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init()
    {
        TestSupport::clearLoggedMessages();
        g_debugFeatures = 0;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void connectThenDisconnect()
    {
        DeviceRoot device;
        mountPartition(device);
        device.journalWrites();
        {
            BackupDialog dialog;
            dialog.show();
            QCOMPARE(device.writes(),
                     QStringList({"/sys/class/gpio/gpio50/value 0", "/sys/class/gpio/gpio65/value 0"}));
            QVERIFY(!exported(dialog));
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("backupdialog_ready.png")));

            button(dialog, "butConnect")->click();
            QVERIFY(exported(dialog));
            QVERIFY(UsbExport::isExported());
            QVERIFY(!Platform::isMounted("/media/tk9400"));
            QCOMPARE(device.commandLines(), QStringList({kUmount, kModprobe}));
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("backupdialog_exported.png")));

            button(dialog, "butDisconnect")->click();
            QVERIFY(!exported(dialog));
            QVERIFY(dialog.isVisible());
            QVERIFY(Platform::isMounted("/media/tk9400"));
            QCOMPARE(device.commandLines(), QStringList({kUmount, kModprobe, kGadgetOff, kMount}));

            // A dialog that goes while exported takes the partition back.
            button(dialog, "butConnect")->click();
            QVERIFY(!Platform::isMounted("/media/tk9400"));
        }
        QVERIFY(Platform::isMounted("/media/tk9400"));
        QVERIFY(!UsbExport::isExported());
        QCOMPARE(device.commandLines().mid(4), QStringList({kUmount, kModprobe, kGadgetOff, kMount}));
        // The connector is never set back.
        QCOMPARE(device.writes().size(), 2);
    }

    void failedStepIsReported_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("commands");
        const QString inUse = "2|Error|The data memory is in use.\nPlease try again.";
        QTest::newRow("in_use") << "umount /media/tk9400" << "Data partition still mounted after umount; not exported"
                                << inUse << QStringList({kUmount});
        QTest::newRow("no_gadget") << kModprobe.section('\t', 1) << "USB mass-storage gadget did not load, status 1"
                                   << inUse << QStringList({kUmount, kModprobe, kMount});
        const QString notMounted = "1|Warning|The data memory could not be mounted.\nPlease restart the device.";
        QTest::newRow("not_mounted") << "mount /dev/mmcblk0p3 /media/tk9400" << "Data partition not mounted after return"
                                     << notMounted << QStringList({kUmount, kModprobe, kGadgetOff, kMount});
        // The PC may still write the partition: it stays with the PC, Disconnect stays offered.
        QTest::newRow("gadget_stays") << kGadgetOff.section('\t', 1)
                                      << "USB mass-storage gadget not removed, status 1; partition left with the PC"
                                      << notMounted << QStringList({kUmount, kModprobe, kGadgetOff});
    }
    void failedStepIsReported()
    {
        QFETCH(QString, failing);
        QFETCH(QString, warning);
        QFETCH(QString, message);
        QFETCH(QStringList, commands);
        DeviceRoot device;
        mountPartition(device);
        device.write("/media/tk9400/do_serialNumber", "NEW");
        BackupDialog dialog;
        dialog.show();
        failCommand(device, failing, "1");
        TestSupport::expectMessage(QtWarningMsg, warning);
        DialogDriver driver;
        driver.grabMessages(true);
        button(dialog, "butConnect")->click();
        if (exported(dialog))
            button(dialog, "butDisconnect")->click();
        const QList<DialogDriver::Message> seen = driver.messages();
        QCOMPARE(seen.size(), 1);
        const QString shot = QStringLiteral("backupdialog_%1.png").arg(QTest::currentDataTag());
        QVERIFY(seen.first().image.save(TestSupport::screenshotPath(shot)));
        QCOMPARE(QString("%1|%2|%3").arg(seen.first().icon).arg(seen.first().headline, seen.first().text), message);
        const bool gadgetStays = failing == kGadgetOff.section('\t', 1);
        QCOMPARE(exported(dialog), gadgetStays);
        QCOMPARE(UsbExport::isExported(), gadgetStays);
        QCOMPARE(Platform::isMounted("/media/tk9400"), !failing.startsWith("mount") && !gadgetStays);
        // Nothing exported while the device still has the partition; nothing applied without it.
        QCOMPARE(device.commandLines(), commands);
        QCOMPARE(device.read("/media/tk9400/do_serialNumber"), QByteArray("NEW"));
        QCOMPARE(device.read("/home/root/serialNumber"), QByteArray("0000000\n"));
        QVERIFY(!TestSupport::logged("New Serialnumber"));
        // The dialog that goes takes the partition back once the gadget can be removed.
        QVERIFY(QFile::remove(Platform::cannedStatusPath(failing)));
    }

    void cancelAndEscapeTakeThePartitionBack_data()
    {
        QTest::addColumn<bool>("connectFirst");
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel at once") << false << false;
        QTest::newRow("Escape while exported") << true << true;
    }
    void cancelAndEscapeTakeThePartitionBack()
    {
        QFETCH(bool, connectFirst);
        QFETCH(bool, escape);
        DeviceRoot device;
        mountPartition(device);
        BackupDialog dialog;
        dialog.show();
        if (connectFirst)
            button(dialog, "butConnect")->click();
        device.write("/media/tk9400/do_serialNumber", "NEW");
        device.remove("/commands.log");
        if (escape) {
            TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        } else {
            button(dialog, "butMenuCancel")->click();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(device.commands(), QStringList({"modprobe g_mass_storage -r", "mount /dev/mmcblk0p3 /media/tk9400"}));
        QVERIFY(Platform::isMounted("/media/tk9400"));
        QCOMPARE(device.read("/media/tk9400/do_serialNumber"), QByteArray("NEW"));
    }

    void appliesEverySpecialFile()
    {
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* store = menu.getInstanceSystemsettings();
        QCOMPARE(store->getSelectedLanguageNum(), 1);
        device.write("/home/root/serialNumber", "OLD");
        const QByteArray settings = "[Local-Settings]\nLanguage=2\n";
        device.write("/media/tk9400/do_serialNumber", "NEW123456789XYZ");
        device.write("/media/tk9400/do_productionDate", "2026-12-09");
        device.write("/media/tk9400/do_settings.ini", settings);
        device.write(kScript, "#!/bin/sh\nreboot\n");
        QStringList inPlace;
        Platform::setCommandHook([&](const QString& command) -> std::optional<int> {
            if (command == QLatin1String(kScript)) {
                for (const char* file : {"/home/root/serialNumber", "/home/root/productionDate", "/home/root/settings.ini"})
                    inPlace.append(QString::fromLatin1(device.read(file)));
            }
            return std::nullopt;
        });

        BackupDialog dialog;
        dialog.checkForSpecialFiles();

        QCOMPARE(inPlace, QStringList({"NEW123456789XYZ", "2026-12-09", QString::fromLatin1(settings)}));
        QCOMPARE(device.commandLines().filter(kScript), QStringList(kScriptLine));
        // In order, each once; only 12 bytes of the serial number in the log.
        const QStringList expected = {
            "New Serialnumber = NEW123456789", "File do_serialNumber deleted. OK.",
            "New production date = 2026-12-09", "File do_productionDate deleted. OK.",
            "Updating systemsettings.", "File do_settings.ini deleted. OK.",
            "Executing universal script ...", "Executing universal script. Finished.",
            "Universal script exit status 0", "File do_universalScript.sh deleted. OK."};
        QStringList seen;
        for (const QString& line : TestSupport::loggedMessages()) {
            const QString text = line.section(": ", 1);
            if (text.startsWith("New ") || expected.contains(text))
                seen.append(text);
        }
        QCOMPARE(seen, expected);
        QCOMPARE(QDir(device.hostPath("/media/tk9400")).entryList({"do_*"}, QDir::Files), QStringList());

        // The running store has the new values, and its next write keeps them.
        QCOMPARE(store->getSelectedLanguageNum(), 2);
        store->setFavouriteButton(3);
        QVERIFY(TestSupport::iniEntries(device.read("/home/root/settings.ini")).contains({"Local-Settings/Language", "2"}));
        // The script's content never ran.
        QVERIFY(device.commands().filter("reboot").isEmpty());
    }

    void identityFileNotWritable_data()
    {
        QTest::addColumn<bool>("oversized");
        QTest::newRow("directory in the way") << false;
        QTest::newRow("larger than 4096 bytes") << true;
    }
    void identityFileNotWritable()
    {
        QFETCH(bool, oversized);
        DeviceRoot device;
        const QByteArray value = oversized ? QByteArray(4097, 'A') : QByteArray("NEW123");
        device.write("/media/tk9400/do_serialNumber", value);
        if (!oversized) {
            device.remove("/home/root/serialNumber");
            QVERIFY(QDir().mkpath(device.hostPath("/home/root/serialNumber")));
        }
        BackupDialog dialog;
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^File do_serialNumber not applied .*Error\\.$"));
        if (!oversized)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("Could not write /home/root/serialNumber"));
        dialog.checkForSpecialFiles();
        QCOMPARE(device.read("/media/tk9400/do_serialNumber"), value);
        QCOMPARE(QFileInfo(device.hostPath("/home/root/serialNumber")).isDir(), !oversized);
        QVERIFY(!TestSupport::logged("OK."));
        TestSupport::verifyExpectedMessagesSeen();

        // Once the way is clear, the next time applies it.
        QDir(device.hostPath("/home/root/serialNumber")).removeRecursively();
        device.write("/media/tk9400/do_serialNumber", "NEW123");
        dialog.checkForSpecialFiles();
        QCOMPARE(device.read("/home/root/serialNumber"), QByteArray("NEW123"));
        QVERIFY(!QFile::exists(device.hostPath("/media/tk9400/do_serialNumber")));
        QVERIFY(TestSupport::logged("File do_serialNumber deleted. OK."));
    }

    void hostileSettingsFileRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("10 MB") << QByteArray("[Local-Settings]\nLanguage=2\n") + QByteArray(10 << 20, '#')
                               << "larger than 65536 bytes";
        QTest::newRow("binary with NULs") << QByteArray("[Local-Settings]\nLanguage=2\n\0\0\x01\xff", 33)
                                          << "not a text file";
        QTest::newRow("no known key") << QByteArray("[Other]\nLanguage=2\nrm -rf /\n") << "no known setting";
        QTest::newRow("cannot be written") << QByteArray("[Local-Settings]\nLanguage=2\n") << "settings file not written";
    }
    void hostileSettingsFileRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        DeviceRoot device;
        TestSupport::writeSettings(device);
        const QByteArray before = device.read("/home/root/settings.ini");
        device.write("/media/tk9400/do_settings.ini", content);
        BackupDialog dialog;
        // The user is told only of a write that failed: the others are no settings file.
        const bool notWritten = reason == "settings file not written";
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"), 0);
        QVERIFY(!notWritten || card.fail());
        if (notWritten)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write /home/root/settings.ini"));
        DialogDriver driver;
        TestSupport::expectMessage(QtWarningMsg, "File do_settings.ini not applied (" + reason + "). Error.");
        dialog.checkForSpecialFiles();
        QCOMPARE(device.read("/home/root/settings.ini"), before);
        QCOMPARE(device.read("/media/tk9400/do_settings.ini").size(), content.size());
        QCOMPARE(driver.messages().size(), notWritten ? 1 : 0);
        if (notWritten)
            QCOMPARE(driver.messages().first().text, QString("The setting could not be stored."));
    }

    void settingsFileGoesThroughTheStoresChecks()
    {
        TestSupport::PairedInstrument instrument;
        QVERIFY(instrument.simStarted);
        instrument.startMainMenu();
        DeviceRoot& device = instrument.device;
        const QByteArray hostile = "[Bluetooth]\nMicrophone_ID=\"00:11:22:33:44:55;reboot\"\n[Local-Settings]\nLanguage=999\n";
        device.write("/media/tk9400/do_settings.ini", hostile);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("malformed Bluetooth address.*Microphone_ID"));
        BackupDialog(instrument.menu.get()).checkForSpecialFiles();
        QCOMPARE(device.read("/home/root/settings.ini"), hostile);
        Systemsettings* store = instrument.menu->getInstanceSystemsettings();
        QCOMPARE(store->getBtIdMicrophone(), QString());
        QCOMPARE(store->getSelectedLanguageNum(), 999);
        TestSupport::verifyExpectedMessagesSeen();

        // A main window started on that file runs, and the text never reaches a module.
        instrument.menu.reset();
        for (int load = 0; load < 2; ++load) // the store's constructor and the main page's init()
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("malformed Bluetooth address.*Microphone_ID"));
        instrument.startMainMenu();
        QVERIFY(instrument.menu->isMainMenuVisible());
        QTest::qWait(200);
        for (BtModuleSim* module : {instrument.sim.sink(), instrument.sim.source()}) {
            QVERIFY(!module->transcript().isEmpty());
            QVERIFY2(module->transcript().filter("reboot").isEmpty(), qPrintable(module->transcript().join('\n')));
        }
    }

    void universalScript_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QStringList>("logs");
        QTest::addColumn<bool>("deleted");
        const QString finished = "Executing universal script. Finished.";
        QTest::newRow("exit 0") << QByteArray("0") << QStringList({finished, "Universal script exit status 0"}) << true;
        QTest::newRow("exit 3") << QByteArray("3") << QStringList({finished, "Universal script exit status 3"}) << true;
        QTest::newRow("timeout") << QByteArray("timeout") << QStringList("Universal script killed after 600 s.") << true;
        QTest::newRow("nostart") << QByteArray("nostart")
                                 << QStringList("File do_universalScript.sh not applied (could not be started). Error.")
                                 << false;
    }
    void universalScript()
    {
        QFETCH(QByteArray, status);
        QFETCH(QStringList, logs);
        QFETCH(bool, deleted);
        DeviceRoot device;
        mountPartition(device);
        const QStringList neighbours = {"do_universalScript.sh;reboot", "do_universalScript.sh $(reboot)"};
        device.write(kScript, "#!/bin/sh\nreboot\n");
        for (const QString& name : neighbours)
            device.write("/media/tk9400/" + name, "#!/bin/sh\npoweroff\n");
        failCommand(device, kScript, status);
        if (status == "timeout" || status == "nostart")
            TestSupport::expectMessage(QtWarningMsg, logs.first());
        FailingCard journal(FailingCard::Journal, device.hostPath("/media/tk9400"));
        QVERIFY(journal.fail());
        BackupDialog dialog;
        dialog.checkForSpecialFiles();
        // The removal is on the card before the dialog goes on: a power cut must not bring
        // the script back to run a second time.
        QCOMPARE(journal.firstMissing({"^sync \\./$"}) < 0, deleted);

        QCOMPARE(device.commandLines(), QStringList(kScriptLine));
        QCOMPARE(QDir::currentPath(), device.hostPath("/home/root"));
        for (const QString& text : logs)
            QVERIFY2(TestSupport::logged(text), qPrintable(text));
        QCOMPARE(TestSupport::logged("Finished."), status == "0" || status == "3");
        QCOMPARE(QFile::exists(device.hostPath(kScript)), !deleted);
        for (const QString& name : neighbours)
            QCOMPARE(device.read("/media/tk9400/" + name), QByteArray("#!/bin/sh\npoweroff\n"));
    }

    void exportCountsAsActivity()
    {
        DeviceRoot device;
        device.write("/home/root/settings.ini", "[Debug]\nDebugfeatures=1\n[Systemsettings]\nBrightness=7\n"
                                                "DisplayOffTime=4\nPowerOffTime=6\n");
        MainMenu menu;
        QCOMPARE(g_debugFeatures, 1);
        BackupDialog dialog(&menu);
        button(dialog, "butConnect")->click();
        QVERIFY(UsbExport::isExported());
        const QStringList before = QDir(device.hostPath("/media/tk9400")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        Statusbardata* data = StatusbarData();
        for (int i = 0; i < 5; ++i)
            data->update();
        QVERIFY(!data->isPowerSavingActive());
        QCOMPARE(device.read("/sys/class/backlight/backlight/brightness"), QByteArray("7"));
        QVERIFY(!TestSupport::logged("Power-Off device"));
        // Nothing is written into the bare mount point while the PC has the partition.
        menu.writeSystemInfo();
        QCOMPARE(menu.getFavouriteButtonInsance()->generateScreenshot(), -1);
        QCOMPARE(QDir(device.hostPath("/media/tk9400")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);

        button(dialog, "butDisconnect")->click();
        data->update();
        data->update();
        QVERIFY(data->isPowerSavingActive());
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestBackupDialog)
#include "tst_backupdialog.moc"
