// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "cli/JsonNumber.h"
#include "core/calculators/OhmsLaw.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

void addOhmCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "ohm", "Ohm's law: give two of power, voltage, current and resistance; prints all four "
               "quantities");
    const FieldOptions options(*command, ohmslaw::kFields);

    command->callback([=] {
        using ohmslaw::Quantity;
        const auto s = ohmslaw::calculate(
            {options.given(Quantity::Power), options.given(Quantity::Voltage),
             options.given(Quantity::Current), options.given(Quantity::Resistance)});
        if (!s) {
            const Reason reason = s.problem().reason;
            if (reason == Reason::Missing || reason == Reason::Conflict)
                throw InputError(
                    "ohm: give exactly two of --power, --voltage, --current and --resistance");
            throw options.error(s.problem());
        }
        const auto line = [&](Quantity quantity, float value, const QString &unit) {
            const FieldSpec &about = fieldSpec(ohmslaw::kFields, quantity);
            print(formatText(u"%@: %@ %@", {text(about.caption), formatShortest(value), unit}));
            print.result(about.key, decimal(value));
        };
        line(Quantity::Power, s->power, QStringLiteral("W"));
        line(Quantity::Voltage, s->voltage, QStringLiteral("V"));
        line(Quantity::Current, s->current, QStringLiteral("A"));
        line(Quantity::Resistance, s->resistance, text("Ohm"));
        options.reportInputs(print);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(ohmslaw::kFields);
constexpr Example kExamples[] = {
    {"ohm --voltage 12 --current 2", kSpecs},
    {"ohm --power 24 --resistance 6", kSpecs},
};
extern const Command ohmCommand;
constinit const Command ohmCommand{addOhmCommand, kExamples};

} // namespace zelkor::cli
