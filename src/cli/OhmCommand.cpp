// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/calculators/OhmsLaw.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addOhmCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string power, voltage, current, resistance;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "ohm", "Ohm's law: give two of power, voltage, current and resistance; prints all four "
               "quantities");
    auto *power = command->add_option("--power", options->power, "Power in W");
    auto *voltage = command->add_option("--voltage", options->voltage, "Voltage in V");
    auto *current = command->add_option("--current", options->current, "Current in A");
    auto *resistance =
        command->add_option("--resistance", options->resistance, "Resistance in Ohm");

    command->callback([=] {
        const OptionValue byQuantity[] = {{power, options->power},
                                          {voltage, options->voltage},
                                          {current, options->current},
                                          {resistance, options->resistance}};
        const auto s = ohmslaw::calculate({given(byQuantity[0]), given(byQuantity[1]),
                                           given(byQuantity[2]), given(byQuantity[3])});
        if (!s) {
            const Problem<ohmslaw::Quantity> problem = s.problem();
            if (problem.reason == Reason::Missing || problem.reason == Reason::Conflict)
                throw InputError(
                    "ohm: give exactly two of --power, --voltage, --current and --resistance");
            throw inputError("ohm", byQuantity[static_cast<int>(problem.field)], problem.reason);
        }
        const auto line = [&](const char *key, const OptionValue &option, float value,
                              const QString &unit) {
            print(formatText(u"%@: %@ %@", {text(key), formatShortest(value), unit}));
            const auto name = option.option->get_name().substr(2);
            if (option.option->count())
                print.input(name.c_str(), double(value));
            print.result(name.c_str(), double(value));
        };
        line("Power", byQuantity[0], s->power, QStringLiteral("W"));
        line("Voltage", byQuantity[1], s->voltage, QStringLiteral("V"));
        line("Current", byQuantity[2], s->current, QStringLiteral("A"));
        line("Resistance", byQuantity[3], s->resistance, text("Ohm"));
    });
}

} // namespace zelkor::cli
