#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Runs `body` `runs` times and prints "name count median-ms" with the count of the last run.
inline void measure(const char *name, int runs, const std::function<int()> &body)
{
    std::vector<double> times;
    int count = 0;
    for (int i = 0; i < std::max(1, runs); ++i) {
        QElapsedTimer timer;
        timer.start();
        count = body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-32s %8d %10.1f\n", name, count, times[times.size() / 2]);
    std::fflush(stdout);
}
