#include "keyrepeatpairs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

bool& KeyRepeatPairs::arriveInPairs()
{
    static bool pairs = QGuiApplication::platformName() == QLatin1String("xcb");
    return pairs;
}

KeyRepeatPairs::KeyRepeatPairs(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &KeyRepeatPairs::flush);
}

bool KeyRepeatPairs::pressRepeats(const QKeyEvent* event)
{
    if (m_pendingKey == 0)
        return event->isAutoRepeat();
    // The window system marks most repeats, but not one it could not see coming: the
    // press of a repeat carries its release's time.
    const bool sameInstant = event->timestamp() - m_pendingTime <= ulong(kRepeatPairSameTimeMs);
    if (event->key() == m_pendingKey && (event->isAutoRepeat() || sameInstant)) {
        m_timer->stop(); // the release was half of a repeat: the key is still held
        m_pendingKey = 0;
        return true;
    }
    flush();
    return event->isAutoRepeat();
}

void KeyRepeatPairs::release(QObject* receiver, const QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    if (!arriveInPairs()) {
        emit released(receiver, event->key());
        return;
    }
    if (m_pendingKey != 0 && m_pendingKey != event->key())
        flush();
    m_pendingKey = event->key();
    m_pendingReceiver = receiver;
    m_pendingTime = event->timestamp();
    m_timer->start(kRepeatPairMs);
}

void KeyRepeatPairs::flush()
{
    m_timer->stop();
    const int key = m_pendingKey;
    m_pendingKey = 0;
    if (key != 0 && m_pendingReceiver)
        emit released(m_pendingReceiver, key);
}
