// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// From a resistance to its colour bands, and back.
//
// Four bands show two significant digits, five and six bands three. A value is shown on the
// fewest bands that hold both its digits and its tolerance: 4.7 kΩ 5 % is yellow violet red
// gold, 4.7 kΩ 0.1 % needs five bands since violet (0.1 %) is no four-band tolerance. A value
// with more digits than the bands hold is rounded half away from zero to what they show, on five
// bands when the count is left open: 12345 Ω becomes 12.3 kΩ. The
// multiplier runs from silver (× 0.01) to white (× 10⁹) on four bands and to blue (× 10⁶) on
// five and six, as the band pop-ups list them.
//
// Resistors are made in the E series that their tolerance implies (IEC 60063): E6 for 20 %, E12
// for 10 %, E24 for 5 %, E48 for 2 %, E96 for 1 % and E192 below. A value outside it can still be
// banded; standardValueNote() says so and names the standard values around it.

#include "core/resistor/ResistorBands.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zelkor::resistor {

inline constexpr int kDefaultTemperatureCoefficient = 100; // ppm/K, brown

struct ColorBandsRequest
{
    double resistance = 0.0; // ohms
    float tolerance = 5.0f;  // percent
    int bands = 0;           // 4, 5 or 6; 0 for the fewest that show the value
    int temperatureCoefficient = kDefaultTemperatureCoefficient; // ppm/K, six bands only
};

enum class ColorBandsFailure
{
    None,
    OutOfRange,             // the multiplier would lie beyond the band's colours
    Tolerance,              // the tolerance has no colour on that many bands
    TemperatureCoefficient, // no colour stands for that many ppm/K
    BandCount,              // not 4, 5 or 6 bands
};

struct ColorBands
{
    ColorBandsFailure failure = ColorBandsFailure::None;
    int bands = 0;           // the band count used, or the last one tried on failure
    std::vector<int> codes;  // ColorCode values, first band first; empty on failure
    double resistance = 0.0; // ohms, as the bands show it
    bool rounded = false;    // the bands show fewer significant digits than were asked for
};

ColorBands colorBandsFor(const ColorBandsRequest &request);

// The engine behind the resistor and the inductor codes: digit bands, a multiplier band that
// starts at silver (× 0.01), and a tolerance band, on the pop-ups that bands name.
struct BandLayout
{
    std::span<const Band> bands; // digits, multiplier, tolerance; nothing after them is read
    int digits = 2;
    float (*toleranceFor)(std::uint32_t position) = nullptr;
};

struct LaidOutBands
{
    ColorBandsFailure failure = ColorBandsFailure::None;
    std::vector<int> codes; // empty on failure
    double value = 0.0;     // as the bands show it
    bool rounded = false;
};

// value rounded half away from zero to the layout's digits, on its bands.
LaidOutBands layOutBands(const BandLayout &layout, double value, float tolerance);

struct LaidOutValue
{
    double value = 0.0; // exactly the decimal the bands show
    float tolerance = 0.0f;
    std::array<std::uint32_t, 6> positions{}; // each code's pop-up position
};

// One code per band of the layout; nothing when a code cannot stand on its band.
std::optional<LaidOutValue> readBands(const BandLayout &layout, std::span<const int> codes);

// What a band's colour codes say, exactly: 47 × 10² rather than the float the text shows.
struct BandValue
{
    double resistance = 0.0;        // ohms
    float tolerance = 0.0f;         // percent
    int temperatureCoefficient = 0; // ppm/K; 0 below six bands
};

// The value of four, five or six codes; nothing when a code cannot stand on its band.
std::optional<BandValue> valueOfColorCodes(std::span<const int> codes);

// The colour-code panel's result text for these codes, computed the way the panel computes it
// from its pop-ups; empty when a code cannot stand on its band.
QString colorBandsText(std::span<const int> codes);

// The sentence for a failure, naming the value, e.g. "4 bands cannot show 49.9 kΩ: ...".
QString colorBandsFailureText(const ColorBands &bands, const ColorBandsRequest &request);

eseries::Series seriesForTolerance(float tolerance);

// Empty when resistance is a value of the series its tolerance implies; otherwise a sentence that
// names the series and the nearest standard values below and above.
QString standardValueNote(double resistance, float tolerance);

// The tolerances the colour-code panel offers for a typed value, in percent.
inline constexpr float kValueTolerances[] = {20.0f, 10.0f, 5.0f, 2.0f, 1.0f,
                                             0.5f,  0.25f, 0.1f, 0.05f};

// The colour-code panel's value field: what is typed, and what the panel shows besides it.
struct TypedValue
{
    QString text; // "4k7"
    float tolerance = 5.0f;
    bool sixBands = false; // the six-band page is shown: stay on it
    int temperatureCoefficient = kDefaultTemperatureCoefficient;
};

struct TypedValueBands
{
    std::vector<int> codes; // the bands to show; empty when the value cannot be shown
    QString note;           // why not, whether it was rounded, whether it is a standard value
};

TypedValueBands bandsForTypedValue(const TypedValue &typed);

// What the value field, its tolerance and the note show for bands picked by hand.
struct PickedValue
{
    QString text; // "4.7k"
    float tolerance = 0.0f;
    QString note;
};

std::optional<PickedValue> pickedValue(std::span<const int> codes);

} // namespace zelkor::resistor
