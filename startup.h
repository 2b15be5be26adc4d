#ifndef STARTUP_H
#define STARTUP_H

#include <QFont>
#include <QStringList>

class MainMenu;

// Steps of the program start that main() runs around the main window.
namespace Startup {

// Diagnostics go through one handler with source file, line and function.
void installLogFormat();
// The device font, from the board or the data partition; on a PC Liberation Sans (Arial's
// widths) stands in for it. The tests lay their screens out in the same font.
QFont applicationFont();
void setApplicationFont();
// "test" opens the production test menu, otherwise "debug" the debug menu.
void openServiceMenu(MainMenu& mainMenu, const QStringList& arguments);

// With TK9400_REPORT_STARTUP set, prints once the main page has been painted how long
// after the process start that was and the CPU time used until then (for the start-up
// benchmark).
void reportStartupTimeWhenShown();

} // namespace Startup

#endif // STARTUP_H
