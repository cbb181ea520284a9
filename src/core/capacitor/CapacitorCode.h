// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The markings printed on capacitors, read both ways.
//
// A marking is one word, or a value and a voltage separated by a space ("104J 2A", "47 16V").
// The word is read as:
// - Digits in picofarads: one or two are the value ("47"), three are two digits and a power of
//   ten ("104" = 100 nF), with 8 for × 0.01 and 9 for × 0.1 ("479" = 4.7 pF).
// - R as the decimal point, in picofarads: "4R7", "R5", "0R5".
// - A prefix letter (p n u µ), read by the number reader: "p10", "4n7", "2u2", "47µF".
// - EIA-198, a letter for an E24 mantissa and a digit for the power of ten, in picofarads
//   ("S4" = 47 nF); 9 is × 0.1. Lower-case letters are further mantissas (a 2.5 b 3.5 d 4.0
//   e 4.5 f 5.0 m 6.0 n 7.0 t 8.0 y 9.0), so case matters.
// - Tantalum: a voltage letter, then a three-digit code ("A475" = 4.7 µF 10 V).
// - A voltage alone, in the EIA code: a digit 0-3 for the power of ten and a letter for the
//   mantissa ("1H" = 50 V).
// A tolerance letter may follow the value ("472J"), and an EIA voltage code may stand before
// it ("2A104J"). Glued to the value, trailing letters belong to it: "472J" is 4.7 nF ±5 %.
// A voltage in volts after a bare number ("47 16V") is the marking of an electrolytic, which
// prints microfarads: that reading comes first, the picofarad code second.
//
// Where a word reads more than one way, every reading is kept, the likelier first: digits,
// R and prefix letters before EIA-198 ("R5" is 0.5 pF, then 430 nF).

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace zelkor::capacitor {

enum class System
{
    Voltage,     // a voltage code alone
    Digits,      // picofarads in digits
    DecimalMark, // R for the decimal point
    UnitLetter,  // a prefix letter
    Microfarads, // a bare number beside a voltage in volts
    Tantalum,
    Eia198,
};

struct Tolerance
{
    // Percent above and below the value; both 0 when the letter gives farads.
    double plusPercent = 0.0;
    double minusPercent = 0.0;
    double farads = 0.0; // ± in farads for the letters of parts under 10 pF

    friend bool operator==(const Tolerance &, const Tolerance &) = default;
};

struct Reading
{
    System system = System::Digits;
    std::optional<double> capacitance; // farads; nothing for a voltage alone
    std::optional<Tolerance> tolerance;
    std::optional<double> voltage; // volts

    friend bool operator==(const Reading &, const Reading &) = default;
};

enum class Failure
{
    None,
    Empty,
    Character,       // not a digit, letter, µ or decimal point
    Words,           // more than a value and a voltage
    Digits,          // four or more digits
    LeadingZero,     // a picofarad code that starts with 0
    DecimalMarks,    // more than one R
    ToleranceLetter, // a picofarad tolerance on a part of 10 pF or more
    Voltage,         // the second word is no voltage
    Unknown,
};

struct Decoded
{
    Failure failure = Failure::None;
    std::vector<Reading> readings; // the likelier first; empty on failure
    QString offending;             // the character or word a failure names
};

Decoded decode(QStringView marking);

struct Encoded
{
    // The three-digit code, with R for the decimal point under 10 pF; nothing when the value
    // needs more than two digits or lies outside the codes.
    std::optional<QString> threeDigits;
    // The EIA-198 code of the value, or of the nearest E24 value when it is none.
    std::optional<QString> eia198;
    double eia198Capacitance = 0.0; // farads, what eia198 reads as
    bool eia198Nearest = false;     // eia198 shows the nearest E24 value, not the value
};

Encoded encode(double farads);

// A value typed into the value field: a prefix letter or unit ("100n", "4.7 µF"), or a bare
// number in microfarads, as in every capacitor field. Nothing when it is no value from 0.01 pF to
// 100 kF.
std::optional<double> readCapacitance(QStringView text);

// "4.7 nF", "0.5 pF": the shortest digits with the prefix that leaves one to three before the
// point.
QString capacitanceText(double farads);
// "100 nF ±5 % 100 V"
QString readingText(const Reading &reading);
// "EIA-198", "R notation" in the installed language.
QString systemName(System system);

// What the panel shows for a typed marking or value: the readings, the codes, or the sentence
// that says what is wrong.
QString decodedText(const Decoded &decoded);
QString encodedText(const Encoded &encoded, double farads);
QString textForTypedCode(QStringView code);
QString textForTypedValue(QStringView value);

} // namespace zelkor::capacitor
