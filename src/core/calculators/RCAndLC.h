// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Time constants and corners of RC circuits, resonance of LC circuits.
//
//   RC:  τ = R·C        f = 1 / (2π·R·C), the −3 dB corner of a first-order filter
//   LC:  f₀ = 1 / (2π·√(L·C))   X_L = 2π·f·L   X_C = 1 / (2π·f·C)
//
// Designing an RC searches a resistor series (100 Ω to 1 MΩ) against a capacitor series (10 pF
// to 100 µF): only the product counts, so 16 kΩ with 10 nF and 1.6 kΩ with 100 nF are one answer,
// shown with the resistor nearest 10 kΩ. A frequency and a time constant rank alike, by the ratio
// they miss by. Every τ and f carries its range over the parts' tolerances: a part designed from
// a series takes that series' tolerance, a typed part 5 % (R) or 10 % (C, L), unless the user
// gives another. Capacitances are typed in µF and inductances in µH; double precision throughout.

#include "core/calculators/Inputs.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <optional>
#include <vector>

namespace zelkor {

namespace rc {

enum class Mode
{
    Analysis,  // R and C give τ and f
    Frequency, // the parts for a corner frequency
    Tau,       // the parts for a time constant
};
inline constexpr const char *kModeNames[] = {"analysis", "frequency", "tau"};

inline constexpr double kSmallestR = 100.0;  // Ω
inline constexpr double kLargestR = 1e6;     // Ω
inline constexpr double kSmallestC = 10e-12; // F
inline constexpr double kLargestC = 100e-6;  // F
inline constexpr double kPreferredR = 1e4;   // Ω
inline constexpr eseries::Series kDefaultSeries = eseries::Series::E24;
inline constexpr eseries::Series kDefaultCapacitorSeries = eseries::Series::E6;

enum class Field
{
    Mode,
    R,
    C,
    Frequency,
    Tau,
    Series,
    CapacitorSeries,
    Tolerance,
    CapacitorTolerance,
};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Mode,
                    {.key = "mode",
                     .option = nullptr,
                     .caption = "RCMode",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::R,
                    {.key = "r",
                     .option = "--r",
                     .caption = "RCResistance",
                     .help = "Resistance in ohms, with --c: the time constant and corner",
                     .rule = {.unit = units::kOhms, .need = Need::NonZero}}},
    FieldRow<Field>{Field::C,
                    {.key = "c",
                     .option = "--c",
                     .caption = "RCCapacitance",
                     .help = "Capacitance in µF (100n, 4.7u)",
                     .rule = {.unit = units::kMicrofarads, .need = Need::NonZero}}},
    FieldRow<Field>{Field::Frequency,
                    {.key = "frequency",
                     .option = "--frequency",
                     .caption = "RCFrequency",
                     .help = "Wanted corner frequency in Hz: designs the parts",
                     .rule = {.unit = {Quantity::Frequency, 0}, .need = Need::NonZero},
                     .alternative = "--r and --c"}},
    FieldRow<Field>{Field::Tau,
                    {.key = "tau",
                     .option = "--tau",
                     .caption = "RCTau",
                     .help = "Wanted time constant in s: designs the parts",
                     .rule = {.unit = {Quantity::Time, 0}, .need = Need::NonZero},
                     .alternative = "--frequency"}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "RCSeries",
                     .help = "E series of the resistor (default E24)",
                     .kind = FieldKind::Choice,
                     .accepts = "E3, E6, E12, E24, E48, E96 or E192"}},
    FieldRow<Field>{Field::CapacitorSeries,
                    {.key = "c_series",
                     .option = "--c-series",
                     .caption = "RCCapacitorSeries",
                     .help = "E series of the capacitor (default E6)",
                     .kind = FieldKind::Choice,
                     .accepts = "E3, E6, E12 or E24"}},
    FieldRow<Field>{Field::Tolerance,
                    {.key = "tolerance",
                     .option = "--tolerance",
                     .caption = "ResistorTolerance",
                     .help = "Resistor tolerance in % (default: the series', 5 % for --r)",
                     .rule = tolerance::kPercentRule}},
    FieldRow<Field>{Field::CapacitorTolerance,
                    {.key = "c_tolerance",
                     .option = "--c-tolerance",
                     .caption = "CapacitorTolerance",
                     .help = "Capacitor tolerance in % (default: the series', 10 % for --c)",
                     .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kFields));

inline constexpr std::array kCapacitorSeries = {eseries::Series::E3, eseries::Series::E6,
                                                eseries::Series::E12, eseries::Series::E24};

double timeConstant(double ohms, double farads);
double cornerFrequency(double ohms, double farads);

struct Filter
{
    double r = 0.0;         // Ω
    double c = 0.0;         // F
    double tau = 0.0;       // s
    double frequency = 0.0; // Hz
    double error = 0.0;     // against the wanted f or τ
    bool exact = false;
    tolerance::Range tauRange{};
    tolerance::Range frequencyRange{};
};

struct Result
{
    Mode mode = Mode::Analysis;
    double wanted = 0.0; // Hz or s
    eseries::Series series = kDefaultSeries;
    eseries::Series capacitorSeries = kDefaultCapacitorSeries;
    double rPercent = tolerance::kResistorPercent; // as given, or the default
    double cPercent = tolerance::kCapacitorPercent;
    std::vector<Filter> filters; // analysis: one; design: the best, best first
};

struct Texts
{
    std::optional<Mode> mode{}; // nothing: zelkor-calc's mode follows from the options
    Given r{};
    Given c{};
    Given frequency{};
    Given tau{};
    Given series{};
    Given capacitorSeries{};
    Given tolerance{};
    Given capacitorTolerance{};
};

// A target beyond what the ranges reach is Impossible.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);
QString resultText(const Result &result);
QString problemText(const Problem<Field> &problem);

} // namespace rc

namespace lc {

enum class Field
{
    Sought, // the panel's choice of what to compute
    Frequency,
    L,
    C,
    At,
    LTolerance,
    CTolerance,
};

enum class Sought
{
    Frequency,
    L,
    C,
};
inline constexpr const char *kSoughtNames[] = {"frequency", "inductance", "capacitance"};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Sought,
                    {.key = "sought",
                     .option = nullptr,
                     .caption = "LCSought",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kSoughtNames}},
    FieldRow<Field>{Field::Frequency,
                    {.key = "frequency",
                     .option = "--frequency",
                     .caption = "LCFrequency",
                     .help = "Resonant frequency in Hz",
                     .rule = {.unit = {Quantity::Frequency, 0}, .need = Need::NonZero}}},
    FieldRow<Field>{Field::L,
                    {.key = "l",
                     .option = "--l",
                     .caption = "LCInductance",
                     .help = "Inductance in µH (10u, 470n)",
                     .rule = {.unit = units::kMicrohenries, .need = Need::NonZero}}},
    FieldRow<Field>{Field::C,
                    {.key = "c",
                     .option = "--c",
                     .caption = "LCCapacitance",
                     .help = "Capacitance in µF (100p, 4.7n)",
                     .rule = {.unit = units::kMicrofarads, .need = Need::NonZero}}},
    FieldRow<Field>{Field::At,
                    {.key = "at",
                     .option = "--at",
                     .caption = "LCAt",
                     .help = "Frequency in Hz for the reactances (default: the resonance)",
                     .rule = {.unit = {Quantity::Frequency, 0}, .need = Need::NonZero}}},
    FieldRow<Field>{Field::LTolerance,
                    {.key = "l_tolerance",
                     .option = "--l-tolerance",
                     .caption = "InductorTolerance",
                     .help = "Inductor tolerance in % for the resonance's range (default 10)",
                     .rule = tolerance::kPercentRule}},
    FieldRow<Field>{Field::CTolerance,
                    {.key = "c_tolerance",
                     .option = "--c-tolerance",
                     .caption = "CapacitorTolerance",
                     .help = "Capacitor tolerance in % for the resonance's range (default 10)",
                     .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kFields));

double resonance(double henries, double farads);

struct Result
{
    Sought sought = Sought::Frequency;
    double frequency = 0.0;           // Hz
    double inductance = 0.0;          // H
    double capacitance = 0.0;         // F
    double at = 0.0;                  // Hz, where the reactances are
    double inductiveReactance = 0.0;  // Ω
    double capacitiveReactance = 0.0; // Ω
    // The resonance of the built circuit, when L and C are the given parts.
    std::optional<tolerance::Range> frequencyRange{};
    double lPercent = tolerance::kInductorPercent;
    double cPercent = tolerance::kCapacitorPercent;
};

struct Texts
{
    std::optional<Sought> sought{}; // nothing: zelkor-calc computes the one not given
    Given frequency{};
    Given l{};
    Given c{};
    Given at{};
    Given lTolerance{};
    Given cTolerance{};
};

// zelkor-calc needs exactly two of frequency, L and C: fewer are Missing, three a Conflict.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);
QString resultText(const Result &result);

} // namespace lc

} // namespace zelkor
