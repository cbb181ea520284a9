// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The circuit each calculator panel draws, with the panel's values written on the parts. Every
// value is optional: a part whose value is not known (yet) is labelled with its name alone.
// Values are in base units (V, A, Ω, F, H, s, K/W), temperatures in °C.

#include "core/calculators/AdjustableRegulator.h"
#include "core/calculators/HeatSink.h"
#include "core/calculators/NE555.h"
#include "core/calculators/OpAmpGain.h"
#include "core/drawing/Schematic.h"

#include <optional>

namespace zelkor::views {

using Value = std::optional<double>;

// Supply, resistor, LED and ground, with the LED's current beside the return wire.
struct LedCircuit
{
    Value supply, resistance, forwardVoltage, current;
};
SchematicPlan ledDroppingResistorDrawing(const LedCircuit &values);

// Vin over R1 and R2 to ground, Vout at their junction; RL only when a load is given.
struct DividerCircuit
{
    Value vin, r1, r2, load, vout;
};
SchematicPlan voltageDividerDrawing(const DividerCircuit &values);

// The LM317 kind (R1 from OUT to ADJ) or the feedback kind (R1 from OUT to FB); R2 to ground in
// both. vout is the magnitude the panel shows; the LM337's is drawn negative.
struct RegulatorCircuit
{
    regulator::Kind kind = regulator::Kind::LM317;
    Value r1, r2, vout;
};
SchematicPlan adjustableRegulatorDrawing(const RegulatorCircuit &values);

struct AmplifierCircuit
{
    opamp::Circuit circuit = opamp::Circuit::NonInverting;
    Value rf, rg;
};
SchematicPlan opAmpGainDrawing(const AmplifierCircuit &values);

// R in series, C to ground, with the corner frequency written under the output.
struct LowPassCircuit
{
    Value r, c, frequency;
};
SchematicPlan rcLowPassDrawing(const LowPassCircuit &values);

// L and C in parallel, with the resonance written beneath.
struct ResonantCircuit
{
    Value l, c, frequency;
};
SchematicPlan lcResonantDrawing(const ResonantCircuit &values);

// The 555 with its pin numbers; pin 4 tied to the supply and 10 nF from pin 5 to ground. The
// monostable uses r1 as its R and ignores r2.
struct TimerCircuit
{
    ne555::Circuit circuit = ne555::Circuit::Astable;
    Value r1, r2, c;
};
SchematicPlan timerDrawing(const TimerCircuit &values);

// The output over two periods, t_high and t_low measured on it. The monostable has only its
// pulse, t_high; the gaps between pulses are drawn as long as the pulse and not measured.
// Known times set the proportions, kept readable when one is far shorter than the other.
struct TimerOutput
{
    ne555::Circuit circuit = ne555::Circuit::Astable;
    Value tHigh, tLow;
};
SchematicPlan timerWaveformDrawing(const TimerOutput &values);

// Heat from the junction through R_chip, R_mount and R_sink to the ambient air, top to bottom,
// each node with its temperature and the power coming in at the top.
struct ThermalPath
{
    Value power;
    Value junction, caseTemperature, sink, ambient;        // °C
    Value chipResistance, mountResistance, sinkResistance; // K/W
};
SchematicPlan thermalPathDrawing(const ThermalPath &values);
// The path a heat-sink result describes: the power falls by P · R across each resistance from
// the ambient up. Where the result names no heat sink (none suffices, or the air is too hot),
// the sink and the temperatures above the ambient stay unknown.
ThermalPath thermalPathOf(const heatsink::Result &result);

} // namespace zelkor::views
