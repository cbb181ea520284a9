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

Filter filter(double r, double c)
{
    return {r, c, timeConstant(r, c), cornerFrequency(r, c)};
}

QString wantedText(Mode mode, double value)
{
    return prefixedText(value, mode == Mode::Tau ? u"s" : u"Hz", 5);
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
        const Filter f = filter(*r, *c * 1e-6);
        if (const auto problem = overflow(Field::C, f.tau, f.frequency))
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
        Filter f = filter(pair.first, pair.second);
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
        return formatText(text("RCAnalysisText"),
                          {prefixedText(f.tau, u"s", 5), prefixedText(f.frequency, u"Hz", 5)});
    }
    QStringList lines;
    if (!result.filters.empty() && result.filters.front().exact)
        lines << formatText(text("PairTargetMet"), {wantedText(result.mode, result.wanted)});
    const int rDigits = eseries::significantDigits(result.series);
    for (const Filter &f : result.filters) {
        const double value = result.mode == Mode::Tau ? f.tau : f.frequency;
        lines << formatText(text("RCPairLine"),
                            {standardOhmsText(f.r, rDigits), prefixedText(f.c, u"F", 2),
                             wantedText(result.mode, value),
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
    result.inductiveReactance = kTwoPi * result.at * henries;
    result.capacitiveReactance = 1.0 / (kTwoPi * result.at * farads);
    const Field blamed = result.sought == Sought::C ? Field::L : Field::C;
    if (const auto problem = overflow(blamed, frequency, henries, farads, result.inductiveReactance,
                                      result.capacitiveReactance))
        return *problem;
    if (!(frequency > 0.0 && henries > 0.0 && farads > 0.0 && result.capacitiveReactance > 0.0))
        return Problem<Field>{Reason::Overflow, blamed};
    return result;
}

QString resultText(const Result &r)
{
    return formatText(text("LCText"),
                      {prefixedText(r.frequency, u"Hz", 5), prefixedText(r.inductance, u"H", 5),
                       prefixedText(r.capacitance, u"F", 5), prefixedText(r.at, u"Hz", 5),
                       prefixedText(r.inductiveReactance, u"\u03a9", 5),
                       prefixedText(r.capacitiveReactance, u"\u03a9", 5)});
}

} // namespace lc

} // namespace zelkor
