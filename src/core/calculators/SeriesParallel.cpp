#include "core/calculators/SeriesParallel.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

namespace zelkor::seriesparallel {

bool isPart(QStringView text)
{
    return beginsWithNumber(text);
}

std::optional<Totals> combine(const QList<QString> &parts)
{
    if (parts.isEmpty())
        return std::nullopt;
    float sum = 0.0f;
    float reciprocalSum = 0.0f;
    for (const QString &part : parts) {
        const float value = floatValue(part);
        sum += value;
        reciprocalSum += 1.0f / value;
    }
    return Totals{sum, 1.0f / reciprocalSum};
}

QString resultText(PartKind kind, const QList<QString> &parts)
{
    const std::optional<Totals> totals = combine(parts);
    if (!totals)
        return {};
    const QStringView pattern = kind == PartKind::Resistors
                                    ? QStringView(u"%@: %.02f Ohm\n%@: %.02f Ohm")
                                    : QStringView(u"%@: %.02f µF\n%@: %.02f µF");
    return formatText(
        pattern, {text("Series"), totals->series(kind), text("Parallel"), totals->parallel(kind)});
}

QString unit(PartKind kind)
{
    return kind == PartKind::Resistors ? QStringLiteral("Ω") : QStringLiteral("µF");
}

} // namespace zelkor::seriesparallel
