// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The codes printed on SMD resistors, in three systems:
//
// - Three digits: two significant digits and the power of ten ("472" = 47 × 10² = 4.7 kΩ).
// - Four digits: three significant digits and the power of ten ("4702" = 47 kΩ).
//   In both, values below 10 Ω (three digits) or 100 Ω (four) are written with R as the decimal
//   point: "4R7" = 4.7 Ω, "R47" = 0.47 Ω, "10R0" = 10 Ω. All zeros ("0", "000", "0000") mark a
//   0 Ω jumper.
// - EIA-96: two digits number the E96 values (01 = 100, 02 = 102, ... 96 = 976), a letter gives
//   the multiplier: Z 0.001, Y or R 0.01, X or S 0.1, A 1, B or H 10, C 100, D 1000, E 10⁴,
//   F 10⁵. "01C" = 10 kΩ, "68X" = 49.9 Ω.
//
// Two digits and an R ("47R") fit both R-as-decimal-point and EIA-96. Makers of 1 % parts print
// Y for the EIA-96 reading, and "47R" is the common marking of a 47 Ω part, so it reads as 47 Ω;
// the EIA-96 reading (3.01 Ω) comes along as the alternative. Letters are read in either case.

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace zelkor::resistor::smd {

enum class System
{
    ThreeDigits,
    FourDigits,
    Eia96,
};

enum class Failure
{
    None,
    Empty,
    Length,       // not three or four characters (or a lone "0")
    Character,    // something other than digits and letters
    LeadingZero,  // a multiplier code that starts with 0 but is not all zeros
    DecimalMarks, // more than one R
    Eia96Index,   // EIA-96 number outside 01..96
    Eia96Letter,  // a letter that is no EIA-96 multiplier
};

struct Decoded
{
    Failure failure = Failure::None;
    System system = System::ThreeDigits;
    double resistance = 0.0;                // ohms; 0 for a jumper
    std::optional<double> eia96Alternative; // the EIA-96 reading of "47R"
    QString offending;                      // the character, letter or number a failure names
};

Decoded decode(QStringView code);

struct Encoded
{
    System system;
    QString code;
};

// The code of resistance in each system that can show it, in the order of System. Nothing for
// a value with more significant digits than any system holds or outside their ranges, however
// close to 0; only 0 itself gives the jumper codes "000" and "0000".
std::vector<Encoded> encode(double resistance);

// The smallest value a code shows: R001 in four digits.
inline constexpr double kSmallestCode = 0.001; // Ω

// "Three digits", "Four digits", "EIA-96" in the installed language.
QString systemName(System system);

// What the panel shows for a typed code: the value, or the sentence that says what is wrong.
QString decodedText(const Decoded &decoded);
// One line per system: "Three digits: 472"; a sentence when no system shows the value.
QString encodedText(const std::vector<Encoded> &codes, double resistance);

// What the panel shows for a typed code, or for a typed value; empty when nothing is typed.
QString textForTypedCode(QStringView code);
QString textForTypedValue(QStringView value);

} // namespace zelkor::resistor::smd
