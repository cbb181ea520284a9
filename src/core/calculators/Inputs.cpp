// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/Inputs.h"

#include "core/calculators/PresetSubstitution.h"
#include "core/text/NumberReader.h"

#include <cmath>

namespace zelkor {

std::variant<float, Reason> readInput(const Given &given, InputRule rule, Reading reading)
{
    if (!given)
        return Reason::Missing;
    float value = 0.0f;
    if (reading == Reading::Lenient) {
        if (given->isEmpty())
            return Reason::Missing;
        value =
            rule.presetList ? presetFieldValue(*given, rule.unit) : fieldValue(*given, rule.unit);
    } else {
        const ValueReading whole = readValue(*given, rule.unit);
        if (!whole.value)
            return whole.otherQuantity ? Reason::OtherQuantity : Reason::NotANumber;
        value = *whole.value;
    }
    if (rule.need == Need::NonZero && value == 0.0f)
        return Reason::Zero;
    return value;
}

std::variant<std::size_t, Reason> readPresetNumber(const QString &text, std::size_t presetCount)
{
    const std::optional<float> number = parseNumber(text);
    if (!number)
        return Reason::NotANumber;
    if (*number < 0.0f || *number >= static_cast<float>(presetCount) ||
        std::trunc(*number) != *number)
        return Reason::OutOfRange;
    return static_cast<std::size_t>(*number);
}

} // namespace zelkor
