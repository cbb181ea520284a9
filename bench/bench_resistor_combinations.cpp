// SPDX-License-Identifier: GPL-3.0-or-later

// How long the best resistor combinations take: the largest search (three parts of E192 from
// 1 Ω to 10 MΩ, 1345 values) is the one a panel runs on every keystroke.

#include "BenchHarness.h"
#include "core/calculators/ResistorCombinations.h"

#include <QCoreApplication>

#include <iterator>

namespace {
// Targets across the whole range, exact standard values and awkward ones.
constexpr double kTargets[] = {0.5, 3.3, 77.7, 1234.0, 12345.6, 47000.0, 333333.0, 4.7e6, 1.9e7};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    using namespace zelkor::combinations;
    using zelkor::eseries::Series;

    int run = 0;
    const auto search = [&](Series series, int parts) {
        const double target = kTargets[run++ % std::size(kTargets)];
        const Search found = bestCombinations(target, series, parts);
        Q_ASSERT(found.outcome == SearchOutcome::Found);
    };
    zelkor::bench::measure("Resistor combinations: three E192 parts, 1 Ω–10 MΩ", 45,
                           [&] { search(Series::E192, 3); }, {zelkor::bench::Goal::Worst, 100'000});
    zelkor::bench::measure("Resistor combinations: three E24 parts", 90,
                           [&] { search(Series::E24, 3); }, {zelkor::bench::Goal::Median, 1'000});
    zelkor::bench::measure("Resistor combinations: two E192 parts", 90,
                           [&] { search(Series::E192, 2); }, {zelkor::bench::Goal::Median, 1'000});
    return 0;
}
