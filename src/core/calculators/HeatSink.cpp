#include "core/calculators/HeatSink.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::heatsink {

std::optional<Result> calculate(const Inputs &in)
{
    if (in.power == 0.0f || in.chipResistance == 0.0f || in.mountingResistance == 0.0f ||
        in.sinkResistanceOrMaxTemperature == 0.0f || !in.ambientTemperature)
        return std::nullopt;

    const float ambient = *in.ambientTemperature;
    const float upToSink = in.power * (in.chipResistance + in.mountingResistance);
    if (in.mode == Mode::SinkResistanceGiven) {
        const float sinkRise = in.power * in.sinkResistanceOrMaxTemperature;
        return Result{Outcome::ChipTemperature, ambient + (upToSink + sinkRise)};
    }

    const float maxTemperature = in.sinkResistanceOrMaxTemperature;
    if (ambient >= maxTemperature)
        return Result{Outcome::AmbientTooHot, 0.0f};
    const float sinkResistance = ((maxTemperature - ambient) - upToSink) / in.power;
    if (sinkResistance <= 0.0f)
        return Result{Outcome::NoSinkSuffices, sinkResistance};
    return Result{Outcome::MaxSinkResistance, sinkResistance};
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
    case Outcome::AmbientTooHot:
        break;
    }
    return text("MaxChipTempWarning");
}

QString modeFieldCaption(Mode mode)
{
    return text(mode == Mode::SinkResistanceGiven ? "TRHeatSink" : "MaxChipTemp") + u':';
}

QString modeFieldUnit(Mode mode)
{
    return mode == Mode::SinkResistanceGiven ? QStringLiteral("°K/W") : QStringLiteral("°C");
}

} // namespace zelkor::heatsink
