// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/HeatSink.h"

#include "core/calculators/HeatSinkLimit.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::heatsink {

namespace {
constexpr InputRule kPowerRule{.unit = units::kWatts, .need = Need::NonZero};
constexpr InputRule kResistanceRule{.unit = units::kKelvinsPerWatt, .need = Need::NonZero};
constexpr InputRule kMountingRule{
    .unit = units::kKelvinsPerWatt, .need = Need::NonZero, .presetList = true};
constexpr InputRule kMaxTemperatureRule{.unit = units::kDegreesCelsius, .need = Need::NonZero};
// 0 °C is a real ambient temperature.
constexpr InputRule kAmbientRule{.unit = units::kDegreesCelsius};
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
        // Every resistance was read as above 0, so only the ambient can stop it.
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
        const auto power = read(Field::Power, texts.power, kPowerRule, reading);
        if (!power)
            return power.problem();
        inputs.power = *power;
    }
    const auto chip = read(Field::ChipResistance, texts.chipResistance, kResistanceRule, reading);
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
            read(Field::MountingResistance, texts.mountingResistance, kMountingRule, reading);
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
        const auto sink =
            read(Field::SinkResistance, texts.sinkResistance, kResistanceRule, reading);
        if (!sink)
            return sink.problem();
        inputs.sinkResistance = *sink;
    }
    const bool sinkGiven = inputs.mode == Mode::SinkResistanceGiven; // else T_max is read
    const auto modeValue = read(sinkGiven ? Field::SinkResistance : Field::MaxTemperature,
                                sinkGiven ? texts.sinkResistance : texts.maxTemperature,
                                sinkGiven ? kResistanceRule : kMaxTemperatureRule, reading);
    if (!modeValue)
        return modeValue.problem();
    inputs.sinkResistanceOrMaxTemperature = *modeValue;

    const auto ambient = read(Field::Ambient, texts.ambient, kAmbientRule, reading);
    if (!ambient)
        return ambient.problem();
    inputs.ambientTemperature = *ambient;
    return calculate(inputs);
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
