// Times one picture of the time-series graph on this PC: refresh(), the line of a full
// 30-minute window (1800 values, wrapped, so the new and the old values are both drawn)
// and one paint of the 416 x 101 widget, as the long-term page does every reading.
// Prints the median with the scale layer cached and with it rebuilt on every picture.
// Run by scripts/benchmark-graph.
//
//     graph-bench [RUNS]      RUNS of each (default 1000)
#include "Tools/longtermdata.h"
#include "benchsupport.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>

#include <cmath>
#include <vector>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;

    std::vector<float> data(1800);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = float(50 + 30 * std::sin(i / 40.0) + (i % 13));
    const QColor scale(213, 211, 18);
    LongtermData graph;
    graph.resize(416, 101);
    graph.setAxisX(0, 30, 5, 1, true);
    graph.setAxisY(0, 100, 20, 10, true);
    graph.displayHGrid(true);
    graph.displayVGrid(true);
    graph.init(416, 101, scale, QColor(255, 255, 100));
    QImage screen(416, 101, QImage::Format_RGB32);

    auto picture = [&] {
        graph.refresh();
        graph.drawData(data.data(), 900, 1800, true);
        graph.render(&screen);
    };
    QTextStream out(stdout);
    out << "graph, 416 x 101, 1800 values, median of " << runs << " runs:\n";
    out << QString("  refresh + drawData + paint, scales cached    %1 ms\n").arg(medianMs(runs, picture), 0, 'f', 3);
    out << QString("    of which refresh()                         %1 ms\n").arg(medianMs(runs, [&] { graph.refresh(); }), 0, 'f', 3);
    out << QString("    of which drawData()                        %1 ms\n")
               .arg(medianMs(runs, [&] { graph.drawData(data.data(), 900, 1800, true); }), 0, 'f', 3);
    out << QString("    of which the paint                         %1 ms\n")
               .arg(medianMs(runs, [&] { graph.render(&screen); }), 0, 'f', 3);
    out << QString("  the same, scales and grids drawn every time  %1 ms\n")
               .arg(medianMs(runs,
                             [&] {
                                 graph.setColorScale(scale); // drops the cached layer
                                 picture();
                             }),
                    0, 'f', 3);
    return 0;
}
