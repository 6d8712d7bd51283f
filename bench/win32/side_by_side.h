// Times two ways of doing the same job in alternating rounds and reports the median of each, so that a
// noisy machine slows both alike.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace huecast::bench {

inline double Seconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs each job `iterations` times per round for `rounds` rounds, alternating; prints and returns the
// ratio of the medians (first / second).
inline double SideBySide(const char* firstName, const std::function<void()>& first, const char* secondName,
                         const std::function<void()>& second, int rounds, int iterations) {
    std::vector<double> a, b;
    for (int round = 0; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            const std::function<void()>& job = which == 0 ? first : second;
            const double start = Seconds();
            for (int i = 0; i < iterations; ++i)
                job();
            (which == 0 ? a : b).push_back((Seconds() - start) / iterations);
        }
    }
    const double ratio = Median(a) / Median(b);
    std::printf("%-28s %10.1f us\n%-28s %10.1f us\nratio %-22s %10.2f\n", firstName, Median(a) * 1e6,
                secondName, Median(b) * 1e6, "(first / second)", ratio);
    return ratio;
}

}  // namespace huecast::bench
