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
    QByteArray taken;
    taken.reserve(int(qMin(maxBytes, m_bytes)));
    while (!m_chunks.isEmpty() && taken.size() < maxBytes) {
        const QByteArray chunk = m_chunks.dequeue();
        m_bytes -= chunk.size();
        taken.append(chunk.constData(), int(qMin<qint64>(chunk.size(), maxBytes - taken.size())));
    }
    return taken;
}
