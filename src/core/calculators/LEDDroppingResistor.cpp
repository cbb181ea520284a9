#include "core/calculators/LEDDroppingResistor.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::led {

std::optional<Result> calculate(const Inputs &inputs)
{
    if (inputs.supplyVoltage == 0.0f || inputs.forwardVoltage == 0.0f ||
        inputs.currentMilliamps == 0.0f)
        return std::nullopt;

    Result result;
    const float drop = inputs.supplyVoltage - inputs.forwardVoltage;
    result.resistance = drop / inputs.currentMilliamps * 1000.0f;
    const float amperes = inputs.currentMilliamps / 1000.0f;
    result.power = amperes * amperes * result.resistance;
    // A NaN power fails the comparison and leaves the warning off.
    result.powerWarning = result.power > kPowerWarningWatts;
    return result;
}

QString resultText(const Result &result)
{
    return formatText(u"%@: \t\t%.01f Ohm\n%@: \t\t\t%.03f W",
                      {text("Resistance"), result.resistance, text("Power"), result.power});
}

QString powerWarningText()
{
    return text("LEDPowerWarning");
}

} // namespace zelkor::led
