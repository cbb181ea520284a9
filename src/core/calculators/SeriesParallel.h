// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Resistors or capacitors combined in series and in parallel.
//
// Every list has two totals: the plain sum S = Σvᵢ and the reciprocal combination
// Q = 1 ÷ Σ(1 ÷ vᵢ). Resistors add in series and combine reciprocally in parallel; capacitors
// the other way round. The parts are kept as the texts the user typed and read as numbers
// only here, in single precision and in list order, because the printed digits depend on it.
// A part of 0 makes its reciprocal infinite, so Q is 0: a shorted resistor shorts the whole
// parallel group, and an empty capacitor gap blocks the whole series chain.
//
// The list takes one tolerance for all its parts (5 % for resistors, 10 % for capacitors unless
// given). Both totals grow with every part, so their ranges are all parts low against all parts
// high: two passes over the list, never its 2ⁿ corners (a list may hold 10,000 parts).

#include "core/calculators/Inputs.h"
#include "core/calculators/Tolerance.h"
#include "core/standard/ESeries.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace zelkor::seriesparallel {

enum class PartKind
{
    Resistors,
    Capacitors
};

struct Totals
{
    float sum = 0.0f;        // S
    float reciprocal = 0.0f; // Q
    // Over the parts' tolerance, in double precision; combine() leaves them at the totals.
    tolerance::Range sumRange{};
    tolerance::Range reciprocalRange{};
    double percent = 0.0;

    float series(PartKind kind) const { return kind == PartKind::Resistors ? sum : reciprocal; }
    float parallel(PartKind kind) const { return kind == PartKind::Resistors ? reciprocal : sum; }
    tolerance::Range seriesRange(PartKind kind) const
    {
        return kind == PartKind::Resistors ? sumRange : reciprocalRange;
    }
    tolerance::Range parallelRange(PartKind kind) const
    {
        return kind == PartKind::Resistors ? reciprocalRange : sumRange;
    }
};

// True when text can go into the panel's list: it begins with a value.
bool isPart(QStringView text, PartKind kind);

// The totals of the values, in list order; the list must not be empty. With a tolerance in
// percent, the totals' ranges too.
Totals combine(std::span<const float> values, double percent = 0.0);

// The tolerance a list takes where none is given.
double defaultPercent(PartKind kind);

enum class Field
{
    Kind,
    Parts,
    Target,     // the resistance a search looks for
    Series,     // the E series it takes its parts from
    PartsCount, // how many parts it may join
    Tolerance,  // % of every part in the list
};

// The kept names of the kinds, and of the search's part counts.
inline constexpr const char *kKindNames[] = {"resistors", "capacitors"};
// The series a search offers; E3 is too coarse to be worth combining.
inline constexpr std::array kSearchSeries = {eseries::Series::E6,  eseries::Series::E12,
                                             eseries::Series::E24, eseries::Series::E48,
                                             eseries::Series::E96, eseries::Series::E192};

inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Kind,
                    {.key = "kind",
                     .option = nullptr, // --resistors or --capacitors
                     .caption = "Resistors",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kKindNames}},
    FieldRow<Field>{Field::Parts,
                    {.key = "parts",
                     .option = nullptr, // the values follow the options
                     .caption = "Resistors",
                     .help = nullptr,
                     .rule = {.unit = units::kOhms}}},
    FieldRow<Field>{Field::Target,
                    {.key = "target",
                     .option = "--target",
                     .caption = "CombinationTarget",
                     .help = "The resistance to reach with standard resistors, in Ω",
                     .rule = {.unit = units::kOhms}}},
    FieldRow<Field>{Field::Series,
                    {.key = "series",
                     .option = "--series",
                     .caption = "CombinationSeries",
                     .help = "The E series for --target: E6, E12, E24 (default), E48, E96 or "
                             "E192",
                     .kind = FieldKind::Choice,
                     .accepts = "E6, E12, E24, E48, E96 or E192"}},
    FieldRow<Field>{Field::PartsCount,
                    {.key = "max_parts",
                     .option = "--parts",
                     .caption = "CombinationParts",
                     .help = "At most this many parts for --target: 2 (default) or 3",
                     .kind = FieldKind::Choice,
                     .accepts = "2 or 3"}},
    FieldRow<Field>{Field::Tolerance,
                    {.key = "tolerance",
                     .option = "--tolerance",
                     .caption = "CombinationTolerance",
                     .help = "Tolerance of every part in the list in % (default 5 for resistors, "
                             "10 for capacitors)",
                     .rule = tolerance::kPercentRule}},
};
static_assert(inFieldOrder(kFields));

// A part's rule: its unit, and the domain a strict reading checks. A panel takes a part of 0
// (see above); zelkor-calc, like every input, wants one above 0.
InputRule partRule(PartKind kind);

// The parts as given, each text one part; the problem's item names the part at fault. The list
// must not be empty; in a strict reading every part must be a value of the kind's quantity.
// The tolerance is read after the parts.
Outcome<Totals, Field> calculate(std::optional<PartKind> kind, const QList<QString> &parts,
                                 Reading reading, const Given &tolerance = std::nullopt);

// What a search for a target needs. The series and the part count default to E24 and 2.
struct SearchInputs
{
    double target = 0.0; // Ω, read in double precision: "1R8" is exactly a standard value
    eseries::Series series = eseries::Series::E24;
    int maxParts = 2;
};
Outcome<SearchInputs, Field> searchInputs(const Given &target, const Given &series,
                                          const Given &maxParts, Reading reading);

// The two result lines ("Series: 200.00 Ohm\nParallel: 50.00 Ohm"). A total below 0.01 of the
// kind's unit is shown in the largest unit in which it is at least 1 (mΩ; nF or pF), so that
// 10 pF and 22 pF do not both come out as 0.00 µF.
QString resultText(PartKind kind, const Totals &totals);

// The lines beneath them: "Series range at 5 %: 190.00 … 210.00 Ohm\nParallel range at 5 %:
// 47.50 … 52.50 Ohm", each range in the unit and with the decimals of its total.
QString rangeText(PartKind kind, const Totals &totals);

// The panel's text for its list: the result lines and the range, or nothing when the list gives
// no totals.
QString resultText(PartKind kind, const QList<QString> &parts, const Given &tolerance = {});

// The unit caption beside the entry field: "Ω" or "µF".
QString unit(PartKind kind);

} // namespace zelkor::seriesparallel
