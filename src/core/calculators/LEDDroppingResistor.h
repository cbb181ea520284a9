// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The series resistor of an LED and the power it burns.
//
// R = (U_S - U_F) / I[mA] * 1000 and P = (I/1000)^2 * R, in single precision and in exactly
// this order, since the printed digits depend on it. R is rarely a value one can buy: the next
// standard value at or above it, R_E, lets a little less current flow, I_E = (U_S - U_F) / R_E,
// and burns P_E = (U_S - U_F)^2 / R_E. Built, the supply, the forward voltage and the resistor
// each lie somewhere in their tolerance, so I_E and P_E lie in a range.

#include "core/calculators/Inputs.h"
#include "core/calculators/PresetSubstitution.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <array>
#include <optional>

namespace zelkor::led {

// The forward-voltage list, by list index. Not ascending: green is 2.2 V and yellow 2.1 V.
inline constexpr std::array<Preset, 6> kForwardVoltagePresets = {{
    {"LEDPresetInfrared", "infrared", 1.5f},
    {"LEDPresetRed", "red", 1.6f},
    {"LEDPresetGreen", "green", 2.2f},
    {"LEDPresetYellow", "yellow", 2.1f},
    {"LEDPresetBlue", "blue", 2.9f},
    {"LEDPresetWhite", "white", 4.0f},
}};
inline constexpr QStringView kForwardVoltageUnit = u"V";

// Above this the resistor needs a warning: few through-hole resistors take more.
inline constexpr float kPowerWarningWatts = 10.0f;

// The series the standard resistor may come from; the first is the default.
inline constexpr std::array kStandardSeries = {eseries::Series::E12, eseries::Series::E24};

struct Inputs
{
    float supplyVoltage = 0.0f;    // V
    float forwardVoltage = 0.0f;   // V
    float currentMilliamps = 0.0f; // mA
    eseries::Series series = kStandardSeries[0];
    std::optional<double> tolerancePercent; // the resistor's; nothing: its series'
    double supplyTolerancePercent = 0.0;
    double forwardSpread = 0.0; // ± V
};

// The resistor to buy, and what the LED then gets.
struct StandardResistor
{
    eseries::Series series = kStandardSeries[0];
    double resistance = 0.0;       // Ohm
    double currentMilliamps = 0.0; // mA
    double power = 0.0;            // W
    double tolerancePercent = 0.0;
    tolerance::Range currentRange; // mA
    tolerance::Range powerRange;   // W
};

struct Result
{
    Inputs inputs;           // as read
    float resistance = 0.0f; // Ohm
    float power = 0.0f;      // W
    bool powerWarning = false;
    std::optional<StandardResistor> standard; // nothing when no standard value fits
};

Result calculate(const Inputs &inputs);

enum class Field
{
    SupplyVoltage,
    ForwardVoltage,
    Preset, // zelkor-calc's preset number, instead of a forward voltage
    Current,
    Series,
    Tolerance,
    SupplyTolerance,
    ForwardSpread,
};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::SupplyVoltage,
                    {.key = "supply",
                     .option = "--supply",
                     .caption = "SupplyVoltage",
                     .help = "Supply voltage in V",
                     .rule = {.unit = units::kVolts, .need = Need::NonZero}}},
    FieldRow<Field>{Field::ForwardVoltage,
                    {.key = "forward",
                     .option = "--forward",
                     .caption = "ForwardVoltage",
                     .help = "LED forward voltage in V",
                     .rule = {.unit = units::kVolts, .need = Need::NonZero, .presetList = true},
                     .alternative = "--preset"}},
    FieldRow<Field>{Field::Preset,
                    {.key = "preset",
                     .option = "--preset",
                     .caption = "ForwardVoltage",
                     .help = "Forward voltage preset: 0 infrared 1.5 V, 1 red 1.6 V, 2 green "
                             "2.2 V, 3 yellow 2.1 V, 4 blue 2.9 V, 5 white 4.0 V",
                     .kind = FieldKind::Preset,
                     .alternative = "--forward",
                     .accepts = "a preset number from 0 to 5"}},
    FieldRow<Field>{Field::Current,
                    {.key = "current",
                     .option = "--current",
                     .caption = "OperatingCurrent",
                     .help = "LED current in mA",
                     .rule = {.unit = units::kMilliamperes, .need = Need::NonZero}}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "LEDResistorSeries",
                     .help = "Series of the standard resistor to buy: E12 (default) or E24",
                     .kind = FieldKind::Choice,
                     .accepts = "E12 or E24"}},
    FieldRow<Field>{Field::Tolerance,
                    {.key = "tolerance",
                     .option = "--tolerance",
                     .caption = "ResistorTolerance",
                     .help = "Tolerance of the standard resistor in % (default its series': E12 "
                             "10, E24 5)",
                     .rule = tolerance::kPercentRule}},
    FieldRow<Field>{Field::SupplyTolerance,
                    {.key = "supply_tolerance",
                     .option = "--supply-tolerance",
                     .caption = "SupplyTolerance",
                     .help = "Tolerance of the supply voltage in % (default 0)",
                     .rule = tolerance::kPercentRule}},
    FieldRow<Field>{Field::ForwardSpread,
                    {.key = "forward_spread",
                     .option = "--forward-spread",
                     .caption = "ForwardSpread",
                     .help = "Spread of the forward voltage, ± V (default 0)",
                     .rule = tolerance::kVoltsSpreadRule}},
};
static_assert(inFieldOrder(kFields));

// The inputs as given. The panel's forward voltage is its combo box's text, after a chosen
// preset became its number; zelkor-calc gives a forward voltage or a preset number.
struct Texts
{
    Given supplyVoltage;
    Given forwardVoltage;
    Given preset;
    Given current;
    Given series; // "E12" or "E24"; nothing for the first
    Given tolerance{};
    Given supplyTolerance{};
    Given forwardSpread{};
};

// Supply, forward voltage and current must be there and not 0, and the supply must be above the
// forward voltage: otherwise the LED cannot light, and the supply is OutOfRange.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

// The result lines: resistance and power with their captions, then the standard resistor.
QString nominalText(const Result &result);
// The range of the standard resistor's current and power in the built circuit; empty without
// a standard resistor.
QString rangeText(const Result &result);
// Both, the range beneath.
QString resultText(const Result &result);

// The sentence the panel shows instead of a result for problem; empty when it stays silent.
QString problemText(const Problem<Field> &problem);

// The extra line zelkor-calc prints where the panel shows its warning image.
QString powerWarningText();

} // namespace zelkor::led
