#ifndef SOUNDQUEUE_H
#define SOUNDQUEUE_H

#include <QByteArray>
#include <QQueue>

// The recorded sound as chunks, oldest first, bounded by bytes: after each append the
// oldest chunks go while more than kMaxBytes are held, so the queue keeps about the last
// 10.3 s whatever the size of the reads.
class SoundQueue
{
public:
    static constexpr qint64 kMaxBytes = 330000;

    void clear();
    // Chunks of no bytes are not kept.
    void append(const QByteArray& chunk);
    // Removes chunks from the front and returns their bytes, at most maxBytes: the chunk
    // that would pass the limit is cut there (its rest is dropped with it); the later
    // chunks stay queued.
    QByteArray takeOldest(qint64 maxBytes);
    // The same bytes left in the queue, and their removal: a writer takes them out only
    // once they are safely written.
    QByteArray oldest(qint64 maxBytes) const;
    void dropOldest(qint64 maxBytes);

    bool isEmpty() const { return m_chunks.isEmpty(); }
    int chunkCount() const { return m_chunks.size(); }
    qint64 byteCount() const { return m_bytes; }

private:
    QQueue<QByteArray> m_chunks;
    qint64 m_bytes = 0;
};

#endif // SOUNDQUEUE_H
