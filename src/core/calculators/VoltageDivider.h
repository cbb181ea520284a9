// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A voltage divider: R1 on top, R2 to ground, the output across R2.
//
//   Vout = Vin · R2' / (R1 + R2')   with R2' = R2 ∥ R_L when a load R_L hangs on the output
//
// The current is the one the divider draws from Vin, each resistor's power its own, and the
// output impedance is R1 ∥ R2, what a load sees. Designing searches two resistors of one E series
// (1 Ω to 10 MΩ) for a wanted Vout; without a load only their ratio matters, so a pair and the
// same pair a decade up are one answer, shown at the decade whose R1 + R2 lies nearest the
// preferred total. With a load every decade is its own answer. Double precision throughout.
// Built, each resistor and the input voltage lie somewhere in their tolerance, so Vout lies in a
// range; the load is taken as exact.

#include "core/calculators/Inputs.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"
#include "core/standard/PairSearch.h"

#include <QString>

#include <optional>
#include <vector>

namespace zelkor::divider {

enum class Mode
{
    Design,
    Analysis,
};
inline constexpr const char *kModeNames[] = {"design", "analysis"};

inline constexpr double kSmallest = 1.0; // Ω
inline constexpr double kLargest = 1e7;  // Ω
inline constexpr double kDefaultTotal = 1e4;
inline constexpr eseries::Series kDefaultSeries = eseries::Series::E24;

enum class Field
{
    Mode,
    Vin,
    Vout,
    Series,
    Load,
    Total,
    R1,
    R2,
    Tolerance,
    SupplyTolerance,
};

inline constexpr InputRule kVoltage{.unit = units::kVolts, .need = Need::NonZero};
inline constexpr InputRule kResistor{.unit = units::kOhms, .need = Need::NonZero};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Mode,
                    {.key = "mode",
                     .option = nullptr,
                     .caption = "DividerMode",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::Vin,
                    {.key = "vin",
                     .option = "--vin",
                     .caption = "DividerVin",
                     .help = "Input voltage in V",
                     .rule = kVoltage}},
    FieldRow<Field>{Field::Vout,
                    {.key = "vout",
                     .option = "--vout",
                     .caption = "DividerVout",
                     .help = "Wanted output voltage in V: designs the divider",
                     .rule = kVoltage,
                     .alternative = "--r1 and --r2"}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "DividerSeries",
                     .help = "E series of both resistors (default E24)",
                     .kind = FieldKind::Choice,
                     .accepts = "E3, E6, E12, E24, E48, E96 or E192"}},
    FieldRow<Field>{Field::Load,
                    {.key = "load",
                     .option = "--load",
                     .caption = "DividerLoad",
                     .help = "Load across the output in ohms (none when left out)",
                     .rule = kResistor}},
    FieldRow<Field>{Field::Total,
                    {.key = "total",
                     .option = "--total",
                     .caption = "DividerTotal",
                     .help = "Preferred R1 + R2 in ohms (default 10k)",
                     .rule = kResistor}},
    FieldRow<Field>{Field::R1,
                    {.key = "r1",
                     .option = "--r1",
                     .caption = "DividerR1",
                     .help = "Upper resistor in ohms: analyses the divider",
                     .rule = kResistor}},
    FieldRow<Field>{Field::R2,
                    {.key = "r2",
                     .option = "--r2",
                     .caption = "DividerR2",
                     .help = "Lower resistor in ohms",
                     .rule = kResistor}},
    FieldRow<Field>{Field::Tolerance, tolerance::kPairToleranceField},
    FieldRow<Field>{Field::SupplyTolerance,
                    {.key = "supply_tolerance",
                     .option = "--supply-tolerance",
                     .caption = "SupplyTolerance",
                     .help = "Tolerance of the input voltage in % (default 0)",
                     .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kFields));

// A divider and what it does.
struct Circuit
{
    double vin = 0.0;  // V
    double r1 = 0.0;   // Ω
    double r2 = 0.0;   // Ω
    double load = 0.0; // Ω, 0 for none
    double vout = 0.0;
    double current = 0.0;         // A, drawn from Vin
    double powerR1 = 0.0;         // W
    double powerR2 = 0.0;         // W
    double outputImpedance = 0.0; // Ω, R1 ∥ R2
    double error = 0.0;           // against the wanted Vout: vout ÷ wanted − 1
    bool exact = false;
    tolerance::Range voutRange;
};

// How far the parts of a built divider may lie from their values, in percent.
struct Tolerances
{
    double resistors = 0.0;
    double supply = 0.0;
};

Circuit analyse(double vin, double r1, double r2, double load = 0.0,
                const Tolerances &tolerances = {});

struct Result
{
    Mode mode = Mode::Design;
    double vin = 0.0;
    double wanted = 0.0; // design: the wanted Vout
    double load = 0.0;
    double total = kDefaultTotal;
    eseries::Series series = kDefaultSeries;
    Tolerances tolerances;         // as used: the series' or 5 % where none was given
    std::vector<Circuit> circuits; // analysis: one; design: the best, best first
};

struct Texts
{
    std::optional<Mode> mode{}; // nothing: zelkor-calc's mode follows from --vout or --r1/--r2
    Given vin{};
    Given vout{};
    Given series{};
    Given load{};
    Given total{};
    Given r1{};
    Given r2{};
    Given tolerance{};
    Given supplyTolerance{};
};

// Vout must lie below Vin (OutOfRange on Vout), and within what two resistors of the range can
// make (Impossible on Vout).
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

QString resultText(const Result &result);
// The sentence for a problem that has one; empty otherwise.
QString problemText(const Problem<Field> &problem);

} // namespace zelkor::divider
