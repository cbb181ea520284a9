// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/ResistanceArgument.h"
#include "core/standard/ESeries.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addESeriesCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string value;
        std::string series = "E24";
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "eseries", "Standard values (IEC 60063): the nearest value of a series, and the next "
                   "at or below and at or above");
    command->add_option("VALUE", options->value, "The resistance, e.g. 4k7 or 4700")->required();
    command->add_option("--series", options->series, "E3, E6, E12, E24, E48, E96 or E192 (E24)");

    command->callback([=] {
        const auto series = eseries::parse(QString::fromStdString(options->series));
        if (!series)
            throw InputError("eseries: --series: '" + options->series +
                             "' is not a series; use E3, E6, E12, E24, E48, E96 or E192");
        const double ohms = resistanceArgument("eseries", options->value);
        const auto nearest = eseries::nearest(ohms, *series);
        const auto below = eseries::atOrBelow(ohms, *series);
        const auto above = eseries::atOrAbove(ohms, *series);
        if (!nearest || !below || !above)
            throw InputError("eseries: the value must lie between 1 mΩ and 1 GΩ");
        print.input("value", ohms);
        print.input("series", eseries::name(*series));
        const auto line = [&](const char *key, const char *name, double standard) {
            print(formatText(u"%@: %@", {text(key), resistor::resistanceText(standard)}));
            print.result(name, standard);
        };
        line("ESeriesNearest", "nearest", *nearest);
        line("ESeriesAtOrBelow", "at_or_below", *below);
        line("ESeriesAtOrAbove", "at_or_above", *above);
    });
}

} // namespace zelkor::cli
