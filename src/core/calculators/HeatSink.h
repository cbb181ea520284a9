#pragma once
// Heat flows from the chip through three thermal resistances in series: chip to case
// (R_chip), case to heat sink (R_mount) and heat sink to air (R_sink).
//
// Given R_sink:  T_chip = T_amb + (P * (R_chip + R_mount) + P * R_sink)
// Given T_max:   R_sink = ((T_max - T_amb) - P * (R_chip + R_mount)) / P
// Single precision, evaluated in exactly these orders: the printed digits depend on it.

#include <QString>

#include <array>
#include <optional>

namespace zelkor::heatsink {

// Case-to-heat-sink resistances of the mounting list, by list index (K/W).
inline constexpr std::array<float, 3> kMountingPresets = {0.3f, 0.1f, 0.1f};

enum class Mode
{
    SinkResistanceGiven,     // yields the chip temperature
    MaxChipTemperatureGiven, // yields the largest heat-sink resistance allowed
};

struct Inputs
{
    Mode mode = Mode::SinkResistanceGiven;
    float power = 0.0f;                          // W
    float chipResistance = 0.0f;                 // K/W
    float mountingResistance = 0.0f;             // K/W
    float sinkResistanceOrMaxTemperature = 0.0f; // K/W or °C, after mode
    std::optional<float> ambientTemperature;     // °C; nothing when the field is empty
};

enum class Outcome
{
    ChipTemperature,   // value in °C
    MaxSinkResistance, // value in K/W
    NoSinkSuffices,    // chip and mounting alone already exceed T_max
    AmbientTooHot,     // T_amb >= T_max
};

struct Result
{
    Outcome outcome = Outcome::ChipTemperature;
    float value = 0.0f;
    // Both warning images show only for an ambient at or above the maximum chip temperature.
    bool temperatureWarnings() const { return outcome == Outcome::AmbientTooHot; }
};

// Nothing when power, a resistance or the mode's field is exactly 0, or the ambient is missing.
// An ambient of 0 °C or below is a real temperature.
std::optional<Result> calculate(const Inputs &inputs);

QString resultText(const Result &result);

// Caption ("...:") and unit of the field whose meaning follows the mode.
QString modeFieldCaption(Mode mode);
QString modeFieldUnit(Mode mode);

} // namespace zelkor::heatsink
