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

// The modes' kept names, by Mode.
inline constexpr std::array<const char *, 3> kModeNames = {"sink", "max_temp", "max_power"};

// A panel waits past a 0 power, thermal resistance or maximum temperature; zelkor-calc takes a
// 0 for what it is, an ideal mounting or a maximum of 0 °C.
inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Mode,
                    {.key = "mode",
                     .option = nullptr, // zelkor-calc: --sink, --max-temp or --max-power
                     .caption = "HeatSinks",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::Power,
                    {.key = "power",
                     .option = "--power",
                     .caption = "HeatSinkPowerCaption",
                     .help = "Power dissipated in W",
                     .rule = {.unit = units::kWatts, .need = Need::NonZero}}},
    FieldRow<Field>{Field::ChipResistance,
                    {.key = "chip",
                     .option = "--chip",
                     .caption = "ChipToCaseCaption",
                     .help = "Thermal resistance chip to case in K/W",
                     .rule = {.unit = units::kKelvinsPerWatt,
                              .need = Need::NonZero,
                              .domain = domains::kAtLeastZero}}},
    FieldRow<Field>{Field::MountingResistance,
                    {.key = "mount",
                     .option = "--mount",
                     .caption = "CaseToHeatSinkCaption",
                     .help = "Thermal resistance case to heat sink in K/W",
                     .rule = {.unit = units::kKelvinsPerWatt,
                              .need = Need::NonZero,
                              .presetList = true,
                              .domain = domains::kAtLeastZero},
                     .alternative = "--mount-preset"}},
    FieldRow<Field>{Field::MountingPreset,
                    {.key = "mount_preset",
                     .option = "--mount-preset",
                     .caption = "CaseToHeatSinkCaption",
                     .help = "Mounting preset: 0 mica washer 0.3 K/W, 1 thermal paste 0.1 K/W, 2 "
                             "thermal pad 0.1 K/W",
                     .kind = FieldKind::Preset,
                     .alternative = "--mount",
                     .accepts = "a preset number from 0 to 2"}},
    FieldRow<Field>{Field::SinkResistance,
                    {.key = "sink",
                     .option = "--sink",
                     .caption = "TRHeatSink",
                     .help = "Thermal resistance of the heat sink in K/W",
                     .rule = {.unit = units::kKelvinsPerWatt,
                              .need = Need::NonZero,
                              .domain = domains::kAtLeastZero}}},
    FieldRow<Field>{Field::MaxTemperature,
                    {.key = "max_temp",
                     .option = "--max-temp",
                     .caption = "MaxChipTemp",
                     .help = "Maximum chip temperature in °C",
                     .rule = {.unit = units::kDegreesCelsius,
                              .need = Need::NonZero,
                              .domain = domains::kAboveAbsoluteZero}}},
    FieldRow<Field>{
        Field::Ambient,
        {.key = "ambient",
         .option = "--ambient",
         .caption = "AmbientTemperatureCaption",
         .help = "Ambient temperature in °C",
         .rule = {.unit = units::kDegreesCelsius, .domain = domains::kAboveAbsoluteZero}}},
};
static_assert(inFieldOrder(kFields));

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

// Power, both resistances and the mode's input must be there, and within their domains: a
// power above 0, thermal resistances of at least 0, temperatures above absolute zero. The
// power-limit mode reads no power (giving one anyway is a Conflict) but both the sink and T_max;
// when the three resistances add up to 0, any power would do, which is Impossible. A result too
// large for a float is an Overflow of the input furthest from 1.
zelkor::Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

QString resultText(const Result &result);

// Caption ("...:") and unit of the field whose meaning follows the mode.
QString modeFieldCaption(Mode mode);
QString modeFieldUnit(Mode mode);

} // namespace zelkor::heatsink
