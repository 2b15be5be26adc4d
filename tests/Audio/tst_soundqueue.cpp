// The recorder's queue on its own: bounded by bytes whatever the read sizes, and a clip
// taken from its front.
#include "Audio/soundqueue.h"

#include <QtTest>

namespace {

// count bytes of a pattern that tells each byte's position in the stream.
QByteArray streamBytes(qint64 from, int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        bytes[i] = char((from + i) % 251);
    return bytes;
}

} // namespace

class TestSoundQueue : public QObject
{
    Q_OBJECT

private slots:
    void staysWithinItsBytes_data()
    {
        QTest::addColumn<int>("firstSize");
        QTest::addColumn<int>("firstCount");
        QTest::addColumn<int>("thenSize");
        QTest::addColumn<int>("thenCount");
        QTest::addColumn<int>("chunks");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("even 2560-byte reads") << 2560 << 200 << 0 << 0 << 128 << qint64(327680);
        QTest::newRow("2560 then 32000") << 2560 << 200 << 32000 << 20 << 10 << qint64(320000);
        QTest::newRow("32000 then 2560") << 32000 << 20 << 2560 << 200 << 128 << qint64(327680);
        // A day of open path: more than 2^31 bytes pass through.
        QTest::newRow("past 2^31 bytes") << 32000 << 70000 << 2560 << 200 << 128 << qint64(327680);
    }
    void staysWithinItsBytes()
    {
        QFETCH(int, firstSize);
        QFETCH(int, firstCount);
        QFETCH(int, thenSize);
        QFETCH(int, thenCount);
        QFETCH(int, chunks);
        QFETCH(qint64, bytes);
        SoundQueue queue;
        qint64 appended = 0;
        qint64 most = 0;
        const auto feed = [&](int size, int count) {
            const QByteArray chunk(size, 'x');
            for (int i = 0; i < count; ++i) {
                queue.append(chunk);
                appended += size;
                most = qMax(most, queue.byteCount());
            }
        };
        feed(firstSize, firstCount);
        feed(thenSize, thenCount);
        QVERIFY(most <= SoundQueue::kMaxBytes);
        QCOMPARE(queue.chunkCount(), chunks);
        QCOMPARE(queue.byteCount(), bytes);
        QCOMPARE(qint64(queue.takeOldest(SoundQueue::kMaxBytes).size()), bytes);
        if (QByteArray(QTest::currentDataTag()).startsWith("past"))
            QVERIFY(appended > (qint64(1) << 31));
    }

    // 110 chunks of 3000 bytes: the clip ends inside chunk 107, whose rest goes with it.
    void takingAClipCutsTheLastChunk()
    {
        SoundQueue queue;
        for (int i = 0; i < 110; ++i)
            queue.append(streamBytes(i * 3000, 3000));
        queue.append(QByteArray());
        QCOMPARE(queue.chunkCount(), 110);

        QCOMPARE(queue.takeOldest(320000), streamBytes(0, 320000));
        QCOMPARE(queue.chunkCount(), 3);
        QCOMPARE(queue.byteCount(), qint64(9000));
        QCOMPARE(queue.takeOldest(320000), streamBytes(321000, 9000));
        QVERIFY(queue.isEmpty());
        QCOMPARE(queue.takeOldest(320000), QByteArray());
    }
};

QTEST_APPLESS_MAIN(TestSoundQueue)
#include "tst_soundqueue.moc"
