#ifndef ESCAPEKEY_H
#define ESCAPEKEY_H

#include <QKeyEvent>

// The on/off key reaches the software as Escape. A window leaves on its release, not its
// press, so that the release does not reach whatever lies beneath once the window is
// gone; the press is taken as well, so that no default handling (QDialog's reject) runs.
// True for Escape, which is then accepted; any other key is the caller's to pass on, to
// the plain widget handling, which keeps Return and Enter from pressing a default button.
inline bool takeEscape(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    event->accept();
    return true;
}

#endif // ESCAPEKEY_H
