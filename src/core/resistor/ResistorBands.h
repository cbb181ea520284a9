// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resistor colour code (IEC 60062) for four-, five- and six-band resistors: which colours
// each band can take, what a pick means, and the result text.
//
// A band pop-up lists its colours in a fixed order. The calculation reads only the position of
// the pick, the drawing only its colour code; bandColorCodes() is the one list behind both, so
// the two cannot disagree. All arithmetic is single precision: the printed digits depend on it.

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace zelkor::resistor {

// A band colour's code: the pop-up items' tag and the key of the colour table.
enum ColorCode : int
{
    Silver = 0,
    Gold,
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    NoBand,
};
inline constexpr int kColorCodeCount = 13;

// One pop-up per band and band count, numbered like the pop-ups.
enum class Band
{
    FourBandsFirst,  // digit 1..9
    FourBandsSecond, // digit 0..9
    FourBandsThird,  // multiplier 0.01 .. 1 G
    FourBandsFourth, // tolerance
    FiveBandsFirst,  // digit 1..9
    FiveBandsSecond, // digit 0..9
    FiveBandsThird,  // digit 0..9
    FiveBandsFourth, // multiplier 0.01 .. 1 M
    FiveBandsFifth,  // tolerance
    // Six bands: the five-band code followed by the temperature coefficient.
    SixBandsFirst,
    SixBandsSecond,
    SixBandsThird,
    SixBandsFourth,
    SixBandsFifth,
    SixBandsSixth, // temperature coefficient
    // A moulded inductor: two digits, a multiplier (silver × 0.01 … yellow × 10⁴) and a
    // tolerance, in µH.
    InductorFirst,
    InductorSecond,
    InductorMultiplier,
    InductorTolerance,
};

// The colour codes of band's items, in pop-up order: item i carries the i-th code.
std::span<const int> bandColorCodes(Band band);

// The position of code in band's pop-up, or nothing when the band cannot take that colour.
std::optional<std::uint32_t> positionOf(Band band, int code);

// Tolerance in percent; every position past the list gives 42.
float fourBandsResistorToleranceFor(std::uint32_t position);
// Tolerance in percent; 0 past the list.
float fiveBandsToleranceFor(std::uint32_t position);
// Multiplier; 0 past the list.
float fiveBandsMultiplierFor(std::uint32_t position);
// An inductor's tolerance in percent (black or no band 20, silver 10, gold 5, brown 1 … yellow 4);
// 0 past the list.
float inductorToleranceFor(std::uint32_t position);
// Temperature coefficient in ppm/K (black 250 ... grey 1); 0 past the list.
int sixBandsTemperatureCoefficientFor(std::uint32_t position);

struct Reading
{
    float resistance = 0.0f; // ohms
    float tolerance = 0.0f;  // percent
};

// Positions of the first to fourth band pop-ups.
Reading fourBandsReading(const std::array<std::uint32_t, 4> &positions);
// Positions of the first to fifth band pop-ups.
Reading fiveBandsReading(const std::array<std::uint32_t, 5> &positions);

// "Resistance: 4.70 kΩ\nTolerance: 5.0% (±0.24 kΩ)" with the installed texts.
QString parseStringsFor(float resistance, float tolerance);
// The same with a third line for the temperature coefficient in ppm/K.
QString parseStringsFor(float resistance, float tolerance, int temperatureCoefficient);

// The tolerance as printed: one decimal, two where one would show a different tolerance.
QString toleranceText(float tolerance);

// The translation key of a colour's visible name ("ColorBrown"); nullptr outside the table.
const char *colorTextKey(int code);

// The lower-case English name the command line uses ("brown", "none").
QString colorName(int code);

// The code for a command-line colour name, in any letter case; "gray" and "purple" are also
// understood.
std::optional<int> colorCodeForName(QStringView name);

} // namespace zelkor::resistor
