// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/SeriesParallel.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

namespace zelkor::seriesparallel {

namespace {

InputRule rule(PartKind kind)
{
    return {.unit = kind == PartKind::Resistors ? units::kOhms : units::kMicrofarads};
}

} // namespace

bool isPart(QStringView text, PartKind kind)
{
    return scanValue(text, rule(kind).unit).found;
}

Totals combine(std::span<const float> values)
{
    float sum = 0.0f;
    float reciprocalSum = 0.0f;
    for (const float value : values) {
        sum += value;
        reciprocalSum += 1.0f / value;
    }
    return Totals{sum, 1.0f / reciprocalSum};
}

Outcome<Totals, Field> calculate(std::optional<PartKind> kind, const QList<QString> &parts,
                                 Reading reading)
{
    if (!kind)
        return Problem<Field>{Reason::Missing, Field::Kind};
    if (parts.isEmpty())
        return Problem<Field>{Reason::Missing, Field::Parts};
    QList<float> values;
    values.reserve(parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto value = read(Field::Parts, parts[i], rule(*kind), reading);
        if (!value)
            return Problem<Field>{value.problem().reason, Field::Parts, i};
        values.append(*value);
    }
    return combine(values);
}

QString resultText(PartKind kind, const Totals &totals)
{
    const QStringView pattern = kind == PartKind::Resistors
                                    ? QStringView(u"%@: %.02f Ohm\n%@: %.02f Ohm")
                                    : QStringView(u"%@: %.02f µF\n%@: %.02f µF");
    return formatText(
        pattern, {text("Series"), totals.series(kind), text("Parallel"), totals.parallel(kind)});
}

QString resultText(PartKind kind, const QList<QString> &parts)
{
    const auto totals = calculate(kind, parts, Reading::Lenient);
    return totals ? resultText(kind, *totals) : QString();
}

QString unit(PartKind kind)
{
    return kind == PartKind::Resistors ? QStringLiteral("Ω") : QStringLiteral("µF");
}

} // namespace zelkor::seriesparallel
