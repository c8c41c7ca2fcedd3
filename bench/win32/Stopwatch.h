#ifndef LUMETRIX_BENCH_WIN32_STOPWATCH_H
#define LUMETRIX_BENCH_WIN32_STOPWATCH_H

// The performance counter read as milliseconds, and the median of a run of times: what the
// Windows programs that print waiting times share.
#include <windows.h>

#include <algorithm>
#include <vector>

inline LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

inline double MillisecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(Now().QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

#endif
