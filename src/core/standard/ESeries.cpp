// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/standard/ESeries.h"

#include <algorithm>
#include <cmath>

namespace zelkor::eseries {

namespace {

constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

constexpr double kRelativeTolerance = 1e-9;

// significand × 10^exponent, computed so that 4.7 kΩ is exactly the double nearest 4700.
double valueOf(int significand, int exponent)
{
    return exponent >= 0 ? significand * std::pow(10.0, exponent)
                         : significand / std::pow(10.0, -exponent);
}

// The decade's values scaled to the decade of value: [10, 100) or [100, 1000) times a power
// of ten, with the next decade's first value appended so that every value has a neighbour.
std::vector<double> decadeAround(Series series, double value, int *exponentOut = nullptr)
{
    const std::vector<int> digits = significands(series);
    const int leading = significantDigits(series) - 1;
    int exponent = static_cast<int>(std::floor(std::log10(value))) - leading;
    // log10 can land a hair off at exact powers of ten.
    if (valueOf(digits.front(), exponent + 1) <= value * (1 + kRelativeTolerance))
        ++exponent;
    else if (valueOf(digits.front(), exponent) > value * (1 + kRelativeTolerance))
        --exponent;
    std::vector<double> values;
    values.reserve(digits.size() + 1);
    for (int d : digits)
        values.push_back(valueOf(d, exponent));
    values.push_back(valueOf(digits.front(), exponent + 1));
    if (exponentOut)
        *exponentOut = exponent;
    return values;
}

bool usable(double value, Range range)
{
    return std::isfinite(value) && value > 0.0 && value >= range.low * (1 - kRelativeTolerance) &&
           value <= range.high * (1 + kRelativeTolerance);
}

} // namespace

QString name(Series series)
{
    return QStringLiteral("E%1").arg(valuesPerDecade(series));
}

std::optional<Series> parse(QStringView text)
{
    for (Series series : kAllSeries)
        if (text.trimmed().compare(name(series), Qt::CaseInsensitive) == 0)
            return series;
    return std::nullopt;
}

int valuesPerDecade(Series series)
{
    switch (series) {
    case Series::E3:
        return 3;
    case Series::E6:
        return 6;
    case Series::E12:
        return 12;
    case Series::E24:
        return 24;
    case Series::E48:
        return 48;
    case Series::E96:
        return 96;
    case Series::E192:
        return 192;
    }
    return 0;
}

int significantDigits(Series series)
{
    return valuesPerDecade(series) <= 24 ? 2 : 3;
}

std::vector<int> significands(Series series)
{
    const int count = valuesPerDecade(series);
    std::vector<int> digits;
    digits.reserve(static_cast<std::size_t>(count));
    if (count <= 24) {
        for (std::size_t i = 0; i < kE24.size(); i += kE24.size() / std::size_t(count))
            digits.push_back(kE24[i]);
    } else {
        for (std::size_t i = 0; i < kE192.size(); i += kE192.size() / std::size_t(count))
            digits.push_back(kE192[i]);
    }
    return digits;
}

std::optional<double> atOrBelow(double value, Series series, Range range)
{
    if (!std::isfinite(value) || value < range.low * (1 - kRelativeTolerance))
        return std::nullopt;
    const double bounded = std::min(value, range.high);
    const std::vector<double> decade = decadeAround(series, bounded);
    double best = decade.front();
    for (double candidate : decade)
        if (candidate <= bounded * (1 + kRelativeTolerance))
            best = candidate;
    if (best < range.low * (1 - kRelativeTolerance))
        return std::nullopt;
    return best;
}

std::optional<double> atOrAbove(double value, Series series, Range range)
{
    if (!std::isfinite(value) || value > range.high * (1 + kRelativeTolerance))
        return std::nullopt;
    const double bounded = std::max(value, range.low);
    const std::vector<double> decade = decadeAround(series, bounded);
    for (double candidate : decade)
        if (candidate >= bounded * (1 - kRelativeTolerance))
            return candidate <= range.high * (1 + kRelativeTolerance) ? std::optional(candidate)
                                                                      : std::nullopt;
    return std::nullopt;
}

std::optional<double> nearest(double value, Series series, Range range)
{
    if (!usable(value, range))
        return std::nullopt;
    const auto below = atOrBelow(value, series, range);
    const auto above = atOrAbove(value, series, range);
    if (!below)
        return above;
    if (!above)
        return below;
    return value / *below < *above / value ? below : above;
}

bool contains(Series series, double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return false;
    for (double candidate : decadeAround(series, value))
        if (std::abs(candidate - value) <= value * kRelativeTolerance)
            return true;
    return false;
}

std::optional<Series> seriesOf(double value)
{
    for (Series series : kAllSeries)
        if (contains(series, value))
            return series;
    return std::nullopt;
}

std::vector<double> valuesBetween(Series series, double low, double high)
{
    std::vector<double> values;
    if (!(low > 0.0) || !(high >= low) || !std::isfinite(high))
        return values;
    const std::vector<int> digits = significands(series);
    int exponent = 0;
    decadeAround(series, low, &exponent);
    for (;; ++exponent) {
        for (int d : digits) {
            const double v = valueOf(d, exponent);
            if (v > high * (1 + kRelativeTolerance))
                return values;
            if (v >= low * (1 - kRelativeTolerance))
                values.push_back(v);
        }
    }
}

} // namespace zelkor::eseries
