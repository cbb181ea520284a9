// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Heat flows from the chip through three thermal resistances in series: chip to case
// (R_chip), case to heat sink (R_mount) and heat sink to air (R_sink).
//
// Given R_sink:  T_chip = T_amb + (P * (R_chip + R_mount) + P * R_sink)
// Given T_max:   R_sink = ((T_max - T_amb) - P * (R_chip + R_mount)) / P
// Given both:    P = (T_max - T_amb) / ((R_chip + R_mount) + R_sink)   (HeatSinkLimit.h)
// Single precision, evaluated in exactly these orders: the printed digits depend on it.

#include "core/calculators/Inputs.h"
#include "core/calculators/PresetSubstitution.h"

#include <QString>

#include <array>
#include <optional>

namespace zelkor::heatsink {

// Case-to-heat-sink resistances of the mounting list, by list index.
inline constexpr std::array<Preset, 3> kMountingPresets = {{
    {"MountingMicaWasher", "mica washer", 0.3f},
    {"MountingThermalPaste", "thermal paste", 0.1f},
    {"MountingThermalPad", "thermal pad", 0.1f},
}};
inline constexpr QStringView kMountingUnit = u"K/W";

enum class Mode
{
    SinkResistanceGiven,     // yields the chip temperature
    MaxChipTemperatureGiven, // yields the largest heat-sink resistance allowed
    PowerLimit,              // sink and T_max given: yields the largest power (HeatSinkLimit.h)
};

struct Inputs
{
    Mode mode = Mode::SinkResistanceGiven;
    float power = 0.0f;                          // W
    float chipResistance = 0.0f;                 // K/W
    float mountingResistance = 0.0f;             // K/W
    float sinkResistanceOrMaxTemperature = 0.0f; // K/W or °C, after mode
    float ambientTemperature = 0.0f;             // °C
    float sinkResistance = 0.0f; // K/W, power-limit mode only: the other field holds T_max
};

enum class Outcome
{
    ChipTemperature,   // value in °C
    MaxSinkResistance, // value in K/W
    NoSinkSuffices,    // chip and mounting alone already exceed T_max
    AmbientTooHot,     // T_amb >= T_max
    MaxPower,          // value in W
};

struct Result
{
    Outcome outcome = Outcome::ChipTemperature;
    float value = 0.0f;
    Inputs inputs; // as read, for those that echo them
    // Both warning images show only for an ambient at or above the maximum chip temperature.
    bool temperatureWarnings() const { return outcome == Outcome::AmbientTooHot; }
};

Result calculate(const Inputs &inputs);

enum class Field
{
    Mode,
    Power,
    ChipResistance,
    MountingResistance,
    MountingPreset, // zelkor-calc's preset number, instead of a mounting resistance
    SinkResistance,
    MaxTemperature,
    Ambient,
};

// The inputs as given. The panel's mounting resistance is its combo box's text, after a chosen
// preset became its number, and its mode field's text goes to the mode's input; zelkor-calc
// gives a resistance or a preset number, and picks the mode by giving --sink or --max-temp
// (both, with --max-power).
struct Texts
{
    std::optional<Mode> mode; // nothing: the mode follows from which of the two is given
    Given power;
    Given chipResistance;
    Given mountingResistance;
    Given mountingPreset;
    Given sinkResistance;
    Given maxTemperature;
    Given ambient;
};

// Power, both resistances and the mode's input must be there and not 0. The power-limit mode
// reads no power (giving one anyway is a Conflict) but both the sink and T_max. An ambient of 0 °C
// or below is a real temperature: only a missing one stops.
zelkor::Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

QString resultText(const Result &result);

// Caption ("...:") and unit of the field whose meaning follows the mode.
QString modeFieldCaption(Mode mode);
QString modeFieldUnit(Mode mode);

} // namespace zelkor::heatsink
