#pragma once
// A tiny timing harness: runs an action many times and prints one table row with the median
// and the worst time. Every bench_*.cpp prints rows; bench/run collects them into one table.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zelkor::bench {

// Prints "| name | median | worst |" in microseconds for iterations runs of action.
template <typename Action>
void measure(const char *name, int iterations, Action &&action)
{
    std::vector<double> micros;
    micros.reserve(size_t(iterations));
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("| %s | %.1f µs | %.1f µs |\n", name, micros[micros.size() / 2], micros.back());
    std::fflush(stdout);
}

} // namespace zelkor::bench
