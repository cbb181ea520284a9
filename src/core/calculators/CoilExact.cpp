// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/CoilExact.h"

#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <cmath>
#include <numbers>

namespace zelkor::coil {

namespace {

constexpr double kMu0 = 1.25663706212e-6; // H/m

bool positive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

// The current sheet's inductance in µH for one turn; the shape is known to be valid.
double oneTurnMicrohenries(double diameterMm, double lengthMm)
{
    const double r = diameterMm / 2000.0;
    const double l = lengthMm / 1000.0;
    return kMu0 * std::numbers::pi * r * r * *nagaokaCoefficient(diameterMm / lengthMm) / l * 1e6;
}

bool validShape(const Dimensions &shape)
{
    return positive(shape.outerDiameter) && positive(shape.length);
}

} // namespace

std::optional<double> nagaokaCoefficient(double diameterToLength)
{
    if (!positive(diameterToLength))
        return std::nullopt;
    const double u2 = diameterToLength * diameterToLength;
    const double k2 = u2 / (1.0 + u2);
    const double k = std::sqrt(k2);
    const double kPrime = 1.0 / std::sqrt(1.0 + u2);
    // K(k) − E(k) cancels to π·k²/4 for a long coil; its series keeps the digits there.
    const double kMinusEOverK2 =
        k < 1e-2 ? std::numbers::pi / 4.0 * (1.0 + k2 * (3.0 / 8.0 + k2 * 15.0 / 64.0))
                 : (std::comp_ellint_1(k) - std::comp_ellint_2(k)) / k2;
    return 4.0 / (3.0 * std::numbers::pi * kPrime) *
           (kPrime * kPrime * kMinusEOverK2 + std::comp_ellint_2(k) - k);
}

std::optional<ExactInductance> exactInductance(const Dimensions &coil)
{
    if (!positive(coil.turns) || !validShape(coil))
        return std::nullopt;
    const float wheeler = inductance(Winding::SingleLayer, coil);
    const double n = coil.turns;
    const double exact = oneTurnMicrohenries(coil.outerDiameter, coil.length) * n * n;
    return ExactInductance{exact, wheeler, (wheeler - exact) / exact * 100.0};
}

std::optional<double> exactTurnsFor(double microhenries, const Dimensions &shape)
{
    if (!positive(microhenries) || !validShape(shape))
        return std::nullopt;
    return std::sqrt(microhenries / oneTurnMicrohenries(shape.outerDiameter, shape.length));
}

std::optional<float> turnsFor(double microhenries, Winding winding, const Dimensions &shape)
{
    if (!positive(microhenries) || !validShape(shape) ||
        (winding == Winding::MultiLayer && !positive(shape.innerDiameter)))
        return std::nullopt;
    Dimensions oneTurn = shape;
    oneTurn.turns = 1.0f;
    const float perTurnSquared = inductance(winding, oneTurn);
    if (!positive(perTurnSquared))
        return std::nullopt;
    return static_cast<float>(std::sqrt(microhenries / perTurnSquared));
}

Outcome<Solution, Field> solve(const Texts &texts, Sought sought, Reading reading)
{
    const bool turnsSought = sought == Sought::Turns;
    if (turnsSought && texts.turns && texts.inductance)
        return Problem<Field>{Reason::Conflict, Field::Inductance};
    std::optional<double> microhenries;
    if (turnsSought && texts.winding) {
        const auto wanted = read(kFields, Field::Inductance, texts.inductance, reading);
        if (!wanted)
            return wanted.problem();
        microhenries = *wanted;
    }
    const auto coil = readCoil(texts, !turnsSought, reading);
    if (!coil)
        return coil.problem();

    Solution solution{sought, *texts.winding, *coil, microhenries.value_or(0.0),
                      0.0f,   std::nullopt,   0.0};
    const bool singleLayer = solution.winding == Winding::SingleLayer;
    if (turnsSought) {
        const auto wheeler = turnsFor(*microhenries, solution.winding, *coil);
        if (!wheeler)
            return Problem<Field>{Reason::Impossible, Field::Inductance};
        solution.wheeler = *wheeler;
        if (singleLayer)
            solution.exact = exactTurnsFor(*microhenries, *coil);
    } else {
        solution.wheeler = inductance(solution.winding, *coil);
        if (const auto exact = singleLayer ? exactInductance(*coil) : std::nullopt) {
            solution.exact = exact->exact;
            solution.wheelerDeviation = exact->wheelerDeviation;
        }
    }
    if (const auto problem =
            overflow(turnsSought ? Field::Inductance : overflowBlame(*coil), solution.wheeler,
                     solution.exact.value_or(0.0), solution.wheelerDeviation))
        return *problem;
    return solution;
}

QString solutionText(const Solution &solution)
{
    if (!solution.exact) {
        return solution.sought == Sought::Turns ? turnsText(solution.wheeler)
                                                : inductanceText(solution.wheeler);
    }
    if (solution.sought == Sought::Turns)
        return singleLayerTurnsText(*solution.exact, solution.wheeler);
    return exactInductanceText({*solution.exact, solution.wheeler, solution.wheelerDeviation});
}

QString exactInductanceText(const ExactInductance &inductance)
{
    return formatText(u"%@: %.03f\u00b5H\n%@: %.03f\u00b5H (%@)",
                      {text("ExactInductance"), inductance.exact, text("WheelerInductance"),
                       inductance.wheeler, signedPercentText(inductance.wheelerDeviation, 2)});
}

QString singleLayerTurnsText(double exact, float wheeler)
{
    return formatText(u"%@: %.02f\n%@: %.02f",
                      {text("NagaokaTurns"), exact, text("WheelerTurns"), wheeler});
}

QString turnsText(float turns)
{
    return formatText(u"%@: %.02f", {text("Turns"), turns});
}

} // namespace zelkor::coil
