// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exact inductance of a single-layer coil, and the turns for a wanted inductance.
//
// A single-layer coil is taken as a current sheet of radius r and length l. Its inductance is
//   L = μ0·π·r²·N²·K / l
// with Nagaoka's coefficient K, which falls from 1 for an endless coil to 0 for a flat ring.
// With k² = 4r² / (4r² + l²), k'² = 1 − k² and the complete elliptic integrals K(k), E(k):
//   K = 4 / (3π·k') · ((k'² / k²)·(K(k) − E(k)) + E(k) − k)
// Wheeler's formula (AirCoredCoil.h) is a fit to this within about 1 % for coils longer than
// 0.8 times their radius; shorter coils drift further, which the difference shows.
//
// The coil diameter is the one AirCoredCoil.h reads as outerDiameter: having no wire
// thickness, it is taken as the diameter of the current sheet, i.e. to the wire centres.
// Computed in double precision: no printed digit of the older modes depends on it.

#include "core/calculators/AirCoredCoil.h"

#include <QString>

#include <optional>

namespace zelkor::coil {

// K for a coil whose diameter is ratio times its length; nothing unless ratio is above 0.
std::optional<double> nagaokaCoefficient(double diameterToLength);

struct ExactInductance
{
    double exact = 0.0;            // µH, current sheet
    float wheeler = 0.0f;          // µH, exactly inductance() of the single-layer coil
    double wheelerDeviation = 0.0; // percent, (Wheeler − exact) / exact
};

// Single-layer coil from turns, outerDiameter and length (mm); the inner diameter is ignored.
// Nothing when one of them is not a number above 0.
std::optional<ExactInductance> exactInductance(const Dimensions &coil);

// The turns that give microhenries. Inductance grows with N² at a fixed shape, so both
// invert exactly: N = sqrt(L / L(N = 1)). The turns of shape are ignored. Nothing when the
// shape has no inductance or microhenries is not a number above 0.
std::optional<double> exactTurnsFor(double microhenries, const Dimensions &shape);
std::optional<float> turnsFor(double microhenries, Winding winding, const Dimensions &shape);

// What the coil panel and zelkor-calc coil work out: the inductance from the turns, or the
// turns for the inductance in Texts::inductance.
enum class Sought
{
    Inductance,
    Turns,
};

struct Solution
{
    Sought sought = Sought::Inductance;
    Winding winding = Winding::SingleLayer;
    Dimensions coil;               // as read; no turns when they are sought
    double wanted = 0.0;           // µH, when the turns are sought
    float wheeler = 0.0f;          // µH or turns by Wheeler's formula
    std::optional<double> exact;   // the same by the current sheet: single layer only
    double wheelerDeviation = 0.0; // percent, single-layer inductance only
};

// The checks of calculate() in AirCoredCoil.h, with the wanted inductance read (a plain number
// in µH above 0, Field::Inductance) instead of the turns when they are sought; giving both is a
// Conflict. A result too large for a number is an Overflow.
Outcome<Solution, Field> solve(const Texts &texts, Sought sought, Reading reading);

// exactInductanceText or the turns texts below, after what was sought and the winding.
QString solutionText(const Solution &solution);

// "Exact (Nagaoka): 102.548µH\nWheeler: 102.041µH (−0.49 %)"
QString exactInductanceText(const ExactInductance &inductance);

// "Turns (Nagaoka): 100.00\nTurns (Wheeler): 100.25" for a single-layer coil.
QString singleLayerTurnsText(double exact, float wheeler);
// "Turns: 100.00" for a multi-layer coil, which has Wheeler's formula only.
QString turnsText(float turns);

} // namespace zelkor::coil
