// Times the codec control on this PC against the simulated codec: one listening-filter
// update (197 register writes, no write journal), one listening routing and one codec
// start-up, each through the ALSA mixer and the control plugin. Prints the medians.
// Run by scripts/benchmark-audio, which sets up ALSA and the plugin.
//
//     codec-bench [RUNS]      RUNS of each (default 50)
#include "Audio/audiocodecsetup.h"
#include "benchsupport.h"
#include "mainmenu.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50;

    QTemporaryDir tree;
    if (!useFreshDevice(tree))
        return 1;

    MainMenu menu; // init() mutes through the main window, as on the instrument
    AudioCodecSetup* codec = menu.getAudioCodecInstance();

    QTextStream out(stdout);
    out << "codec, median of " << runs << " runs on the simulated codec:\n";
    out << QString("  setFilter(160, 800, 1)  %1 ms\n").arg(medianMs(runs, [codec] { codec->setFilter(160, 800, 1); }), 0, 'f', 2);
    out << QString("  setRouting(0)           %1 ms\n").arg(medianMs(runs, [codec] { codec->setRouting(0); }), 0, 'f', 2);
    out << QString("  init()                  %1 ms\n").arg(medianMs(runs, [codec] { codec->init(); }), 0, 'f', 2);
    return 0;
}
