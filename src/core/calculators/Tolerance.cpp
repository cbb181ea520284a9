// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/Tolerance.h"

#include <cmath>

namespace zelkor::tolerance {

double seriesPercent(eseries::Series series)
{
    switch (series) {
    case eseries::Series::E3:
    case eseries::Series::E6:
        return 20.0;
    case eseries::Series::E12:
        return 10.0;
    case eseries::Series::E24:
        return 5.0;
    case eseries::Series::E48:
        return 2.0;
    case eseries::Series::E96:
        return 1.0;
    case eseries::Series::E192:
        return 0.5;
    }
    return kResistorPercent;
}

double resistorPercent(const std::optional<QString> &seriesName)
{
    const auto series = seriesName ? eseries::parse(*seriesName) : std::nullopt;
    return series ? seriesPercent(*series) : kResistorPercent;
}

Bounds percent(double nominal, double percent)
{
    return spread(nominal, std::abs(nominal) * percent / 100.0);
}

Bounds spread(double nominal, double plusMinus)
{
    return {nominal - plusMinus, nominal + plusMinus};
}

} // namespace zelkor::tolerance
