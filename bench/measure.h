#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

// CPU time of this process and of the children it has waited for, in milliseconds. On a machine
// shared with other work the wall time swells with the wait for a core; the CPU time does not.
inline double cpuMilliseconds()
{
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                 double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    return total;
}

// Runs `body` `runs` times and prints "name count median-ms median-cpu-ms" with the count of the
// last run.
inline void measure(const char *name, int runs, const std::function<int()> &body)
{
    std::vector<double> times;
    std::vector<double> cpu;
    int count = 0;
    for (int i = 0; i < std::max(1, runs); ++i) {
        QElapsedTimer timer;
        const double cpuBefore = cpuMilliseconds();
        timer.start();
        count = body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMilliseconds() - cpuBefore);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-32s %8d %10.1f %10.1f\n", name, count, times[times.size() / 2],
                cpu[cpu.size() / 2]);
    std::fflush(stdout);
}
