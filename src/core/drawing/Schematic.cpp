// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/Schematic.h"

#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"

#include <cmath>

namespace zelkor::views {

namespace {

// Widths in ems, set a little wider than wide sans-serif fonts (DejaVu Sans) draw them: a view may
// shrink a text that turns out wider, but a box that is too wide only costs space.
double characterWidth(QChar c)
{
    static const QStringView narrow = u" .,:;'|!()[]-/ijlftrI";
    static const QStringView wide = u"MWmw%\u03a9\u2126";
    if (narrow.contains(c))
        return 0.4;
    if (wide.contains(c))
        return 1.0;
    if (c.isUpper())
        return 0.78;
    return 0.66;
}

// "2.40 kΩ" is marked "2.4 kΩ" on a part; "100 Ω" keeps its zeros.
QString withoutTrailingZeros(QString written)
{
    const qsizetype space = written.indexOf(u' ');
    const qsizetype point = written.indexOf(u'.');
    if (point < 0 || space < point)
        return written;
    qsizetype end = space;
    while (written.at(end - 1) == u'0')
        --end;
    if (written.at(end - 1) == u'.')
        --end;
    return written.remove(end, space - end);
}

// Beyond the prefixes p to G a value prints as a row of zeros or of digits; no part is marked
// that way, so its name stands alone.
bool markable(double magnitude)
{
    return magnitude >= 1e-12 && magnitude < 999.5e9;
}

QString named(const QString &name, const QString &value)
{
    return name.isEmpty() ? value : name + u' ' + value;
}

} // namespace

double estimatedTextWidth(QStringView text)
{
    double ems = 0;
    for (const QChar c : text)
        ems += characterWidth(c);
    return ems * kTextHeight;
}

QString partLabel(const QString &name, std::optional<double> value, QStringView unit)
{
    if (!value || !(*value > 0) || !markable(*value))
        return name;
    return named(name, withoutTrailingZeros(prefixedText(*value, unit, 3)));
}

QString signedLabel(const QString &name, std::optional<double> value, QStringView unit)
{
    if (!value || (*value != 0 && !markable(std::abs(*value))))
        return name;
    QString written = withoutTrailingZeros(prefixedText(*value, unit, 3));
    if (written.startsWith(u'-'))
        written.replace(0, 1, QChar(0x2212));
    return named(name, written);
}

QString temperatureLabel(const QString &name, std::optional<double> celsius)
{
    // Ten thousand degrees is far past any part; a wider number would only push the label apart.
    if (!celsius || !(std::abs(*celsius) < 1e4))
        return name;
    QString written = formatFixed(*celsius, 1);
    if (written.startsWith(u'-'))
        written.replace(0, 1, QChar(0x2212));
    return named(name, written + QStringLiteral(" \u00b0C"));
}

SchematicPlan above(SchematicPlan upper, const SchematicPlan &lower)
{
    if (lower.bounds.isEmpty())
        return upper;
    if (upper.bounds.isEmpty())
        return lower;
    // y points up, so the lower plan's top edge (its largest y) meets the upper plan's lowest y.
    const QPointF shift(upper.bounds.center().x() - lower.bounds.center().x(),
                        upper.bounds.top() - lower.bounds.bottom());
    for (Stroke stroke : lower.strokes) {
        for (QPointF &point : stroke.points)
            point += shift;
        upper.strokes << stroke;
    }
    for (Dot dot : lower.dots) {
        dot.centre += shift;
        upper.dots << dot;
    }
    for (Label label : lower.labels) {
        label.box.translate(shift);
        upper.labels << label;
    }
    for (Part part : lower.parts) {
        part.box.translate(shift);
        upper.parts << part;
    }
    upper.bounds |= lower.bounds.translated(shift);
    return upper;
}

} // namespace zelkor::views
