#include "Tools/escapekey.h"

#include <QApplication>
#include <QWidget>

bool closeModalDialogs()
{
    QWidget* modal = QApplication::activeModalWidget();
    const bool wasOpen = modal != nullptr;
    while (modal) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        QCoreApplication::sendEvent(modal, &release);
        // A closed dialog's exec() returns only once the key's handling is over; hidden, it
        // has left the stack of modal windows already.
        QWidget* below = QApplication::activeModalWidget();
        if (below == modal)
            break;
        modal = below;
    }
    return wasOpen;
}
