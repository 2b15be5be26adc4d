#ifndef WAITNOTE_H
#define WAITNOTE_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class KeyRepeatPairs;
class QLabel;
class QString;

// While the GUI thread waits for another thread, nothing it would show is drawn and the
// keys and touches made meanwhile queue up: they would act all at once after the wait, on
// whatever shows then. A WaitNote lives for such a wait: it shows its text in the middle
// of the window the user looks at (clear of a pop-up over it) and drops that input. Keys
// and touches begun during the wait stay dropped up to their release; one held from before
// goes on, so that a hold of the on/off key or the mute key ends as it began. So does the
// sensor unit's mute key.
class WaitNote
{
public:
    explicit WaitNote(const QString& text);
    ~WaitNote();
    WaitNote(const WaitNote&) = delete;
    WaitNote& operator=(const WaitNote&) = delete;

    // How long after the wait, and how many passes of the event loop, input is still
    // dropped: what the window system queued during the wait arrives only then.
    static const int kSettleMs = 100;
    static const int kSettlePasses = 3;

    // Whether input is being dropped: a wait is running or has just ended.
    static bool isHoldingInput();
    // The note shown now, or null.
    static QLabel* shownNote();
    // Whether a report of the sensor unit's mute key is dropped as the front keys would be.
    // The unit reports states, not presses: in push-button mode "open" is its press and
    // "muted" its release; in switch mode each report is a press of its own, with no
    // release to follow.
    static bool dropsUnitMuteKey(bool muted, bool switchMode);

private:
    class Hold;
    QPointer<Hold> m_hold;
};

// The application-wide filter of one WaitNote; it outlives the wait until the input queued
// during it has been dropped, then removes itself and the note.
class WaitNote::Hold : public QObject
{
public:
    explicit Hold(const QString& text);
    ~Hold() override;
    void waitEnded();
    bool dropUnitMuteKey(bool muted, bool switchMode);
    // The holds that live; endAll() ends them as the application goes, while their notes
    // can still be deleted.
    static QList<Hold*>& all();
    static void endAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropKey(QEvent* event);
    bool dropPointer(QEvent* event);
    void settlePass(int left);
    void endIfDone();
    void end();

    QPointer<QLabel> m_note;
    bool m_waiting = true;
    bool m_settled = false;
    QSet<int> m_droppedKeys;
    // Tells the end of a key from the release half of an X11 repeat.
    KeyRepeatPairs* m_repeats;
    bool m_droppedPointer = false;
};

#endif // WAITNOTE_H
