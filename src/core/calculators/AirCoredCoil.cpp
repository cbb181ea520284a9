#include "core/calculators/AirCoredCoil.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::coil {

namespace {

float inches(float millimetres)
{
    return static_cast<float>(static_cast<double>(millimetres) / 25.4);
}

} // namespace

std::optional<float> inductance(Winding winding, const Dimensions &coil)
{
    const float n = coil.turns;
    const float outer = inches(coil.outerDiameter);
    const float l = inches(coil.length);
    if (n == 0.0f || outer == 0.0f || l == 0.0f)
        return std::nullopt;

    if (winding == Winding::SingleLayer) {
        const float a = outer / 2.0f;
        return (a * a) * (n * n) / (9.0f * a + 10.0f * l);
    }

    const float inner = inches(coil.innerDiameter);
    if (inner == 0.0f || coil.innerDiameter > coil.outerDiameter)
        return std::nullopt;
    const float a = (outer + inner) / 4.0f; // mean radius of the winding
    const float c = (outer - inner) / 2.0f; // radial depth of the winding
    return 0.8f * (a * a) * (n * n) / (6.0f * a + 9.0f * l + 10.0f * c);
}

QString inductanceText(float microhenries)
{
    return formatText(u"%@: %.03f\u00b5H", {text("Inductance"), microhenries});
}

} // namespace zelkor::coil
