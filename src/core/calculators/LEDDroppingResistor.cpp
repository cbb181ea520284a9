#include "core/calculators/LEDDroppingResistor.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

namespace zelkor::led {

namespace {
constexpr InputRule kSupplyRule{.unit = units::kVolts, .need = Need::NonZero};
constexpr InputRule kForwardRule{.unit = units::kVolts, .need = Need::NonZero, .presetList = true};
constexpr InputRule kCurrentRule{.unit = units::kMilliamperes, .need = Need::NonZero};
} // namespace

Result calculate(const Inputs &inputs)
{
    Result result;
    const float drop = inputs.supplyVoltage - inputs.forwardVoltage;
    result.resistance = drop / inputs.currentMilliamps * 1000.0f;
    const float amperes = inputs.currentMilliamps / 1000.0f;
    result.power = amperes * amperes * result.resistance;
    // A NaN power fails the comparison and leaves the warning off.
    result.powerWarning = result.power > kPowerWarningWatts;
    return result;
}

Outcome<Result, Field> calculate(const Texts &texts, Reading reading)
{
    Inputs inputs;
    const auto supply = read(Field::SupplyVoltage, texts.supplyVoltage, kSupplyRule, reading);
    if (!supply)
        return supply.problem();
    inputs.supplyVoltage = *supply;

    if (texts.forwardVoltage && texts.preset)
        return Problem<Field>{Reason::Conflict, Field::Preset};
    if (texts.preset) {
        const auto preset = readPreset(Field::Preset, *texts.preset, kForwardVoltagePresets.size());
        if (!preset)
            return preset.problem();
        inputs.forwardVoltage = kForwardVoltagePresets[*preset].value;
    } else {
        const auto forward =
            read(Field::ForwardVoltage, texts.forwardVoltage, kForwardRule, reading);
        if (!forward)
            return forward.problem();
        inputs.forwardVoltage = *forward;
    }

    const auto current = read(Field::Current, texts.current, kCurrentRule, reading);
    if (!current)
        return current.problem();
    inputs.currentMilliamps = *current;
    return calculate(inputs);
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
