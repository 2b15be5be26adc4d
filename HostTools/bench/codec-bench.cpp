// Times the codec control on this PC against the simulated codec: one listening-filter
// update (197 register writes, no write journal), one listening routing and one codec
// start-up, each through the ALSA mixer and the control plugin. Prints the medians.
// Run by scripts/benchmark-audio, which sets up ALSA and the plugin.
//
//     codec-bench [RUNS]      RUNS of each (default 50)
#include "Audio/audiocodecsetup.h"
#include "Hardware/platform.h"
#include "devicetree.h"
#include "mainmenu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& step)
{
    std::vector<qint64> ns;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        ns.push_back(timer.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 50;

    QTemporaryDir tree;
    QString error;
    if (!tree.isValid() || !DeviceTree::create(tree.path(), &error)) {
        QTextStream(stderr) << "cannot create a device tree: " << error << '\n';
        return 1;
    }
    Platform::setRootDirectory(tree.path());
    qputenv("TK9400_ROOT", QFile::encodeName(tree.path()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    MainMenu menu; // init() mutes through the main window, as on the instrument
    AudioCodecSetup* codec = menu.getAudioCodecInstance();

    QTextStream out(stdout);
    out << "codec, median of " << runs << " runs on the simulated codec:\n";
    out << QString("  setFilter(160, 800, 1)  %1 ms\n").arg(medianMs(runs, [codec] { codec->setFilter(160, 800, 1); }), 0, 'f', 2);
    out << QString("  setRouting(0)           %1 ms\n").arg(medianMs(runs, [codec] { codec->setRouting(0); }), 0, 'f', 2);
    out << QString("  init()                  %1 ms\n").arg(medianMs(runs, [codec] { codec->init(); }), 0, 'f', 2);
    return 0;
}
