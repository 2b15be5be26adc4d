#ifndef KEYREPEATPAIRS_H
#define KEYREPEATPAIRS_H

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QTimer;

// Tells the release of a key from a release that is half of a repeat. The board repeats a
// held key as presses only; an X11 window sends each repeat as a release (not always
// marked as a repeat) and a marked press. There a release counts only once no repeat of
// its key follows it, so a held key is one hold on every platform.
class KeyRepeatPairs : public QObject
{
    Q_OBJECT

public:
    // How long a release waits for the press that would make it half of a repeat.
    static const int kRepeatPairMs = 30;
    static const int kRepeatPairSameTimeMs = 2;

    // Whether held keys repeat as release and press pairs (an X11 window); tests set it.
    static bool& arriveInPairs();

    explicit KeyRepeatPairs(QObject* parent = nullptr);

    // Whether the press continues a hold: a marked repeat, or the press that follows a
    // waiting release of its key. A waiting release of another key counts first.
    bool pressRepeats(const QKeyEvent* event);
    // A marked repeat is dropped; any other release counts at once, or where repeats
    // arrive in pairs once no repeat has followed it.
    void release(QObject* receiver, const QKeyEvent* event);

signals:
    // A release that ends a hold, for the receiver it was meant for.
    void released(QObject* receiver, int key);

private:
    void flush();

    QTimer* m_timer;
    int m_pendingKey = 0;
    ulong m_pendingTime = 0;
    QPointer<QObject> m_pendingReceiver;
};

#endif // KEYREPEATPAIRS_H
