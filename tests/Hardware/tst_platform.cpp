#include "Hardware/platform.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <sys/stat.h>
#include <QtTest>

using TestSupport::DeviceRoot;

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void resolvesDevicePaths()
    {
        DeviceRoot device;
        QVERIFY(Platform::isSimulated());
        QCOMPARE(Platform::devicePath("/home/root/settings.ini"), device.root() + "/home/root/settings.ini");
        QCOMPARE(Platform::devicePath("relative/file"), QString("relative/file"));
        Platform::setRootDirectory(QString());
        QVERIFY(!Platform::isSimulated());
        QCOMPARE(Platform::devicePath("/dev/ttyO2"), QString("/dev/ttyO2"));
        QCOMPARE(Platform::rootDirectory(), QString("/"));
    }

    void recordsCommandsInsteadOfRunning()
    {
        DeviceRoot device;
        const QString marker = device.hostPath("/must-not-exist");
        QCOMPARE(Platform::runCommand("touch " + marker), 0);
        QVERIFY(Platform::startDetached("/usr/games/tetrix/tetrix"));
        QVERIFY(!QFile::exists(marker));
        QVERIFY(Platform::setWorkingDirectory("/home/root"));
        Platform::runCommand("amixer sset \"PCM\" 80%");
        QCOMPARE(device.commandLines(),
                 QStringList({"/\ttouch " + marker, "/\t/usr/games/tetrix/tetrix", "/home/root\tamixer sset \"PCM\" 80%"}));
        QCOMPARE(QDir::currentPath(), device.hostPath("/home/root"));
    }

    void answersWithCannedOutput()
    {
        DeviceRoot device;
        QVERIFY(Platform::runCommandOutput("df -Th").contains("/media/tk9400"));
        QCOMPARE(Platform::cannedOutputPath("parted -sm /dev/mmcblk0 print free"),
                 device.hostPath("/command-output/parted_-sm__dev_mmcblk0_print_free"));
        device.write("/command-output/parted_-sm__dev_mmcblk0_print_free", "BYT;\n");
        QCOMPARE(Platform::runCommandOutput("parted -sm /dev/mmcblk0 print free"), QString("BYT;\n"));
        QCOMPARE(Platform::runCommandOutput("no canned answer"), QString());
        QCOMPARE(device.commands().size(), 3);
    }

    void powerCommandsEndTheProgram_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("poweroff") << "poweroff" << int(Platform::ExitPoweroff);
        QTest::newRow("reboot") << "reboot" << int(Platform::ExitReboot);
        QTest::newRow("other") << "umount /media/tk9400" << 0;
    }
    void powerCommandsEndTheProgram()
    {
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        DeviceRoot device;
        int seen = 0;
        Platform::setTerminateHandler([&seen](int code) { seen = code; });
        Platform::runCommand(command);
        QCOMPARE(seen, exitCode);
        QCOMPARE(device.commands(), QStringList(command));
    }

    void statusFromTheTree_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << QByteArray() << 0;
        QTest::newRow("number") << QByteArray("32\n") << 32;
        QTest::newRow("nostart") << QByteArray("nostart") << int(Platform::RunNotStarted);
        QTest::newRow("timeout") << QByteArray("timeout\n") << int(Platform::RunTimedOut);
    }
    void statusFromTheTree()
    {
        QFETCH(QByteArray, status);
        QFETCH(int, expected);
        DeviceRoot device;
        const QString mount = "mount /dev/mmcblk0p3 /media/tk9400";
        QCOMPARE(Platform::cannedStatusPath(mount), device.hostPath("/command-status/mount__dev_mmcblk0p3__media_tk9400"));
        if (!status.isEmpty())
            device.write("/command-status/mount__dev_mmcblk0p3__media_tk9400", status);
        QCOMPARE(Platform::runCommand(mount), expected);
        // Only a mount that succeeded mounts.
        QCOMPARE(Platform::isMounted("/media/tk9400/"), expected == 0);

        if (!status.isEmpty())
            device.write("/command-status/_bin_tool_-x", status);
        QCOMPARE(Platform::runProgram("/bin/tool", {"-x"}, 1000), expected);
        QCOMPARE(device.commands(), QStringList({mount, "/bin/tool -x"}));
    }

    void hookSeesEachCommandAsItRuns()
    {
        DeviceRoot device;
        QStringList seen;
        Platform::setCommandHook([&](const QString& command) -> std::optional<int> {
            seen.append(command + " " + QString::number(device.commands().size()));
            if (command.startsWith("umount"))
                return 1;
            return std::nullopt;
        });
        Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400");
        QCOMPARE(Platform::runCommand("umount /media/tk9400"), 1);
        QVERIFY(Platform::isMounted("/media/tk9400"));
        Platform::runCommandOutput("df -Th");
        QCOMPARE(seen, QStringList({"mount /dev/mmcblk0p3 /media/tk9400 1", "umount /media/tk9400 2", "df -Th 3"}));
    }

    void runsProgramsOnTheDevice()
    {
        Platform::setRootDirectory(QString());
        // No shell: the arguments reach the program as they are.
        QCOMPARE(Platform::runProgram("/bin/sh", {"-c", "exit $0", "3"}, TestSupport::timeBound(5000)), 3);
        // The bound holds for the start and the run together: started late on a busy
        // machine or not, the program has timed out, and is not reported as not started.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Platform::runProgram("/bin/sleep", {"10"}, 200), int(Platform::RunTimedOut));
        QVERIFY(clock.elapsed() < TestSupport::timeBound(5000));
        // No time even to start it: as late as the run above.
        QCOMPARE(Platform::runProgram("/bin/sleep", {"10"}, 0), int(Platform::RunTimedOut));
        QCOMPARE(Platform::runProgram("/nonexistent/program", {}, TestSupport::timeBound(1000)),
                 int(Platform::RunNotStarted));
    }

    // The result call: output in chunks, the exit status, a command killed at its limit
    // (the bounds themselves are checked through runCommandOutput below).
    void resultOfACommandOnTheDevice()
    {
        Platform::setRootDirectory(QString());
        Platform::CommandResult r
            = Platform::runCommandResult("printf first; sleep 0.2; printf second; exit 3", 5000, 5000, 1024);
        QVERIFY(r.started && !r.timedOut);
        QCOMPARE(r.exitStatus, 3);
        QCOMPARE(r.output, QByteArray("firstsecond"));
        // Past its limit, with its output closed: killed, not waited for in a spin.
        QElapsedTimer clock;
        clock.start();
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("did not finish in 300 ms"));
        r = Platform::runCommandResult("exec >&-; sleep 10", 5000, 300, 1024);
        QVERIFY(r.started && r.timedOut && r.output.isEmpty());
        QVERIFY(clock.elapsed() < 5000);
    }

    void resultOfACommandSimulated_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("none") << QByteArray() << true << false << 0 << QByteArray("Playback 22");
        QTest::newRow("number") << QByteArray("2") << true << false << 2 << QByteArray("Playback 22");
        QTest::newRow("nostart") << QByteArray("nostart") << false << false << -1 << QByteArray();
        QTest::newRow("timeout") << QByteArray("timeout") << true << true << -1 << QByteArray("Playback 22");
    }
    void resultOfACommandSimulated()
    {
        QFETCH(QByteArray, status);
        DeviceRoot device;
        const QString command = "amixer sset \"PCM\" 22";
        QVERIFY(device.write("/command-output/amixer_sset__PCM__22", "Playback 22 [17%]"));
        if (!status.isEmpty())
            QVERIFY(device.write("/command-status/amixer_sset__PCM__22", status));
        const Platform::CommandResult r = Platform::runCommandResult(command, 1000, 1000, 11);
        QTEST(r.started, "started");
        QTEST(r.timedOut, "timedOut");
        QTEST(r.exitStatus, "exitStatus");
        QTEST(r.output, "output");
        QCOMPARE(device.commands(), QStringList(command));
        QCOMPARE(Platform::startDetached(command), status != "nostart");
    }

    void runsCommandsOnTheDevice()
    {
        Platform::setRootDirectory(QString());
        QCOMPARE(Platform::runCommandOutput("echo hello"), QString("hello\n"));
        QCOMPARE(Platform::runCommand("exit 3"), 3);
    }

    void boundsWhatItWaitsForAndReads()
    {
        Platform::setRootDirectory(QString());
        const int shortFinishMs = 300;
        QElapsedTimer clock;
        clock.start();
        bool started = false;
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("did not finish in 300 ms"));
        QCOMPARE(Platform::runCommandOutput("echo early; sleep 20", 1000, shortFinishMs, 100, &started),
                 QString("early\n"));
        QVERIFY(started);
        QVERIFY2(clock.elapsed() < 5000, "the command was not stopped at its bound");
        QCOMPARE(Platform::runCommandOutput("head -c 100000 /dev/zero | tr '\\0' x", 1000, 5000, 10, &started),
                 QString(10, 'x'));
    }

    void refusesUnboundedFiles()
    {
        DeviceRoot device;
        QByteArray contents;
        device.write("/big", QByteArray(11, 'x'));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("File larger than 10 bytes"));
        QVERIFY(!Platform::readBoundedFile(device.hostPath("/big"), 10, &contents));
        QVERIFY(Platform::readBoundedFile(device.hostPath("/big"), 11, &contents));
        QCOMPARE(contents.size(), 11);
        QCOMPARE(::mkfifo(QFile::encodeName(device.hostPath("/fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link(device.hostPath("/fifo"), device.hostPath("/link")));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("Not a regular file"));
        QVERIFY(!Platform::readBoundedFile(device.hostPath("/link"), 10, &contents));
        QVERIFY(contents.isEmpty());
        TestSupport::verifyExpectedMessagesSeen();
    }

    // What stands at the name is judged as it is opened: only a regular file is read, a
    // FIFO without a writer is refused at once instead of waited on.
    void readsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("within the bound") << "file" << int(Platform::ReadStatus::Read) << QByteArray("0123456789");
        QTest::newRow("larger: its beginning")
            << "large" << int(Platform::ReadStatus::TooLarge) << QByteArray("0123456789");
        QTest::newRow("missing") << "missing" << int(Platform::ReadStatus::Missing) << QByteArray();
        QTest::newRow("link to a file") << "link" << int(Platform::ReadStatus::NotRegular) << QByteArray();
        QTest::newRow("link to a device") << "device" << int(Platform::ReadStatus::NotRegular) << QByteArray();
        QTest::newRow("FIFO") << "fifo" << int(Platform::ReadStatus::NotRegular) << QByteArray();
        QTest::newRow("directory") << "directory" << int(Platform::ReadStatus::NotRegular) << QByteArray();
    }
    void readsOnlyRegularFiles()
    {
        QFETCH(QString, entry);
        QFETCH(int, status);
        QFETCH(QByteArray, contents);
        DeviceRoot device;
        const QString path = device.hostPath("/entry");
        QVERIFY(device.write("/file", "0123456789"));
        if (entry == "file")
            QVERIFY(device.write("/entry", "0123456789"));
        else if (entry == "large")
            QVERIFY(device.write("/entry", "0123456789abc"));
        else if (entry == "link")
            QVERIFY(QFile::link(device.hostPath("/file"), path));
        else if (entry == "device")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (entry == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (entry == "directory")
            QVERIFY(QDir().mkpath(path));
        QByteArray read("left from before");
        QCOMPARE(int(Platform::readRegularFile(path, 10, &read)), status);
        QCOMPARE(read, contents);
    }

    void plainNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("blanks inside") << "LE_20261209_120000_a b" << true;
        QTest::newRow("three dots") << "..." << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("separator") << "../meas" << false;
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
    }

    void plainNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(Platform::isPlainName(name), plain);
    }

    void dateCommandsSetTheSimulatedClock()
    {
        DeviceRoot device;
        Platform::runCommand("date +%F -s 2031-2-3");
        Platform::runCommand("date +%T -s 4:5:6");
        Platform::runCommand("hwclock -w -f /dev/rtc0");
        const QDateTime set(QDate(2031, 2, 3), QTime(4, 5, 6));
        QVERIFY(qAbs(Platform::currentDateTime().secsTo(set)) <= 2);
        // A restart reads the clock back from the tree.
        const QString root = device.root();
        Platform::setRootDirectory(root);
        QVERIFY(qAbs(Platform::currentDateTime().secsTo(set)) <= 2);
        QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(Platform::currentDateTime())) > 3600);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
