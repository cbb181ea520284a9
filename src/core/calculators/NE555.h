// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 555 timer: the astable circuit's frequency and the monostable circuit's pulse duration.
//
// Resistances in Ω, capacitances in µF. The factors are 0.69 for each astable half-period and
// 1.1 for the monostable pulse; the mix of single and double precision below decides the
// eighth decimal of the printed result, so it is kept exactly as written.

#include "core/calculators/Inputs.h"
#include "core/calculators/NE555Design.h"

#include <QString>

#include <optional>

namespace zelkor::ne555 {

// f = 1 / (0.69·(R1 + R2)·C + 0.69·R2·C), in Hz. A zero capacitance gives infinity.
float astableFrequency(float r1, float r2, float c1);

// t = 1.1·R·C, in s.
float monostablePulseDuration(float r, float c1);

enum class Circuit
{
    Astable,
    Monostable,
};

enum class Field
{
    Circuit,
    R1, // astable
    R2, // astable
    R,  // monostable
    C,
};

// The inputs as given; each circuit reads only its own resistors.
struct Texts
{
    std::optional<Circuit> circuit; // nothing: no circuit chosen
    Given r1;
    Given r2;
    Given r;
    Given c;
};

struct Result
{
    Circuit circuit = Circuit::Astable;
    float value = 0.0f;   // Hz or s, after the circuit
    AstableTiming timing; // astable only: the half-periods and the duty cycle
    // The inputs as read: R1 and R2 for the astable circuit, R for the monostable one (Ω), and
    // the capacitor (µF).
    float r1 = 0.0f, r2 = 0.0f, r = 0.0f, c1 = 0.0f;
};

// The circuit's resistors and its capacitor must be there. A 0 is computed with: the astable
// frequency becomes infinite, the pulse duration 0.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

// The result: frequencyText() and astableTimingText(), or pulseDurationText().
QString resultText(const Result &result);

// "Frequency: 6.90131140 Hz"
QString frequencyText(float hertz);

// "Pulse duration: 1.10000002 s"
QString pulseDurationText(float seconds);

} // namespace zelkor::ne555
