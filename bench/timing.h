#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace k4::bench {

// The middle figure: a run the busy machine slowed down does not move it, as it moves a mean.
inline double median(std::vector<double> figures) {
    const auto middle = figures.begin() + figures.size() / 2;
    std::nth_element(figures.begin(), middle, figures.end());
    return *middle;
}

// The median time of `runs` calls of `work`, in milliseconds, after `warmUps` untimed calls
// that fill the caches.
inline double medianMilliseconds(int runs, int warmUps, const std::function<void()>& work) {
    for (int i = 0; i < warmUps; ++i) work();
    std::vector<double> milliseconds;
    milliseconds.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(std::move(milliseconds));
}

}  // namespace k4::bench
