#include "Tools/escapekey.h"

#include "Tools/popupinfo.h"

#include <QApplication>
#include <QWidget>

namespace {

// Below the pop-up the stack of modal windows has no public order; what a pop-up stands
// over (a page's dialogs, a message) leaves on the key in any order.
QWidget* modalBeside(const QWidget* popUp)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != popUp && window->isVisible() && window->isModal())
            return window;
    }
    return nullptr;
}

} // namespace

bool closeModalDialogs(bool belowPopUp)
{
    QWidget* modal = QApplication::activeModalWidget();
    const bool wasOpen = modal != nullptr;
    const QWidget* popUp = nullptr;
    while (modal) {
        if (belowPopUp && !popUp && qobject_cast<PopupInfo*>(modal)) {
            popUp = modal;
            modal = modalBeside(popUp);
            continue;
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        QCoreApplication::sendEvent(modal, &release);
        // A closed dialog's exec() returns only once the key's handling is over; hidden, it
        // has left the stack of modal windows already.
        QWidget* below = popUp ? modalBeside(popUp) : QApplication::activeModalWidget();
        if (below == modal)
            break;
        modal = below;
    }
    return wasOpen;
}
