// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/Inputs.h"

#include "core/calculators/PresetSubstitution.h"
#include "core/text/NumberReader.h"

#include <cmath>
#include <limits>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace zelkor {

namespace {

template <typename Number>
std::variant<Number, Reason> readInputAs(const Given &given, InputRule rule, Reading reading)
{
    constexpr bool precise = std::is_same_v<Number, double>;
    if (!given)
        return Reason::Missing;
    Number value = 0;
    if (reading == Reading::Lenient) {
        if (given->isEmpty())
            return Reason::Missing;
        if constexpr (precise)
            value = rule.presetList ? precisePresetFieldValue(*given, rule.unit)
                                    : preciseFieldValue(*given, rule.unit);
        else
            value = rule.presetList ? presetFieldValue(*given, rule.unit)
                                    : fieldValue(*given, rule.unit);
    } else {
        BasicValueReading<Number> whole;
        if constexpr (precise)
            whole = readPreciseValue(*given, rule.unit);
        else
            whole = readValue(*given, rule.unit);
        if (!whole.value)
            return whole.otherQuantity ? Reason::OtherQuantity : Reason::NotANumber;
        value = *whole.value;
    }
    if (reading == Reading::Lenient && rule.need == Need::NonZero && value == 0)
        return Reason::Zero;
    // A number too large for its type reads as infinity, which no quantity has. A float meets
    // the bounds as a float (see Domain::containsSingle). A double input takes no more than a
    // float would: a field must not mean a part at one precision that it refuses at the other.
    bool inside = false;
    if constexpr (std::is_same_v<Number, float>)
        inside = rule.domain.containsSingle(value);
    else
        inside = rule.domain.contains(value);
    // A double holds numbers past the largest float, but every other reading of the same text
    // (a float field, the JSON inputs) finds infinity there: both readings keep one domain.
    const bool beyondFloat = std::abs(static_cast<double>(value)) >
                             static_cast<double>(std::numeric_limits<float>::max());
    if (!std::isfinite(value) || beyondFloat || !inside)
        return Reason::OutsideDomain;
    return value;
}

} // namespace

std::variant<float, Reason> readInput(const Given &given, InputRule rule, Reading reading)
{
    return readInputAs<float>(given, rule, reading);
}

std::variant<double, Reason> readPreciseInput(const Given &given, InputRule rule, Reading reading)
{
    return readInputAs<double>(given, rule, reading);
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
