// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/OpAmpGain.h"

#include "core/standard/PairSearch.h"
#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace zelkor::opamp {

namespace {

// Five significant digits, without a prefix: a gain of 1001 is not "1.0010 k".
int gainDecimals(double value)
{
    const double size = std::abs(value);
    return 5 - (size < 10.0 ? 1 : size < 100.0 ? 2 : size < 1000.0 ? 3 : 4);
}

QString gainNumber(double value, int decimals)
{
    QString digits = formatFixed(std::abs(value), decimals);
    return value < 0.0 ? digits.prepend(u'\u2212') : digits;
}

// "10.000 (20.00 dB)", "−4.7000 (13.44 dB)"
QString gainText(double value)
{
    return formatText(text("OpAmpGainValue"),
                      {gainNumber(value, gainDecimals(value)), decibels(value)});
}

// "(9.822 … 10.182)": the range in the decimals of the nominal.
QString gainRangeText(const Amplifier &a)
{
    const int decimals = gainDecimals(a.gain);
    return u"("_s + gainNumber(a.gainRange.min, decimals) + u" \u2026 "_s +
           gainNumber(a.gainRange.max, decimals) + u')';
}

} // namespace

tolerance::Range gainRange(Circuit circuit, double rf, double rg, double percent)
{
    return tolerance::worstCase(
        std::array{tolerance::percent(rf, percent), tolerance::percent(rg, percent)},
        [circuit](double f, double g) { return gain(circuit, f, g); });
}

double gain(Circuit circuit, double rf, double rg)
{
    return circuit == Circuit::NonInverting ? 1.0 + rf / rg : -rf / rg;
}

double decibels(double value)
{
    return 20.0 * std::log10(std::abs(value));
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Result result;
    if (!texts.circuit)
        return Problem<Field>{Reason::Missing, Field::Circuit};
    result.circuit = *texts.circuit;
    if (texts.mode) {
        result.mode = *texts.mode;
    } else if (texts.gain && (texts.rf || texts.rg)) {
        return Problem<Field>{Reason::Conflict, Field::Gain};
    } else if (texts.gain) {
        result.mode = Mode::Design;
    } else if (texts.rf || texts.rg) {
        result.mode = Mode::Analysis;
    } else {
        return Problem<Field>{Reason::Missing, Field::Gain};
    }

    if (result.mode == Mode::Analysis) {
        const auto rf = readPrecise(kFields, Field::Rf, texts.rf, reading);
        if (!rf)
            return rf.problem();
        const auto rg = readPrecise(kFields, Field::Rg, texts.rg, reading);
        if (!rg)
            return rg.problem();
        const auto percent = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading,
                                               tolerance::kResistorPercent);
        if (!percent)
            return percent.problem();
        result.tolerancePercent = *percent;
        const double g = gain(result.circuit, *rf, *rg);
        const tolerance::Range range = gainRange(result.circuit, *rf, *rg, *percent);
        if (const auto problem = overflow(Field::Rg, g, range.min, range.max))
            return *problem;
        result.amplifiers.push_back({*rf, *rg, g, 0.0, false, range});
        return result;
    }

    const auto wanted = readPrecise(kFields, Field::Gain, texts.gain, reading);
    if (!wanted)
        return wanted.problem();
    result.wanted = *wanted;
    if (texts.series) {
        const auto series = eseries::parse(*texts.series);
        if (!series)
            return Problem<Field>{Reason::OutOfRange, Field::Series};
        result.series = *series;
    }
    const auto percent = tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading,
                                           tolerance::seriesPercent(result.series));
    if (!percent)
        return percent.problem();
    result.tolerancePercent = *percent;
    const bool nonInverting = result.circuit == Circuit::NonInverting;
    if (nonInverting && !(result.wanted > 1.0))
        return Problem<Field>{Reason::OutOfRange, Field::Gain};
    const double highest = std::abs(gain(result.circuit, kLargest, kSmallest));
    const double lowest = std::abs(gain(result.circuit, kSmallest, kLargest));
    if (result.wanted > highest * (1 + 1e-9) || result.wanted < lowest * (1 - 1e-9))
        return Problem<Field>{Reason::Impossible, Field::Gain};

    pairs::Query query;
    const Circuit circuit = result.circuit;
    query.result = [circuit](double rf, double rg) { return std::abs(gain(circuit, rf, rg)); };
    query.target = result.wanted;
    query.first = query.second = {result.series, kSmallest, kLargest};
    query.invariance = pairs::Invariance::Ratio;
    query.size = [](double rf, double rg) { return rf + rg; };
    query.preferredSize = kPreferredTotal;
    for (const pairs::Pair &pair : pairs::bestPairs(query))
        result.amplifiers.push_back(
            {pair.first, pair.second, gain(circuit, pair.first, pair.second), pair.error,
             pair.exact, gainRange(circuit, pair.first, pair.second, result.tolerancePercent)});
    return result;
}

QString resultText(const Result &result)
{
    if (result.mode == Mode::Analysis)
        return formatText(text("OpAmpAnalysisText"),
                          {gainText(result.amplifiers.front().gain) + u' ' +
                           gainRangeText(result.amplifiers.front())});
    QStringList lines;
    const double sign = result.circuit == Circuit::Inverting ? -1.0 : 1.0;
    if (!result.amplifiers.empty() && result.amplifiers.front().exact)
        lines << formatText(text("PairTargetMet"), {gainText(sign * result.wanted)});
    const int digits = eseries::significantDigits(result.series);
    // A pair's gain goes without its decibels, which leaves the display room for the range.
    for (const Amplifier &a : result.amplifiers)
        lines << formatText(text("OpAmpPairLine"),
                            {standardOhmsText(a.rf, digits), standardOhmsText(a.rg, digits),
                             gainNumber(a.gain, gainDecimals(a.gain)) + u' ' + gainRangeText(a),
                             signedPercentText(a.error * 100.0, 3)});
    return lines.join(u'\n');
}

QString problemText(const Problem<Field> &problem)
{
    if (problem == Problem<Field>{Reason::OutOfRange, Field::Gain})
        return text("OpAmpGainAtOrBelowOne");
    if (problem == Problem<Field>{Reason::Impossible, Field::Gain})
        return text("OpAmpOutOfReach");
    return {};
}

} // namespace zelkor::opamp
