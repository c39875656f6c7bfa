#pragma once

#include <algorithm>
#include <vector>

// Median, least and most of a benchmark's samples.
struct Stats {
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Stats stats(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {median, ms.front(), ms.back()};
}
