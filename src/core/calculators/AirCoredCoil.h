#pragma once
// Inductance of an air-cored coil from its turns and its dimensions in millimetres.
//
// Wheeler's formulas, which work in inches (a the radius, l the length, c the radial depth of
// the winding, L in microhenries):
//   single layer:  L = a²N² / (9a + 10l)                 a = D/2
//   multi-layer:   L = 0.8·a²N² / (6a + 9l + 10c)        a = (D + d)/4, c = (D − d)/2
// with D the outer and d the inner diameter. Millimetres become inches in double precision and
// are then narrowed; everything after that is single precision, which the printed digits follow.

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

// The inductance in µH, or nothing when a needed value is 0 or the inner diameter exceeds
// the outer one (no such coil exists).
std::optional<float> inductance(Winding winding, const Dimensions &coil);

// "Inductance: 102.041µH"
QString inductanceText(float microhenries);

} // namespace zelkor::coil
