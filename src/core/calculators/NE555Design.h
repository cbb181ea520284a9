// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 555 timer worked both ways: the astable circuit's two half-periods and duty cycle, and
// the parts for a wanted frequency, duty cycle or pulse duration.
//
// The capacitor charges through R1 + R2 and discharges through R2 alone:
//   t_high = 0.69·(R1 + R2)·C    t_low = 0.69·R2·C    duty = (R1 + R2) / (R1 + 2·R2)
// so the duty cycle always lies above 50 %: a shorter high time needs a diode across R2,
// another circuit. Designing inverts these with t_high = duty / f and t_low = (1 − duty) / f:
//   R2 = t_low / (0.69·C)    R1 = t_high / (0.69·C) − R2
// and the monostable pulse t = 1.1·R·C gives R = t / (1.1·C). Resistances in Ω,
// capacitances in µF, as in the frequency mode; the standard parts are then run through that
// mode's own formulas, so a design shows the digits the panel prints for those parts.

#include "core/calculators/Inputs.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QString>

#include <array>

namespace zelkor::ne555 {

struct AstableTiming
{
    float highTime = 0.0f;    // s
    float lowTime = 0.0f;     // s
    float frequency = 0.0f;   // Hz, exactly astableFrequency()
    float dutyPercent = 0.0f; // share of the period the output is high
};

// The same factor and the same single/double mix as astableFrequency(), so that
// 1 / (highTime + lowTime) is the frequency the panel prints.
AstableTiming astableTiming(float r1, float r2, float c1);

// "High time: 0.07590000 s\nLow time: 0.06900000 s\nDuty cycle: 52.38 %"
QString astableTimingText(const AstableTiming &timing);

// What the built circuit can do with R1, R2 and C anywhere inside their tolerances (resistors at
// rPercent, the capacitor at cPercent), worked in double precision from the formulas above. The
// chip's own thresholds spread too; that is not included.
struct AstableRanges
{
    tolerance::Range frequency{}; // Hz
    tolerance::Range highTime{};  // s
    tolerance::Range lowTime{};   // s
    tolerance::Range dutyPercent{};
};
AstableRanges astableRanges(double r1, double r2, double c1, double rPercent, double cPercent);
tolerance::Range pulseRange(double r, double c1, double rPercent, double cPercent);

// The lines added beneath the results, with the results' own decimals.
QString astableRangesText(const AstableRanges &ranges);
QString pulseRangeText(const tolerance::Range &range);

enum class DesignOutcome
{
    Designed,
    NotPositive,       // a frequency, pulse or capacitance that is not a number above 0
    DutyAtOrBelowHalf, // this circuit cannot make it
    DutyAtOrAboveWhole,
    NoStandardValue, // a resistor beyond the series' range (1 mΩ to 1 GΩ)
};

struct AstableDesign
{
    DesignOutcome outcome = DesignOutcome::NotPositive;
    eseries::Series series = eseries::Series::E24;
    double idealR1 = 0.0; // Ω
    double idealR2 = 0.0;
    double standardR1 = 0.0; // nearest in series
    double standardR2 = 0.0;
    AstableTiming withStandardParts;                       // what the standard parts give
    float frequency = 0.0f, dutyPercent = 0.0f, c1 = 0.0f; // the target as asked
    // The standard parts at their tolerances (the series' for the resistors by default).
    AstableRanges ranges{};
    double rPercent = 0.0, cPercent = tolerance::kCapacitorPercent;
};

// The parts for frequency (Hz) and dutyPercent (above 50, below 100) with capacitor c1 (µF).
AstableDesign designAstable(float frequency, float dutyPercent, float c1,
                            eseries::Series series = eseries::Series::E24);

struct MonostableDesign
{
    DesignOutcome outcome = DesignOutcome::NotPositive;
    eseries::Series series = eseries::Series::E24;
    double idealR = 0.0;              // Ω
    double standardR = 0.0;           // nearest in series
    float standardDuration = 0.0f;    // s, exactly monostablePulseDuration() of the standard part
    float duration = 0.0f, c1 = 0.0f; // the target as asked
    tolerance::Range durationRange{};
    double rPercent = 0.0, cPercent = tolerance::kCapacitorPercent;
};

// The resistor for a pulse of duration (s) with capacitor c1 (µF).
MonostableDesign designMonostable(float duration, float c1,
                                  eseries::Series series = eseries::Series::E24);

// The design inputs; the capacitor serves both circuits.
enum class DesignField
{
    Frequency, // Hz
    Duty,      // %
    Duration,  // s
    C,         // µF
    Series,
    Tolerance,  // %, of the resistors
    CTolerance, // %, of the capacitor
};

inline constexpr std::array kDesignFields = {
    FieldRow<DesignField>{DesignField::Frequency,
                          {.key = "frequency",
                           .option = "--frequency",
                           .caption = "Frequency",
                           .help = "Design: target frequency in Hz",
                           .rule = {.unit = {Quantity::Frequency, 0}}}},
    // This circuit's high time is always the longer half-period.
    FieldRow<DesignField>{DesignField::Duty,
                          {.key = "duty",
                           .option = "--duty",
                           .caption = "DutyCycle",
                           .help = "Design: duty cycle in %, above 50 and below 100",
                           .rule = {.unit = units::kNumber, .domain = {.low = 50, .high = 100}}}},
    FieldRow<DesignField>{DesignField::Duration,
                          {.key = "duration",
                           .option = "--duration",
                           .caption = "ImpDuration",
                           .help = "Design: pulse duration in s",
                           .rule = {.unit = {Quantity::Time, 0}}}},
    FieldRow<DesignField>{DesignField::C,
                          {.key = "c",
                           .option = "--c",
                           .caption = "NE555C1A11yName",
                           .help = "Capacitance in µF",
                           .rule = {.unit = units::kMicrofarads}}},
    FieldRow<DesignField>{DesignField::Series,
                          {.key = "series",
                           .option = "--series",
                           .caption = "NE555SeriesLabel",
                           .help = "Design: E3, E6, E12, E24, E48, E96 or E192 (E24)",
                           .kind = FieldKind::Choice,
                           .accepts = "E3, E6, E12, E24, E48, E96 or E192"}},
    FieldRow<DesignField>{DesignField::Tolerance,
                          {.key = "tolerance",
                           .option = "--tolerance",
                           .caption = "ResistorTolerance",
                           .help = "Resistor tolerance in % (default 5; design: the series')",
                           .rule = tolerance::kPercentRule}},
    FieldRow<DesignField>{DesignField::CTolerance,
                          {.key = "c_tolerance",
                           .option = "--c-tolerance",
                           .caption = "CapacitorTolerance",
                           .help = "Capacitor tolerance in % (default 10)",
                           .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kDesignFields));

struct DesignTexts
{
    Given frequency;
    Given duty;
    Given duration;
    Given c;
    Given series; // nothing for E24
    Given tolerance{};
    Given cTolerance{};
};

// Reads frequency, duty and capacitor, then the series, then the tolerances. Values in their
// domains that still make no design (a resistor beyond the series) are the design's outcome, so
// that its reason can be shown.
Outcome<AstableDesign, DesignField> designAstable(const DesignTexts &texts, Reading reading);
// Reads duration and capacitor, then the series, then the tolerances.
Outcome<MonostableDesign, DesignField> designMonostable(const DesignTexts &texts, Reading reading);

// The sentence the design panel shows for a value outside its domain: why no duty cycle at or
// below 50 % or at or above 100 % can be made, or that the values must be above 0. Empty for
// every other problem.
QString problemText(const Problem<DesignField> &problem, const DesignTexts &texts);

// "R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\nR2: 5.797 kΩ, nearest E24 value 5.6 kΩ\n
// With these parts: 1020.62 Hz, duty cycle 60.56 %", or the reason there is no design.
QString designText(const AstableDesign &design);
// "R: 9.091 kΩ, nearest E24 value 9.1 kΩ\nWith this part: 0.01001000 s", or the reason.
QString designText(const MonostableDesign &design);

} // namespace zelkor::ne555
