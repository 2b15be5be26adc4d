#include "Tools/filecopythread.h"
#include "failingcard.h"
#include "firmwarewizard.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using TestSupport::randomBytes;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFileCopyThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        FileCopyThread::setPartHook(nullptr);
        TestSupport::verifyExpectedMessagesSeen();
    }

    // Sizes around the part size, and a target that was longer than the new file: the
    // copy is the source exactly, never with an old tail.
    void copiesExactly_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("oldTarget");
        QTest::newRow("one part") << 65536 << 0;
        QTest::newRow("one part and a byte") << 65537 << 0;
        QTest::newRow("small") << 1001 << 0;
        QTest::newRow("longer target replaced") << 200 * 1024 << 300 * 1024;
    }
    void copiesExactly()
    {
        QFETCH(int, size);
        QFETCH(int, oldTarget);
        const QString source = m_dir.filePath("src.bin");
        const QString target = m_dir.filePath("dst.bin");
        const QByteArray data = randomBytes(size, quint32(size));
        QVERIFY(writeFile(source, data));
        if (oldTarget)
            QVERIFY(writeFile(target, randomBytes(oldTarget, 7)));
        FileCopyThread worker;
        QSignalSpy finished(&worker, &FileCopyThread::copyFinished);
        QVERIFY(worker.copyFile(source, target));
        QVERIFY(worker.lastResult());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(int(worker.getProgress()), 100);
        QVERIFY(readFile(target) == data);
        QVERIFY(!QFile::exists(FileCopyThread::partPath(target)));
    }

    void progressPerPart()
    {
        const QString source = m_dir.filePath("three.bin");
        QVERIFY(writeFile(source, randomBytes(196608, 3)));
        FileCopyThread worker;
        QList<int> seen;
        FileCopyThread::setPartHook([&](int) {
            seen << worker.getProgress();
            return true;
        });
        QVERIFY(worker.copyFile(source, m_dir.filePath("three.out")));
        seen << worker.getProgress();
        QCOMPARE(seen, QList<int>({0, 33, 66, 100}));
    }

    // Failures are reported as such, end like a good copy and leave the target alone.
    void failures_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing source") << "none.bin" << "out.bin" << "Copy source missing or not a file:.*";
        QTest::newRow("unopenable target") << "big.bin" << "nodir/out.bin" << "Could not open copy target.*";
    }
    void failures()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, warning);
        QVERIFY(writeFile(m_dir.filePath("big.bin"), randomBytes(100000, 1)));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression(warning));
        FileCopyThread worker;
        QSignalSpy finished(&worker, &FileCopyThread::copyFinished);
        QVERIFY(!worker.copyFile(m_dir.filePath(source), m_dir.filePath(target)));
        QVERIFY(!worker.lastResult());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(int(worker.getProgress()), 100);
        QVERIFY(!QFile::exists(m_dir.filePath(target)));
    }

    // A copy is done when its name is on the disk: a folder that cannot be synced after the
    // rename fails the copy.
    void folderSyncFailureFailsTheCopy()
    {
        const QString source = m_dir.filePath("unsynced.bin");
        QVERIFY(writeFile(source, randomBytes(1000, 4)));
        FailingCard card(FailingCard::FolderSyncFails, m_dir.path());
        QVERIFY(card.fail());
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Copy failed: the folder of .* did not reach"));
        FileCopyThread worker;
        QVERIFY(!worker.copyFile(source, m_dir.filePath("unsynced.out")));
        QVERIFY(!worker.lastResult());
    }

    void cancelKeepsOldTarget()
    {
        const QString source = m_dir.filePath("new.bin");
        const QString target = m_dir.filePath("old.bin");
        QVERIFY(writeFile(source, randomBytes(500000, 5)));
        const QByteArray old = randomBytes(1000, 6);
        QVERIFY(writeFile(target, old));
        FileCopyThread worker;
        FileCopyThread::setPartHook([&](int parts) {
            if (parts == 2)
                worker.setCancelled(true);
            return true;
        });
        TestSupport::expectMessage(QtWarningMsg, "Copy failed: cancelled");
        QVERIFY(!worker.copyFile(source, target));
        QVERIFY(readFile(target) == old);
        QVERIFY(!QFile::exists(FileCopyThread::partPath(target)));
    }

    // A power cut after three parts leaves only the ".part"; the next copy replaces it.
    void interruptedCopyLeavesOnlyPart()
    {
        const QString source = m_dir.filePath("fw.bin");
        const QString target = m_dir.filePath("staged.bin");
        const QByteArray data = randomBytes(400000, 9);
        QVERIFY(writeFile(source, data));
        FileCopyThread worker;
        FileCopyThread::setPartHook([](int parts) { return parts < 3; });
        QVERIFY(!worker.copyFile(source, target));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(QFileInfo(FileCopyThread::partPath(target)).size(), 3 * FileCopyThread::FilecopyPartsize);
        FileCopyThread::setPartHook(nullptr);
        QVERIFY(worker.copyFile(source, target));
        QVERIFY(readFile(target) == data);
        QVERIFY(!QFile::exists(FileCopyThread::partPath(target)));
    }

    void runsOnWorkerThread()
    {
        const QString source = m_dir.filePath("t.bin");
        QVERIFY(writeFile(source, randomBytes(70000, 2)));
        QThread thread;
        auto* worker = new FileCopyThread;
        worker->moveToThread(&thread);
        connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        QThread* ranOn = nullptr;
        FileCopyThread::setPartHook([&](int) {
            ranOn = QThread::currentThread();
            return true;
        });
        thread.start();
        QSignalSpy finished(worker, &FileCopyThread::copyFinished);
        QMetaObject::invokeMethod(worker, "copyFile", Qt::QueuedConnection, Q_ARG(QString, source),
                                  Q_ARG(QString, m_dir.filePath("t.out")));
        QVERIFY(finished.wait(5000));
        QCOMPARE(ranOn, &thread);
        QVERIFY(worker->lastResult());
        thread.quit();
        thread.wait();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFileCopyThread)
#include "tst_filecopythread.moc"
