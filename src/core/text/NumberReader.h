// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading numbers and values that people type into fields.
//
// Every field is read the same way, whatever the process locale says: leading white space
// (line breaks too) is skipped, then an optional sign, digits with an optional "." fraction
// and an optional exponent ("1e" reads as 1, the dangling "e" is not part of the number).
// Hexadecimal and the words "inf" or "nan" are not numbers. A text that does not begin with
// a number reads as 0; a number too large for a float reads as infinity.
//
// A value is a number written the way electronics people write it, for a field whose unit is
// known (Unit):
// - An SI prefix right after the number, or after one blank, scales it: p n u µ m k K M G
//   ("4.7k", "100 n"). Case counts: m is milli, M mega.
// - RKM: a prefix letter may stand for the decimal point ("4k7" is 4700, "2u2"), and so may R
//   or r, which does not scale ("4R7" is 4.7, "R47" is 0.47, "47R" is 47).
// - A unit symbol may follow, glued to the prefix: Ω ohm F H V A W Hz s m K/W °C ("4.7 kΩ",
//   "20 mA", "25.4 mm").
// A prefix or a symbol of the field's quantity makes the value a quantity: it is converted from
// the base unit into the field's unit ("100n" or "100 nF" is 0.1 in a µF field, "0.02 A" is 20
// in a mA field). A bare number is in the field's unit. A lone "m" is the metre in a length
// field ("2 m" is 2000 in a mm field) and milli everywhere else ("20m" is 20 in a mA field).
// A prefix or symbol only counts when it ends the word: in "5 mins" the number is 5.

#include <QStringView>

#include <optional>

namespace zelkor {

struct NumberScan
{
    float value = 0.0f;
    qsizetype end = 0; // index just past the number, 0 when the text holds none
    bool found = false;
};

// The leading plain number of text, and where it ends.
NumberScan scanNumber(QStringView text);

// The leading plain number, or 0.
float floatValue(QStringView text);

// The plain number when text holds nothing else (white space around it allowed).
std::optional<float> parseNumber(QStringView text);

// What a field holds. Symbols say which quantity a value is of.
enum class Quantity
{
    Number, // a count such as turns: prefixes, but no unit symbol
    Resistance,
    Capacitance,
    Inductance,
    Voltage,
    Current,
    Power,
    Frequency,
    Time,
    Length,
    ThermalResistance,
    Temperature,
    Any, // whatever the symbol says; the value is in its base unit
};

// A field's unit: its quantity, and the power of ten of the base unit it is written in.
struct Unit
{
    Quantity quantity = Quantity::Number;
    int exponent = 0; // -3 for mA, -6 for µF
};

namespace units {
inline constexpr Unit kNumber{};
inline constexpr Unit kOhms{Quantity::Resistance, 0};
inline constexpr Unit kMicrofarads{Quantity::Capacitance, -6};
inline constexpr Unit kMicrohenries{Quantity::Inductance, -6};
inline constexpr Unit kVolts{Quantity::Voltage, 0};
inline constexpr Unit kAmperes{Quantity::Current, 0};
inline constexpr Unit kMilliamperes{Quantity::Current, -3};
inline constexpr Unit kWatts{Quantity::Power, 0};
inline constexpr Unit kMillimetres{Quantity::Length, -3};
inline constexpr Unit kKelvinsPerWatt{Quantity::ThermalResistance, 0};
inline constexpr Unit kDegreesCelsius{Quantity::Temperature, 0};
} // namespace units

template <typename Number> struct BasicValueScan
{
    Number value = 0;  // in the field's unit
    qsizetype end = 0; // index just past the value, 0 when the text holds none
    bool found = false;
    // The value carries a symbol of another quantity ("12 V" for a current); value is then the
    // number alone, and end lies before the symbol.
    bool otherQuantity = false;
};
using ValueScan = BasicValueScan<float>;

// The value text begins with, in unit, and where it ends.
ValueScan scanValue(QStringView text, Unit unit);

// A panel field's value: the value the text begins with, in unit; 0 when it begins with none.
float fieldValue(QStringView text, Unit unit);
// The same in double precision (see readPreciseValue).
double preciseFieldValue(QStringView text, Unit unit);

template <typename Number> struct BasicValueReading
{
    std::optional<Number> value; // in the field's unit; nothing when text is not a value of it
    bool otherQuantity = false;  // the text is a value, but of another quantity
};
using ValueReading = BasicValueReading<float>;
using PreciseValueReading = BasicValueReading<double>;

// A whole text as one value in unit: a number, then a prefix or RKM letter, then a unit symbol,
// each optional, white space around it allowed. Anything else is no value.
ValueReading readValue(QStringView text, Unit unit);
// The same in double precision, for values compared with exact decimals (a target that is a
// standard value, a resistance to write as a code): "1R8" is 1.8, not the float 1.7999999.
PreciseValueReading readPreciseValue(QStringView text, Unit unit);

} // namespace zelkor
