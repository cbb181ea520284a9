#pragma once
// The series resistor of an LED and the power it burns.
//
// R = (U_S - U_F) / I[mA] * 1000 and P = (I/1000)^2 * R, in single precision and in exactly
// this order, since the printed digits depend on it. A supply below the forward voltage is not
// rejected: R and P come out negative and are printed so.

#include <QString>

#include <array>
#include <optional>

namespace zelkor::led {

// Forward voltages of the preset list, by list index. Not ascending: index 2 (green) is 2.2 V
// and index 3 (yellow) is 2.1 V.
inline constexpr std::array<float, 6> kForwardVoltagePresets = {1.5f, 1.6f, 2.2f, 2.1f, 2.9f, 4.0f};

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

// Nothing when any input is exactly 0 (an empty field reads 0).
std::optional<Result> calculate(const Inputs &inputs);

// The two result lines, with the "Resistance" and "Power" captions.
QString resultText(const Result &result);

// The extra line zelkor-calc prints where the panel shows its warning image.
QString powerWarningText();

} // namespace zelkor::led
