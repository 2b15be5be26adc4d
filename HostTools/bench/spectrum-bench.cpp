// Times the spectrum widget on this PC as its owner drives it every 300 ms, at the filter
// dialog's size of 416 x 126, offscreen: one owner tick (refresh, scale, curve and band,
// paint) and the paint alone. Prints the medians. Run by scripts/benchmark-audio.
//
//     spectrum-bench [RUNS]      RUNS of 100 ticks each (default 50)
#include "Tools/freqspectrum.h"
#include "benchsupport.h"

#include <QApplication>
#include <QImage>
#include <QTextStream>

#include <cmath>
#include <vector>

namespace {
const int kCallsPerRun = 100;
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50;

    // The scale's colours follow the fitted sensor, which the status data reads from the device.
    QTemporaryDir tree;
    if (!useFreshDevice(tree))
        return 1;

    const int width = 416, height = 126;
    FreqSpectrum widget;
    widget.resize(width, height);
    widget.setScaleBgGradient(true);
    widget.init(width, height);
    widget.clear();
    widget.updateFilter(160, 1250, 1);

    // A leak-like hump around 500 Hz over a noise floor.
    std::vector<float> frame(1024, 0.0f);
    quint32 seed = 7;
    for (int k = 1; k < FreqSpectrum::kBins; ++k) {
        seed = seed * 1103515245u + 12345u;
        const double hump = std::exp(-std::pow(std::log(k * 7.8125 / 500.0), 2) / 0.3);
        frame[k] = float((0.002 + hump) * (0.6 + (seed >> 16 & 0xff) / 640.0));
    }
    QImage screen(width, height, QImage::Format_RGB32);
    const auto paint = [&] { widget.render(&screen); };
    const auto tick = [&] {
        widget.refresh();
        widget.drawScale();
        widget.drawFft(frame.data(), true);
        paint();
    };

    QTextStream out(stdout);
    out << "spectrum widget at 416 x 126, offscreen, median of " << runs << " runs of " << kCallsPerRun << ":\n";
    out << QString("  owner tick (refresh, drawScale, drawFft, paint)  %1 ms  (goal: below 2 ms)\n")
               .arg(medianMs(runs, tick, kCallsPerRun), 0, 'f', 3);
    out << QString("  paint alone                                      %1 ms\n").arg(medianMs(runs, paint, kCallsPerRun), 0, 'f', 3);
    return 0;
}
