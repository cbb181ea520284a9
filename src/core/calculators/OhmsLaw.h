// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ohm's law: from any two of power, voltage, current and resistance, the other two.
//
// P = U·I, U = P/I, I = P/U, then R = U/I; with the resistance given, I = U/R, U = I·R or
// U = √(P·R), all in single precision. The four are a resistor's, so each is above 0: a 0 or a
// negative input describes no resistor, and a result too large for a float is refused.

#include "core/calculators/Inputs.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace zelkor::ohmslaw {

enum class Quantity
{
    Power,
    Voltage,
    Current,
    Resistance
};

inline constexpr std::size_t kQuantityCount = 4;

inline constexpr std::array kFields = {
    FieldRow<Quantity>{Quantity::Power,
                       {.key = "power",
                        .option = "--power",
                        .caption = "Power",
                        .help = "Power in W",
                        .rule = {.unit = units::kWatts}}},
    FieldRow<Quantity>{Quantity::Voltage,
                       {.key = "voltage",
                        .option = "--voltage",
                        .caption = "Voltage",
                        .help = "Voltage in V",
                        .rule = {.unit = units::kVolts}}},
    FieldRow<Quantity>{Quantity::Current,
                       {.key = "current",
                        .option = "--current",
                        .caption = "Current",
                        .help = "Current in A",
                        .rule = {.unit = units::kAmperes}}},
    FieldRow<Quantity>{Quantity::Resistance,
                       {.key = "resistance",
                        .option = "--resistance",
                        .caption = "Resistance",
                        .help = "Resistance in Ohm",
                        .rule = {.unit = units::kOhms}}},
};
static_assert(inFieldOrder(kFields) && kFields.size() == kQuantityCount);

struct Solution
{
    Quantity a = Quantity::Power; // the two quantities the solution was computed from
    Quantity b = Quantity::Voltage;
    float power = 0.0f;
    float voltage = 0.0f;
    float current = 0.0f;
    float resistance = 0.0f;
};

// Computes the two quantities that a and b leave open.
Solution solve(Quantity a, float aValue, Quantity b, float bValue);

// Which of the four quantities the user typed ("given"), and in which order. A field
// the calculation wrote is "computed" until the user edits it again.
class GivenFields
{
public:
    void edited(Quantity quantity);
    void computed(Quantity quantity);
    void clear();
    bool isGiven(Quantity quantity) const { return m_editStamp[index(quantity)] != 0; }

    // The two most recently edited given fields that are filled, the newer first; nothing
    // when fewer than two qualify. filled is indexed like Quantity.
    std::optional<std::pair<Quantity, Quantity>>
    inputs(const std::array<bool, kQuantityCount> &filled) const;

private:
    static std::size_t index(Quantity quantity) { return static_cast<std::size_t>(quantity); }

    std::array<unsigned long, kQuantityCount> m_editStamp{};
    unsigned long m_clock = 0;
};

// The panel: of the fields the user typed into and did not empty, the two newest are the
// inputs; fields holds the texts indexed like Quantity. Nothing while fewer than two qualify.
std::optional<std::pair<Quantity, Quantity>>
panelInputs(const std::array<QString, kQuantityCount> &fields, const GivenFields &given);

// The panel's solution from its panelInputs(); Missing while there are none. A text that is no
// number reads 0, which is OutsideDomain like a negative value.
Outcome<Solution, Quantity> calculate(const std::array<QString, kQuantityCount> &fields,
                                      const GivenFields &given);

// zelkor-calc: exactly two of the four quantities, each a number above 0. Fewer are Missing,
// more a Conflict. Results too large for a float are an Overflow of the input furthest from 1.
Outcome<Solution, Quantity> calculate(const std::array<Given, kQuantityCount> &options);

} // namespace zelkor::ohmslaw
