// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/RCAndLC.h"

#include "core/standard/PairSearch.h"
#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelkor {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// "994.72 Hz (861.23 … 1163.41 Hz)"
QString withRange(double value, tolerance::Range range, QStringView unit)
{
    return prefixedText(value, unit, 5) + u' ' +
           prefixedRangeText(value, range.min, range.max, unit, 5);
}
} // namespace

namespace rc {

double timeConstant(double ohms, double farads)
{
    return ohms * farads;
}

double cornerFrequency(double ohms, double farads)
{
    return 1.0 / (kTwoPi * ohms * farads);
}

namespace {

Filter filter(double r, double c, double rPercent, double cPercent)
{
    Filter f{r, c, timeConstant(r, c), cornerFrequency(r, c)};
    const std::array parts{tolerance::percent(r, rPercent), tolerance::percent(c, cPercent)};
    f.tauRange = tolerance::worstCase(parts, timeConstant);
    f.frequencyRange = tolerance::worstCase(parts, cornerFrequency);
    return f;
}

QString wantedText(Mode mode, double value)
{
    return prefixedText(value, mode == Mode::Tau ? u"s" : u"Hz", 5);
}

// The tolerances after the parts: fallbackR and fallbackC where none is given.
std::optional<Problem<Field>> readTolerances(const Texts &texts, Reading reading, double fallbackR,
                                             double fallbackC, Result &result)
{
    const auto r =
        tolerance::readOr(kFields, Field::Tolerance, texts.tolerance, reading, fallbackR);
    if (!r)
        return r.problem();
    const auto c = tolerance::readOr(kFields, Field::CapacitorTolerance, texts.capacitorTolerance,
                                     reading, fallbackC);
    if (!c)
        return c.problem();
    result.rPercent = *r;
    result.cPercent = *c;
    return std::nullopt;
}

} // namespace

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Result result;
    if (texts.mode) {
        result.mode = *texts.mode;
    } else {
        const int targets = int(texts.frequency.has_value()) + int(texts.tau.has_value());
        const bool parts = texts.r || texts.c;
        if (targets > 1)
            return Problem<Field>{Reason::Conflict, Field::Tau};
        if (targets == 1 && parts)
            return Problem<Field>{Reason::Conflict, Field::Frequency};
        if (targets == 0 && !parts)
            return Problem<Field>{Reason::Missing, Field::Frequency};
        result.mode = texts.frequency ? Mode::Frequency : texts.tau ? Mode::Tau : Mode::Analysis;
    }

    if (result.mode == Mode::Analysis) {
        const auto r = readPrecise(kFields, Field::R, texts.r, reading);
        if (!r)
            return r.problem();
        const auto c = readPrecise(kFields, Field::C, texts.c, reading);
        if (!c)
            return c.problem();
        if (const auto problem = readTolerances(texts, reading, tolerance::kResistorPercent,
                                                tolerance::kCapacitorPercent, result))
            return *problem;
        const Filter f = filter(*r, *c * 1e-6, result.rPercent, result.cPercent);
        if (const auto problem =
                overflow(Field::C, f.tau, f.frequency, f.tauRange.max, f.frequencyRange.max))
            return *problem;
        result.filters.push_back(f);
        return result;
    }

    const Field target = result.mode == Mode::Tau ? Field::Tau : Field::Frequency;
    const auto wanted = readPrecise(
        kFields, target, result.mode == Mode::Tau ? texts.tau : texts.frequency, reading);
    if (!wanted)
        return wanted.problem();
    result.wanted = *wanted;
    if (texts.series) {
        const auto series = eseries::parse(*texts.series);
        if (!series)
            return Problem<Field>{Reason::OutOfRange, Field::Series};
        result.series = *series;
    }
    if (texts.capacitorSeries) {
        const auto series = eseries::parse(*texts.capacitorSeries);
        if (!series || std::find(kCapacitorSeries.begin(), kCapacitorSeries.end(), *series) ==
                           kCapacitorSeries.end())
            return Problem<Field>{Reason::OutOfRange, Field::CapacitorSeries};
        result.capacitorSeries = *series;
    }
    if (const auto problem =
            readTolerances(texts, reading, tolerance::seriesPercent(result.series),
                           tolerance::seriesPercent(result.capacitorSeries), result))
        return *problem;
    const bool byTau = result.mode == Mode::Tau;
    const double shortest = timeConstant(kSmallestR, kSmallestC);
    const double longest = timeConstant(kLargestR, kLargestC);
    const double tau = byTau ? result.wanted : 1.0 / (kTwoPi * result.wanted);
    if (tau < shortest * (1 - 1e-9) || tau > longest * (1 + 1e-9))
        return Problem<Field>{Reason::Impossible, target};

    pairs::Query query;
    query.result = [byTau](double r, double c) {
        return byTau ? timeConstant(r, c) : cornerFrequency(r, c);
    };
    query.target = result.wanted;
    query.first = {result.series, kSmallestR, kLargestR};
    query.second = {result.capacitorSeries, kSmallestC, kLargestC};
    query.invariance = pairs::Invariance::Product;
    query.size = [](double r, double) { return r; };
    query.preferredSize = kPreferredR;
    for (const pairs::Pair &pair : pairs::bestPairs(query)) {
        Filter f = filter(pair.first, pair.second, result.rPercent, result.cPercent);
        f.error = pair.error;
        f.exact = pair.exact;
        result.filters.push_back(f);
    }
    return result;
}

QString resultText(const Result &result)
{
    if (result.mode == Mode::Analysis) {
        const Filter &f = result.filters.front();
        return formatText(
            text("RCAnalysisText"),
            {withRange(f.tau, f.tauRange, u"s"), withRange(f.frequency, f.frequencyRange, u"Hz")});
    }
    QStringList lines;
    if (!result.filters.empty() && result.filters.front().exact)
        lines << formatText(text("PairTargetMet"), {wantedText(result.mode, result.wanted)});
    const int rDigits = eseries::significantDigits(result.series);
    for (const Filter &f : result.filters) {
        const bool byTau = result.mode == Mode::Tau;
        lines << formatText(text("RCPairLine"),
                            {standardOhmsText(f.r, rDigits), prefixedText(f.c, u"F", 2),
                             byTau ? withRange(f.tau, f.tauRange, u"s")
                                   : withRange(f.frequency, f.frequencyRange, u"Hz"),
                             signedPercentText(f.error * 100.0, 2)});
    }
    return lines.join(u'\n');
}

QString problemText(const Problem<Field> &problem)
{
    if (problem.reason == Reason::Impossible)
        return text("RCOutOfReach");
    return {};
}

} // namespace rc

namespace lc {

double resonance(double henries, double farads)
{
    return 1.0 / (kTwoPi * std::sqrt(henries * farads));
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Result result;
    if (texts.sought) {
        result.sought = *texts.sought;
    } else {
        const int given =
            int(texts.frequency.has_value()) + int(texts.l.has_value()) + int(texts.c.has_value());
        if (given > 2)
            return Problem<Field>{Reason::Conflict, Field::C};
        if (given < 2)
            return Problem<Field>{Reason::Missing, !texts.frequency ? Field::Frequency
                                                   : !texts.l       ? Field::L
                                                                    : Field::C};
        result.sought = !texts.frequency ? Sought::Frequency : !texts.l ? Sought::L : Sought::C;
    }

    // The two given, in the fields' order.
    double frequency = 0.0, henries = 0.0, farads = 0.0;
    if (result.sought != Sought::Frequency) {
        const auto f = readPrecise(kFields, Field::Frequency, texts.frequency, reading);
        if (!f)
            return f.problem();
        frequency = *f;
    }
    if (result.sought != Sought::L) {
        const auto l = readPrecise(kFields, Field::L, texts.l, reading);
        if (!l)
            return l.problem();
        henries = *l * 1e-6;
    }
    if (result.sought != Sought::C) {
        const auto c = readPrecise(kFields, Field::C, texts.c, reading);
        if (!c)
            return c.problem();
        farads = *c * 1e-6;
    }
    // f₀² · L · C = 1 / (2π)², solved for whichever is sought.
    const double square = 1.0 / (kTwoPi * kTwoPi);
    switch (result.sought) {
    case Sought::Frequency:
        frequency = resonance(henries, farads);
        break;
    case Sought::L:
        henries = square / (frequency * frequency * farads);
        break;
    case Sought::C:
        farads = square / (frequency * frequency * henries);
        break;
    }
    result.frequency = frequency;
    result.inductance = henries;
    result.capacitance = farads;
    result.at = frequency;
    if (texts.at && !texts.at->isEmpty()) {
        const auto at = readPrecise(kFields, Field::At, texts.at, reading);
        if (!at && !(reading == Reading::Lenient && at.problem().reason == Reason::Zero))
            return at.problem();
        if (at)
            result.at = *at;
    }
    const auto lPercent = tolerance::readOr(kFields, Field::LTolerance, texts.lTolerance, reading,
                                            tolerance::kInductorPercent);
    if (!lPercent)
        return lPercent.problem();
    const auto cPercent = tolerance::readOr(kFields, Field::CTolerance, texts.cTolerance, reading,
                                            tolerance::kCapacitorPercent);
    if (!cPercent)
        return cPercent.problem();
    result.lPercent = *lPercent;
    result.cPercent = *cPercent;
    // A sought L or C is a value to aim for, not a part with a tolerance.
    if (result.sought == Sought::Frequency)
        result.frequencyRange =
            tolerance::worstCase(std::array{tolerance::percent(henries, *lPercent),
                                            tolerance::percent(farads, *cPercent)},
                                 resonance);
    result.inductiveReactance = kTwoPi * result.at * henries;
    result.capacitiveReactance = 1.0 / (kTwoPi * result.at * farads);
    const Field blamed = result.sought == Sought::C ? Field::L : Field::C;
    const double highest = result.frequencyRange ? result.frequencyRange->max : frequency;
    if (const auto problem = overflow(blamed, frequency, henries, farads, result.inductiveReactance,
                                      result.capacitiveReactance, highest))
        return *problem;
    if (!(frequency > 0.0 && henries > 0.0 && farads > 0.0 && result.capacitiveReactance > 0.0))
        return Problem<Field>{Reason::Overflow, blamed};
    return result;
}

QString resultText(const Result &r)
{
    const QString frequency = r.frequencyRange ? withRange(r.frequency, *r.frequencyRange, u"Hz")
                                               : prefixedText(r.frequency, u"Hz", 5);
    return formatText(text("LCText"),
                      {frequency, prefixedText(r.inductance, u"H", 5),
                       prefixedText(r.capacitance, u"F", 5), prefixedText(r.at, u"Hz", 5),
                       prefixedText(r.inductiveReactance, u"\u03a9", 5),
                       prefixedText(r.capacitiveReactance, u"\u03a9", 5)});
}

} // namespace lc

} // namespace zelkor
