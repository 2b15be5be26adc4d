// The channel through the production command file: what a poll makes of the station's
// line, what reaches the owner, the file that cannot be read, and which channel polls
// when several are alive.
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "testsupport.h"

#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using TestSupport::DeviceRoot;

namespace {

const QString kFile = QStringLiteral("/media/ramdisk/production");

// A channel whose timer never fires within a test: the test polls.
struct Channel
{
    TestmenuRemoteCtrl ctrl;
    QStringList received;
    Channel()
    {
        QObject::connect(&ctrl, &TestmenuRemoteCtrl::sendCommand, [this](const QString& line) { received << line; });
    }
};

int scriptRuns(const DeviceRoot& device)
{
    return device.commands().count(QStringLiteral("/home/root/hardwaretest.sh dbg"));
}

} // namespace

class TestTestmenuRemoteCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void pollAnswersTheLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::addColumn<QStringList>("owner");
        const QByteArray unknown = "staUnknownCommand\n";
        QTest::newRow("empty") << QByteArray() << unknown << QStringList();
        QTest::newRow("other letter case") << QByteArray("CMDTESTLED\n") << unknown << QStringList();
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "cmdTestLed\n") << unknown << QStringList();
        QTest::newRow("leading blank") << QByteArray(" cmdTestLed\n") << unknown << QStringList();
        QTest::newRow("carriage return") << QByteArray("\r") << unknown << QStringList();
        QTest::newRow("result kept") << QByteArray("resPassed\n") << QByteArray("resPassed\n") << QStringList();
        QTest::newRow("status kept") << QByteArray("staActive\n") << QByteArray("staActive\n") << QStringList();
        QTest::newRow("first line only") << QByteArray("cmdPass\ncmdFail\n") << QByteArray("staActive\n")
                                         << QStringList{"cmdPass\n"};
        QTest::newRow("cut at NUL") << QByteArray("cmdPa\0ss\n", 9) << QByteArray("staActive\n") << QStringList{"cmdPa"};
        QTest::newRow("no line end") << QByteArray("cmdPass") << QByteArray("staActive\n") << QStringList{"cmdPass"};
    }
    // Three polls: an instrument line is never rewritten, a command is taken once.
    void pollAnswersTheLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, fileAfter);
        QFETCH(QStringList, owner);
        DeviceRoot device;
        QVERIFY(device.write(kFile, content));
        Channel channel;
        for (int i = 0; i < 3; ++i)
            channel.ctrl.readCommandFile();
        QCOMPARE(device.read(kFile), fileAfter);
        QCOMPARE(channel.received, owner);
    }

    void readsAtMostOneBoundedLine()
    {
        DeviceRoot device;
        QVERIFY(device.write(kFile, "cmd" + QByteArray(1024 * 1024, 'x')));
        Channel channel;
        channel.ctrl.readCommandFile();
        QCOMPARE(channel.received.size(), 1);
        QCOMPARE(channel.received.first().size(), TestmenuRemoteCtrl::kMaxLineBytes);
    }

    // The answer takes the place of the station's file with the file's access, so that a
    // station writing as another user can write the next command.
    void answersReplaceTheFile_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("as written here") << 0644 << false;
        QTest::newRow("open to all") << 0666 << false;
        QTest::newRow("another user's") << 0660 << true;
    }
    void answersReplaceTheFile()
    {
        QFETCH(int, mode);
        QFETCH(bool, otherOwner);
        DeviceRoot device;
        QVERIFY(device.write(kFile, QByteArray("cmdX\n") + QByteArray(5000, 'y')));
        const QByteArray path = QFile::encodeName(device.hostPath(kFile));
        QCOMPARE(::chmod(path.constData(), mode_t(mode)), 0);
        // A user and group that are not this process's: only root may hand the file over.
        const uid_t owner = otherOwner ? 65534 : ::getuid();
        const gid_t group = otherOwner ? 65534 : ::getgid();
        if (otherOwner && ::chown(path.constData(), owner, group) != 0)
            QSKIP("only root gives a file to another user");
        Channel channel;
        channel.ctrl.writeResult(QStringLiteral("resPassed"));
        QCOMPARE(device.read(kFile), QByteArray("resPassed\n"));
        struct stat after;
        QCOMPARE(::stat(path.constData(), &after), 0);
        QCOMPARE(int(after.st_mode & 07777), mode);
        QCOMPARE(after.st_uid, owner);
        QCOMPARE(after.st_gid, group);
    }

    // What stands at the name instead of a regular file is neither followed nor waited
    // for: a link or FIFO gives way to a regular file, a directory is refused; a second
    // name of another file is read like the file it is, but never written through.
    void answersOnlyIntoARegularFile_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("written");
        QTest::newRow("link to the settings") << "link" << true;
        QTest::newRow("FIFO without reader") << "fifo" << true;
        QTest::newRow("directory") << "directory" << false;
        QTest::newRow("second name of the settings") << "hard link" << true;
    }
    void answersOnlyIntoARegularFile()
    {
        QFETCH(QString, entry);
        QFETCH(bool, written);
        DeviceRoot device;
        QVERIFY(device.write("/home/root/settings.ini", "[Local-Settings]\n"));
        const QByteArray path = QFile::encodeName(device.hostPath(kFile));
        const QByteArray settings = QFile::encodeName(device.hostPath("/home/root/settings.ini"));
        if (entry == "link")
            QVERIFY(QFile::link(settings, path));
        else if (entry == "fifo")
            QCOMPARE(mkfifo(path.constData(), 0644), 0);
        else if (entry == "hard link")
            QCOMPARE(::link(settings.constData(), path.constData()), 0);
        else
            QVERIFY(QDir().mkpath(path));
        const bool regular = entry == "hard link";
        Channel channel;
        if (!regular)
            TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
        channel.ctrl.readCommandFile();
        if (!regular)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression(written ? "Not a regular file, replaced by one"
                                                                                 : "Not a regular file, not written"));
        if (!written)
            TestSupport::expectMessage(QtDebugMsg, "Could not open/write file /media/ramdisk/production");
        channel.ctrl.writeResult(QStringLiteral("staActive"));
        QCOMPARE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink(), written);
        if (written)
            QCOMPARE(device.read(kFile), QByteArray("staActive\n"));
        QCOMPARE(device.read("/home/root/settings.ini"), QByteArray("[Local-Settings]\n"));
        QCOMPARE(scriptRuns(device), (regular ? 0 : 1) + (written ? 0 : 1));
    }

    // An answer cut off between its write and its rename leaves its staged copy; the next
    // start removes such copies, and nothing else that stands beside the file.
    void stagedLeftoversRemovedAtStart()
    {
        DeviceRoot device;
        QVERIFY(device.write("/home/root/settings.ini", "[Local-Settings]\n"));
        const QStringList leftovers = {"/media/ramdisk/.production.a1B2c3", "/media/ramdisk/.production.ZZ9999"};
        const QStringList others = {"/media/ramdisk/.production.a1B2c", "/media/ramdisk/.production.a1B2c3d",
                                    "/media/ramdisk/.production.a1-2c3", "/media/ramdisk/.station.a1B2c3"};
        for (const QString& name : leftovers + others)
            QVERIFY(device.write(name, "staActive\n"));
        const QString link = device.hostPath("/media/ramdisk/.production.link01");
        QVERIFY(QFile::link(device.hostPath("/home/root/settings.ini"), link));
        QVERIFY(QDir().mkpath(device.hostPath("/media/ramdisk/.production.dir001")));
        Channel channel;
        for (const QString& name : leftovers)
            QVERIFY2(!QFileInfo::exists(device.hostPath(name)), qPrintable(name));
        for (const QString& name : others)
            QCOMPARE(device.read(name), QByteArray("staActive\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo(device.hostPath("/media/ramdisk/.production.dir001")).isDir());
        QCOMPARE(device.read("/home/root/settings.ini"), QByteArray("[Local-Settings]\n"));
    }

    // A station renames a FIFO and a plain file over the command file in turn while the
    // channel polls: whatever a poll finds at the name, it never waits on a FIFO. Each
    // FIFO keeps a second name, so that a poll stuck on one is found and let go.
    void fifoSwappedInNeverBlocksAPoll()
    {
        DeviceRoot device;
        const QString side = device.hostPath("/station");
        QVERIFY(QDir().mkpath(side));
        QVERIFY(device.write(kFile, "resPassed\n"));
        const QByteArray target = QFile::encodeName(device.hostPath(kFile));
        std::atomic<bool> swapping{true};
        std::atomic<bool> pollsEnded{false};
        int fifos = 0;
        int stuckPolls = 0;
        std::thread station([&] {
            const QByteArray plain = QFile::encodeName(side + "/plain");
            QElapsedTimer clock;
            clock.start();
            for (; clock.elapsed() < 1000; ++fifos) {
                const QByteArray fifo = QFile::encodeName(side + QStringLiteral("/fifo%1").arg(fifos));
                const QByteArray moving = fifo + ".moving";
                QFile file(QString::fromLocal8Bit(plain));
                if (::mkfifo(fifo.constData(), 0600) != 0 || ::link(fifo.constData(), moving.constData()) != 0
                    || ::rename(moving.constData(), target.constData()) != 0 || !file.open(QIODevice::WriteOnly)
                    || file.write("resPassed\n") != 10 || !file.flush()
                    || ::rename(plain.constData(), target.constData()) != 0)
                    break;
            }
            swapping = false;
            QElapsedTimer wait;
            wait.start();
            while (!pollsEnded && wait.elapsed() < TestSupport::timeBound(2000))
                QThread::msleep(10);
            for (int i = 0; i < fifos; ++i) {
                const QByteArray fifo = QFile::encodeName(side + QStringLiteral("/fifo%1").arg(i));
                const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ++stuckPolls;
                    ::close(fd);
                }
            }
        });
        Channel channel;
        int polls = 0;
        for (; swapping; ++polls)
            channel.ctrl.readCommandFile();
        pollsEnded = true;
        station.join();
        QCOMPARE(stuckPolls, 0);
        QVERIFY2(fifos > 20 && polls > 20, qPrintable(QStringLiteral("%1 swaps, %2 polls").arg(fifos).arg(polls)));
        QCOMPARE(device.read(kFile), QByteArray("resPassed\n"));
        QVERIFY(channel.received.isEmpty());
    }

    // Without the RAM disk every poll logs and runs the script; a script that hangs is
    // not started again until a poll has read the file.
    void unreadableFileRunsTheScript()
    {
        DeviceRoot device;
        QVERIFY(QDir(device.hostPath("/media/ramdisk")).removeRecursively());
        Channel channel;
        for (int i = 0; i < 2; ++i) {
            TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
            channel.ctrl.readCommandFile();
        }
        QCOMPARE(scriptRuns(device), 2);
        TestSupport::expectMessage(QtDebugMsg, "Could not open/write file /media/ramdisk/production");
        channel.ctrl.writeResult(QStringLiteral("resPassed"));
        QCOMPARE(scriptRuns(device), 3);

        QVERIFY(device.write("/command-status/_home_root_hardwaretest.sh_dbg", "timeout\n"));
        TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("hardwaretest.sh dbg did not end within"));
        channel.ctrl.readCommandFile();
        QVERIFY(TestmenuRemoteCtrl::scriptBlocked());
        for (int i = 0; i < 2; ++i) {
            TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
            channel.ctrl.readCommandFile();
        }
        QCOMPARE(scriptRuns(device), 4);

        QVERIFY(device.write(kFile, "staActive\n"));
        TestSupport::expectMessage(QtDebugMsg, QRegularExpression("Command file readable again"));
        channel.ctrl.readCommandFile();
        QVERIFY(!TestmenuRemoteCtrl::scriptBlocked());
        QVERIFY(device.remove(kFile));
        QVERIFY(QDir(device.hostPath("/media/ramdisk")).removeRecursively());
        TestSupport::expectMessage(QtDebugMsg, "Could not open/read file /media/ramdisk/production");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("did not end within"));
        channel.ctrl.readCommandFile();
        QCOMPARE(scriptRuns(device), 5);
        // Leave the next test a script that may run.
        QVERIFY(device.write(kFile, "staActive\n"));
        TestSupport::expectMessage(QtDebugMsg, QRegularExpression("Command file readable again"));
        channel.ctrl.readCommandFile();
    }

    // Only the innermost channel that still polls takes lines; while its owner is busy
    // with a line, no second poll of the same channel starts.
    void innermostChannelAloneTakesLines()
    {
        DeviceRoot device;
        Channel outer;
        {
            Channel inner;
            QVERIFY(device.write(kFile, "cmdPass\n"));
            outer.ctrl.readCommandFile();
            QCOMPARE(device.read(kFile), QByteArray("cmdPass\n"));
            QVERIFY(outer.received.isEmpty());
            inner.ctrl.readCommandFile();
            QCOMPARE(inner.received, QStringList{"cmdPass\n"});
        }
        QVERIFY(device.write(kFile, "cmdFinish\n"));
        int nested = 0;
        QObject::connect(&outer.ctrl, &TestmenuRemoteCtrl::sendCommand, [&] {
            QVERIFY(device.write(kFile, "cmdAgain\n"));
            outer.ctrl.readCommandFile();
            ++nested;
        });
        outer.ctrl.readCommandFile();
        QCOMPARE(nested, 1);
        QCOMPARE(outer.received, QStringList{"cmdFinish\n"});
        QCOMPARE(device.read(kFile), QByteArray("cmdAgain\n"));
    }

    // A station that took the acknowledgement for the final line writes its next command
    // while the owner still works on the first: the late answer leaves it for the next poll.
    void lateAnswerKeepsTheNextCommand()
    {
        DeviceRoot device;
        QVERIFY(device.write(kFile, "cmdExit\n"));
        Channel channel;
        QObject::connect(&channel.ctrl, &TestmenuRemoteCtrl::sendCommand, [&](const QString& line) {
            if (!line.startsWith("cmdExit"))
                return;
            QVERIFY(device.write(kFile, "cmdTestLed\n"));
            channel.ctrl.writeResult(QStringLiteral("resPassed"));
        });
        TestSupport::expectMessage(QtDebugMsg, "Not written, the station has written since: resPassed");
        channel.ctrl.readCommandFile();
        QCOMPARE(device.read(kFile), QByteArray("cmdTestLed\n"));
        channel.ctrl.readCommandFile();
        QCOMPARE(channel.received, QStringList({"cmdExit\n", "cmdTestLed\n"}));
        QCOMPARE(device.read(kFile), QByteArray("staActive\n"));
    }
};

QTEST_MAIN(TestTestmenuRemoteCtrl)
#include "tst_testmenuremotectrl.moc"
