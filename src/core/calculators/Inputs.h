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

#include <cstddef>
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
    NonZero, // a calculation that waits for this input treats 0 as not given yet
};

// How one input is read.
struct InputRule
{
    Unit unit; // the field's unit: a bare number is in it
    Need need = Need::Number;
    // An editable preset list: its numbers are written in the user's locale, so a lenient
    // reading also takes the locale's decimal separator.
    bool presetList = false;
};

// The number of one input, or the reason it has none.
std::variant<float, Reason> readInput(const Given &given, InputRule rule, Reading reading);

template <typename Field>
Outcome<float, Field> read(Field field, const Given &given, InputRule rule, Reading reading)
{
    const std::variant<float, Reason> number = readInput(given, rule, reading);
    if (const float *value = std::get_if<float>(&number))
        return *value;
    return Problem<Field>{std::get<Reason>(number), field};
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
