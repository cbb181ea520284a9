// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/AdjustableRegulator.h"

#include "core/standard/PairSearch.h"
#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <algorithm>

namespace zelkor::regulator {

namespace {

bool referenceAcrossR1(Kind kind)
{
    return kind != Kind::Feedback;
}

QString voltsText(const Part &part, double volts)
{
    const QString magnitude = prefixedText(volts, u"V", 5);
    return part.kind == Kind::LM337 ? formatText(text("RegulatorNegative"), {magnitude})
                                    : magnitude;
}

// "5.0360 V (4.7287 … 5.3515 V)"; the LM337's range in magnitudes too, like its nominal.
QString builtVoltsText(const Part &part, const Setting &s)
{
    return voltsText(part, s.vout) + u' ' +
           prefixedRangeText(s.vout, s.voutRange.min, s.voutRange.max, u"V", 5);
}

// Reads an optional input: a lenient reading of an empty field is the default.
template <typename Value>
std::optional<Problem<Field>> readOptional(Field field, const Given &given, Reading reading,
                                           Value &value, double scale = 1.0)
{
    if (!given)
        return std::nullopt;
    const auto read = zelkor::readPrecise(kFields, field, given, reading);
    if (read) {
        value = *read * scale;
        return std::nullopt;
    }
    if (reading == Reading::Lenient && read.problem().reason == Reason::Missing)
        return std::nullopt;
    return read.problem();
}

} // namespace

double outputVoltage(const Part &part, double r1, double r2)
{
    if (referenceAcrossR1(part.kind))
        return part.vref * (1.0 + r2 / r1) + part.adjustCurrent * r2;
    return part.vref * (1.0 + r1 / r2);
}

tolerance::Range outputRange(const Part &part, double r1, double r2, double resistorPercent)
{
    return tolerance::worstCase(std::array{part.vrefRange, part.adjustCurrentRange,
                                           tolerance::percent(r1, resistorPercent),
                                           tolerance::percent(r2, resistorPercent)},
                                [&part](double vref, double current, double upper, double lower) {
                                    Part corner = part;
                                    corner.vref = vref;
                                    corner.adjustCurrent = current;
                                    return outputVoltage(corner, upper, lower);
                                });
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Result result;
    if (!texts.kind)
        return Problem<Field>{Reason::Missing, Field::Kind};
    Part &part = result.part;
    part.kind = *texts.kind;
    const bool acrossR1 = referenceAcrossR1(part.kind);
    if (acrossR1 && texts.total)
        return Problem<Field>{Reason::Conflict, Field::Total};
    if (!acrossR1 && texts.minCurrent)
        return Problem<Field>{Reason::Conflict, Field::MinCurrent};

    switch (part.kind) {
    case Kind::LM317:
        part.adjustCurrent = kLM317AdjustCurrent;
        break;
    case Kind::LM337:
        part.adjustCurrent = kLM337AdjustCurrent;
        break;
    case Kind::Adjust: {
        const auto vref = readPrecise(kFields, Field::AdjustVref, texts.adjustVref, reading);
        if (!vref)
            return vref.problem();
        part.vref = *vref;
        const auto current =
            readPrecise(kFields, Field::AdjustCurrent, texts.adjustCurrent, reading);
        if (!current)
            return current.problem();
        part.adjustCurrent = *current * 1e-6;
        part.adjustCurrentRange = tolerance::exact(part.adjustCurrent);
        break;
    }
    case Kind::Feedback: {
        const auto vref = readPrecise(kFields, Field::Vref, texts.vref, reading);
        if (!vref)
            return vref.problem();
        part.vref = *vref;
        part.adjustCurrentRange = tolerance::exact(0.0);
        break;
    }
    }
    if (part.kind == Kind::Adjust || part.kind == Kind::Feedback) {
        const auto percent = tolerance::readOr(kFields, Field::VrefTolerance, texts.vrefTolerance,
                                               reading, kReferencePercent);
        if (!percent)
            return percent.problem();
        result.vrefPercent = *percent;
        part.vrefRange = tolerance::percent(part.vref, result.vrefPercent);
    }

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

    if (result.mode == Mode::Analysis) {
        const auto resistors = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance,
                                                 reading, tolerance::kResistorPercent);
        if (!resistors)
            return resistors.problem();
        result.resistorPercent = *resistors;
        const auto r1 = readPrecise(kFields, Field::R1, texts.r1, reading);
        if (!r1)
            return r1.problem();
        const auto r2 = readPrecise(kFields, Field::R2, texts.r2, reading);
        if (!r2)
            return r2.problem();
        Setting s;
        s.r1 = *r1;
        s.r2 = *r2;
        s.vout = outputVoltage(part, *r1, *r2);
        s.r1Current = acrossR1 ? part.vref / *r1 : 0.0;
        s.voutRange = outputRange(part, s.r1, s.r2, result.resistorPercent);
        if (const auto problem = overflow(Field::R2, s.vout, s.r1Current, s.voutRange.max))
            return *problem;
        result.settings.push_back(s);
        return result;
    }

    const auto vout = readPrecise(kFields, Field::Vout, texts.vout, reading);
    if (!vout)
        return vout.problem();
    result.wanted = *vout;
    if (texts.series) {
        const auto series = eseries::parse(*texts.series);
        if (!series)
            return Problem<Field>{Reason::OutOfRange, Field::Series};
        result.series = *series;
    }
    // The series is known only now, and with it the resistors' default.
    const auto designResistors =
        tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading,
                          tolerance::seriesPercent(result.series));
    if (!designResistors)
        return designResistors.problem();
    result.resistorPercent = *designResistors;
    if (const auto problem =
            readOptional(Field::MinCurrent, texts.minCurrent, reading, part.minCurrent, 1e-3))
        return *problem;
    if (const auto problem = readOptional(Field::Total, texts.total, reading, result.total))
        return *problem;
    if (!(result.wanted > part.vref))
        return Problem<Field>{Reason::OutOfRange, Field::Vout};

    pairs::Query query;
    query.result = [part](double r1, double r2) { return outputVoltage(part, r1, r2); };
    query.target = result.wanted;
    if (acrossR1) {
        // R1 carries Vref / R1, which must stay between I_min and 4·I_min; R1 itself must stay
        // within the range of parts, like R2.
        query.first = {result.series, std::max(part.vref / (4.0 * part.minCurrent), kSmallest),
                       std::min(part.vref / part.minCurrent, kLargest)};
        query.second = {result.series, kSmallest, kLargest};
        query.invariance = pairs::Invariance::None;
        query.size = [](double r1, double) { return r1; };
        query.preferredSize = part.vref / (2.0 * part.minCurrent);
    } else {
        query.first = query.second = {result.series, kSmallest, kLargest};
        query.invariance = pairs::Invariance::Ratio;
        query.size = [](double r1, double r2) { return r1 + r2; };
        query.preferredSize = result.total;
    }
    const std::vector<double> r1s =
        eseries::valuesBetween(query.first.series, query.first.low, query.first.high);
    if (r1s.empty())
        return Problem<Field>{Reason::Impossible, Field::MinCurrent};
    const double highest = acrossR1 ? outputVoltage(part, r1s.front(), kLargest)
                                    : outputVoltage(part, kLargest, kSmallest);
    if (result.wanted > highest * (1 + 1e-9))
        return Problem<Field>{Reason::Impossible, Field::Vout};
    for (const pairs::Pair &pair : pairs::bestPairs(query)) {
        result.settings.push_back(
            {pair.first, pair.second, pair.value, acrossR1 ? part.vref / pair.first : 0.0,
             pair.error, pair.exact,
             outputRange(part, pair.first, pair.second, result.resistorPercent)});
    }
    return result;
}

QString resultText(const Result &result)
{
    const Part &part = result.part;
    const bool acrossR1 = referenceAcrossR1(part.kind);
    if (result.mode == Mode::Analysis) {
        const Setting &s = result.settings.front();
        QString lines = formatText(text("RegulatorAnalysisText"), {builtVoltsText(part, s)});
        if (acrossR1)
            lines += u'\n' +
                     formatText(text("RegulatorR1Current"), {prefixedText(s.r1Current, u"A", 4)});
        return lines;
    }
    QStringList lines;
    if (!result.settings.empty() && result.settings.front().exact)
        lines << formatText(text("PairTargetMet"), {voltsText(part, result.wanted)});
    const int digits = eseries::significantDigits(result.series);
    for (const Setting &s : result.settings)
        lines << formatText(text("RegulatorPairLine"),
                            {standardOhmsText(s.r1, digits), standardOhmsText(s.r2, digits),
                             builtVoltsText(part, s), signedPercentText(s.error * 100.0, 3)});
    return lines.join(u'\n');
}

QString problemText(const Problem<Field> &problem)
{
    if (problem == Problem<Field>{Reason::OutOfRange, Field::Vout})
        return text("RegulatorVoutAtOrBelowVref");
    if (problem == Problem<Field>{Reason::Impossible, Field::MinCurrent})
        return text("RegulatorMinCurrentOutOfReach");
    if (problem.reason == Reason::Impossible)
        return text("RegulatorOutOfReach");
    return {};
}

} // namespace zelkor::regulator
