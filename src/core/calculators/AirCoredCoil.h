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

enum class Field
{
    Winding,
    Turns,
    OuterDiameter,
    InnerDiameter,
    Length,
    Inductance, // the wanted one, when the turns are sought (CoilExact.h)
};

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
// and not 0; an inner diameter wider than the outer one is no coil. A dimension too small to be
// told from 0 in inches makes the coil Impossible.
Outcome<float, Field> calculate(const Texts &texts, Reading reading);

// The same checks, giving the coil as read; without turns the turns stay 0 and are not read.
Outcome<Dimensions, Field> readCoil(const Texts &texts, bool withTurns, Reading reading);

// "Inductance: 102.041µH"
QString inductanceText(float microhenries);

} // namespace zelkor::coil
