// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Inductance of an air-cored coil from its turns and its dimensions in millimetres.
//
// Wheeler's formulas, which work in inches (a the radius, l the length, c the radial depth of
// the winding, L in microhenries):
//   single layer:  L = a²N² / (9a + 10l)                 a = D/2
//   multi-layer:   L = 0.8·a²N² / (6a + 9l + 10c)        a = (D + d)/4, c = (D − d)/2
// with D the outer and d the inner diameter. Millimetres become inches in double precision and
// are then narrowed; everything after that is single precision, which the printed digits follow.

#include "core/calculators/Inputs.h"

#include <QString>

#include <array>
#include <optional>

namespace zelkor::coil {

enum class Winding
{
    SingleLayer,
    MultiLayer
};

struct Dimensions
{
    float turns = 0.0f;
    float outerDiameter = 0.0f; // mm; the coil diameter of a single-layer coil
    float innerDiameter = 0.0f; // mm; only a multi-layer coil has one
    float length = 0.0f;        // mm
};

// The inductance in µH. Every dimension the winding uses must be more than 0 inches, and the
// inner diameter no larger than the outer one.
float inductance(Winding winding, const Dimensions &coil);

// The kept names of the windings, in the order of Winding.
inline constexpr std::array<const char *, 2> kWindingNames = {"single", "multi"};

enum class Field
{
    Winding,
    Turns,
    OuterDiameter,
    InnerDiameter,
    Length,
    Inductance, // the wanted one, when the turns are sought (CoilExact.h)
};

// zelkor-calc chooses the winding with the flags --single and --multi, not with an option.
inline constexpr std::array kFields = {
    FieldRow<Field>{Field::Winding,
                    {.key = "winding",
                     .option = nullptr,
                     .caption = "CoilWinding",
                     .help = nullptr,
                     .kind = FieldKind::Choice,
                     .choices = kWindingNames}},
    FieldRow<Field>{Field::Turns,
                    {.key = "turns",
                     .option = "--turns",
                     .caption = "Turns",
                     .help = "Number of turns",
                     .rule = {.unit = units::kNumber, .need = Need::NonZero},
                     .alternative = "--inductance"}},
    FieldRow<Field>{Field::OuterDiameter,
                    {.key = "outer",
                     .option = "--outer",
                     .caption = "OuterDiameter",
                     .help = "Outer diameter in mm",
                     .rule = {.unit = units::kMillimetres, .need = Need::NonZero}}},
    FieldRow<Field>{Field::InnerDiameter,
                    {.key = "inner",
                     .option = "--inner",
                     .caption = "InnerDiameter",
                     .help = "Inner diameter in mm (multi-layer only)",
                     .rule = {.unit = units::kMillimetres, .need = Need::NonZero}}},
    FieldRow<Field>{Field::Length,
                    {.key = "length",
                     .option = "--length",
                     .caption = "CoilLength",
                     .help = "Length in mm",
                     .rule = {.unit = units::kMillimetres, .need = Need::NonZero}}},
    // A plain number in µH: no inductance unit is read.
    FieldRow<Field>{Field::Inductance,
                    {.key = "inductance",
                     .option = "--inductance",
                     .caption = "Inductance",
                     .help = "Wanted inductance in µH: prints the turns (no --turns)",
                     .rule = {.unit = units::kNumber, .need = Need::NonZero},
                     .alternative = "--turns"}},
};
static_assert(inFieldOrder(kFields));

// The inputs as given; a single-layer coil does not read the inner diameter.
struct Texts
{
    std::optional<Winding> winding; // nothing: no winding chosen
    Given turns;
    Given outerDiameter;
    Given innerDiameter;
    Given length;
    Given inductance; // µH; read only by solve() in CoilExact.h, instead of the turns
};

// Turns, outer diameter, length and (for a multi-layer coil) the inner diameter must be there
// and above 0 (a panel waits past a 0); an inner diameter wider than the outer one is no coil. A
// dimension too small to be told from 0 in inches makes the coil Impossible, and an inductance
// too large for a float is an Overflow.
Outcome<float, Field> calculate(const Texts &texts, Reading reading);

// The same checks, giving the coil as read; without turns the turns stay 0 and are not read.
Outcome<Dimensions, Field> readCoil(const Texts &texts, bool withTurns, Reading reading);

// The input to blame for an inductance too large for a float: the turns when their square
// alone is, otherwise the diameter.
Field overflowBlame(const Dimensions &coil);

// "Inductance: 102.041µH"
QString inductanceText(float microhenries);

} // namespace zelkor::coil
