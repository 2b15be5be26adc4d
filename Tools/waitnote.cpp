#include "Tools/waitnote.h"

#include "keyrepeatpairs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// A key whose press was dropped stays dropped until its release, at most this long after
// the wait: a release lost to the window system must not keep the key away for good.
constexpr int kReleaseBoundMs = 3000;

// The sensor unit's mute key among the dropped keys: no key code is negative.
constexpr int kUnitMuteKey = -1;

int g_holdingInput = 0;
QPointer<QLabel> g_shownNote;

// The windows shown, the one the user looks at first: the open dialog over the page, else
// the main window. A dialog that has just closed is still the active window until events
// are handled again. A window joins the top-level windows when it is first shown, so the
// later ones stand over the earlier ones.
QList<QWidget*> shownWindows()
{
    QList<QWidget*> windows{QApplication::activeModalWidget(), QApplication::activeWindow()};
    const QWindowList handles = QGuiApplication::topLevelWindows();
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (auto handle = handles.crbegin(); handle != handles.crend(); ++handle) {
        for (QWidget* widget : widgets) {
            if (widget->windowHandle() == *handle)
                windows << widget;
        }
    }
    windows.removeAll(nullptr);
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](QWidget* window) {
                                     return !window->isVisible() || window->windowType() == Qt::Popup
                                         || window->windowType() == Qt::ToolTip;
                                 }),
                  windows.end());
    return windows;
}

QLabel* showNote(const QString& text)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    auto* note = new QLabel(text);
    note->setObjectName(QStringLiteral("waitNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setStyleSheet(QStringLiteral("QLabel#waitNote{background-color: #000000; color: #ffffff;"
                                       " border: 2px solid #5b6470; border-radius: 6px; padding: 8px;}"));
    note->ensurePolished();
    const QSize full = note->sizeHint().expandedTo(QSize(300, 90));
    // The note stands over the first window that holds it whole. One too small for it (the
    // 50 x 50 pop-up) stands over that window, and the note then stands clear of it.
    QWidget* parent = nullptr;
    QList<QRect> smaller;
    for (QWidget* window : shownWindows()) {
        if (window->width() >= full.width() && window->height() >= full.height()) {
            parent = window;
            break;
        }
        smaller << window->geometry();
    }
    const QRect area = parent ? parent->rect() : QGuiApplication::primaryScreen()->geometry();
    const QSize size = full.boundedTo(area.size());
    QRect place(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
    if (parent) {
        note->setParent(parent);
        for (const QRect& global : smaller) {
            const QRect over(parent->mapFromGlobal(global.topLeft()), global.size());
            if (!over.intersects(place))
                continue;
            const int gap = 4;
            if (over.bottom() + gap + size.height() <= area.bottom())
                place.moveTop(over.bottom() + gap);
            else if (over.top() - gap - size.height() >= area.top())
                place.moveBottom(over.top() - gap);
        }
    } else {
        note->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        note->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    note->setGeometry(place);
    note->show();
    if (parent)
        note->raise();
    // The event loop stands still, and with it the drawing: the window is painted now,
    // and only its pending updates are handed on (nothing that could act).
    note->window()->repaint();
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return note;
}

bool isKeyEvent(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride
        || type == QEvent::Shortcut;
}

bool isPointerEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

WaitNote::WaitNote(const QString& text)
{
    if (QCoreApplication::instance())
        m_hold = new Hold(text);
}

WaitNote::~WaitNote()
{
    if (m_hold)
        m_hold->waitEnded();
}

bool WaitNote::isHoldingInput()
{
    return g_holdingInput > 0;
}

QLabel* WaitNote::shownNote()
{
    return g_shownNote;
}

bool WaitNote::dropsUnitMuteKey(bool muted, bool switchMode)
{
    bool drop = false;
    // Every hold that lives sees the report, as every one sees the front keys.
    for (Hold* hold : Hold::all())
        drop = hold->dropUnitMuteKey(muted, switchMode) || drop;
    return drop;
}

WaitNote::Hold::Hold(const QString& text)
    : QObject(QCoreApplication::instance())
    , m_repeats(new KeyRepeatPairs(this))
{
    // Deleted with the application object, a hold would go after the window system it
    // shows its note on: it ends before, whenever the program ends.
    if (all().isEmpty())
        qAddPostRoutine(&Hold::endAll);
    all().append(this);
    ++g_holdingInput;
    QCoreApplication::instance()->installEventFilter(this);
    connect(m_repeats, &KeyRepeatPairs::released, this, [this](QObject*, int key) {
        if (m_droppedKeys.remove(key))
            endIfDone();
    });
    m_note = showNote(text);
    if (m_note)
        g_shownNote = m_note;
}

WaitNote::Hold::~Hold()
{
    all().removeOne(this);
    if (all().isEmpty())
        qRemovePostRoutine(&Hold::endAll);
    if (parent())
        end();
    delete m_note;
}

QList<WaitNote::Hold*>& WaitNote::Hold::all()
{
    static QList<Hold*> holds;
    return holds;
}

void WaitNote::Hold::endAll()
{
    while (!all().isEmpty())
        delete all().constLast();
}

void WaitNote::Hold::waitEnded()
{
    m_waiting = false;
    QTimer::singleShot(kSettleMs, this, [this] { settlePass(kSettlePasses); });
}

void WaitNote::Hold::settlePass(int left)
{
    if (left > 0) {
        QMetaObject::invokeMethod(this, [this, left] { settlePass(left - 1); }, Qt::QueuedConnection);
        return;
    }
    m_settled = true;
    delete m_note;
    QTimer::singleShot(kReleaseBoundMs, this, [this] {
        m_droppedKeys.clear();
        m_droppedPointer = false;
        endIfDone();
    });
    endIfDone();
}

void WaitNote::Hold::endIfDone()
{
    if (m_waiting || !m_settled || !m_droppedKeys.isEmpty() || m_droppedPointer || !parent())
        return;
    end();
    deleteLater();
}

void WaitNote::Hold::end()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    --g_holdingInput;
    setParent(nullptr); // ended once
}

bool WaitNote::Hold::eventFilter(QObject* watched, QEvent* event)
{
    if (parent()) {
        if (isKeyEvent(event->type()))
            return dropKey(event);
        if (isPointerEvent(event->type()))
            return dropPointer(event);
    }
    return QObject::eventFilter(watched, event);
}

bool WaitNote::Hold::dropKey(QEvent* event)
{
    const bool holding = m_waiting || !m_settled;
    if (event->type() == QEvent::Shortcut)
        return holding;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        const bool dropped = m_droppedKeys.contains(key->key());
        // A dropped key stays dropped until its release ends it (released()); a release
        // of a key held from before the wait goes on, the hold of it ends as it began.
        m_repeats->release(this, key);
        return dropped;
    }
    // The press of a repeat, also the unmarked half of an X11 pair, continues the hold of
    // its key (and first ends that of a key released before it).
    const bool repeat = event->type() == QEvent::KeyPress ? m_repeats->pressRepeats(key) : key->isAutoRepeat();
    if (m_droppedKeys.contains(key->key()))
        return true;
    if (!holding || repeat)
        return false;
    if (event->type() == QEvent::KeyPress)
        m_droppedKeys.insert(key->key());
    return true;
}

bool WaitNote::Hold::dropUnitMuteKey(bool muted, bool switchMode)
{
    const bool press = switchMode || !muted;
    if (m_droppedKeys.contains(kUnitMuteKey)) {
        if (!press) {
            m_droppedKeys.remove(kUnitMuteKey);
            endIfDone();
        }
        return true;
    }
    // A hold of the unit's key from before the wait ends as it began.
    if (!press || !parent() || (!m_waiting && m_settled))
        return false;
    if (!switchMode)
        m_droppedKeys.insert(kUnitMuteKey);
    return true;
}

bool WaitNote::Hold::dropPointer(QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool begins =
        type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::TouchBegin;
    const bool released =
        type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
    const bool ends = released || type == QEvent::TouchEnd || type == QEvent::TouchCancel;
    if (m_waiting || !m_settled) {
        if (begins)
            m_droppedPointer = true;
        else if (ends)
            m_droppedPointer = false;
        return true;
    }
    if (!m_droppedPointer)
        return false;
    if (ends) {
        m_droppedPointer = false;
        endIfDone();
    }
    return true;
}
