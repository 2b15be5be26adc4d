#include "Audio/soundqueue.h"

void SoundQueue::clear()
{
    m_chunks.clear();
    m_bytes = 0;
}

void SoundQueue::append(const QByteArray& chunk)
{
    if (chunk.isEmpty())
        return;
    m_chunks.enqueue(chunk);
    m_bytes += chunk.size();
    while (m_bytes > kMaxBytes && m_chunks.size() > 1)
        m_bytes -= m_chunks.dequeue().size();
}

QByteArray SoundQueue::takeOldest(qint64 maxBytes)
{
    QByteArray taken = oldest(maxBytes);
    dropOldest(maxBytes);
    return taken;
}

QByteArray SoundQueue::oldest(qint64 maxBytes) const
{
    QByteArray taken;
    taken.reserve(int(qMin(maxBytes, m_bytes)));
    for (const QByteArray& chunk : m_chunks) {
        if (taken.size() >= maxBytes)
            break;
        taken.append(chunk.constData(), int(qMin<qint64>(chunk.size(), maxBytes - taken.size())));
    }
    return taken;
}

void SoundQueue::dropOldest(qint64 maxBytes)
{
    qint64 dropped = 0;
    while (!m_chunks.isEmpty() && dropped < maxBytes) {
        const int size = m_chunks.dequeue().size();
        m_bytes -= size;
        dropped += size;
    }
}
