#ifndef STARTUP_H
#define STARTUP_H

#include <QStringList>

class MainMenu;

// Steps of the program start that main() runs around the main window.
namespace Startup {

// Diagnostics go through one handler with source file, line and function.
void installLogFormat();
// The device font, from the board or the data partition; a free font stands in on a host.
void setApplicationFont();
// "test" opens the production test menu, otherwise "debug" the debug menu.
void openServiceMenu(MainMenu& mainMenu, const QStringList& arguments);

} // namespace Startup

#endif // STARTUP_H
