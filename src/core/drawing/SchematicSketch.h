// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Puts a schematic plan together from wires and symbols on a grid of logical units, y-up.
// A two-terminal part fills the straight slot between two points: the symbol sits in the
// middle and leads run out to both ends, so a circuit is laid out by its connection points
// alone. Each part's caption is placed beside its symbol, clear of it.

#include "core/drawing/Schematic.h"

#include <initializer_list>

namespace zelkor::views {

enum class Side
{
    Left,
    Right,
    Above,
    Below
};

enum class TwoTerminal
{
    Resistor,
    Capacitor,
    Inductor,
    LED, // conducting from the first point to the second
};

enum class PinSide
{
    Left,
    Right,
    Top,
    Bottom
};

struct Pin
{
    QString number; // empty: unnumbered
    QString name;
    PinSide side = PinSide::Left;
    double offset = 0; // from the chip's left or bottom edge
};

class SchematicSketch
{
public:
    void wire(std::initializer_list<QPointF> points);
    void junction(QPointF at);
    // An open circle where a voltage comes in or goes out.
    void terminal(QPointF at, const QString &caption, Side side);
    // The wire ends at `at`, the bars hang below it.
    void ground(QPointF at);
    // name identifies the part in the plan; caption is what is written beside it.
    void part(TwoTerminal kind, QPointF from, QPointF to, const QString &name,
              const QString &caption, Side side);
    // A line with a filled head at `to`.
    void arrow(QPointF from, QPointF to, double headLength = 7);
    // A measure between two points with heads at both ends, on a horizontal line.
    void dimension(double left, double right, double y);
    void caption(const QString &text, QPointF at, Side side);

    // The open ends of each pin are returned in the order given, 14 units out from the box.
    // type is written inside the box at typeAt.
    QList<QPointF> chip(const QRectF &box, const QString &type, QPointF typeAt,
                        const QList<Pin> &pins);
    // Op-amp triangle pointing right, inputs 12 units from its centre line; the inverting one
    // on top or below. Returns the inverting input, the non-inverting input and the output.
    struct OpAmpPins
    {
        QPointF inverting;
        QPointF nonInverting;
        QPointF output;
    };
    OpAmpPins opAmp(QPointF centre, bool invertingOnTop);

    SchematicPlan finish();

private:
    void addPart(const QString &name, const QList<QPointF> &outline);
    void placeCaption(const QString &text, const QRectF &beside, Side side);
    void inscription(const QString &text, QPointF at, int alignment);

    SchematicPlan m_plan;
};

} // namespace zelkor::views
