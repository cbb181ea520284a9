// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A tiny timing harness: runs an action many times and prints one row of bench/run's table
// (| measure | Zelkor | yardstick | ratio | goal |) with the median and the worst time.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace zelkor::bench {

// What a row promises: its median (or its worst run) stays under a limit.
struct Goal
{
    enum Of
    {
        Median,
        Worst
    } of = Median;
    double limitMicros = 1000.0;
};

inline std::string duration(double micros)
{
    char text[32];
    if (micros < 1000.0)
        std::snprintf(text, sizeof text, "%.0f µs", micros);
    else
        std::snprintf(text, sizeof text,
                      micros < 10'000.0 && int(micros) % 1000 != 0 ? "%.1f ms" : "%.0f ms",
                      micros / 1000.0);
    return text;
}

// Times iterations runs of action and prints the row.
template <typename Action>
void measure(const std::string &name, int iterations, Action &&action, Goal goal = {})
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
    const double median = micros[micros.size() / 2];
    const double worst = micros.back();
    const bool met = (goal.of == Goal::Median ? median : worst) < goal.limitMicros;
    std::printf("| %s | median %s, worst %s | | | %s < %s %s |\n", name.c_str(),
                duration(median).c_str(), duration(worst).c_str(),
                goal.of == Goal::Median ? "median" : "worst", duration(goal.limitMicros).c_str(),
                met ? "✓" : "✗");
    std::fflush(stdout);
}

} // namespace zelkor::bench
