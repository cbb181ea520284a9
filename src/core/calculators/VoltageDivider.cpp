// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/VoltageDivider.h"

#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

namespace zelkor::divider {

namespace {

double lowerLeg(double r2, double load)
{
    return load > 0.0 ? r2 * load / (r2 + load) : r2;
}

double outputVoltage(double vin, double r1, double r2, double load)
{
    const double lower = lowerLeg(r2, load);
    return vin * lower / (r1 + lower);
}

std::optional<eseries::Series> readSeries(const Given &given)
{
    if (!given)
        return kDefaultSeries;
    return eseries::parse(*given);
}

QString voltsText(double volts)
{
    return prefixedText(volts, u"V", 5);
}

// "3.2991 V (3.2515 … 3.3472 V)"
QString builtVoltsText(const Circuit &c)
{
    return voltsText(c.vout) + u' ' +
           prefixedRangeText(c.vout, c.voutRange.min, c.voutRange.max, u"V", 5);
}

} // namespace

Circuit analyse(double vin, double r1, double r2, double load, const Tolerances &tolerances)
{
    Circuit c;
    c.vin = vin;
    c.r1 = r1;
    c.r2 = r2;
    c.load = load;
    c.vout = outputVoltage(vin, r1, r2, load);
    c.current = vin / (r1 + lowerLeg(r2, load));
    c.powerR1 = c.current * c.current * r1;
    c.powerR2 = c.vout * c.vout / r2;
    c.outputImpedance = r1 * r2 / (r1 + r2);
    c.voutRange = tolerance::worstCase(std::array{tolerance::percent(vin, tolerances.supply),
                                                  tolerance::percent(r1, tolerances.resistors),
                                                  tolerance::percent(r2, tolerances.resistors)},
                                       [load](double v, double upper, double lower) {
                                           return outputVoltage(v, upper, lower, load);
                                       });
    return c;
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Result result;
    if (texts.mode) {
        result.mode = *texts.mode;
    } else if (texts.vout && (texts.r1 || texts.r2)) {
        return Problem<Field>{Reason::Conflict, Field::Vout};
    } else if (texts.vout) {
        result.mode = Mode::Design;
    } else if (texts.r1 || texts.r2) {
        result.mode = Mode::Analysis;
    } else {
        return Problem<Field>{Reason::Missing, Field::Vout};
    }

    const auto vin = readPrecise(kFields, Field::Vin, texts.vin, reading);
    if (!vin)
        return vin.problem();
    result.vin = *vin;
    if (texts.load) {
        const auto load = readPrecise(kFields, Field::Load, texts.load, reading);
        if (!load && !(reading == Reading::Lenient && load.problem().reason == Reason::Missing))
            return load.problem();
        result.load = load ? *load : 0.0;
    }

    const auto supplyTolerance =
        tolerance::readOr(kFields, Field::SupplyTolerance, texts.supplyTolerance, reading, 0.0);
    if (!supplyTolerance)
        return supplyTolerance.problem();
    result.tolerances.supply = *supplyTolerance;

    if (result.mode == Mode::Analysis) {
        const auto resistors = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance,
                                                 reading, tolerance::kResistorPercent);
        if (!resistors)
            return resistors.problem();
        result.tolerances.resistors = *resistors;
        const auto r1 = readPrecise(kFields, Field::R1, texts.r1, reading);
        if (!r1)
            return r1.problem();
        const auto r2 = readPrecise(kFields, Field::R2, texts.r2, reading);
        if (!r2)
            return r2.problem();
        result.circuits.push_back(analyse(result.vin, *r1, *r2, result.load, result.tolerances));
        const Circuit &c = result.circuits.front();
        if (const auto problem = overflow(Field::Vin, c.vout, c.current, c.powerR1, c.powerR2))
            return *problem;
        return result;
    }

    const auto vout = readPrecise(kFields, Field::Vout, texts.vout, reading);
    if (!vout)
        return vout.problem();
    result.wanted = *vout;
    const auto series = readSeries(texts.series);
    if (!series)
        return Problem<Field>{Reason::OutOfRange, Field::Series};
    result.series = *series;
    const auto resistors = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading,
                                             tolerance::seriesPercent(result.series));
    if (!resistors)
        return resistors.problem();
    result.tolerances.resistors = *resistors;
    if (texts.total) {
        const auto total = readPrecise(kFields, Field::Total, texts.total, reading);
        if (!total && !(reading == Reading::Lenient && total.problem().reason == Reason::Missing))
            return total.problem();
        if (total)
            result.total = *total;
    }
    if (!(result.wanted < result.vin))
        return Problem<Field>{Reason::OutOfRange, Field::Vout};
    // The most and the least a divider of the range can give; a hair of slack for rounding.
    const double highest = outputVoltage(result.vin, kSmallest, kLargest, result.load);
    const double lowest = outputVoltage(result.vin, kLargest, kSmallest, result.load);
    if (result.wanted > highest * (1 + 1e-9) || result.wanted < lowest * (1 - 1e-9))
        return Problem<Field>{Reason::Impossible, Field::Vout};

    pairs::Query query;
    const double vinValue = result.vin;
    const double load = result.load;
    query.result = [vinValue, load](double r1, double r2) {
        return outputVoltage(vinValue, r1, r2, load);
    };
    query.target = result.wanted;
    query.first = query.second = {result.series, kSmallest, kLargest};
    query.invariance = load > 0.0 ? pairs::Invariance::None : pairs::Invariance::Ratio;
    query.size = [](double r1, double r2) { return r1 + r2; };
    query.preferredSize = result.total;
    for (const pairs::Pair &pair : pairs::bestPairs(query)) {
        Circuit c = analyse(result.vin, pair.first, pair.second, load, result.tolerances);
        c.error = pair.error;
        c.exact = pair.exact;
        // A huge input voltage across a small pair dissipates more than a double holds.
        if (const auto problem = overflow(Field::Vin, c.current, c.powerR1, c.powerR2))
            return *problem;
        result.circuits.push_back(c);
    }
    return result;
}

QString resultText(const Result &result)
{
    if (result.mode == Mode::Analysis) {
        const Circuit &c = result.circuits.front();
        return formatText(text("DividerAnalysisText"),
                          {builtVoltsText(c), prefixedText(c.current, u"A", 5),
                           prefixedText(c.powerR1, u"W", 5), prefixedText(c.powerR2, u"W", 5),
                           prefixedText(c.outputImpedance, u"\u03a9", 5)});
    }
    QStringList lines;
    if (!result.circuits.empty() && result.circuits.front().exact)
        lines << formatText(text("PairTargetMet"), {voltsText(result.wanted)});
    const int digits = eseries::significantDigits(result.series);
    for (const Circuit &c : result.circuits) {
        lines << formatText(text("DividerPairLine"),
                            {standardOhmsText(c.r1, digits), standardOhmsText(c.r2, digits),
                             builtVoltsText(c), signedPercentText(c.error * 100.0, 3)});
        lines << formatText(text("DividerPairDetails"),
                            {prefixedText(c.current, u"A", 4), prefixedText(c.powerR1, u"W", 3),
                             prefixedText(c.powerR2, u"W", 3),
                             prefixedText(c.outputImpedance, u"\u03a9", 4)});
    }
    return lines.join(u'\n');
}

QString problemText(const Problem<Field> &problem)
{
    if (problem == Problem<Field>{Reason::OutOfRange, Field::Vout})
        return text("DividerVoutAboveVin");
    if (problem == Problem<Field>{Reason::Impossible, Field::Vout})
        return text("DividerOutOfReach");
    return {};
}

} // namespace zelkor::divider
