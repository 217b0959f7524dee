#pragma once
// Wall-clock measurement for the Windows benchmarks.
#include "platform/win32.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarnwick::bench {

inline double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / ticksPerMs;
}

struct Spread {
    double median;
    double p99;
};

inline Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const size_t p99 = size_t(std::ceil(0.99 * double(n))) - 1;
    return {values[n / 2], values[std::min(p99, n - 1)]};
}

} // namespace tarnwick::bench
