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

// The on/off key's way out of all modal dialogs open over the main window, also those
// opened from another dialog: each gets the release it leaves on, innermost first. One
// that stays open (the service menus do not leave on the key) ends the walk, and what lies
// below it stays too. The pop-up lasts its second whatever key comes, and holds no work:
// with belowPopUp the walk passes it and goes on with what it stands over, so that the
// main page shown next has no dialog of the page left over it. True when a modal dialog
// was open.
bool closeModalDialogs(bool belowPopUp = false);

#endif // ESCAPEKEY_H
