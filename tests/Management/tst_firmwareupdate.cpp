// The firmware update wizard on the simulated device tree: which file it offers, the
// instrument's staging copy and restart, the connect page, and leaving during a copy.
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/firmwareupdate.h"
#include "Tools/filecopythread.h"
#include "dialogdriver.h"
#include "firmwarewizard.h"
#include "testsupport.h"

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <thread>

using TestSupport::button;
using TestSupport::shootWizard;
using TestSupport::wizardPage;
using TestSupport::wizardText;
using TestSupport::randomBytes;
using TestSupport::DeviceRoot;

namespace {

// A file on the tree, modified secondsAgo before now.
void putFile(const DeviceRoot& device, const QString& path, const QByteArray& content, int secondsAgo = 0)
{
    QDir().mkpath(QFileInfo(device.hostPath(path)).path());
    QVERIFY(device.write(path, content));
    QFile file(device.hostPath(path));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

QTimer* rebootTimer(const Firmwareupdate& wizard)
{
    return wizard.findChild<QTimer*>("timerReboot");
}

const QString kFw = "/media/tk9400/FW_TKR9400_1-2-3.tk9";

} // namespace

class TestFirmwareupdate : public QObject
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
        Firmwareupdate::timing() = Firmwareupdate::Timing();
        Firmwareupdate::timing().progressMs = 10;
        m_exits.clear();
        Platform::setTerminateHandler([this](int code) { m_exits << code; });
        m_device.reset(new DeviceRoot);
        Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400");
        m_device->remove("/commands.log");
    }
    void cleanup()
    {
        FileCopyThread::setPartHook(nullptr);
        m_device.reset();
        Platform::setTerminateHandler(nullptr);
        TestSupport::verifyExpectedMessagesSeen();
    }

    // The newest file by modification time, whatever its version; without a version in
    // its name the connect page.
    void offeredFile_data()
    {
        QTest::addColumn<QStringList>("files"); // newest last
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("version");
        QTest::newRow("newer wins over higher") << QStringList{"FW_TKR9400_1-3-0.tk9", "FW_TKR9400_1-2-3.tk9"}
                                                << "pageConfirm" << "1.2.3";
        QTest::newRow("newest without version") << QStringList{"FW_TKR9400_1-2-3.tk9", "FW_TKR9400_new.tk9"}
                                                << "pageConnect" << "";
        QTest::newRow("any case") << QStringList{"fw_tkr9400_2-0-0.TK9"} << "pageConfirm" << "2.0.0";
        QTest::newRow("suffix ignored") << QStringList{"FW_TKR9400_1-22-33-4.tk9"} << "pageConfirm" << "1.22.33";
        QTest::newRow("none") << QStringList{} << "pageConnect" << "";
    }
    void offeredFile()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, page);
        QFETCH(QString, version);
        for (int i = 0; i < files.size(); ++i)
            putFile(*m_device, "/media/tk9400/" + files[i], QByteArray(2000, 'x'), 100 * (files.size() - i));
        putFile(*m_device, "/media/tk9400/meas/FW_TKR9400_9-9-9.tk9", QByteArray(2000, 'x')); // not in the root
        Firmwareupdate wizard;
        wizard.show();
        button(wizard, "butUpdateTK9400")->click();
        QCOMPARE(wizardPage(wizard), page);
        if (page == "pageConfirm") {
            QCOMPARE(wizardText(wizard, "lineEditConfirmCurrentFw"), QString("1.8.0"));
            QCOMPARE(wizardText(wizard, "lineEditConfirmNewFw"), version);
            QCOMPARE(wizardText(wizard, "labelConfirmHeadline"), QString("Update TKR 9400"));
        }
    }

    // Too small files go, safely by name: nothing of the name reaches a shell.
    void unusableFileRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("1000 bytes") << "FW_TKR9400_1-2-3.tk9" << 1000;
        QTest::newRow("blank options") << "FW_TKR9400_1-2-3 -r meas .tk9" << 10;
        QTest::newRow("command separators") << "FW_TKR9400_1-2-3;reboot;.tk9" << 10;
    }
    void unusableFileRemoved()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        putFile(*m_device, "/media/tk9400/" + name, QByteArray(size, 'x'));
        putFile(*m_device, "/media/tk9400/meas/Pinpointing_1/data.ini", "keep");
        putFile(*m_device, "/media/tk9400/FW_TKR9400_1-2-3.other", "keep", 50);
        {
            Firmwareupdate wizard;
            wizard.show();
            button(wizard, "butUpdateTK9400")->click();
            button(wizard, "butAccept")->click();
            QCOMPARE(wizardPage(wizard), QString("pageProgress"));
            QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Could not read firmwarefile.\nPlease try again."));
            QCOMPARE(wizardText(wizard, "lineEditConfirmNewFw"), QString());
            if (size == 1000)
                shootWizard(wizard, "unreadable");
        }
        QVERIFY(!QFile::exists(m_device->hostPath("/media/tk9400/" + name)));
        QCOMPARE(m_device->read("/media/tk9400/meas/Pinpointing_1/data.ini"), QByteArray("keep"));
        QCOMPARE(m_device->read("/media/tk9400/FW_TKR9400_1-2-3.other"), QByteArray("keep"));
        QCOMPARE(m_device->commands(), QStringList());
        QVERIFY(m_exits.isEmpty());
    }

    void stagesAndRestarts()
    {
        const QByteArray firmware = randomBytes(3 * 1024 * 1024, 1);
        putFile(*m_device, kFw, firmware);
        putFile(*m_device, "/media/tk9400/settings.ini", "[Device]\nLanguage=DE\n");
        putFile(*m_device, "/home/root/firmware/settings.ini", "[Device]\nLanguage=GB\nOld=stale and longer\n");
        putFile(*m_device, "/home/root/firmware/FW_TKR9400_1-0-0.tk9.part", "half");
        putFile(*m_device, "/media/ramdisk/runmode", "normalmode");
        Firmwareupdate wizard;
        wizard.show();
        button(wizard, "butUpdateTK9400")->click();
        shootWizard(wizard, "confirm_device");
        button(wizard, "butAccept")->click();
        QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Copying files, please wait ..."));
        QVERIFY(button(wizard, "butMenuCancel")->isHidden());
        shootWizard(wizard, "copying");
        button(wizard, "butAccept")->click(); // a second Accept while copying
        QTRY_COMPARE_WITH_TIMEOUT(wizardPage(wizard), QString("pageFinal"), 10000);
        shootWizard(wizard, "final_device");
        QCOMPARE(wizardText(wizard, "labelFinalMessage"), QString("All files copied.\nPlease wait for reboot ..."));
        QVERIFY(m_device->read("/home/root/firmware/FW_TKR9400_1-2-3.tk9") == firmware);
        QCOMPARE(m_device->read("/home/root/firmware/settings.ini"), QByteArray("[Device]\nLanguage=DE\n"));
        QCOMPARE(QDir(m_device->hostPath("/home/root/firmware")).entryList({"*.part"}, QDir::Files), QStringList());
        QVERIFY(!QFile::exists(m_device->hostPath(kFw)));
        QCOMPARE(m_device->read("/media/ramdisk/runmode"), QByteArray("normalmode"));

        // The restart 3000 ms after the final page, once.
        QTimer* timer = rebootTimer(wizard);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(!m_device->commands().contains("reboot"));
        timer->start(1);
        QTRY_COMPARE(m_exits, QList<int>({Platform::ExitReboot}));
        QCOMPARE(m_device->read("/media/ramdisk/runmode"), QByteArray("reboot"));
        QCOMPARE(m_device->commands(), QStringList({"reboot"}));
    }

    // Without a settings file on the partition an old staged one goes, so the
    // installation does not take it for the new one's.
    void staleStagedSettingsRemoved()
    {
        putFile(*m_device, kFw, randomBytes(5000, 2));
        putFile(*m_device, "/home/root/firmware/settings.ini", "old");
        Firmwareupdate wizard;
        button(wizard, "butUpdateTK9400")->click();
        button(wizard, "butAccept")->click();
        QTRY_COMPARE(wizardPage(wizard), QString("pageFinal"));
        QVERIFY(!QFile::exists(m_device->hostPath("/home/root/firmware/settings.ini")));
    }

    void stagingFails()
    {
        putFile(*m_device, kFw, randomBytes(5000, 3));
        putFile(*m_device, "/home/root/firmware", "a plain file");
        putFile(*m_device, "/media/ramdisk/runmode", "normalmode");
        TestSupport::expectMessage(QtWarningMsg, "Could not make the staging directory /home/root/firmware");
        Firmwareupdate wizard;
        wizard.show();
        button(wizard, "butUpdateTK9400")->click();
        button(wizard, "butAccept")->click();
        QTest::qWait(50);
        QCOMPARE(wizardPage(wizard), QString("pageProgress"));
        QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Could not copy the firmware file.\nPlease try again."));
        QVERIFY(!button(wizard, "butMenuCancel")->isHidden());
        shootWizard(wizard, "copy_failed");
        QVERIFY(QFile::exists(m_device->hostPath(kFw)));
        QCOMPARE(m_device->read("/media/ramdisk/runmode"), QByteArray("normalmode"));
        QVERIFY(!rebootTimer(wizard)->isActive());
        QVERIFY(m_exits.isEmpty());
    }

    // Cancel and Escape during a copy: nothing staged, no restart, the wizard gone at once.
    void leaveDuringCopy_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("cancel") << false;
        QTest::newRow("escape") << true;
    }
    void leaveDuringCopy()
    {
        QFETCH(bool, escape);
        putFile(*m_device, kFw, randomBytes(3 * 1024 * 1024, 4));
        FileCopyThread::setPartHook([](int) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return true;
        });
        TestSupport::expectMessage(QtWarningMsg, "Copy failed: cancelled");
        QElapsedTimer elapsed;
        {
            Firmwareupdate wizard;
            wizard.show();
            button(wizard, "butUpdateTK9400")->click();
            button(wizard, "butAccept")->click();
            QTRY_VERIFY(TestSupport::child<QProgressBar>(wizard, "progressBar")->value() > 0);
            elapsed.start();
            if (escape) {
                TestSupport::tapEscape(&wizard);
                QVERIFY(!wizard.isVisible());
            } else {
                button(wizard, "butCancelUpdate")->click();
                QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
                QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Firmware update cancelled."));
                QTRY_VERIFY(!wizard.isCopying());
                QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
                QVERIFY(!rebootTimer(wizard)->isActive());
            }
        }
        QVERIFY(elapsed.elapsed() < TestSupport::timeBound(1000));
        QCOMPARE(QDir(m_device->hostPath("/home/root/firmware")).entryList(QDir::Files), QStringList());
        QVERIFY(QFile::exists(m_device->hostPath(kFw)));
        QVERIFY(m_exits.isEmpty());
    }

    void connectPage()
    {
        Firmwareupdate wizard;
        wizard.show();
        button(wizard, "butUpdateTK9400")->click();
        QCOMPARE(wizardPage(wizard), QString("pageConnect"));
        QCOMPARE(wizardText(wizard, "labelConnectMessage"), QString("Connect the TKR 9400 to your PC\nand press the button Connect."));
        shootWizard(wizard, "connect");
        button(wizard, "butConnect")->click();
        QVERIFY(button(wizard, "butConnect")->isHidden());
        shootWizard(wizard, "connected");
        QCOMPARE(m_device->commands(),
                 QStringList({"umount /media/tk9400",
                              "modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y iSerialNumber=1234567890"}));
        m_device->remove("/commands.log");
        button(wizard, "butDisconnect")->click();
        QCOMPARE(m_device->commands(), QStringList({"modprobe g_mass_storage -r", "mount /dev/mmcblk0p3 /media/tk9400"}));
        QCOMPARE(wizardPage(wizard), QString("pageConnect")); // still no file: search again, connect again
        QVERIFY(!button(wizard, "butConnect")->isHidden());

        button(wizard, "butConnect")->click();
        putFile(*m_device, kFw, QByteArray(2000, 'x')); // the PC brings one
        button(wizard, "butDisconnect")->click();
        QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
    }

    void failingUnmountOffersNoDrive()
    {
        QDir().mkpath(m_device->hostPath("/command-status"));
        QFile status(Platform::cannedStatusPath("umount /media/tk9400"));
        QVERIFY(status.open(QIODevice::WriteOnly) && status.write("1"));
        status.close();
        TestSupport::expectMessage(QtWarningMsg, "Data partition still mounted after umount; not exported");
        Firmwareupdate wizard;
        button(wizard, "butUpdateTK9400")->click();
        button(wizard, "butConnect")->click();
        QCOMPARE(wizardText(wizard, "labelConnectMessage"), QString("The data memory is in use.\nPlease try again."));
        QVERIFY(!m_device->commands().join('\n').contains("modprobe g_mass_storage file"));
        QVERIFY(!button(wizard, "butConnect")->isHidden());
    }

    // A late answer of the sensor unit is not the instrument's version.
    void lateUnitVersionAfterChoosingTheInstrument()
    {
        putFile(*m_device, kFw, QByteArray(2000, 'x'));
        Firmwareupdate wizard;
        button(wizard, "butUpdateTK9400")->click();
        QVERIFY(QMetaObject::invokeMethod(&wizard, "fwVersionReceived", Q_ARG(QString, "1.4.2")));
        QCOMPARE(wizardText(wizard, "lineEditConfirmCurrentFw"), QString("1.8.0"));
    }

    // A gadget that cannot be removed keeps the partition with the PC, on Disconnect and
    // on leaving alike, and the user is told.
    void failedHandBackIsReported()
    {
        Firmwareupdate wizard;
        wizard.show();
        button(wizard, "butUpdateTK9400")->click();
        button(wizard, "butConnect")->click();
        QDir().mkpath(m_device->hostPath("/command-status"));
        QFile status(Platform::cannedStatusPath("modprobe g_mass_storage -r"));
        QVERIFY(status.open(QIODevice::WriteOnly) && status.write("1"));
        status.close();
        const QString warning = "USB mass-storage gadget not removed, status 1; partition left with the PC";
        DialogDriver driver;
        for (const char* leave : {"butDisconnect", "butMenuCancel"}) {
            TestSupport::expectMessage(QtWarningMsg, warning);
            button(wizard, leave)->click();
            QCOMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.messages().first().text, QString("The data memory could not be mounted.\nPlease restart the device."));
            QVERIFY(UsbExport::isExported());
            QVERIFY(!Platform::isMounted("/media/tk9400"));
            driver.clear();
        }
        QVERIFY(!wizard.isVisible());
        QVERIFY(status.remove());
        QVERIFY(UsbExport::returnPartition());
    }

private:
    QTranslator m_english;
    std::unique_ptr<DeviceRoot> m_device;
    QList<int> m_exits;
};

QTEST_MAIN(TestFirmwareupdate)
#include "tst_firmwareupdate.moc"
