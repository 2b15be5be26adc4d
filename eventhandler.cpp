#include "eventhandler.h"

#include "Hardware/driverhelper.h"
#include "Tools/escapekey.h"
#include "Tools/favouritebutton.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "keyrepeatpairs.h"
#include "mainmenu.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QKeyEvent>
#include <QWindow>

namespace {

QKeyEvent* newKey(QEvent::Type type, int key)
{
    return new QKeyEvent(type, key, Qt::NoModifier, QString(), false, 1);
}

void postKey(QObject* receiver, QEvent::Type type, int key)
{
    QCoreApplication::postEvent(receiver, newKey(type, key));
}

void sendKey(QObject* receiver, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), false, 1);
    QCoreApplication::sendEvent(receiver, &event);
}

bool isFrontKey(int key)
{
    return key >= Qt::Key_F1 && key <= Qt::Key_F6;
}

// The widget a key reaches: the filter sees it first at the window, which hands it to the
// widget with the focus.
QWidget* keyWidget(QObject* receiver)
{
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget;
    if (auto* window = qobject_cast<QWindow*>(receiver)) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->windowHandle() == window)
                return top->focusWidget() ? top->focusWidget() : top;
        }
    }
    return nullptr;
}

} // namespace

EventHandler::EventHandler(QObject* parent)
    : QObject(parent)
    , m_favBut(nullptr)
    , m_repeats(new KeyRepeatPairs(this))
{
    connect(m_repeats, &KeyRepeatPairs::released, this, &EventHandler::handleRelease);
}

FavouriteButton* EventHandler::favouriteButton()
{
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        m_favBut = mainMenu->getFavouriteButtonInsance();
    return m_favBut;
}

bool EventHandler::eventFilter(QObject* obj, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(obj, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return keyRelease(obj, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return pointerEvent(event);
    case QEvent::Show:
        placeOverMainWindow(obj);
        if (!event->spontaneous() && obj == MainMenu::getInstanceMainMenu())
            activateIfNoneIs(MainMenu::getInstanceMainMenu());
        return false;
    case QEvent::Hide:
        if (!event->spontaneous())
            activateWindowBelow(obj);
        return false;
    default:
        return QObject::eventFilter(obj, event);
    }
}

void EventHandler::placeOverMainWindow(QObject* obj)
{
    // On the device the main window fills the screen and every dialog stands over it. A
    // PC's window system may put the main window anywhere, and Qt places a dialog over its
    // parent as if that had a frame of 10 x 40 pixels, or anywhere when it has none: each
    // dialog is centred over the main window, whatever its parent.
    auto* dialog = qobject_cast<QDialog*>(obj);
    const MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    if (!dialog || !dialog->isWindow() || !mainMenu || !mainMenu->isVisible())
        return;
    const QPoint inside((mainMenu->width() - dialog->width()) / 2, (mainMenu->height() - dialog->height()) / 2);
    const QPoint frame = dialog->geometry().topLeft() - dialog->pos();
    dialog->move(mainMenu->geometry().topLeft() + inside - frame);
}

void EventHandler::activateIfNoneIs(QWidget* window)
{
    // A window system with a window manager makes a new window active, and the window under
    // a closed dialog; the bare X display of a PC (Xvfb under VNC) has none, so nothing
    // would be active: the keys would still move the focus, but no focus ring would show it.
    if (!QApplication::activeWindow())
        window->activateWindow();
}

void EventHandler::activateWindowBelow(QObject* obj)
{
    // The window the user returns to: the modal dialog still open under the one that goes,
    // else the main window.
    auto* dialog = qobject_cast<QDialog*>(obj);
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    if (!dialog || !dialog->isWindow() || !mainMenu || !mainMenu->isVisible())
        return;
    QWidget* below = QApplication::activeModalWidget();
    activateIfNoneIs(below && below != dialog ? below : mainMenu);
}

bool EventHandler::pointerEvent(QEvent* event)
{
    Statusbardata* status = StatusbarData();
    const QEvent::Type type = event->type();
    const bool begins = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::TouchBegin;
    const bool ends = type == QEvent::MouseButtonRelease || type == QEvent::TouchEnd;

    if (begins && status->isPowerSavingActive()) {
        // A tap on a dark screen only wakes it; none of it reaches a button.
        status->resetPowerSavingCnt();
        m_swallowPointer = true;
        return true;
    }
    if (m_swallowPointer) {
        if (ends)
            m_swallowPointer = false;
        return true;
    }
    if (ends) {
        const bool wasSaving = status->isPowerSavingActive();
        status->resetPowerSavingCnt();
        return wasSaving;
    }
    return false;
}

bool EventHandler::keyPress(QObject* obj, QKeyEvent* event)
{
    Statusbardata* status = StatusbarData();
    if (status->isPowerSavingActive()) {
        status->resetPowerSavingCnt();
        return true;
    }
    status->resetPowerSavingCnt();
    if (g_hardwareTestActive || !isFrontKey(event->key()))
        return false;

    const bool repeat = m_repeats->pressRepeats(event);
    switch (event->key()) {
    case Qt::Key_F1:
        if (repeat) {
            if (++m_cnt > kPowerDownRepeats) {
                qDebug() << "Power down";
                m_cnt = 0;
                m_shutdown = true;
                DriverHelper::writeFile("/sys/class/backlight/backlight/brightness", "0");
            }
        } else {
            m_cnt = 0;
            m_shutdown = false;
        }
        postKey(obj, QEvent::KeyPress, Qt::Key_F11);
        return true;
    case Qt::Key_F2:
        if (!repeat) {
            m_cntFavKey = 0;
        } else if (++m_cntFavKey == kStoreFavouriteRepeats) {
            qDebug() << "Neue Funktion speichern";
            if (FavouriteButton* favourite = favouriteButton())
                favourite->storeFavouriteFunction();
        }
        return true;
    case Qt::Key_F3:
        m_cntUpKey = repeat ? m_cntUpKey + 1 : 0;
        postKey(obj, QEvent::KeyPress, Qt::Key_Up);
        return true;
    case Qt::Key_F4:
        postKey(obj, QEvent::KeyPress, Qt::Key_Space);
        return true;
    case Qt::Key_F5:
        m_cntDownKey = repeat ? m_cntDownKey + 1 : 0;
        postKey(obj, QEvent::KeyPress, Qt::Key_Down);
        return true;
    case Qt::Key_F6:
        qDebug() << "Key MUTE pressed";
        if (repeat) {
            ++m_muteKeyCnt;
        } else {
            m_muteKeyCnt = 0;
            m_mutePressReceiver = keyWidget(obj);
            postKey(obj, QEvent::KeyPress, Qt::Key_F10);
        }
        return true;
    default:
        return false;
    }
}

bool EventHandler::keyRelease(QObject* obj, QKeyEvent* event)
{
    if (g_hardwareTestActive || !isFrontKey(event->key()))
        return false;
    // The release takes effect in handleRelease once it ends the hold.
    m_repeats->release(obj, event);
    return true;
}

void EventHandler::handleRelease(QObject* obj, int key)
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();

    switch (key) {
    case Qt::Key_F1:
        if (m_shutdown) {
            qDebug() << "Send Event for shutdown";
            if (mainMenu)
                sendKey(mainMenu, QEvent::KeyRelease, Qt::Key_F12);
        } else {
            qDebug() << "Eventhandler IO-Key released";
            // Not only the dialog the key reached: one opened from another would leave the
            // outer one open over the main page, and the page's work after it running behind.
            // So would one below the pop-up of a screenshot just taken.
            if (!closeModalDialogs(true))
                sendKey(obj, QEvent::KeyRelease, Qt::Key_Escape);
            if (mainMenu)
                mainMenu->displayFavouriteDialog(0);
        }
        return;
    case Qt::Key_F2:
        if (m_cntFavKey <= kStoreFavouriteRepeats - 1) {
            if (FavouriteButton* favourite = favouriteButton())
                favourite->execFavouriteFunction();
        }
        return;
    case Qt::Key_F3:
    case Qt::Key_F5:
        if (m_cntUpKey > kConsoleComboRepeats && m_cntDownKey > kConsoleComboRepeats) {
            qDebug() << "m_cntUpKey" << m_cntUpKey << "m_cntDownKey" << m_cntDownKey;
            if (mainMenu)
                sendKey(mainMenu, QEvent::KeyRelease, Qt::Key_F13);
        } else {
            postKey(obj, QEvent::KeyRelease, key == Qt::Key_F3 ? Qt::Key_Up : Qt::Key_Down);
        }
        return;
    case Qt::Key_F4:
        postKey(obj, QEvent::KeyRelease, Qt::Key_Space);
        return;
    case Qt::Key_F6: {
        qDebug() << "Key MUTE released";
        // The release ends what the press began: a dialog opened over the page meanwhile
        // (the headphone volume set while listening) would take it, and the path stay open.
        QObject* receiver = obj;
        const QWidget* releasedOn = keyWidget(obj);
        QWidget* pressed = m_mutePressReceiver;
        if (pressed && pressed->isVisible() && (!releasedOn || releasedOn->window() != pressed->window()))
            receiver = pressed;
        m_mutePressReceiver.clear();
        postKey(receiver, QEvent::KeyRelease, Qt::Key_F10);
        return;
    }
    default:
        return;
    }
}
