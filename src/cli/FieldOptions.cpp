// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/FieldOptions.h"

#include "cli/JsonNumber.h"

#include <CLI/CLI.hpp>
#include <cmath>

namespace zelkor::cli {

std::string FieldOptions::commandName(const CLI::App &command)
{
    return command.get_name();
}

void FieldOptions::add(CLI::App &command, const FieldSpec &about)
{
    Entry &entry = m_entries->emplace_back(Entry{about, nullptr, {}});
    if (!about.option)
        return;
    // Two tables of one command may share an option (the 555's capacitor): the second one
    // reads the value the first one's option is given.
    if (CLI::Option *shared = command.get_option_no_throw(about.option)) {
        std::string *value = &entry.value;
        entry.option = shared->each([value](const std::string &text) { *value = text; });
        return;
    }
    entry.option = command.add_option(about.option, entry.value, about.help ? about.help : "");
}

Given FieldOptions::given(std::size_t index) const
{
    const Entry &entry = m_entries->at(index);
    if (!entry.option || !entry.option->count())
        return std::nullopt;
    return QString::fromStdString(entry.value);
}

InputError FieldOptions::error(std::size_t index, Reason reason, const QString &because) const
{
    const Entry &entry = m_entries->at(index);
    return inputError(m_command, {entry.about, entry.value}, reason, because);
}

void FieldOptions::reportInputs(const Printer &print) const
{
    for (const Entry &entry : *m_entries) {
        const Given text = entry.option && entry.option->count()
                               ? Given(QString::fromStdString(entry.value))
                               : std::nullopt;
        if (!text)
            continue;
        switch (entry.about.kind) {
        case FieldKind::Number: {
            const auto value = readInput(text, entry.about.rule, Reading::Strict);
            if (const float *number = std::get_if<float>(&value)) {
                // Divided rather than multiplied: 20 mA is 0.02 A, not 0.020000000000000004.
                const int exponent = entry.about.rule.unit.exponent;
                const double scale = std::pow(10.0, std::abs(exponent));
                const double base =
                    exponent < 0 ? decimal(*number) / scale : decimal(*number) * scale;
                print.input(entry.about.key, base);
            }
            break;
        }
        case FieldKind::Preset:
            if (const auto number = parseNumber(*text))
                print.input(entry.about.key, qint64(*number));
            break;
        case FieldKind::Choice:
            print.input(entry.about.key, *text);
            break;
        }
    }
}

} // namespace zelkor::cli
