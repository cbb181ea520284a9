// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/Inputs.h"

#include "core/calculators/PresetSubstitution.h"
#include "core/text/NumberReader.h"

#include <cmath>

using namespace Qt::StringLiterals;

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
    if (reading == Reading::Lenient && rule.need == Need::NonZero && value == 0.0f)
        return Reason::Zero;
    // A number too large for a float reads as infinity, which no quantity has.
    if (!std::isfinite(value) || !rule.domain.containsSingle(value))
        return Reason::OutsideDomain;
    return value;
}

QString domainText(const Domain &domain)
{
    const auto number = [](double value) { return QString::number(value, 'g', 10); };
    const bool low = std::isfinite(domain.low);
    const bool high = std::isfinite(domain.high);
    if (low && high && !domain.lowOpen && !domain.highOpen)
        return u"from "_s + number(domain.low) + u" to "_s + number(domain.high);
    QString text;
    if (low)
        text = (domain.lowOpen ? u"above "_s : u"at least "_s) + number(domain.low);
    if (high) {
        if (low)
            text += u" and "_s;
        text += (domain.highOpen ? u"below "_s : u"at most "_s) + number(domain.high);
    }
    return low || high ? text : u"a number"_s;
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
