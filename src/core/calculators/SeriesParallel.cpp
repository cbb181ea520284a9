// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/SeriesParallel.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zelkor::seriesparallel {

InputRule partRule(PartKind kind)
{
    return {.unit = kind == PartKind::Resistors ? units::kOhms : units::kMicrofarads};
}

bool isPart(QStringView text, PartKind kind)
{
    return scanValue(text, partRule(kind).unit).found;
}

namespace {

// Both totals of the list with every part scaled by factor, in double precision.
std::pair<double, double> scaledTotals(std::span<const float> values, double factor)
{
    double sum = 0.0;
    double reciprocalSum = 0.0;
    for (const float value : values) {
        sum += value * factor;
        reciprocalSum += 1.0 / (value * factor);
    }
    return {sum, 1.0 / reciprocalSum};
}

} // namespace

Totals combine(std::span<const float> values, double percent)
{
    float sum = 0.0f;
    float reciprocalSum = 0.0f;
    for (const float value : values) {
        sum += value;
        reciprocalSum += 1.0f / value;
    }
    Totals totals{sum, 1.0f / reciprocalSum};
    const auto [lowSum, lowReciprocal] = scaledTotals(values, 1.0 - percent / 100.0);
    const auto [highSum, highReciprocal] = scaledTotals(values, 1.0 + percent / 100.0);
    totals.sumRange = {lowSum, highSum};
    totals.reciprocalRange = {lowReciprocal, highReciprocal};
    totals.percent = percent;
    return totals;
}

double defaultPercent(PartKind kind)
{
    return kind == PartKind::Resistors ? tolerance::kResistorPercent : tolerance::kCapacitorPercent;
}

Outcome<Totals, Field> calculate(std::optional<PartKind> kind, const QList<QString> &parts,
                                 Reading reading, const Given &tolerance)
{
    if (!kind)
        return Problem<Field>{Reason::Missing, Field::Kind};
    if (parts.isEmpty())
        return Problem<Field>{Reason::Missing, Field::Parts};
    InputRule rule = partRule(*kind);
    // The panel's own rule: a part of 0 shorts a parallel resistor group or opens a capacitor
    // chain, and the totals say so.
    if (reading == Reading::Lenient)
        rule.domain = domains::kAtLeastZero;
    QList<float> values;
    values.reserve(parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto value = read(Field::Parts, parts[i], rule, reading);
        if (!value)
            return Problem<Field>{value.problem().reason, Field::Parts, i};
        values.append(*value);
    }
    const auto percent =
        tolerance::readOr(kFields, Field::Tolerance, tolerance, reading, defaultPercent(*kind));
    if (!percent)
        return percent.problem();
    const Totals totals = combine(values, *percent);
    if (const auto problem =
            overflow(Field::Parts, totals.sum, totals.reciprocal, totals.sumRange.max))
        return *problem;
    return totals;
}

Outcome<SearchInputs, Field> searchInputs(const Given &target, const Given &series,
                                          const Given &maxParts, Reading reading)
{
    const auto ohms =
        readPrecise(Field::Target, target, fieldSpec(kFields, Field::Target).rule, reading);
    if (!ohms)
        return ohms.problem();
    SearchInputs inputs{.target = *ohms};
    if (series) {
        const auto named = eseries::parse(*series);
        if (!named ||
            std::find(kSearchSeries.begin(), kSearchSeries.end(), *named) == kSearchSeries.end())
            return Problem<Field>{Reason::OutOfRange, Field::Series};
        inputs.series = *named;
    }
    if (maxParts) {
        const QString count = maxParts->trimmed();
        if (count != u"2" && count != u"3")
            return Problem<Field>{Reason::OutOfRange, Field::PartsCount};
        inputs.maxParts = count.toInt();
    }
    return inputs;
}

namespace {

// A total in the kind's unit, or, below 0.01 of it, in the largest smaller unit in which it is
// at least 1 (the smallest one where none is): "%.02f" would show it as 0.00.
struct Shown
{
    float value;
    QString unit;
    float factor = 1.0f; // from the kind's unit to this one
};

Shown shown(PartKind kind, float total)
{
    struct Smaller
    {
        float factor;
        const char16_t *unit;
    };
    static constexpr Smaller kResistances[] = {{1e3f, u"mOhm"}};
    static constexpr Smaller kCapacitances[] = {{1e3f, u"nF"}, {1e6f, u"pF"}};
    const bool resistors = kind == PartKind::Resistors;
    Shown result{total, resistors ? u"Ohm"_s : u"µF"_s};
    if (!(total > 0.0f && total < 0.01f))
        return result;
    const std::span<const Smaller> smaller = resistors ? std::span<const Smaller>(kResistances)
                                                       : std::span<const Smaller>(kCapacitances);
    for (const Smaller &unit : smaller) {
        result = {total * unit.factor, QString::fromUtf16(unit.unit), unit.factor};
        if (result.value >= 1.0f)
            break;
    }
    return result;
}

} // namespace

QString resultText(PartKind kind, const Totals &totals)
{
    const Shown series = shown(kind, totals.series(kind));
    const Shown parallel = shown(kind, totals.parallel(kind));
    return formatText(u"%@: %.02f %@\n%@: %.02f %@",
                      {text("Series"), series.value, series.unit, text("Parallel"), parallel.value,
                       parallel.unit});
}

QString rangeText(PartKind kind, const Totals &totals)
{
    const Shown series = shown(kind, totals.series(kind));
    const Shown parallel = shown(kind, totals.parallel(kind));
    const tolerance::Range seriesRange = totals.seriesRange(kind);
    const tolerance::Range parallelRange = totals.parallelRange(kind);
    const QString percent = formatShortest(float(totals.percent));
    return formatText(text("SeriesParallelRange"),
                      {percent, seriesRange.min * series.factor, seriesRange.max * series.factor,
                       series.unit, percent, parallelRange.min * parallel.factor,
                       parallelRange.max * parallel.factor, parallel.unit});
}

QString resultText(PartKind kind, const QList<QString> &parts, const Given &tolerance)
{
    const auto totals = calculate(kind, parts, Reading::Lenient, tolerance);
    return totals ? resultText(kind, *totals) + u'\n' + rangeText(kind, *totals) : QString();
}

QString unit(PartKind kind)
{
    return kind == PartKind::Resistors ? QStringLiteral("Ω") : QStringLiteral("µF");
}

} // namespace zelkor::seriesparallel
