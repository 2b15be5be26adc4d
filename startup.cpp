#include "startup.h"

#include "Hardware/platform.h"
#include "mainmenu.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>

void Startup::installLogFormat()
{
    qSetMessagePattern(QStringLiteral(
        "%{time hh:mm:ss.zzz} %{if-debug}D%{endif}%{if-info}I%{endif}%{if-warning}W%{endif}%{if-critical}C%{endif}"
        "%{if-fatal}F%{endif} %{file}:%{line} %{function}: %{message}"));
}

void Startup::setApplicationFont()
{
    QFontDatabase::addApplicationFont(Platform::devicePath(QStringLiteral("/usr/lib/fonts/ArialUnicode.ttf")));
    QFontDatabase::addApplicationFont(Platform::devicePath(QStringLiteral("/home/root/fonts/ArialUnicode.ttf")));

    QString family = QStringLiteral("Arial Unicode MS");
    if (!QFontDatabase().families().contains(family)) {
        // Without the device font a free one keeps the screens alike on every host.
        for (const QString& fallback : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")}) {
            if (QFontDatabase().families().contains(fallback)) {
                family = fallback;
                break;
            }
        }
    }
    QFont font(family, 20);
    font.setPixelSize(20);
    font.setWeight(50);
    QApplication::setFont(font);
    qDebug() << "Font" << font.family();
}

void Startup::openServiceMenu(MainMenu& mainMenu, const QStringList& arguments)
{
    if (arguments.contains(QStringLiteral("test")))
        mainMenu.showWidget(100);
    else if (arguments.contains(QStringLiteral("debug")))
        mainMenu.showWidget(101);
}
