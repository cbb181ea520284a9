// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/LEDDroppingResistor.h"

#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <utility>

namespace zelkor::led {

namespace {

std::optional<StandardResistor> standardResistor(const Inputs &inputs, float resistance)
{
    // A float carries seven digits: 330.00002 Ω is 330 Ω, not a reason to buy 390 Ω.
    constexpr double kSinglePrecisionSlack = 1e-6;
    if (!(resistance > 0.0f))
        return std::nullopt;
    const auto standard =
        eseries::atOrAbove(resistance * (1.0 - kSinglePrecisionSlack), inputs.series);
    if (!standard)
        return std::nullopt;
    const double supply = inputs.supplyVoltage;
    const double forward = inputs.forwardVoltage;
    const double drop = supply - forward;
    StandardResistor chosen;
    chosen.series = inputs.series;
    chosen.resistance = *standard;
    chosen.currentMilliamps = drop / *standard * 1000.0;
    chosen.power = drop * drop / *standard;
    chosen.tolerancePercent =
        inputs.tolerancePercent.value_or(tolerance::seriesPercent(inputs.series));
    const std::array parts{tolerance::percent(supply, inputs.supplyTolerancePercent),
                           tolerance::spread(forward, inputs.forwardSpread),
                           tolerance::percent(*standard, chosen.tolerancePercent)};
    // A forward voltage that can reach the supply leaves the LED dark at that corner; its
    // current then is 0, not negative.
    chosen.currentRange = tolerance::worstCase(
        parts, [](double us, double uf, double r) { return std::max(us - uf, 0.0) / r * 1000.0; });
    chosen.powerRange = tolerance::worstCase(parts, [](double us, double uf, double r) {
        const double across = std::max(us - uf, 0.0);
        return across * across / r;
    });
    return chosen;
}

// A standard value the way it is printed on the bag: "560 Ω", "4.7 kΩ", "2.2 MΩ".
QString resistanceText(double ohms)
{
    const auto [scale, unit] = ohms >= 1e6   ? std::pair{1e6, u"M\u03a9"}
                               : ohms >= 1e3 ? std::pair{1e3, u"k\u03a9"}
                                             : std::pair{1.0, u"\u03a9"};
    return formatShortest(static_cast<float>(ohms / scale)) + u' ' + QString::fromUtf16(unit);
}

} // namespace

Result calculate(const Inputs &inputs)
{
    Result result;
    result.inputs = inputs;
    const float drop = inputs.supplyVoltage - inputs.forwardVoltage;
    result.resistance = drop / inputs.currentMilliamps * 1000.0f;
    const float amperes = inputs.currentMilliamps / 1000.0f;
    result.power = amperes * amperes * result.resistance;
    // A NaN power fails the comparison and leaves the warning off.
    result.powerWarning = result.power > kPowerWarningWatts;
    result.standard = standardResistor(inputs, result.resistance);
    return result;
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Inputs inputs;
    const auto supply = read(kFields, Field::SupplyVoltage, texts.supplyVoltage, reading);
    if (!supply)
        return supply.problem();
    inputs.supplyVoltage = *supply;

    if (texts.forwardVoltage && texts.preset)
        return Problem<Field>{Reason::Conflict, Field::Preset};
    if (texts.preset) {
        const auto preset = readPreset(Field::Preset, *texts.preset, kForwardVoltagePresets.size());
        if (!preset)
            return preset.problem();
        inputs.forwardVoltage = kForwardVoltagePresets[*preset].value;
    } else {
        const auto forward = read(kFields, Field::ForwardVoltage, texts.forwardVoltage, reading);
        if (!forward)
            return forward.problem();
        inputs.forwardVoltage = *forward;
    }

    const auto current = read(kFields, Field::Current, texts.current, reading);
    if (!current)
        return current.problem();
    inputs.currentMilliamps = *current;

    if (texts.series) {
        const auto series = eseries::parse(*texts.series);
        if (!series || std::find(kStandardSeries.begin(), kStandardSeries.end(), *series) ==
                           kStandardSeries.end())
            return Problem<Field>{Reason::OutOfRange, Field::Series};
        inputs.series = *series;
    }
    if (texts.tolerance) {
        const auto percent = readPrecise(kFields, Field::Tolerance, texts.tolerance, reading);
        if (!percent && percent.problem().reason != Reason::Missing)
            return percent.problem();
        if (percent)
            inputs.tolerancePercent = *percent;
    }
    const auto supplyTolerance =
        tolerance::readOr(kFields, Field::SupplyTolerance, texts.supplyTolerance, reading, 0.0);
    if (!supplyTolerance)
        return supplyTolerance.problem();
    inputs.supplyTolerancePercent = *supplyTolerance;
    const auto spread =
        tolerance::readOr(kFields, Field::ForwardSpread, texts.forwardSpread, reading, 0.0);
    if (!spread)
        return spread.problem();
    inputs.forwardSpread = *spread;
    if (!(inputs.supplyVoltage > inputs.forwardVoltage))
        return Problem<Field>{Reason::OutOfRange, Field::SupplyVoltage};
    const Result result = calculate(inputs);
    if (const auto problem = overflow(Field::Current, result.resistance, result.power))
        return *problem;
    return result;
}

QString nominalText(const Result &result)
{
    QString lines =
        formatText(u"%@: \t\t%.01f Ohm\n%@: \t\t\t%.03f W",
                   {text("Resistance"), result.resistance, text("Power"), result.power});
    if (const auto &standard = result.standard) {
        lines += u'\n';
        lines += formatText(text("LEDStandardResistor"),
                            {eseries::name(standard->series), resistanceText(standard->resistance),
                             standard->currentMilliamps, standard->power});
    }
    return lines;
}

QString resultText(const Result &result)
{
    const QString range = rangeText(result);
    return range.isEmpty() ? nominalText(result) : nominalText(result) + u'\n' + range;
}

QString rangeText(const Result &result)
{
    const auto &standard = result.standard;
    if (!standard)
        return {};
    const double amperes = standard->currentMilliamps / 1000.0;
    return formatText(text("LEDStandardRange"),
                      {formatShortest(static_cast<float>(standard->tolerancePercent)),
                       prefixedText(amperes, u"A", 4),
                       prefixedRangeText(amperes, standard->currentRange.min / 1000.0,
                                         standard->currentRange.max / 1000.0, u"A", 4),
                       prefixedText(standard->power, u"W", 3),
                       prefixedRangeText(standard->power, standard->powerRange.min,
                                         standard->powerRange.max, u"W", 3)});
}

QString problemText(const Problem<Field> &problem)
{
    if (problem == Problem<Field>{Reason::OutOfRange, Field::SupplyVoltage})
        return text("LEDCannotLight");
    return {};
}

QString powerWarningText()
{
    return text("LEDPowerWarning");
}

} // namespace zelkor::led
