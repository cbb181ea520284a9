// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Quantities as the solving modes print them: resistances with a unit prefix, and deviations
// with their sign. The digits come from formatFixed(), so they do not follow the locale.

#include <QString>

namespace zelkor {

// "5.797 kΩ": ohms scaled to Ω, kΩ, MΩ or GΩ so that one to three digits lead, then decimals.
QString ohmsText(double ohms, int decimals);

// "3.0 kΩ", "24 kΩ", "1.02 kΩ": a standard value with as many digits as its series has
// (two up to E24, three from E48), the way parts lists and reels print it.
QString standardOhmsText(double ohms, int significantDigits);

// "3.2991 V", "994.72 Hz", "5.0329 MHz", "1.0000 ms": value with the SI prefix (p n µ m k M G)
// that leaves one to three digits before the point, and significantDigits digits in all. unit
// is the symbol ("V", "Hz", "Ω", "F"). Zero has no prefix; values past the prefixes keep the
// nearest one.
QString prefixedText(double value, QStringView unit, int significantDigits);

// "(861.23 … 1163.41 Hz)": the range of a result in the prefix and with the decimals that
// prefixedText() gives its nominal value, so that the three read side by side.
QString prefixedRangeText(double nominal, double low, double high, QStringView unit,
                          int significantDigits);

// "−0.065 %", "+1.200 %": a deviation always shows its sign (a true minus, U+2212), except
// when it rounds to zero ("0.000 %").
QString signedPercentText(double percent, int decimals);

} // namespace zelkor
