// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/AirCoredCoil.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <cmath>
#include <utility>

namespace zelkor::coil {

namespace {

float inches(float millimetres)
{
    return static_cast<float>(static_cast<double>(millimetres) / 25.4);
}

} // namespace

float inductance(Winding winding, const Dimensions &coil)
{
    const float n = coil.turns;
    const float outer = inches(coil.outerDiameter);
    const float l = inches(coil.length);
    if (winding == Winding::SingleLayer) {
        const float a = outer / 2.0f;
        return (a * a) * (n * n) / (9.0f * a + 10.0f * l);
    }

    const float inner = inches(coil.innerDiameter);
    const float a = (outer + inner) / 4.0f; // mean radius of the winding
    const float c = (outer - inner) / 2.0f; // radial depth of the winding
    return 0.8f * (a * a) * (n * n) / (6.0f * a + 9.0f * l + 10.0f * c);
}

Outcome<float, Field> calculate(const Texts &texts, Reading reading)
{
    const auto coil = readCoil(texts, true, reading);
    if (!coil)
        return coil.problem();
    const float microhenries = inductance(*texts.winding, *coil);
    if (const auto problem = overflow(overflowBlame(*coil), microhenries))
        return *problem;
    return microhenries;
}

Outcome<Dimensions, Field> readCoil(const Texts &texts, bool withTurns, Reading reading)
{
    if (!texts.winding)
        return Problem<Field>{Reason::Missing, Field::Winding};
    const bool multiLayer = *texts.winding == Winding::MultiLayer;
    Dimensions coil;
    if (withTurns) {
        const auto turns = read(kFields, Field::Turns, texts.turns, reading);
        if (!turns)
            return turns.problem();
        coil.turns = *turns;
    }
    const auto outer = read(kFields, Field::OuterDiameter, texts.outerDiameter, reading);
    if (!outer)
        return outer.problem();
    coil.outerDiameter = *outer;
    if (multiLayer) {
        const auto inner = read(kFields, Field::InnerDiameter, texts.innerDiameter, reading);
        if (!inner)
            return inner.problem();
        if (*inner > *outer)
            return Problem<Field>{Reason::OutOfRange, Field::InnerDiameter};
        coil.innerDiameter = *inner;
    }
    const auto length = read(kFields, Field::Length, texts.length, reading);
    if (!length)
        return length.problem();
    coil.length = *length;

    for (const auto &[field, millimetres] :
         {std::pair{Field::OuterDiameter, coil.outerDiameter},
          std::pair{Field::Length, coil.length},
          std::pair{Field::InnerDiameter, multiLayer ? coil.innerDiameter : 1.0f}}) {
        if (inches(millimetres) == 0.0f)
            return Problem<Field>{Reason::Impossible, field};
    }
    return coil;
}

Field overflowBlame(const Dimensions &coil)
{
    return std::isfinite(coil.turns * coil.turns) ? Field::OuterDiameter : Field::Turns;
}

QString inductanceText(float microhenries)
{
    return formatText(u"%@: %.03f\u00b5H", {text("Inductance"), microhenries});
}

} // namespace zelkor::coil
