// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/NE555.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <cmath>

namespace zelkor::ne555 {

namespace {

float farads(float microfarads)
{
    return microfarads / 1000000.0f;
}

} // namespace

float astableFrequency(float r1, float r2, float c1)
{
    const double c = farads(c1);
    const auto highTime = static_cast<float>(static_cast<double>(r1 + r2) * 0.69 * c);
    const auto lowTime = static_cast<float>(static_cast<double>(r2) * 0.69 * c);
    return 1.0f / (highTime + lowTime);
}

float monostablePulseDuration(float r, float c1)
{
    const float rc = r * farads(c1);
    return static_cast<float>(static_cast<double>(rc) * 1.1);
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    if (!texts.circuit)
        return Problem<Field>{Reason::Missing, Field::Circuit};
    // The capacitor first, then the resistors from the last: zelkor-calc has always named a
    // missing input in this order.
    const auto c = read(kFields, Field::C, texts.c, reading);
    if (!c)
        return c.problem();
    const auto readTolerances = [&](Result &result) -> std::optional<Problem<Field>> {
        const auto r = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading,
                                         tolerance::kResistorPercent);
        if (!r)
            return r.problem();
        const auto cPercent = tolerance::readOr(kFields, Field::CTolerance, texts.cTolerance,
                                                reading, tolerance::kCapacitorPercent);
        if (!cPercent)
            return cPercent.problem();
        result.rPercent = *r;
        result.cPercent = *cPercent;
        return std::nullopt;
    };
    if (*texts.circuit == Circuit::Monostable) {
        const auto r = read(kFields, Field::R, texts.r, reading);
        if (!r)
            return r.problem();
        Result result{Circuit::Monostable, monostablePulseDuration(*r, *c), {}};
        result.r = *r;
        result.c1 = *c;
        if (const auto problem = readTolerances(result))
            return *problem;
        result.durationRange = pulseRange(*r, *c, result.rPercent, result.cPercent);
        if (const auto problem =
                overflow(*r >= *c ? Field::R : Field::C, result.value, result.durationRange.max))
            return *problem;
        return result;
    }
    const auto r2 = read(kFields, Field::R2, texts.r2, reading);
    if (!r2)
        return r2.problem();
    const auto r1 = read(kFields, Field::R1, texts.r1, reading);
    if (!r1)
        return r1.problem();
    Result result{Circuit::Astable, astableFrequency(*r1, *r2, *c), astableTiming(*r1, *r2, *c)};
    result.r1 = *r1;
    result.r2 = *r2;
    result.c1 = *c;
    if (const auto problem = readTolerances(result))
        return *problem;
    result.ranges = astableRanges(*r1, *r2, *c, result.rPercent, result.cPercent);
    // Half-periods that round to 0 give an infinite frequency: the parts are too small, not
    // too large.
    if (!std::isfinite(result.value) &&
        std::isfinite(result.timing.highTime + result.timing.lowTime))
        return Problem<Field>{Reason::Impossible, Field::C};
    const Field blamed = std::isfinite(*r1 + 2.0f * *r2) ? Field::C
                         : *r1 >= *r2                    ? Field::R1
                                                         : Field::R2;
    if (const auto problem = overflow(blamed, result.value, result.timing.highTime,
                                      result.timing.lowTime, result.timing.dutyPercent,
                                      result.ranges.frequency.max, result.ranges.highTime.max))
        return *problem;
    return result;
}

QString resultText(const Result &result)
{
    if (result.circuit == Circuit::Monostable)
        return pulseDurationText(result.value) + u'\n' + pulseRangeText(result.durationRange);
    return frequencyText(result.value) + u'\n' + astableTimingText(result.timing) + u'\n' +
           astableRangesText(result.ranges);
}

QString frequencyText(float hertz)
{
    return formatText(u"%@: %.08f Hz", {text("Frequency"), hertz});
}

QString pulseDurationText(float seconds)
{
    return formatText(u"%@: %.08f s", {text("ImpDuration"), seconds});
}

} // namespace zelkor::ne555
