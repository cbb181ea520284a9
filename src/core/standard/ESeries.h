// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The standard values of IEC 60063: the E series that resistors and capacitors are sold in.
//
// E3, E6, E12 and E24 keep their historical two-digit values (2.7, 3.3, 4.7, 8.2, ...), which
// the rounding formula would not give. E48, E96 and E192 have three significant digits; E192
// lists 9.20 where the formula gives 9.19. E12, E6 and E3 are every second, fourth and eighth
// E24 value; E96 and E48 every second and fourth E192 value.
//
// Every query works by ratio, the way tolerances do: 4.35 lies nearer to 4.7 than to 3.9 in
// E12 because 4.7 / 4.35 < 4.35 / 3.9.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace zelkor::eseries {

enum class Series
{
    E3,
    E6,
    E12,
    E24,
    E48,
    E96,
    E192
};

inline constexpr std::array kAllSeries = {Series::E3,  Series::E6,  Series::E12, Series::E24,
                                          Series::E48, Series::E96, Series::E192};

// The values a series is defined over, in base units (ohms, farads).
struct Range
{
    double low = 0.0;
    double high = 0.0;
};
inline constexpr Range kResistances{1e-3, 1e9};   // 1 mΩ to 1 GΩ
inline constexpr Range kCapacitances{1e-12, 1.0}; // 1 pF to 1 F

// "E24" for Series::E24.
QString name(Series series);
// The series a name such as "E24" or "e96" stands for.
std::optional<Series> parse(QStringView name);

// How many values one decade holds (24 for E24), and how many digits they have (2 or 3).
int valuesPerDecade(Series series);
int significantDigits(Series series);

// The decade's values as integers of significantDigits() digits: 10, 11, ... 91 for E24;
// 100, 101, ... 988 for E192.
std::vector<int> significands(Series series);

// The nearest standard value, by ratio; ties go to the larger value. Nothing when value is not
// a finite number inside range.
std::optional<double> nearest(double value, Series series, Range range = kResistances);
// The largest standard value at or below value, and the smallest at or above. Nothing when
// there is none inside range, or value is not a finite positive number.
std::optional<double> atOrBelow(double value, Series series, Range range = kResistances);
std::optional<double> atOrAbove(double value, Series series, Range range = kResistances);

// Whether value is a standard value of series (to a relative 1e-9).
bool contains(Series series, double value);
// The smallest series that holds value, or nothing.
std::optional<Series> seriesOf(double value);

// Every standard value of series from low to high, ascending.
std::vector<double> valuesBetween(Series series, double low, double high);

} // namespace zelkor::eseries
