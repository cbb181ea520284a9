// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/OhmsLaw.h"

#include <cmath>
#include <vector>

namespace zelkor::ohmslaw {

namespace {

constexpr Quantity kAll[] = {Quantity::Power, Quantity::Voltage, Quantity::Current,
                             Quantity::Resistance};

// A result too large for a float comes from an input far from 1, large or small (P/I with a
// tiny current): that one is blamed.
Outcome<Solution, Quantity> solved(Quantity a, float aValue, Quantity b, float bValue)
{
    const Solution s = solve(a, aValue, b, bValue);
    const Quantity blamed = std::abs(std::log10(aValue)) >= std::abs(std::log10(bValue)) ? a : b;
    if (const auto problem = overflow(blamed, s.power, s.voltage, s.current, s.resistance))
        return *problem;
    return s;
}

} // namespace

Solution solve(Quantity a, float aValue, Quantity b, float bValue)
{
    if (a > b) {
        std::swap(a, b);
        std::swap(aValue, bValue);
    }
    Solution s;
    s.a = a;
    s.b = b;
    if (a == Quantity::Voltage && b == Quantity::Current) {
        s.voltage = aValue;
        s.current = bValue;
        s.power = s.voltage * s.current;
    } else if (a == Quantity::Power && b == Quantity::Current) {
        s.power = aValue;
        s.current = bValue;
        s.voltage = s.power / s.current;
    } else if (a == Quantity::Power && b == Quantity::Voltage) {
        s.power = aValue;
        s.voltage = bValue;
        s.current = s.power / s.voltage;
    } else if (b == Quantity::Resistance) {
        s.resistance = bValue;
        if (a == Quantity::Voltage) {
            s.voltage = aValue;
            s.current = s.voltage / s.resistance;
            s.power = s.voltage * s.voltage / s.resistance;
        } else if (a == Quantity::Current) {
            s.current = aValue;
            s.voltage = s.current * s.resistance;
            s.power = s.current * s.current * s.resistance;
        } else {
            s.power = aValue;
            s.voltage = std::sqrt(s.power * s.resistance);
            s.current = std::sqrt(s.power / s.resistance);
        }
        return s;
    } else {
        return s; // the same quantity twice determines nothing
    }
    s.resistance = s.voltage / s.current;
    return s;
}

void GivenFields::edited(Quantity quantity)
{
    m_editStamp[index(quantity)] = ++m_clock;
}

void GivenFields::computed(Quantity quantity)
{
    m_editStamp[index(quantity)] = 0;
}

void GivenFields::clear()
{
    m_editStamp = {};
}

std::optional<std::pair<Quantity, Quantity>>
GivenFields::inputs(const std::array<bool, kQuantityCount> &filled) const
{
    std::optional<Quantity> newest;
    std::optional<Quantity> second;
    unsigned long newestStamp = 0;
    unsigned long secondStamp = 0;
    for (Quantity q : kAll) {
        const unsigned long stamp = m_editStamp[index(q)];
        if (stamp == 0 || !filled[index(q)])
            continue;
        if (stamp > newestStamp) {
            second = newest;
            secondStamp = newestStamp;
            newest = q;
            newestStamp = stamp;
        } else if (stamp > secondStamp) {
            second = q;
            secondStamp = stamp;
        }
    }
    if (!newest || !second)
        return std::nullopt;
    return std::pair{*newest, *second};
}

std::optional<std::pair<Quantity, Quantity>>
panelInputs(const std::array<QString, kQuantityCount> &fields, const GivenFields &given)
{
    // A lone blank fills a field; only an empty one does not count.
    std::array<bool, kQuantityCount> filled{};
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        filled[i] = !fields[i].isEmpty();
    return given.inputs(filled);
}

Outcome<Solution, Quantity> calculate(const std::array<QString, kQuantityCount> &fields,
                                      const GivenFields &given)
{
    const auto inputs = panelInputs(fields, given);
    if (!inputs)
        return Problem<Quantity>{Reason::Missing, Quantity::Power};
    const auto [a, b] = *inputs;
    const auto aValue = read(kFields, a, fields[static_cast<std::size_t>(a)], Reading::Lenient);
    if (!aValue)
        return aValue.problem();
    const auto bValue = read(kFields, b, fields[static_cast<std::size_t>(b)], Reading::Lenient);
    if (!bValue)
        return bValue.problem();
    return solved(a, *aValue, b, *bValue);
}

Outcome<Solution, Quantity> calculate(const std::array<Given, kQuantityCount> &options)
{
    std::vector<std::pair<Quantity, float>> given;
    for (Quantity q : kAll) {
        const Given &option = options[static_cast<std::size_t>(q)];
        if (!option)
            continue;
        const auto value = read(kFields, q, option, Reading::Strict);
        if (!value)
            return value.problem();
        given.emplace_back(q, *value);
    }
    if (given.size() != 2)
        return Problem<Quantity>{given.size() < 2 ? Reason::Missing : Reason::Conflict,
                                 Quantity::Power};
    const auto [a, aValue] = given[0];
    const auto [b, bValue] = given[1];
    return solved(a, aValue, b, bValue);
}

} // namespace zelkor::ohmslaw
