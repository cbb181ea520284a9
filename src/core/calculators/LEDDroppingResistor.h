#pragma once
// The series resistor of an LED and the power it burns.
//
// R = (U_S - U_F) / I[mA] * 1000 and P = (I/1000)^2 * R, in single precision and in exactly
// this order, since the printed digits depend on it.

#include "core/calculators/Inputs.h"
#include "core/calculators/PresetSubstitution.h"

#include <QString>

#include <array>

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

struct Inputs
{
    float supplyVoltage = 0.0f;    // V
    float forwardVoltage = 0.0f;   // V
    float currentMilliamps = 0.0f; // mA
};

struct Result
{
    float resistance = 0.0f; // Ohm
    float power = 0.0f;      // W
    bool powerWarning = false;
};

Result calculate(const Inputs &inputs);

enum class Field
{
    SupplyVoltage,
    ForwardVoltage,
    Preset, // zelkor-calc's preset number, instead of a forward voltage
    Current,
};

// The inputs as given. The panel's forward voltage is its combo box's text, after a chosen
// preset became its number; zelkor-calc gives a forward voltage or a preset number.
struct Texts
{
    Given supplyVoltage;
    Given forwardVoltage;
    Given preset;
    Given current;
};

// Supply, forward voltage and current must be there and not 0.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

// The two result lines, with the "Resistance" and "Power" captions.
QString resultText(const Result &result);

// The extra line zelkor-calc prints where the panel shows its warning image.
QString powerWarningText();

} // namespace zelkor::led
