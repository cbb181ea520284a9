// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/CircuitDrawings.h"
#include "core/drawing/SchematicSketch.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>

namespace zelkor::views {

namespace {

using P = QPointF;
using enum TwoTerminal;

bool known(Value v)
{
    return v && std::isfinite(*v) && *v > 0;
}

} // namespace

SchematicPlan timerDrawing(const TimerCircuit &values)
{
    const bool astable = values.circuit == ne555::Circuit::Astable;
    SchematicSketch s;
    const QList<QPointF> ends =
        s.chip(QRectF(100, 20, 100, 120), QStringLiteral("555"), P(150, 80),
               {{QStringLiteral("8"), QStringLiteral("VCC"), PinSide::Top, 25},
                {QStringLiteral("4"), QStringLiteral("RESET"), PinSide::Top, 75},
                {QStringLiteral("7"), QStringLiteral("DIS"), PinSide::Left, 90},
                {QStringLiteral("6"), QStringLiteral("THR"), PinSide::Left, 60},
                {QStringLiteral("2"), QStringLiteral("TRIG"), PinSide::Left, 30},
                {QStringLiteral("3"), QStringLiteral("OUT"), PinSide::Right, 90},
                {QStringLiteral("5"), QStringLiteral("CTRL"), PinSide::Right, 40},
                {QStringLiteral("1"), QStringLiteral("GND"), PinSide::Bottom, 50}});
    const QPointF vcc = ends[0], reset = ends[1], discharge = ends[2], threshold = ends[3],
                  trigger = ends[4], output = ends[5], control = ends[6], ground = ends[7];

    // Reset is tied high so that only the timing parts decide the output.
    s.terminal(P(20, 175), QStringLiteral("Vcc"), Side::Left);
    s.wire({P(20, 175), P(reset.x(), 175), reset});
    s.wire({vcc, P(vcc.x(), 175)});
    s.junction(P(vcc.x(), 175));
    s.junction(P(60, 175));

    const QString c = partLabel(QStringLiteral("C"), values.c, u"F");
    s.junction(P(60, discharge.y()));
    s.wire({P(60, discharge.y()), discharge});
    if (astable) {
        s.part(Resistor, P(60, 175), P(60, discharge.y()), QStringLiteral("R1"),
               partLabel(QStringLiteral("R1"), values.r1, u"\u03a9"), Side::Left);
        s.part(Resistor, P(60, discharge.y()), P(60, 65), QStringLiteral("R2"),
               partLabel(QStringLiteral("R2"), values.r2, u"\u03a9"), Side::Left);
        // Threshold and trigger both watch the capacitor.
        s.wire({threshold, P(74, threshold.y()), P(74, trigger.y()), trigger});
        s.wire({P(60, 65), P(74, 65)});
        s.junction(P(74, 65));
        s.junction(P(60, 65));
        s.part(Capacitor, P(60, 65), P(60, 15), QStringLiteral("C"), c, Side::Left);
        s.ground(P(60, 15));
    } else {
        s.part(Resistor, P(60, 175), P(60, discharge.y()), QStringLiteral("R"),
               partLabel(QStringLiteral("R"), values.r1, u"\u03a9"), Side::Left);
        s.wire({P(60, discharge.y()), P(60, threshold.y()), threshold});
        s.junction(P(60, threshold.y()));
        s.part(Capacitor, P(60, threshold.y()), P(60, 25), QStringLiteral("C"), c, Side::Left);
        s.ground(P(60, 25));
        s.wire({trigger, P(78, trigger.y()), P(78, 0)});
        s.terminal(P(78, 0), text("DrawingTrigger"), Side::Below);
    }

    s.ground(ground);
    s.wire({control, P(235, control.y())});
    s.part(Capacitor, P(235, control.y()), P(235, 15), QString(), partLabel(QString(), 10e-9, u"F"),
           Side::Right);
    s.ground(P(235, 15));
    s.wire({output, P(270, output.y())});
    s.terminal(P(270, output.y()), QStringLiteral("Vout"), Side::Right);
    return s.finish();
}

SchematicPlan timerWaveformDrawing(const TimerOutput &values)
{
    constexpr double period = 120;
    constexpr double high = 40;
    constexpr double start = 10;
    const bool astable = values.circuit == ne555::Circuit::Astable;
    double share = 0.5;
    if (astable && known(values.tHigh) && known(values.tLow))
        share = std::clamp(*values.tHigh / (*values.tHigh + *values.tLow), 0.2, 0.8);
    const double h = period * share;

    SchematicSketch s;
    s.wire({P(0, 0), P(start, 0), P(start, high), P(start + h, high), P(start + h, 0),
            P(start + period, 0), P(start + period, high), P(start + period + h, high),
            P(start + period + h, 0), P(start + 2 * period, 0), P(start + 2 * period, high),
            P(start + 2 * period + 10, high)});

    s.wire({P(start, high + 3), P(start, high + 16)});
    s.wire({P(start + h, high + 3), P(start + h, high + 16)});
    s.dimension(start, start + h, high + 12);
    s.caption(partLabel(QStringLiteral("t_high"), values.tHigh, u"s"), P(start + h / 2, high + 12),
              Side::Above);
    if (astable) {
        s.wire({P(start + h, -3), P(start + h, -16)});
        s.wire({P(start + period, -3), P(start + period, -16)});
        s.dimension(start + h, start + period, -12);
        s.caption(partLabel(QStringLiteral("t_low"), values.tLow, u"s"),
                  P(start + (h + period) / 2, -12), Side::Below);
    }
    return s.finish();
}

} // namespace zelkor::views
