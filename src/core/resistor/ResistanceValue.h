// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Resistances as people type and read them: "4k7", "49.9k", "4700", "R47".
//
// readResistance() is the one place where the resistor tools read a typed value: the colour-code
// panel, the SMD code panel and zelkor-calc all go through it. It gives back the decimal that was
// typed as the nearest double (4k7 is the double nearest 4700), so that significant digits and
// E-series membership are decided without single-precision noise.

#include <QString>
#include <QStringView>

#include <optional>

namespace zelkor::resistor {

// The resistance in ohms, or nothing when text is not one (negative, empty, trailing words).
// "4k7", "4.7k", "4700", "4K7", "2M2", "1G", "4R7", "R47", "100R" and a trailing "Ω" are read.
std::optional<double> readResistance(QStringView text);

// A value as a whole number of significant digits times a power of ten: 4.7 kΩ is 47 × 10².
struct Significand
{
    long long digits = 0;
    int exponent = 0;
    int count = 0; // how many digits `digits` has

    friend bool operator==(const Significand &, const Significand &) = default;
};

// The shortest significand of value (1000 is 1 × 10³). Nothing when value needs more than
// maxDigits digits or is not a finite positive number.
std::optional<Significand> significandOf(double value, int maxDigits);
// value rounded half away from zero to at most maxDigits significant digits: 12345 to three is
// 123 × 10². The decimal that was typed is rounded, not its double, so 12350 gives 124 × 10².
// value must be a finite positive number.
Significand roundedSignificand(double value, int maxDigits);
// The same value with count digits: 47 × 10² widened to three digits is 470 × 10¹.
Significand widened(Significand significand, int count);
// digits × 10^exponent as the double nearest that decimal.
double valueOf(const Significand &significand);

// "4.7 kΩ", "49.9 Ω", "1 MΩ" with the installed unit texts.
QString resistanceText(double ohms);
// "4.7k", "49.9", "1M": how a value field shows a resistance that it reads back.
QString resistanceFieldText(double ohms);

} // namespace zelkor::resistor
