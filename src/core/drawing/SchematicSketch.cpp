// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/SchematicSketch.h"

#include <algorithm>
#include <cmath>

namespace zelkor::views {

namespace {

constexpr double kCaptionGap = 4;
constexpr double kLabelHeight = kTextHeight * 1.3;
constexpr double kPinLength = 14;

QRectF boundingBox(const QList<QPointF> &points)
{
    if (points.isEmpty())
        return {};
    double left = points.first().x();
    double right = left;
    double bottom = points.first().y();
    double top = bottom;
    for (const QPointF &p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        bottom = std::min(bottom, p.y());
        top = std::max(top, p.y());
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

// QRectF::united() skips empty rectangles, and a flat outline is empty.
QRectF spanning(const QRectF &a, const QRectF &b)
{
    if (a.isNull())
        return b;
    return boundingBox({a.topLeft(), a.bottomRight(), b.topLeft(), b.bottomRight()});
}

// A frame along the slot: a point `a` along it from the middle and `c` across it, to the left
// of the direction of travel.
struct SlotFrame
{
    QPointF middle;
    QPointF along;
    QPointF across;

    QPointF at(double a, double c) const { return middle + along * a + across * c; }
};

SlotFrame slotFrame(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = length > 0 ? d / length : QPointF(1, 0);
    return {(from + to) / 2, u, QPointF(-u.y(), u.x())};
}

} // namespace

void SchematicSketch::wire(std::initializer_list<QPointF> points)
{
    m_plan.strokes.append({QList<QPointF>(points)});
}

void SchematicSketch::junction(QPointF at)
{
    m_plan.dots.append({at, 2.5, Fill::Ink});
}

void SchematicSketch::terminal(QPointF at, const QString &caption, Side side)
{
    constexpr double radius = 3.5;
    m_plan.dots.append({at, radius, Fill::Paper});
    const QRectF box(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
    m_plan.parts.append({caption.section(u' ', 0, 0), box});
    placeCaption(caption, box, side);
}

void SchematicSketch::ground(QPointF at)
{
    const double x = at.x();
    const double y = at.y() - 6;
    wire({at, QPointF(x, y)});
    wire({QPointF(x - 10, y), QPointF(x + 10, y)});
    wire({QPointF(x - 6.5, y - 4), QPointF(x + 6.5, y - 4)});
    wire({QPointF(x - 3, y - 8), QPointF(x + 3, y - 8)});
    m_plan.parts.append({QString(), QRectF(x - 10, y - 8, 20, 8)});
}

void SchematicSketch::part(TwoTerminal kind, QPointF from, QPointF to, const QString &name,
                           const QString &caption, Side side)
{
    const SlotFrame f = slotFrame(from, to);
    QList<QPointF> outline;
    double half = 14;
    switch (kind) {
    case TwoTerminal::Resistor:
    case TwoTerminal::Inductor:
        outline = {f.at(-half, -5), f.at(half, -5), f.at(half, 5), f.at(-half, 5)};
        m_plan.strokes.append(
            {outline, true, kind == TwoTerminal::Inductor ? Fill::Ink : Fill::None});
        break;
    case TwoTerminal::Capacitor:
        half = 3;
        outline = {f.at(-half, -12), f.at(-half, 12), f.at(half, -12), f.at(half, 12)};
        m_plan.strokes.append({{outline[0], outline[1]}, false, Fill::None, 2.5});
        m_plan.strokes.append({{outline[2], outline[3]}, false, Fill::None, 2.5});
        break;
    case TwoTerminal::LED: {
        half = 8;
        const QList<QPointF> triangle{f.at(-half, -8), f.at(-half, 8), f.at(half, 0)};
        m_plan.strokes.append({triangle, true, Fill::None});
        m_plan.strokes.append({{f.at(half, -8), f.at(half, 8)}});
        outline = triangle + QList<QPointF>{f.at(half, -8), f.at(half, 8)};
        // The light leaves on the left of the current, away from the body.
        for (const double a : {-4.0, 4.0}) {
            arrow(f.at(a, 10), f.at(a + 6, 18), 4.5);
            outline += {f.at(a, 10), f.at(a + 6, 18), f.at(a + 8, 16)};
        }
        break;
    }
    }
    wire({from, f.at(-half, 0)});
    wire({f.at(half, 0), to});
    const QRectF box = boundingBox(outline);
    m_plan.parts.append({name, box});
    placeCaption(caption, box, side);
}

void SchematicSketch::arrow(QPointF from, QPointF to, double headLength)
{
    const SlotFrame f = slotFrame(from, to);
    const QPointF base = to - f.along * headLength;
    wire({from, base});
    m_plan.strokes.append(
        {{to, base + f.across * (headLength * 0.4), base - f.across * (headLength * 0.4)},
         true,
         Fill::Ink,
         1.0});
}

void SchematicSketch::dimension(double left, double right, double y)
{
    const double middle = (left + right) / 2;
    arrow(QPointF(middle, y), QPointF(left, y), 5);
    arrow(QPointF(middle, y), QPointF(right, y), 5);
}

void SchematicSketch::caption(const QString &text, QPointF at, Side side)
{
    placeCaption(text, QRectF(at, QSizeF(0, 0)), side);
}

QList<QPointF> SchematicSketch::chip(const QRectF &box, const QString &type, QPointF typeAt,
                                     const QList<Pin> &pins)
{
    const double left = box.x();
    const double right = box.x() + box.width();
    const double bottom = box.y();
    const double top = box.y() + box.height();
    m_plan.strokes.append(
        {{QPointF(left, bottom), QPointF(right, bottom), QPointF(right, top), QPointF(left, top)},
         true,
         Fill::None});
    m_plan.parts.append({type, box});
    inscription(type, typeAt, 0);

    QList<QPointF> ends;
    for (const Pin &pin : pins) {
        QPointF edge;
        QPointF out;
        switch (pin.side) {
        case PinSide::Left:
            edge = QPointF(left, bottom + pin.offset);
            out = QPointF(-1, 0);
            inscription(pin.name, edge + QPointF(4, 0), -1);
            break;
        case PinSide::Right:
            edge = QPointF(right, bottom + pin.offset);
            out = QPointF(1, 0);
            inscription(pin.name, edge - QPointF(4, 0), 1);
            break;
        case PinSide::Top:
            edge = QPointF(left + pin.offset, top);
            out = QPointF(0, 1);
            inscription(pin.name, edge - QPointF(0, 4 + kLabelHeight / 2), 0);
            break;
        case PinSide::Bottom:
            edge = QPointF(left + pin.offset, bottom);
            out = QPointF(0, -1);
            inscription(pin.name, edge + QPointF(0, 4 + kLabelHeight / 2), 0);
            break;
        }
        const QPointF end = edge + out * kPinLength;
        wire({edge, end});
        ends.append(end);
        if (pin.number.isEmpty())
            continue;
        // Numbers sit beside the pin line, above it or to its right, as on a datasheet.
        const double w = estimatedTextWidth(pin.number);
        QRectF number(0, 0, w, kLabelHeight);
        const QPointF middle = (edge + end) / 2;
        if (out.y() == 0)
            number.moveTo(middle.x() - w / 2, middle.y() + 1);
        else if (out.y() > 0)
            number.moveTo(edge.x() + 2, edge.y() + 1);
        else
            number.moveTo(edge.x() + 2, edge.y() - 1 - kLabelHeight);
        m_plan.labels.append({pin.number, number, 0, LabelRole::Caption});
    }
    return ends;
}

SchematicSketch::OpAmpPins SchematicSketch::opAmp(QPointF centre, bool invertingOnTop)
{
    const double x = centre.x();
    const double y = centre.y();
    const QList<QPointF> triangle{QPointF(x - 20, y - 26), QPointF(x - 20, y + 26),
                                  QPointF(x + 26, y)};
    m_plan.strokes.append({triangle, true, Fill::None});
    m_plan.parts.append({QStringLiteral("op-amp"), boundingBox(triangle)});

    const double invertingY = invertingOnTop ? y + 12 : y - 12;
    const double nonInvertingY = invertingOnTop ? y - 12 : y + 12;
    // The signs are strokes, not text, so they never depend on a font.
    wire({QPointF(x - 16, invertingY), QPointF(x - 9, invertingY)});
    wire({QPointF(x - 16, nonInvertingY), QPointF(x - 9, nonInvertingY)});
    wire({QPointF(x - 12.5, nonInvertingY - 3.5), QPointF(x - 12.5, nonInvertingY + 3.5)});

    const OpAmpPins pins{QPointF(x - 28, invertingY), QPointF(x - 28, nonInvertingY),
                         QPointF(x + 34, y)};
    wire({pins.inverting, QPointF(x - 20, invertingY)});
    wire({pins.nonInverting, QPointF(x - 20, nonInvertingY)});
    wire({QPointF(x + 26, y), pins.output});
    return pins;
}

SchematicPlan SchematicSketch::finish()
{
    QRectF all;
    const auto take = [&all](const QRectF &r) { all = spanning(all, r); };
    for (const Stroke &s : std::as_const(m_plan.strokes))
        take(boundingBox(s.points).adjusted(-s.width, -s.width, s.width, s.width));
    for (const Dot &d : std::as_const(m_plan.dots))
        take(QRectF(d.centre.x() - d.radius - kLineWidth, d.centre.y() - d.radius - kLineWidth,
                    2 * (d.radius + kLineWidth), 2 * (d.radius + kLineWidth)));
    for (const Label &l : std::as_const(m_plan.labels))
        take(l.box);
    m_plan.bounds = all.adjusted(-4, -4, 4, 4);
    return std::move(m_plan);
}

void SchematicSketch::placeCaption(const QString &text, const QRectF &beside, Side side)
{
    const double w = estimatedTextWidth(text);
    const double h = kLabelHeight;
    const QPointF c = beside.center();
    Label label{text, {}, 0, LabelRole::Caption};
    switch (side) {
    case Side::Right:
        label.box = QRectF(beside.x() + beside.width() + kCaptionGap, c.y() - h / 2, w, h);
        label.horizontalAlignment = -1;
        break;
    case Side::Left:
        label.box = QRectF(beside.x() - kCaptionGap - w, c.y() - h / 2, w, h);
        label.horizontalAlignment = 1;
        break;
    case Side::Above:
        label.box = QRectF(c.x() - w / 2, beside.y() + beside.height() + kCaptionGap, w, h);
        break;
    case Side::Below:
        label.box = QRectF(c.x() - w / 2, beside.y() - kCaptionGap - h, w, h);
        break;
    }
    m_plan.labels.append(label);
}

void SchematicSketch::inscription(const QString &text, QPointF at, int alignment)
{
    const double w = estimatedTextWidth(text);
    const double x = alignment < 0 ? at.x() : alignment > 0 ? at.x() - w : at.x() - w / 2;
    m_plan.labels.append({text, QRectF(x, at.y() - kLabelHeight / 2, w, kLabelHeight), alignment,
                          LabelRole::Inscription});
}

} // namespace zelkor::views
