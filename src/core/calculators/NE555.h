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

#include <array>
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
    Tolerance,  // %, of the resistors
    CTolerance, // %, of the capacitor
};

// The kept names of the panel's modes, in the order of Circuit; the panel's third mode is the
// design (NE555Design.h).
inline constexpr std::array<const char *, 3> kModeNames = {"astable", "monostable", "design"};

// zelkor-calc chooses the circuit with the flags --astable and --monostable, not with an option.
inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Circuit,
                    {.key = "mode",
                     .option = nullptr,
                     .caption = "NE555",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::R1,
                    {.key = "r1",
                     .option = "--r1",
                     .caption = "NE555R1A11yName",
                     .help = "Astable R1 in Ω",
                     .rule = {.unit = units::kOhms}}},
    FieldRow<Field>{Field::R2,
                    {.key = "r2",
                     .option = "--r2",
                     .caption = "NE555R2A11yName",
                     .help = "Astable R2 in Ω",
                     .rule = {.unit = units::kOhms}}},
    FieldRow<Field>{Field::R,
                    {.key = "r",
                     .option = "--r",
                     .caption = "NE555R1A11yName",
                     .help = "Monostable R in Ω",
                     .rule = {.unit = units::kOhms}}},
    FieldRow<Field>{Field::C,
                    {.key = "c",
                     .option = "--c",
                     .caption = "NE555C1A11yName",
                     .help = "Capacitance in µF",
                     .rule = {.unit = units::kMicrofarads}}},
    FieldRow<Field>{Field::Tolerance, fieldSpec(kDesignFields, DesignField::Tolerance)},
    FieldRow<Field>{Field::CTolerance, fieldSpec(kDesignFields, DesignField::CTolerance)},
};
static_assert(inFieldOrder(kFields));

// The inputs as given; each circuit reads only its own resistors.
struct Texts
{
    std::optional<Circuit> circuit; // nothing: no circuit chosen
    Given r1;
    Given r2;
    Given r;
    Given c;
    Given tolerance{};
    Given cTolerance{};
};

struct Result
{
    Circuit circuit = Circuit::Astable;
    float value = 0.0f;   // Hz or s, after the circuit
    AstableTiming timing; // astable only: the half-periods and the duty cycle
    // The inputs as read: R1 and R2 for the astable circuit, R for the monostable one (Ω), and
    // the capacitor (µF).
    float r1 = 0.0f, r2 = 0.0f, r = 0.0f, c1 = 0.0f;
    // Over the parts' tolerances: the astable circuit's four results, or the pulse duration.
    AstableRanges ranges{};
    tolerance::Range durationRange{};
    double rPercent = tolerance::kResistorPercent, cPercent = tolerance::kCapacitorPercent;
};

// The circuit's resistors and its capacitor must be there and above 0; the panel, which shows
// nothing for an incomplete circuit, has no reason to wait past a 0. Parts so small that the
// half-periods vanish in single precision are Impossible; results too large for a float are an
// Overflow.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

// The result: frequencyText() and astableTimingText(), or pulseDurationText(); then the ranges.
QString resultText(const Result &result);

// "Frequency: 6.90131140 Hz"
QString frequencyText(float hertz);

// "Pulse duration: 1.10000002 s"
QString pulseDurationText(float seconds);

} // namespace zelkor::ne555
