#include "Tools/waitnote.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

// A key whose press was dropped stays dropped until its release, at most this long after
// the wait: a release lost to the window system must not keep the key away for good.
constexpr int kReleaseBoundMs = 3000;

int g_holdingInput = 0;
QPointer<QLabel> g_shownNote;

// The window the user looks at: the open dialog over the page, else the main window. A
// dialog that has just closed is still the active window until events are handled again.
QWidget* noteParent()
{
    for (QWidget* window : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (window && window->isVisible())
            return window;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip)
            return window;
    }
    return nullptr;
}

QLabel* showNote(const QString& text)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    QWidget* parent = noteParent();
    auto* note = new QLabel(text, parent);
    note->setObjectName(QStringLiteral("waitNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setStyleSheet(QStringLiteral("QLabel#waitNote{background-color: #000000; color: #ffffff;"
                                       " border: 2px solid #5b6470; border-radius: 6px; padding: 8px;}"));
    QSize size = note->sizeHint().expandedTo(QSize(300, 90));
    QRect area = parent ? parent->rect() : QGuiApplication::primaryScreen()->geometry();
    size = size.boundedTo(area.size());
    if (!parent) {
        note->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        note->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    note->setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
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

WaitNote::Hold::Hold(const QString& text)
    : QObject(QCoreApplication::instance())
{
    ++g_holdingInput;
    QCoreApplication::instance()->installEventFilter(this);
    m_note = showNote(text);
    if (m_note)
        g_shownNote = m_note;
}

WaitNote::Hold::~Hold()
{
    delete m_note;
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
    QCoreApplication::instance()->removeEventFilter(this);
    --g_holdingInput;
    setParent(nullptr); // ended once
    deleteLater();
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
    if (m_droppedKeys.contains(key->key())) {
        if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
            m_droppedKeys.remove(key->key());
            endIfDone();
        }
        return true;
    }
    // A key held from before the wait repeats or is released now: its hold goes on.
    if (!holding || key->isAutoRepeat() || event->type() == QEvent::KeyRelease)
        return false;
    if (event->type() == QEvent::KeyPress)
        m_droppedKeys.insert(key->key());
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
