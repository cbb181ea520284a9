// SPDX-License-Identifier: GPL-3.0-or-later

// How long the searches for standard parts take: the best resistor combinations (the largest,
// three parts of E192 from 1 Ω to 10 MΩ, 1345 values, is the one a panel runs on every
// keystroke) and the best pairs of the design panels (E192 × E192 over the same range).

#include "BenchHarness.h"
#include "core/calculators/ResistorCombinations.h"
#include "core/standard/PairSearch.h"

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

    // A divider for every target from 0.1 V to 11.9 V out of 12 V, with and without a load: the
    // load makes every decade its own answer.
    for (const double load : {0.0, 4700.0}) {
        zelkor::pairs::Query divider;
        divider.first = divider.second = {Series::E192, 1.0, 1e7};
        divider.invariance =
            load > 0.0 ? zelkor::pairs::Invariance::None : zelkor::pairs::Invariance::Ratio;
        divider.result = [load](double r1, double r2) {
            const double lower = load > 0.0 ? r2 * load / (r2 + load) : r2;
            return 12.0 * lower / (r1 + lower);
        };
        divider.size = [](double r1, double r2) { return r1 + r2; };
        divider.preferredSize = 1e4;
        int step = 0;
        zelkor::bench::measure(load > 0.0 ? "Best pairs: E192 × E192 divider with a load"
                                          : "Best pairs: E192 × E192 divider, 1 Ω–10 MΩ",
                               45,
                               [&] {
                                   divider.target = 0.1 + 0.37 * (step++ % 32);
                                   const auto best = zelkor::pairs::bestPairs(divider);
                                   Q_ASSERT(!best.empty());
                               },
                               {zelkor::bench::Goal::Worst, 5'000});
    }
    return 0;
}
