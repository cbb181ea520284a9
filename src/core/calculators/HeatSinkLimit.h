// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The heat sink worked the third way: the largest power a chip may dissipate when its heat
// path is known. The same three thermal resistances in series as in HeatSink.h give
//   P = (T_max − T_amb) / ((R_chip + R_mount) + R_sink)
// in single precision and in this order, like the other two modes.

#include <QString>

namespace zelkor::heatsink {

struct PowerLimitInputs
{
    float chipResistance = 0.0f;     // K/W
    float mountingResistance = 0.0f; // K/W
    float sinkResistance = 0.0f;     // K/W
    float maxTemperature = 0.0f;     // °C
    float ambientTemperature = 0.0f; // °C; 0 and below are real temperatures
};

enum class PowerLimitOutcome
{
    MaxPower,      // watts holds the power
    AmbientTooHot, // T_amb >= T_max: no power at all is allowed
    NotPositive,   // a resistance below 0 or not a number, none above 0, or a temperature not
                   // a number
};

struct PowerLimit
{
    PowerLimitOutcome outcome = PowerLimitOutcome::NotPositive;
    float watts = 0.0f;
    // The temperature mode's warning images, for the same reason.
    bool temperatureWarnings() const { return outcome == PowerLimitOutcome::AmbientTooHot; }
};

PowerLimit maxPower(const PowerLimitInputs &inputs);

// "Largest power: 19.74 W", or the temperature mode's ambient warning.
QString maxPowerText(const PowerLimit &limit);

} // namespace zelkor::heatsink
