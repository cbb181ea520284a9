// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a built circuit can do: each part anywhere inside its tolerance, and a result between
// its smallest and its largest value. Every formula here is monotonic in each of its parts, so
// those extremes lie on the corners of the tolerance box, and worstCase() evaluates exactly the
// corners. Interval arithmetic would not do: a part that stands twice in a formula (R2 above and
// below the fraction line of the 555's duty cycle) would be taken low in one place and high in
// the other, and the range would come out several times too wide.

#include "core/calculators/Inputs.h"
#include "core/standard/ESeries.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <utility>

namespace zelkor::tolerance {

// Defaults in percent where the user chose no series.
inline constexpr double kResistorPercent = 5.0;
inline constexpr double kCapacitorPercent = 10.0;
inline constexpr double kInductorPercent = 10.0;

// The tolerance parts of a series are sold with: E3 and E6 20 %, E12 10 %, E24 5 %, E48 2 %,
// E96 1 %, E192 0.5 %.
double seriesPercent(eseries::Series series);
// A resistor's default: its series' tolerance, or kResistorPercent where none is chosen or the
// name is no series.
double resistorPercent(const std::optional<QString> &seriesName);

// A tolerance in percent, from 0 up to but not including 100; a spread (± in the quantity's
// own unit) is at least 0.
inline constexpr Domain kPercentDomain{.low = 0.0, .high = 100.0, .lowOpen = false};
inline constexpr Domain kSpreadDomain = domains::kAtLeastZero;
inline constexpr InputRule kVoltsSpreadRule{.unit = units::kVolts, .domain = kSpreadDomain};

// How a tolerance field reads: a bare number in percent.
inline constexpr InputRule kPercentRule{.unit = units::kNumber, .domain = kPercentDomain};

// The one tolerance of a designed or analysed pair of resistors.
inline constexpr FieldSpec kPairToleranceField{
    .key = "tolerance",
    .option = "--tolerance",
    .caption = "ResistorTolerance",
    .help = "Tolerance of both resistors in % (default the series' when designing, 5 when "
            "analysing)",
    .rule = kPercentRule};

// A tolerance or a spread as typed, or fallback (the series' or the part kind's) where none was:
// an option left out, or a panel's field left empty.
template <typename Field, std::size_t N>
Outcome<double, Field> readOr(const std::array<FieldRow<Field>, N> &table, Field field,
                              const Given &given, Reading reading, double fallback)
{
    if (!given || (reading == Reading::Lenient && given->trimmed().isEmpty()))
        return fallback;
    return readPrecise(table, field, given, reading);
}

// Where one quantity of a built circuit can lie.
struct Bounds
{
    double low = 0.0;
    double high = 0.0;

    friend bool operator==(const Bounds &, const Bounds &) = default;
};

constexpr Bounds exact(double value)
{
    return {value, value};
}
// nominal ± percent of it.
Bounds percent(double nominal, double percent);
// nominal ± a spread in its own unit (an LED's forward voltage ± 0.1 V).
Bounds spread(double nominal, double plusMinus);

// The smallest and the largest value of a result.
struct Range
{
    double min = 0.0;
    double max = 0.0;

    friend bool operator==(const Range &, const Range &) = default;
};

// The range of f(parts...) over the 2^N corners of the parts' bounds. f takes N doubles.
template <std::size_t N, typename F> Range worstCase(const std::array<Bounds, N> &parts, F &&f)
{
    static_assert(N > 0 && N <= 8, "a formula of a few parts; lists have their own rule");
    Range range{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    std::array<double, N> values{};
    for (unsigned corner = 0; corner < (1u << N); ++corner) {
        for (std::size_t i = 0; i < N; ++i)
            values[i] = (corner >> i) & 1u ? parts[i].high : parts[i].low;
        const double value = std::apply(f, values);
        range.min = std::min(range.min, value);
        range.max = std::max(range.max, value);
    }
    return range;
}

} // namespace zelkor::tolerance
