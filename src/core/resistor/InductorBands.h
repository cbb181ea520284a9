// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colour code of moulded inductors, both ways, on the resistor's band engine.
//
// Four bands read like a resistor's, in µH: two digits, a multiplier from silver (× 0.01) to
// yellow (× 10⁴), and a tolerance (black or no band 20 %, silver 10 %, gold 5 %, brown 1 %, red
// 2 %, orange 3 %, yellow 4 %). Three bands are the same without a tolerance band.
//
// The military code looks alike but is not: a wide silver first band, then digits with gold as
// the decimal point. Read as the commercial code it would give a wrong value, so a silver first
// band or a gold digit band is refused rather than guessed at.

#include "core/resistor/ValueBands.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace zelkor::resistor {

// The tolerances a typed value can be banded with, in percent; silver (10 %) unless chosen.
inline constexpr float kInductorTolerances[] = {20.0f, 10.0f, 5.0f, 4.0f, 3.0f, 2.0f, 1.0f};
inline constexpr float kDefaultInductorTolerance = 10.0f;

struct InductorValue
{
    double microhenries = 0.0; // exactly the decimal the bands show
    float tolerance = 0.0f;    // percent
};

enum class InductorBandsFailure
{
    None,
    BandCount,    // not three or four bands
    MilitaryCode, // a silver first band, or gold among the digits
    Color,        // a colour that cannot stand on its band
};

struct InductorReading
{
    InductorBandsFailure failure = InductorBandsFailure::None;
    int band = 0; // the first band that cannot be read, counted from 1
    InductorValue value;
};

// Three or four colour codes, first band first.
InductorReading readInductorBands(std::span<const int> codes);
// The sentence for a failed reading; empty when it did not fail.
QString inductorReadingFailureText(const InductorReading &reading, std::span<const int> codes);

// Four bands for microhenries (rounded half away from zero to two digits) and a tolerance from
// kInductorTolerances. value is what the bands show.
LaidOutBands inductorBandsFor(double microhenries, float tolerance);
// The sentence for a failure of inductorBandsFor().
QString inductorBandsFailureText(const LaidOutBands &bands, float tolerance);

// "Inductance: 4.70 µH\nTolerance: 5.0% (±0.24 µH)", in µH below 1 mH, then mH and H.
QString inductorBandsText(const InductorValue &value);
// The same decimal in henries: 4.7 µH is the double nearest 4.7e-6, not 4.7 × 1e-6.
double henriesOf(double microhenries);

// "4.7 µH", "1.5 mH": the shortest text of the value.
QString inductanceText(double microhenries);

// The inductor panel's value field: the bands for a typed value in µH, or a note why not, and
// whether it was rounded.
TypedValueBands inductorBandsForTypedValue(QStringView text, float tolerance);

// What the value field and its tolerance show for bands picked by hand: "4.7" (µH).
QString inductanceFieldText(double microhenries);

} // namespace zelkor::resistor
