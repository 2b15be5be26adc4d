// Times the list of stored measurements on this PC, offscreen, in the main window as the
// program builds it: a store of 100 measurements and 50 entries that are none, the first
// display of the list (the screen made, listed and painted) and the median of later
// displays. Run by scripts/benchmark --measurements, once per process, since only the
// first display in a process makes the screen.
//
//     measlist-bench [REDISPLAYS]     later displays to take the median of (default 20)
#include "Hardware/platform.h"
#include "Tools/measurements.h"
#include "devicetree.h"
#include "globals.h"
#include "mainmenu.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace {

const char* const kTypes[] = {"LE", "PP", "PL", "H2", "LT"};

// 100 measurements with their information file and a clip, one minute apart, and 50
// entries that are none: other prefixes, no prefix, the staging entry's kind of name.
bool fillStore(const QString& root)
{
    const QString store = root + Measurements::measurementRootDevicePath();
    if (!QDir().mkpath(store))
        return false;
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 0));
    for (int i = 0; i < 100; ++i) {
        const QDateTime when = start.addSecs(60 * i);
        const QString name = QStringLiteral("%1_%2_Hydrant %3")
                                 .arg(QLatin1String(kTypes[i % 5]), when.toString(QStringLiteral("yyyyMMdd_hhmmss")))
                                 .arg(i);
        QDir().mkpath(store + name);
        QFile info(store + name + QStringLiteral("/info.ini"));
        if (!info.open(QIODevice::WriteOnly))
            return false;
        info.write(QStringLiteral("[Measurementinfo]\nMeasurementname=Hydrant %1\n").arg(i).toUtf8());
        info.close();
        QFile clip(store + name + QStringLiteral("/LE_sound.wav"));
        if (!clip.open(QIODevice::WriteOnly))
            return false;
        clip.write(QByteArray(320044, '\0'));
    }
    for (int i = 0; i < 50; ++i) {
        const QString name = i % 3 == 0 ? QStringLiteral("PS_20240301_080000_p%1").arg(i)
            : i % 3 == 1                ? QStringLiteral("notes%1.txt").arg(i)
                                        : QStringLiteral(".hidden%1").arg(i);
        if (i % 3 == 1) {
            QFile file(store + name);
            if (!file.open(QIODevice::WriteOnly))
                return false;
        } else if (!QDir().mkpath(store + name)) {
            return false;
        }
    }
    return true;
}

// Shows the list and lets the window paint it.
qint64 displayNs(MainMenu& menu)
{
    QElapsedTimer timer;
    timer.start();
    menu.displayWidget(7, 1, 0);
    QApplication::processEvents();
    return timer.nsecsElapsed();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_hardwareTestActive = false;
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    const int redisplays = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;

    QTemporaryDir tree;
    QString error;
    if (!tree.isValid() || !DeviceTree::create(tree.path(), &error) || !fillStore(tree.path())) {
        QTextStream(stderr) << "cannot create a device tree: " << error << '\n';
        return 1;
    }
    Platform::setRootDirectory(tree.path());
    qputenv("TK9400_ROOT", QFile::encodeName(tree.path()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Startup::setApplicationFont();

    MainMenu menu;
    menu.show();
    QApplication::processEvents();

    const double first = displayNs(menu) / 1e6;
    std::vector<qint64> again;
    for (int i = 0; i < redisplays; ++i) {
        menu.displayWidget(0, 1, 0);
        QApplication::processEvents();
        again.push_back(displayNs(menu));
    }
    std::sort(again.begin(), again.end());
    QTextStream(stdout) << QString("first display %1 ms; again, median of %2: %3 ms\n")
                               .arg(first, 0, 'f', 2)
                               .arg(redisplays)
                               .arg(again[again.size() / 2] / 1e6, 0, 'f', 2);
    return 0;
}
