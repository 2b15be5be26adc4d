#include "startup.h"

#include "Hardware/platform.h"
#include "mainmenu.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

void Startup::installLogFormat()
{
    qSetMessagePattern(QStringLiteral(
        "%{time hh:mm:ss.zzz} %{if-debug}D%{endif}%{if-info}I%{endif}%{if-warning}W%{endif}%{if-critical}C%{endif}"
        "%{if-fatal}F%{endif} %{file}:%{line} %{function}: %{message}"));
}

QFont Startup::applicationFont()
{
    QFontDatabase::addApplicationFont(Platform::devicePath(QStringLiteral("/usr/lib/fonts/ArialUnicode.ttf")));
    QFontDatabase::addApplicationFont(Platform::devicePath(QStringLiteral("/home/root/fonts/ArialUnicode.ttf")));

    const QString family = QStringLiteral("Arial Unicode MS");
    if (!QFontDatabase().families().contains(family)) {
        // A PC: Arial's widths first, so texts take the room they take on the device, then
        // the fonts of the scripts Liberation lacks. The forms and the painted buttons ask
        // for the device family by name, so it is substituted, not replaced.
        QFont::insertSubstitutions(family, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                            QStringLiteral("Noto Sans CJK SC")});
    }
    QFont font(family);
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    return font;
}

void Startup::setApplicationFont()
{
    const QFont font = applicationFont();
    QApplication::setFont(font);
    qDebug() << "Font" << font.family() << "drawn in" << QFontInfo(font).family();
}

void Startup::openServiceMenu(MainMenu& mainMenu, const QStringList& arguments)
{
    if (arguments.contains(QStringLiteral("test")))
        mainMenu.showWidget(100);
    else if (arguments.contains(QStringLiteral("debug")))
        mainMenu.showWidget(101);
}

namespace {

// The fields of /proc/self/stat after the process name (which may hold blanks): the
// first is field 3, the state.
QList<QByteArray> statFields()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ');
}

// Milliseconds since this process was started by the kernel.
qint64 msSinceProcessStart()
{
    const QList<QByteArray> fields = statFields();
    if (fields.size() < 20)
        return -1;
    // Field 22 is the start time in clock ticks since boot.
    const double startSeconds = fields.at(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now;
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64((double(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0);
}

// Milliseconds of CPU time the process has used (fields 14 and 15): unlike the time since
// the start, hardly changed by what else the machine runs.
qint64 cpuMs()
{
    const QList<QByteArray> fields = statFields();
    if (fields.size() < 13)
        return -1;
    return qint64((fields.at(11).toDouble() + fields.at(12).toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK)));
}

} // namespace

void Startup::reportStartupTimeWhenShown()
{
    if (qEnvironmentVariableIsEmpty("TK9400_REPORT_STARTUP"))
        return;
    // Queued behind the first paint of the shown window.
    QTimer::singleShot(0, [] {
        std::fprintf(stderr, "startup: main page shown after %lld ms (%lld ms CPU)\n",
                     static_cast<long long>(msSinceProcessStart()), static_cast<long long>(cpuMs()));
        std::fflush(stderr);
    });
}
