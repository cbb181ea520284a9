// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/HeatSink.h"

#include "core/calculators/HeatSinkLimit.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <cmath>
#include <utility>

namespace zelkor::heatsink {

namespace {

// A result too large for a float comes from an input far from 1, large or small (a tiny power
// divides): that one is blamed.
std::optional<Problem<Field>> overflowOf(const Result &result, const Texts &texts)
{
    const Inputs &in = result.inputs;
    const bool sinkGiven = in.mode == Mode::SinkResistanceGiven;
    const std::pair<Field, float> candidates[] = {
        {in.mode == Mode::PowerLimit ? Field::SinkResistance : Field::Power,
         in.mode == Mode::PowerLimit ? in.sinkResistance : in.power},
        {Field::ChipResistance, in.chipResistance},
        {texts.mountingPreset ? Field::MountingPreset : Field::MountingResistance,
         in.mountingResistance},
        {sinkGiven ? Field::SinkResistance : Field::MaxTemperature,
         in.sinkResistanceOrMaxTemperature},
        {Field::Ambient, in.ambientTemperature}};
    Field blamed = Field::Power;
    double furthest = -1.0;
    for (const auto &[field, value] : candidates) {
        const double distance = value == 0.0f ? 0.0 : std::abs(std::log10(std::abs(value)));
        if (distance > furthest) {
            furthest = distance;
            blamed = field;
        }
    }
    return overflow(blamed, result.value);
}

} // namespace

Result calculate(const Inputs &in)
{
    const float ambient = in.ambientTemperature;
    if (in.mode == Mode::PowerLimit) {
        const PowerLimit limit =
            maxPower({in.chipResistance, in.mountingResistance, in.sinkResistance,
                      in.sinkResistanceOrMaxTemperature, ambient});
        if (limit.outcome == PowerLimitOutcome::MaxPower)
            return Result{Outcome::MaxPower, limit.watts, in};
        // Resistances read from texts are at least 0 and not all 0, so only the ambient can
        // stop it.
        return Result{Outcome::AmbientTooHot, 0.0f, in};
    }
    const float upToSink = in.power * (in.chipResistance + in.mountingResistance);
    if (in.mode == Mode::SinkResistanceGiven) {
        const float sinkRise = in.power * in.sinkResistanceOrMaxTemperature;
        return Result{Outcome::ChipTemperature, ambient + (upToSink + sinkRise), in};
    }

    const float maxTemperature = in.sinkResistanceOrMaxTemperature;
    if (ambient >= maxTemperature)
        return Result{Outcome::AmbientTooHot, 0.0f, in};
    const float sinkResistance = ((maxTemperature - ambient) - upToSink) / in.power;
    if (sinkResistance <= 0.0f)
        return Result{Outcome::NoSinkSuffices, sinkResistance, in};
    return Result{Outcome::MaxSinkResistance, sinkResistance, in};
}

zelkor::Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Inputs inputs;
    const bool powerSought = texts.mode == Mode::PowerLimit;
    if (powerSought && texts.power)
        return Problem<Field>{Reason::Conflict, Field::Power};
    if (!powerSought) {
        const auto power = read(kFields, Field::Power, texts.power, reading);
        if (!power)
            return power.problem();
        inputs.power = *power;
    }
    const auto chip = read(kFields, Field::ChipResistance, texts.chipResistance, reading);
    if (!chip)
        return chip.problem();
    inputs.chipResistance = *chip;

    if (texts.mountingResistance && texts.mountingPreset)
        return Problem<Field>{Reason::Conflict, Field::MountingPreset};
    if (texts.mountingPreset) {
        const auto preset =
            readPreset(Field::MountingPreset, *texts.mountingPreset, kMountingPresets.size());
        if (!preset)
            return preset.problem();
        inputs.mountingResistance = kMountingPresets[*preset].value;
    } else {
        const auto mount =
            read(kFields, Field::MountingResistance, texts.mountingResistance, reading);
        if (!mount)
            return mount.problem();
        inputs.mountingResistance = *mount;
    }

    if (texts.mode) {
        inputs.mode = *texts.mode;
    } else if (texts.sinkResistance && texts.maxTemperature) {
        return Problem<Field>{Reason::Conflict, Field::MaxTemperature};
    } else if (texts.sinkResistance || texts.maxTemperature) {
        inputs.mode =
            texts.sinkResistance ? Mode::SinkResistanceGiven : Mode::MaxChipTemperatureGiven;
    } else {
        return Problem<Field>{Reason::Missing, Field::Mode};
    }
    if (powerSought) {
        const auto sink = read(kFields, Field::SinkResistance, texts.sinkResistance, reading);
        if (!sink)
            return sink.problem();
        inputs.sinkResistance = *sink;
    }
    const bool sinkGiven = inputs.mode == Mode::SinkResistanceGiven; // else T_max is read
    const auto modeValue = read(kFields, sinkGiven ? Field::SinkResistance : Field::MaxTemperature,
                                sinkGiven ? texts.sinkResistance : texts.maxTemperature, reading);
    if (!modeValue)
        return modeValue.problem();
    inputs.sinkResistanceOrMaxTemperature = *modeValue;

    const auto ambient = read(kFields, Field::Ambient, texts.ambient, reading);
    if (!ambient)
        return ambient.problem();
    inputs.ambientTemperature = *ambient;
    if (powerSought &&
        inputs.chipResistance + inputs.mountingResistance + inputs.sinkResistance == 0.0f)
        return Problem<Field>{Reason::Impossible, Field::SinkResistance};
    const Result result = calculate(inputs);
    if (const auto problem = overflowOf(result, texts))
        return *problem;
    return result;
}

QString resultText(const Result &result)
{
    switch (result.outcome) {
    case Outcome::ChipTemperature:
        return formatText(u"%@: %.02f", {text("ResultingChipTemp"), result.value});
    case Outcome::MaxSinkResistance:
        return formatText(u"%@: %.02f °K/W", {text("HeatSinkResultMsg"), result.value});
    case Outcome::NoSinkSuffices:
        return text("HeatSinkInvalidInput");
    case Outcome::MaxPower:
        return maxPowerText({PowerLimitOutcome::MaxPower, result.value});
    case Outcome::AmbientTooHot:
        break;
    }
    return text("MaxChipTempWarning");
}

QString modeFieldCaption(Mode mode)
{
    return text(mode == Mode::MaxChipTemperatureGiven ? "MaxChipTemp" : "TRHeatSink") + u':';
}

QString modeFieldUnit(Mode mode)
{
    return mode == Mode::MaxChipTemperatureGiven ? QStringLiteral("°C") : QStringLiteral("°K/W");
}

} // namespace zelkor::heatsink
