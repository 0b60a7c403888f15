#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

// The median of `reps` runs, in milliseconds.
inline double medianMs(int reps, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
