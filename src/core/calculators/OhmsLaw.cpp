#include "core/calculators/OhmsLaw.h"

namespace zelkor::ohmslaw {

Solution solve(Quantity a, float aValue, Quantity b, float bValue)
{
    if (a > b) {
        std::swap(a, b);
        std::swap(aValue, bValue);
    }
    Solution s;
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
GivenFields::inputs(const std::array<bool, 3> &filled) const
{
    std::optional<Quantity> newest;
    std::optional<Quantity> second;
    unsigned long newestStamp = 0;
    unsigned long secondStamp = 0;
    for (Quantity q : {Quantity::Power, Quantity::Voltage, Quantity::Current}) {
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

} // namespace zelkor::ohmslaw
