// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The gain an op-amp's two resistors set: Rf from the output to the inverting input, Rg from
// there to ground (non-inverting) or to the signal (inverting).
//
//   non-inverting  G = 1 + Rf / Rg        inverting  G = −Rf / Rg
//
// The inverting gain is typed and searched as its magnitude; its sign is the circuit's. Both
// resistors come from 1 kΩ to 1 MΩ, where an op-amp's input currents and the resistors' noise
// both stay small, and only their ratio counts: a pair a decade up is the same answer, shown at
// the decade whose Rf + Rg lies nearest 20 kΩ. Double precision throughout. Built, both
// resistors lie in their tolerance, so the gain lies in a range.

#include "core/calculators/Inputs.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <optional>
#include <vector>

namespace zelkor::opamp {

enum class Circuit
{
    NonInverting,
    Inverting,
};
inline constexpr const char *kCircuitNames[] = {"non_inverting", "inverting"};

enum class Mode
{
    Design,
    Analysis,
};
inline constexpr const char *kModeNames[] = {"design", "analysis"};

inline constexpr double kSmallest = 1e3; // Ω
inline constexpr double kLargest = 1e6;  // Ω
inline constexpr double kPreferredTotal = 2e4;
inline constexpr eseries::Series kDefaultSeries = eseries::Series::E24;

enum class Field
{
    Circuit,
    Mode,
    Gain,
    Series,
    Rf,
    Rg,
    Tolerance,
};

inline constexpr InputRule kResistor{.unit = units::kOhms, .need = Need::NonZero};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Circuit,
                    {.key = "circuit",
                     .option = nullptr,
                     .caption = "OpAmpCircuit",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kCircuitNames}},
    FieldRow<Field>{Field::Mode,
                    {.key = "mode",
                     .option = nullptr,
                     .caption = "OpAmpMode",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::Gain,
                    {.key = "gain",
                     .option = "--gain",
                     .caption = "OpAmpTargetGain",
                     .help = "Wanted gain (its magnitude for the inverting amplifier): designs "
                             "the resistors",
                     .rule = {.unit = units::kNumber, .need = Need::NonZero},
                     .alternative = "--rf and --rg"}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "OpAmpSeries",
                     .help = "E series of both resistors (default E24)",
                     .kind = FieldKind::Choice,
                     .accepts = "E3, E6, E12, E24, E48, E96 or E192"}},
    FieldRow<Field>{Field::Rf,
                    {.key = "rf",
                     .option = "--rf",
                     .caption = "OpAmpRf",
                     .help = "Feedback resistor in ohms: analyses the amplifier",
                     .rule = kResistor}},
    FieldRow<Field>{Field::Rg,
                    {.key = "rg",
                     .option = "--rg",
                     .caption = "OpAmpRg",
                     .help = "Resistor to ground (non-inverting) or to the input (inverting) in "
                             "ohms",
                     .rule = kResistor}},
    FieldRow<Field>{Field::Tolerance, tolerance::kPairToleranceField},
};
static_assert(inFieldOrder(kFields));

// The gain of a circuit's resistors, with its sign.
double gain(Circuit circuit, double rf, double rg);
// The range of the gain, with its sign, for resistors at percent.
tolerance::Range gainRange(Circuit circuit, double rf, double rg, double percent);

struct Amplifier
{
    double rf = 0.0;    // Ω
    double rg = 0.0;    // Ω
    double gain = 0.0;  // with its sign
    double error = 0.0; // magnitude against the wanted one: |gain| ÷ wanted − 1
    bool exact = false;
    tolerance::Range gainRange;
};

struct Result
{
    Circuit circuit = Circuit::NonInverting;
    Mode mode = Mode::Design;
    double wanted = 0.0; // design: the wanted magnitude
    eseries::Series series = kDefaultSeries;
    double tolerancePercent = tolerance::kResistorPercent; // as used
    std::vector<Amplifier> amplifiers; // analysis: one; design: the best, best first
};

struct Texts
{
    std::optional<Circuit> circuit{}; // nothing: Missing
    std::optional<Mode> mode{};       // nothing: zelkor-calc's mode follows from the options
    Given gain{};
    Given series{};
    Given rf{};
    Given rg{};
    Given tolerance{};
};

// A non-inverting gain must lie above 1 (OutOfRange on Gain), and every gain within what two
// resistors of the range can give (Impossible on Gain).
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

// The gain in decibels: 20·log10 |G|.
double decibels(double gain);

QString resultText(const Result &result);
QString problemText(const Problem<Field> &problem);

} // namespace zelkor::opamp
