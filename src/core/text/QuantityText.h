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

// "−0.065 %", "+1.200 %": a deviation always shows its sign (a true minus, U+2212), except
// when it rounds to zero ("0.000 %").
QString signedPercentText(double percent, int decimals);

} // namespace zelkor
