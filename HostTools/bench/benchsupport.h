#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include "Hardware/platform.h"
#include "devicetree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

// The median over `runs` of the time one call of `step` takes, in ms; each run times
// `callsPerRun` calls in a row and counts their mean, for steps too short to time alone.
inline double medianMs(int runs, const std::function<void()>& step, int callsPerRun = 1)
{
    std::vector<qint64> ns;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        for (int c = 0; c < callsPerRun; ++c)
            step();
        ns.push_back(timer.nsecsElapsed() / callsPerRun);
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

// Makes a fresh simulated device tree in `tree` and points the platform layer (and the
// programs it starts) at it, with the program's diagnostics silenced. False, with a
// message on standard error, when the tree cannot be made.
inline bool useFreshDevice(const QTemporaryDir& tree)
{
    QString error;
    if (!tree.isValid() || !DeviceTree::create(tree.path(), &error)) {
        QTextStream(stderr) << "cannot create a device tree: " << error << '\n';
        return false;
    }
    Platform::setRootDirectory(tree.path());
    qputenv("TK9400_ROOT", QFile::encodeName(tree.path()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return true;
}

#endif // BENCHSUPPORT_H
