// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A subcommand's options, made from its calculator's field table: one option per field that
// has one, its value as the calculator reads it, its error when the calculator finds a problem,
// and the JSON inputs.
// A field whose option a former FieldOptions of the same command made shares that option.

#include "cli/CommandLine.h"
#include "core/calculators/Inputs.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zelkor::cli {

class FieldOptions
{
public:
    template <typename Field, std::size_t N>
    FieldOptions(CLI::App &command, const std::array<FieldRow<Field>, N> &table)
        : m_command(commandName(command)), m_entries(std::make_shared<std::vector<Entry>>())
    {
        m_entries->reserve(N); // the options keep pointers to the values
        for (const FieldRow<Field> &row : table)
            add(command, row.about);
    }

    // The option's value as given; nothing when it was left out (or the field has no option).
    template <typename Field> Given given(Field field) const
    {
        return given(static_cast<std::size_t>(field));
    }
    template <typename Field> bool has(Field field) const
    {
        return given(static_cast<std::size_t>(field)).has_value();
    }

    // The one-line error for problem. because is the calculator's own sentence, where it has
    // one for an input out of range or inputs that describe nothing.
    template <typename Field>
    InputError error(const Problem<Field> &problem, const QString &because = {}) const
    {
        return error(static_cast<std::size_t>(problem.field), problem.reason, because);
    }

    // Every given input as it was read: numbers in base units, presets by number, choices by
    // name, each under the field's key.
    void reportInputs(const Printer &print) const;

    const std::string &command() const { return m_command; }

private:
    struct Entry
    {
        FieldSpec about;
        CLI::Option *option = nullptr;
        std::string value;
    };

    static std::string commandName(const CLI::App &command);
    void add(CLI::App &command, const FieldSpec &about);
    Given given(std::size_t index) const;
    InputError error(std::size_t index, Reason reason, const QString &because) const;

    std::string m_command;
    std::shared_ptr<std::vector<Entry>> m_entries;
};

} // namespace zelkor::cli
