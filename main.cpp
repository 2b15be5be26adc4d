#include "eventhandler.h"
#include "globals.h"
#include "mainmenu.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    g_hardwareTestActive = false;
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    Startup::installLogFormat();
    QApplication app(argc, argv);

    EventHandler eventHandler;
    app.installEventFilter(&eventHandler);

    Startup::setApplicationFont();

    MainMenu mainMenu;
    mainMenu.show();
    Startup::reportStartupTimeWhenShown();
    Startup::openServiceMenu(mainMenu, app.arguments());

    return app.exec();
}
