// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two resistors that set an adjustable regulator's output. R1 is the upper resistor, R2 the
// lower one, in both kinds:
//
// - Reference across the upper resistor (LM317, LM337): the regulator holds Vref between its
//   output and its adjust pin, so Vref / R1 flows down through R2, joined by the adjust pin's
//   own current:  Vout = Vref · (1 + R2 / R1) + I_adj · R2.
//   That current through R1 is also the load the regulator needs at the least, so R1 is chosen
//   for a current between the minimum load current and four times it: Vref / (4·I_min) to
//   Vref / I_min, 31.25 Ω to 125 Ω for the LM317. I_adj makes the decade matter: every pair is
//   its own answer. The LM337 is the negative twin; its output is typed and shown as magnitude.
// - Reference at the feedback pin (LDOs, switchers, the TL431): the divider brings Vout down to
//   Vref, so Vout = Vref · (1 + R1 / R2). Only the ratio counts, so as for a plain divider a
//   pair a decade up is the same answer, shown at the decade nearest the preferred R1 + R2.
// Double precision throughout. Built, the resistors lie in their tolerance and the reference in
// its datasheet range (the LM317's and LM337's Vref 1.20 to 1.30 V, I_adj 0 to 100 µA), so Vout
// lies in a range.

#include "core/calculators/Inputs.h"
#include "core/calculators/PresetSubstitution.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <optional>
#include <vector>

namespace zelkor::regulator {

enum class Kind
{
    LM317,
    LM337,
    Adjust,   // a part of the LM317 kind with its own Vref and I_adj
    Feedback, // a reference at the feedback pin
};
inline constexpr const char *kKindNames[] = {"lm317", "lm337", "adjust", "feedback"};

enum class Mode
{
    Design,
    Analysis,
};
inline constexpr const char *kModeNames[] = {"design", "analysis"};

// The feedback references one meets most, the last one the TL431's.
inline constexpr std::array<Preset, 6> kReferencePresets = {{
    {nullptr, "0.6", 0.6f},
    {nullptr, "0.8", 0.8f},
    {nullptr, "1.0", 1.0f},
    {nullptr, "1.22", 1.22f},
    {nullptr, "1.25", 1.25f},
    {"RegulatorReferenceTL431", "TL431", 2.495f},
}};

inline constexpr double kLM317Reference = 1.25;      // V
inline constexpr double kLM317AdjustCurrent = 50e-6; // A
inline constexpr double kLM337AdjustCurrent = 65e-6; // A
inline constexpr double kDefaultMinCurrent = 10e-3;  // A, the LM317's worst case
inline constexpr double kDefaultTotal = 1e4;         // Ω
inline constexpr double kSmallest = 1.0;             // Ω
inline constexpr double kLargest = 1e7;              // Ω
inline constexpr eseries::Series kDefaultSeries = eseries::Series::E24;
inline constexpr tolerance::Bounds kLM317ReferenceRange{1.20, 1.30};    // V
inline constexpr tolerance::Bounds kLM317AdjustCurrentRange{0, 100e-6}; // A
inline constexpr double kReferencePercent = 1.0; // a typed or feedback reference's default

enum class Field
{
    Kind,
    Mode,
    Vref,       // the feedback kind's reference
    AdjustVref, // a custom part of the LM317 kind
    AdjustCurrent,
    Vout,
    Series,
    MinCurrent, // the LM317 kind
    Total,      // the feedback kind
    R1,
    R2,
    Tolerance,
    VrefTolerance,
};

inline constexpr InputRule kVolts{.unit = units::kVolts, .need = Need::NonZero};
inline constexpr InputRule kResistor{.unit = units::kOhms, .need = Need::NonZero};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Kind,
                    {.key = "kind",
                     .option = nullptr,
                     .caption = "RegulatorKind",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kKindNames}},
    FieldRow<Field>{Field::Mode,
                    {.key = "mode",
                     .option = nullptr,
                     .caption = "RegulatorMode",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kModeNames}},
    FieldRow<Field>{Field::Vref,
                    {.key = "vref",
                     .option = "--vref",
                     .caption = "RegulatorVref",
                     .help = "Reference at the feedback pin in V (0.6, 0.8, 1.0, 1.22, 1.25, "
                             "2.495 for the TL431, or any other)",
                     .rule = {.unit = units::kVolts, .need = Need::NonZero, .presetList = true}}},
    FieldRow<Field>{Field::AdjustVref,
                    {.key = "adjust_vref",
                     .option = "--adjust-vref",
                     .caption = "RegulatorVref",
                     .help = "Reference between output and adjust pin in V, for a part of the "
                             "LM317 kind",
                     .rule = kVolts}},
    FieldRow<Field>{Field::AdjustCurrent,
                    {.key = "iadj",
                     .option = "--iadj",
                     .caption = "RegulatorAdjustCurrent",
                     .help = "Adjust pin current in µA, with --adjust-vref",
                     .rule = {.unit = {Quantity::Current, -6},
                              .need = Need::Number,
                              .domain = domains::kAtLeastZero}}},
    FieldRow<Field>{Field::Vout,
                    {.key = "vout",
                     .option = "--vout",
                     .caption = "RegulatorVout",
                     .help = "Wanted output voltage in V (its magnitude for the LM337): designs "
                             "the resistors",
                     .rule = kVolts,
                     .alternative = "--r1 and --r2"}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "RegulatorSeries",
                     .help = "E series of both resistors (default E24)",
                     .kind = FieldKind::Choice,
                     .accepts = "E3, E6, E12, E24, E48, E96 or E192"}},
    FieldRow<Field>{Field::MinCurrent,
                    {.key = "min_current",
                     .option = "--min-current",
                     .caption = "RegulatorMinCurrent",
                     .help = "Minimum load current in mA, for the LM317 kind (default 10)",
                     .rule = {.unit = units::kMilliamperes, .need = Need::NonZero}}},
    FieldRow<Field>{Field::Total,
                    {.key = "total",
                     .option = "--total",
                     .caption = "RegulatorTotal",
                     .help = "Preferred R1 + R2 in ohms, for the feedback kind (default 10k)",
                     .rule = kResistor}},
    FieldRow<Field>{Field::R1,
                    {.key = "r1",
                     .option = "--r1",
                     .caption = "RegulatorR1",
                     .help = "Upper resistor in ohms: analyses the circuit",
                     .rule = kResistor}},
    FieldRow<Field>{Field::R2,
                    {.key = "r2",
                     .option = "--r2",
                     .caption = "RegulatorR2",
                     .help = "Lower resistor in ohms",
                     .rule = kResistor}},
    FieldRow<Field>{Field::Tolerance, tolerance::kPairToleranceField},
    FieldRow<Field>{Field::VrefTolerance,
                    {.key = "vref_tolerance",
                     .option = "--vref-tolerance",
                     .caption = "VrefTolerance",
                     .help = "Tolerance of a typed reference (--vref, --adjust-vref) in % "
                             "(default 1)",
                     .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kFields));

// What a kind of part brings.
struct Part
{
    Kind kind = Kind::LM317;
    double vref = kLM317Reference;          // V
    double adjustCurrent = 0.0;             // A
    double minCurrent = kDefaultMinCurrent; // A
    // Where the built part's reference and adjust current lie.
    tolerance::Bounds vrefRange = kLM317ReferenceRange;
    tolerance::Bounds adjustCurrentRange = kLM317AdjustCurrentRange;
};

// Vout's magnitude for R1 and R2.
double outputVoltage(const Part &part, double r1, double r2);
// The range of Vout's magnitude for resistors at resistorPercent.
tolerance::Range outputRange(const Part &part, double r1, double r2, double resistorPercent);

struct Setting
{
    double r1 = 0.0;        // Ω
    double r2 = 0.0;        // Ω
    double vout = 0.0;      // magnitude, V
    double r1Current = 0.0; // A, the LM317 kind's current through R1
    double error = 0.0;     // against the wanted Vout
    bool exact = false;
    tolerance::Range voutRange;
};

struct Result
{
    Part part;
    Mode mode = Mode::Design;
    double wanted = 0.0;
    eseries::Series series = kDefaultSeries;
    double total = kDefaultTotal;
    double resistorPercent = tolerance::kResistorPercent; // as used
    double vrefPercent = 0.0;      // as used; 0 for the presets, which bring their own range
    std::vector<Setting> settings; // analysis: one; design: the best, best first
};

struct Texts
{
    std::optional<Kind> kind{}; // nothing: Missing
    std::optional<Mode> mode{}; // nothing: zelkor-calc's mode follows from the options
    Given vref{};
    Given adjustVref{};
    Given adjustCurrent{};
    Given vout{};
    Given series{};
    Given minCurrent{};
    Given total{};
    Given r1{};
    Given r2{};
    Given tolerance{};
    Given vrefTolerance{};
};

// Vout must lie above Vref (OutOfRange on Vout) and within what the resistors can give
// (Impossible on Vout). The minimum current belongs to the LM317 kind and the preferred total
// to the feedback kind: either given to the other kind is a Conflict.
Outcome<Result, Field> calculate(const Texts &texts, Reading reading);

QString resultText(const Result &result);
QString problemText(const Problem<Field> &problem);

} // namespace zelkor::regulator
