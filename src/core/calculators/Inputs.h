// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a calculator makes of its inputs as the user gave them.
//
// A panel and zelkor-calc hand a calculator the same thing: each input's text, as typed into a
// field or given as an option's value. The calculator alone decides whether that is enough to
// compute: it answers with its result, or with the first problem it finds, naming the input and
// the reason. A panel shows the result or stays silent; zelkor-calc turns the problem into its
// one-line error. Every calculator checks its inputs in a fixed order, so one input always gets
// one message.

#include "core/text/NumberReader.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <variant>

namespace zelkor {

// One input as the user gave it: a field's text, or a zelkor-calc option's value; nothing for
// an option left out.
using Given = std::optional<QString>;

// How a text becomes a value (see NumberReader.h).
enum class Reading
{
    // A panel's field: the value the text begins with, 0 when it begins with none. An empty
    // field is missing; a field holding only a blank holds a 0. A symbol of another quantity
    // is ignored ("12 V" in a current field is 12).
    Lenient,
    // A zelkor-calc option: the text must be one value of the input's quantity and nothing else.
    Strict,
};

enum class Reason
{
    Missing,       // no text, or the option was left out
    NotANumber,    // the text is not a value (strict reading only)
    OtherQuantity, // a value of another quantity: "12 V" for a current (strict reading only)
    Zero,          // exactly 0 where the calculation needs a value
    OutOfRange,    // outside what the input allows (a preset number, an inner diameter wider
                   // than the outer one, a supply that cannot light the LED)
    Conflict,      // given in two ways that exclude each other (a value and a preset)
    Impossible,    // each input is fine, but together they describe nothing that can be computed
    OutsideDomain, // a number the quantity cannot have: a negative current, a duty cycle of 120 %
    Overflow,      // every input is fine, but a result is too large for a number
};

template <typename Field> struct Problem
{
    Reason reason = Reason::Missing;
    Field field{};
    qsizetype item = 0; // which entry of a list input (the parts of a series/parallel list)

    friend bool operator==(const Problem &, const Problem &) = default;
};

// A calculator's result, or the problem that keeps it from computing one.
template <typename Value, typename Field> class Outcome
{
public:
    Outcome(Value value) : m_outcome(std::move(value)) {}
    Outcome(Problem<Field> problem) : m_outcome(problem) {}

    explicit operator bool() const { return m_outcome.index() == 0; }
    const Value &operator*() const { return std::get<0>(m_outcome); }
    const Value *operator->() const { return &std::get<0>(m_outcome); }
    // Only for an outcome without a value.
    const Problem<Field> &problem() const { return std::get<1>(m_outcome); }

private:
    std::variant<Value, Problem<Field>> m_outcome;
};

// What an input must hold besides a number.
enum class Need
{
    Number,
    // A panel that waits for this input treats 0 as not given yet, and stays silent. zelkor-calc
    // reads an explicit 0 as a value and leaves it to the domain.
    NonZero,
};

// The numbers an input can hold, in its field's unit. A bound that is open excludes itself.
struct Domain
{
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool lowOpen = true;
    bool highOpen = true;

    constexpr bool contains(double value) const
    {
        return (lowOpen ? value > low : value >= low) && (highOpen ? value < high : value <= high);
    }
    // For a value read in single precision, the bounds as floats: -273.15 typed is the float
    // nearest -273.15, which lies just above the double -273.15 and would pass an open bound.
    constexpr bool containsSingle(float value) const
    {
        return Domain{static_cast<float>(low), static_cast<float>(high), lowOpen, highOpen}
            .contains(static_cast<double>(value));
    }
};

namespace domains {
inline constexpr Domain kAny{};
// Resistances, capacitances, inductances, currents, voltages, powers, frequencies, times,
// turns and lengths: a part with none of it does not exist.
inline constexpr Domain kAboveZero{.low = 0.0};
// Thermal resistances: a mounting or a heat sink can be ideal.
inline constexpr Domain kAtLeastZero{.low = 0.0, .lowOpen = false};
// Temperatures in °C: any sign, but nothing is colder than absolute zero.
inline constexpr Domain kAboveAbsoluteZero{.low = -273.15};
} // namespace domains

// The domain as zelkor-calc names it after "must be": "above 0", "at least 0",
// "from 0 to 100", "above 50 and below 100".
QString domainText(const Domain &domain);

// How one input is read.
struct InputRule
{
    Unit unit; // the field's unit: a bare number is in it
    Need need = Need::Number;
    // An editable preset list: its numbers are written in the user's locale, so a lenient
    // reading also takes the locale's decimal separator.
    bool presetList = false;
    Domain domain = domains::kAboveZero;
};

// What kind of input a field is.
enum class FieldKind
{
    Number, // a value in the rule's unit
    Preset, // zelkor-calc's number of a preset, from 0
    Choice, // one of a few names (a mode, a series)
};

// One input of a calculator, described once: the panels, zelkor-calc, JSON and the kept
// inputs all read this.
struct FieldSpec
{
    const char *key;     // snake_case; names the input in the settings and in JSON
    const char *option;  // zelkor-calc's option ("--supply"); nullptr when it has none
    const char *caption; // text id of the field's caption on the panel
    const char *help;    // zelkor-calc's help for the option (English, not translated)
    InputRule rule{};
    FieldKind kind = FieldKind::Number;
    // The option that replaces this one ("--preset" for "--forward"): zelkor-calc names both
    // when neither is given, or when both are.
    const char *alternative = nullptr;
    // What a Choice or Preset holds, for zelkor-calc's error: "E12 or E24".
    const char *accepts = nullptr;
    // A Choice made with buttons: the name kept for each button, by button id.
    std::span<const char *const> choices{};
};

// A calculator's fields, one row per value of its Field enum, in the enum's order.
template <typename Field> struct FieldRow
{
    Field field;
    FieldSpec about;
};

template <typename Field, std::size_t N>
constexpr bool inFieldOrder(const std::array<FieldRow<Field>, N> &table)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(table[i].field) != i)
            return false;
    return true;
}

template <typename Field, std::size_t N>
constexpr const FieldSpec &fieldSpec(const std::array<FieldRow<Field>, N> &table, Field field)
{
    return table[static_cast<std::size_t>(field)].about;
}

// The fields of a table without their enum, for readers that walk every calculator.
template <typename Field, std::size_t N>
constexpr std::array<FieldSpec, N> specsOf(const std::array<FieldRow<Field>, N> &table)
{
    std::array<FieldSpec, N> specs{};
    for (std::size_t i = 0; i < N; ++i)
        specs[i] = table[i].about;
    return specs;
}

// The number of one input, or the reason it has none.
std::variant<float, Reason> readInput(const Given &given, InputRule rule, Reading reading);
// The same in double precision, for an input compared with exact decimals (a standard value).
std::variant<double, Reason> readPreciseInput(const Given &given, InputRule rule, Reading reading);

template <typename Field>
Outcome<float, Field> read(Field field, const Given &given, InputRule rule, Reading reading)
{
    const std::variant<float, Reason> number = readInput(given, rule, reading);
    if (const float *value = std::get_if<float>(&number))
        return *value;
    return Problem<Field>{std::get<Reason>(number), field};
}

template <typename Field>
Outcome<double, Field> readPrecise(Field field, const Given &given, InputRule rule, Reading reading)
{
    const std::variant<double, Reason> number = readPreciseInput(given, rule, reading);
    if (const double *value = std::get_if<double>(&number))
        return *value;
    return Problem<Field>{std::get<Reason>(number), field};
}

// The same, with the rule from the calculator's field table.
template <typename Field, std::size_t N>
Outcome<float, Field> read(const std::array<FieldRow<Field>, N> &table, Field field,
                           const Given &given, Reading reading)
{
    return read(field, given, fieldSpec(table, field).rule, reading);
}
template <typename Field, std::size_t N>
Outcome<double, Field> readPrecise(const std::array<FieldRow<Field>, N> &table, Field field,
                                   const Given &given, Reading reading)
{
    return readPrecise(field, given, fieldSpec(table, field).rule, reading);
}

// Results that are not finite come from inputs too large for them; field names the input that
// the calculator blames.
template <typename Field> std::optional<Problem<Field>> overflow(Field field, auto... results)
{
    if ((std::isfinite(static_cast<double>(results)) && ...))
        return std::nullopt;
    return Problem<Field>{Reason::Overflow, field};
}

// The index of the preset that a zelkor-calc option names by its number, counted from 0; the
// number is a plain one, without prefix or unit.
std::variant<std::size_t, Reason> readPresetNumber(const QString &text, std::size_t presetCount);

template <typename Field>
Outcome<std::size_t, Field> readPreset(Field field, const QString &text, std::size_t presetCount)
{
    const std::variant<std::size_t, Reason> index = readPresetNumber(text, presetCount);
    if (const std::size_t *i = std::get_if<std::size_t>(&index))
        return *i;
    return Problem<Field>{std::get<Reason>(index), field};
}

} // namespace zelkor
