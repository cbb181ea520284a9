// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/HeatSinkLimit.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <cmath>

namespace zelkor::heatsink {

namespace {

bool atLeastZero(float value)
{
    return std::isfinite(value) && value >= 0.0f;
}

} // namespace

PowerLimit maxPower(const PowerLimitInputs &in)
{
    if (!atLeastZero(in.chipResistance) || !atLeastZero(in.mountingResistance) ||
        !atLeastZero(in.sinkResistance) || !std::isfinite(in.maxTemperature) ||
        !std::isfinite(in.ambientTemperature))
        return {};
    const float resistance = (in.chipResistance + in.mountingResistance) + in.sinkResistance;
    if (!(resistance > 0.0f))
        return {};
    if (in.ambientTemperature >= in.maxTemperature)
        return {PowerLimitOutcome::AmbientTooHot, 0.0f};
    return {PowerLimitOutcome::MaxPower, (in.maxTemperature - in.ambientTemperature) / resistance};
}

QString maxPowerText(const PowerLimit &limit)
{
    switch (limit.outcome) {
    case PowerLimitOutcome::MaxPower:
        return formatText(text("HeatSinkMaxPowerMsg"), {limit.watts});
    case PowerLimitOutcome::AmbientTooHot:
        return text("MaxChipTempWarning");
    case PowerLimitOutcome::NotPositive:
        break;
    }
    return text("HeatSinkResistanceNotPositive");
}

} // namespace zelkor::heatsink
