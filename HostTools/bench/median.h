#ifndef MEDIAN_H
#define MEDIAN_H

#include <QElapsedTimer>

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

#endif // MEDIAN_H
