#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// What every benchmark row is measured with: the wall time of one run, and the middle of many.

inline double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
