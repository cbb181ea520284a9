// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/CircuitDrawings.h"

#include "core/drawing/SchematicSketch.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <cmath>

namespace zelkor::views {

namespace {

using P = QPointF;
using enum TwoTerminal;

QString ohms(const char *name, Value value)
{
    return partLabel(QString::fromLatin1(name), value, u"\u03a9");
}

QString volts(const char *name, Value value)
{
    return signedLabel(QString::fromLatin1(name), value, u"V");
}

// Thermal resistances are small numbers read to the hundredth; a prefix ("50 mK/W") would
// only hide that.
QString kelvinPerWatt(const char *name, Value value)
{
    const QString n = QString::fromLatin1(name);
    if (!value || !(*value >= 0 && *value < 1e6))
        return n;
    return n + u' ' + formatFixed(*value, 2) + QStringLiteral(" K/W");
}

} // namespace

SchematicPlan ledDroppingResistorDrawing(const LedCircuit &values)
{
    SchematicSketch s;
    s.terminal(P(0, 60), volts("Vs", values.supply), Side::Left);
    s.part(Resistor, P(0, 60), P(70, 60), QStringLiteral("R"), ohms("R", values.resistance),
           Side::Above);
    s.part(LED, P(70, 60), P(140, 60), QStringLiteral("LED"), volts("LED", values.forwardVoltage),
           Side::Above);
    s.wire({P(140, 60), P(160, 60), P(160, 20)});
    s.ground(P(160, 20));
    s.arrow(P(172, 52), P(172, 28));
    s.caption(partLabel(QStringLiteral("I"), values.current, u"A"), P(176, 40), Side::Right);
    return s.finish();
}

SchematicPlan voltageDividerDrawing(const DividerCircuit &values)
{
    SchematicSketch s;
    s.terminal(P(0, 140), volts("Vin", values.vin), Side::Left);
    s.wire({P(0, 140), P(40, 140)});
    s.part(Resistor, P(40, 140), P(40, 80), QStringLiteral("R1"), ohms("R1", values.r1),
           Side::Right);
    s.junction(P(40, 80));
    s.part(Resistor, P(40, 80), P(40, 20), QStringLiteral("R2"), ohms("R2", values.r2),
           Side::Right);
    s.ground(P(40, 20));
    double out = 130;
    if (values.load && std::isfinite(*values.load) && *values.load > 0) {
        s.junction(P(150, 80));
        s.part(Resistor, P(150, 80), P(150, 20), QStringLiteral("RL"), ohms("RL", values.load),
               Side::Right);
        s.ground(P(150, 20));
        out = 210;
    }
    s.wire({P(40, 80), P(out, 80)});
    s.terminal(P(out, 80), volts("Vout", values.vout), Side::Right);
    return s.finish();
}

SchematicPlan adjustableRegulatorDrawing(const RegulatorCircuit &values)
{
    using regulator::Kind;
    const bool feedback = values.kind == Kind::Feedback;
    const QString type = values.kind == Kind::LM317   ? QStringLiteral("LM317")
                         : values.kind == Kind::LM337 ? QStringLiteral("LM337")
                                                      : QStringLiteral("REG");
    // The LM337 regulates below ground; the panel shows its output's magnitude.
    Value vout = values.vout;
    if (vout && values.kind == Kind::LM337)
        vout = -*vout;

    QList<Pin> pins{{{}, QStringLiteral("IN"), PinSide::Left, 30},
                    {{}, QStringLiteral("OUT"), PinSide::Right, 30}};
    if (feedback)
        pins += {{{}, QStringLiteral("GND"), PinSide::Bottom, 30},
                 {{}, QStringLiteral("FB"), PinSide::Bottom, 70}};
    else
        pins += {{{}, QStringLiteral("ADJ"), PinSide::Bottom, 50}};

    SchematicSketch s;
    const QList<QPointF> ends = s.chip(QRectF(30, 90, 100, 60), type, P(80, 139), pins);
    s.wire({P(0, 120), ends[0]});
    s.terminal(P(0, 120), QStringLiteral("Vin"), Side::Left);
    s.wire({ends[1], P(230, 120)});
    s.terminal(P(230, 120), volts("Vout", vout), Side::Right);
    s.junction(P(190, 120));
    s.part(Resistor, P(190, 120), P(190, 60), QStringLiteral("R1"), ohms("R1", values.r1),
           Side::Right);
    s.junction(P(190, 60));
    s.part(Resistor, P(190, 60), P(190, 0), QStringLiteral("R2"), ohms("R2", values.r2),
           Side::Right);
    s.ground(P(190, 0));
    const QPointF adjust = ends.last();
    s.wire({adjust, P(adjust.x(), 60), P(190, 60)});
    if (feedback)
        s.ground(ends[2]);
    return s.finish();
}

SchematicPlan opAmpGainDrawing(const AmplifierCircuit &values)
{
    SchematicSketch s;
    const QString rf = ohms("Rf", values.rf);
    const QString rg = ohms("Rg", values.rg);
    s.terminal(P(0, 92), QStringLiteral("Vin"), Side::Left);
    if (values.circuit == opamp::Circuit::NonInverting) {
        const auto pins = s.opAmp(P(100, 80), false);
        s.wire({P(0, 92), pins.nonInverting});
        s.wire({pins.inverting, P(50, 68), P(50, 30)});
        s.junction(P(50, 30));
        s.part(Resistor, P(50, 30), P(160, 30), QStringLiteral("Rf"), rf, Side::Below);
        s.part(Resistor, P(50, 30), P(50, -30), QStringLiteral("Rg"), rg, Side::Left);
        s.ground(P(50, -30));
        s.wire({P(160, 30), P(160, 80)});
        s.wire({pins.output, P(200, 80)});
    } else {
        const auto pins = s.opAmp(P(100, 80), true);
        s.part(Resistor, P(0, 92), P(60, 92), QStringLiteral("Rg"), rg, Side::Above);
        s.junction(P(60, 92));
        s.wire({P(60, 92), pins.inverting});
        s.wire({P(60, 92), P(60, 130)});
        s.part(Resistor, P(60, 130), P(160, 130), QStringLiteral("Rf"), rf, Side::Above);
        s.wire({P(160, 130), P(160, 80)});
        s.wire({pins.nonInverting, P(66, 68), P(66, 50)});
        s.ground(P(66, 50));
        s.wire({pins.output, P(200, 80)});
    }
    s.junction(P(160, 80));
    s.terminal(P(200, 80), QStringLiteral("Vout"), Side::Right);
    return s.finish();
}

SchematicPlan rcLowPassDrawing(const LowPassCircuit &values)
{
    SchematicSketch s;
    s.terminal(P(0, 80), QStringLiteral("Vin"), Side::Left);
    s.part(Resistor, P(0, 80), P(80, 80), QStringLiteral("R"), ohms("R", values.r), Side::Above);
    s.wire({P(80, 80), P(150, 80)});
    s.junction(P(110, 80));
    s.part(Capacitor, P(110, 80), P(110, 30), QStringLiteral("C"),
           partLabel(QStringLiteral("C"), values.c, u"F"), Side::Right);
    s.ground(P(110, 30));
    s.terminal(P(150, 80), QStringLiteral("Vout"), Side::Right);
    s.caption(partLabel(QStringLiteral("fc"), values.frequency, u"Hz"), P(150, 84), Side::Above);
    return s.finish();
}

SchematicPlan lcResonantDrawing(const ResonantCircuit &values)
{
    SchematicSketch s;
    s.wire({P(0, 100), P(90, 100)});
    s.wire({P(0, 20), P(90, 20)});
    s.part(Inductor, P(0, 100), P(0, 20), QStringLiteral("L"),
           partLabel(QStringLiteral("L"), values.l, u"H"), Side::Left);
    s.part(Capacitor, P(90, 100), P(90, 20), QStringLiteral("C"),
           partLabel(QStringLiteral("C"), values.c, u"F"), Side::Right);
    s.caption(partLabel(QStringLiteral("f\u2080"), values.frequency, u"Hz"), P(45, 20),
              Side::Below);
    return s.finish();
}

SchematicPlan thermalPathDrawing(const ThermalPath &values)
{
    SchematicSketch s;
    s.arrow(P(0, 250), P(0, 215));
    s.caption(partLabel(QStringLiteral("P"), values.power, u"W"), P(4, 235), Side::Right);

    const struct
    {
        const char *node;
        Value temperature;
        const char *resistor;
        Value resistance;
    } steps[] = {
        {"DrawingJunction", values.junction, "R_chip", values.chipResistance},
        {"DrawingCase", values.caseTemperature, "R_mount", values.mountResistance},
        {"DrawingHeatSink", values.sink, "R_sink", values.sinkResistance},
        {"DrawingAmbient", values.ambient, nullptr, {}},
    };
    double y = 210;
    for (const auto &step : steps) {
        s.terminal(P(0, y), temperatureLabel(text(step.node), step.temperature), Side::Left);
        if (!step.resistor)
            break;
        s.part(Resistor, P(0, y), P(0, y - 70), QString::fromLatin1(step.resistor),
               kelvinPerWatt(step.resistor, step.resistance), Side::Right);
        // The heat flows down the lead into the next node.
        s.arrow(P(0, y - 49), P(0, y - 67));
        y -= 70;
    }
    return s.finish();
}

ThermalPath thermalPathOf(const heatsink::Result &result)
{
    using heatsink::Mode;
    using heatsink::Outcome;
    const heatsink::Inputs &in = result.inputs;
    ThermalPath path;
    path.ambient = in.ambientTemperature;
    path.chipResistance = in.chipResistance;
    path.mountResistance = in.mountingResistance;
    if (in.mode != Mode::PowerLimit)
        path.power = in.power;
    double sinkResistance = 0;
    switch (result.outcome) {
    case Outcome::ChipTemperature:
        sinkResistance = in.sinkResistanceOrMaxTemperature;
        break;
    case Outcome::MaxSinkResistance:
        sinkResistance = result.value;
        break;
    case Outcome::MaxPower:
        path.power = result.value;
        sinkResistance = in.sinkResistance;
        break;
    case Outcome::NoSinkSuffices:
    case Outcome::AmbientTooHot:
        return path;
    }
    const double power = *path.power;
    path.sinkResistance = sinkResistance;
    path.sink = in.ambientTemperature + power * sinkResistance;
    path.caseTemperature = *path.sink + power * in.mountingResistance;
    path.junction = *path.caseTemperature + power * in.chipResistance;
    return path;
}

} // namespace zelkor::views
