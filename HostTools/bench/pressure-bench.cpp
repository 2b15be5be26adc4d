// Times one packet of the pressure page on this PC with its buffer full: the shift, the
// statistics over 6000 values, the redraw of the 60 s window with its paint, the append to
// the temporary file and the two writes of the busy line, as the page does 100 times a
// minute at one packet a second. Run by scripts/benchmark-pressure.
//
//     pressure-bench [RUNS]      RUNS packets (default 1000)
#include "Mainmenu/pressuresensor.h"
#include "Tools/longtermdata.h"
#include "benchsupport.h"
#include "mainmenu.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    // The simulated sysfs files live in a RAM file system when there is one: on ext4 each
    // rewrite of the busy line's value file flushes at close, which costs the host far more
    // than a sysfs write costs the device.
    const QString shm = QStringLiteral("/dev/shm");
    const auto tree = QFileInfo(shm).isWritable()
        ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/tk9400-pressure-XXXXXX"))
        : std::make_unique<QTemporaryDir>();
    if (!useFreshDevice(*tree))
        return 1;

    auto menu = std::make_unique<MainMenu>();
    menu->displayWidget(11, 1, 0);
    auto* page = qobject_cast<PressureSensor*>(menu->currentPage());
    if (!page)
        return 1;
    page->switchActiveMute(false);
    // A slowly changing pressure with some noise, 3 hex digits a sample.
    QStringList packets;
    for (int p = 0; p < 16; ++p) {
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QString::number(1200 + 8 * p + (i * 37) % 23, 16) + QLatin1Char(';');
        packets << text;
    }
    for (int p = 0; p < 60; ++p)
        page->pressuredataReceived(100, packets.at(p % packets.size()));
    QImage screen(page->graph()->size(), QImage::Format_RGB32);

    int next = 0;
    auto packet = [&] {
        page->pressuredataReceived(100, packets.at(next++ % packets.size()));
        page->graph()->render(&screen);
    };
    const double ms = medianMs(runs, packet);
    QTextStream out(stdout);
    out << "pressure page, one packet of 100 samples with 6000 buffered, median of " << runs << " packets"
        << " (device tree in " << tree->path() << "):\n";
    out << QString("  packet with its paint   %1 ms (buffer %2 values, goal below 5 ms)\n")
               .arg(ms, 0, 'f', 3)
               .arg(page->dataCount());
    out << QString("    of which the paint       %1 ms\n")
               .arg(medianMs(runs, [&] { page->graph()->render(&screen); }), 0, 'f', 3);
    out << QString("    of which the statistics  %1 ms\n")
               .arg(medianMs(runs, [&] { page->updatePressureValues(0, PressureSensor::kMaxValues, false); }), 0, 'f', 3);
    out << QString("    of which the redraw      %1 ms\n")
               .arg(medianMs(runs,
                             [&] {
                                 page->updateDiagram(0, 60, 0, 25, 0, PressureSensor::kMaxValues,
                                                     PressureSensor::kMaxValues);
                                 page->graph()->render(&screen);
                             }),
                    0, 'f', 3);
    page->switchActiveMute(true);
    menu.reset();
    return 0;
}
