#include "core/calculators/NE555.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::ne555 {

namespace {

float farads(float microfarads)
{
    return microfarads / 1000000.0f;
}

} // namespace

float astableFrequency(float r1, float r2, float c1)
{
    const double c = farads(c1);
    const auto highTime = static_cast<float>(static_cast<double>(r1 + r2) * 0.69 * c);
    const auto lowTime = static_cast<float>(static_cast<double>(r2) * 0.69 * c);
    return 1.0f / (highTime + lowTime);
}

float monostablePulseDuration(float r, float c1)
{
    const float rc = r * farads(c1);
    return static_cast<float>(static_cast<double>(rc) * 1.1);
}

QString frequencyText(float hertz)
{
    return formatText(u"%@: %.08f Hz", {text("Frequency"), hertz});
}

QString pulseDurationText(float seconds)
{
    return formatText(u"%@: %.08f s", {text("ImpDuration"), seconds});
}

} // namespace zelkor::ne555
