// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/ResistanceArgument.h"
#include "core/standard/ESeries.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>
#include <memory>

using namespace Qt::StringLiterals;

namespace zelkor::cli {

namespace {

const FieldSpec kSeries{.key = "series",
                        .option = "--series",
                        .caption = nullptr,
                        .help = "E3, E6, E12, E24 (default), E48, E96 or E192",
                        .kind = FieldKind::Choice,
                        .accepts = "E3, E6, E12, E24, E48, E96 or E192"};

} // namespace

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
    command->add_option(kSeries.option, options->series, kSeries.help);

    command->callback([=] {
        const auto series = eseries::parse(QString::fromStdString(options->series));
        if (!series)
            throw inputError("eseries", {kSeries, options->series}, Reason::OutOfRange);
        const double ohms = resistanceArgument("eseries", options->value);
        const auto nearest = eseries::nearest(ohms, *series);
        const auto below = eseries::atOrBelow(ohms, *series);
        const auto above = eseries::atOrAbove(ohms, *series);
        if (!nearest || !below || !above)
            throw inputError("eseries", {kSeries, options->value}, Reason::OutOfRange,
                             u"the value must lie between 1 mΩ and 1 GΩ"_s);
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

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr Example kExamples[] = {
    {"eseries 4k8", {}},
};
extern const Command eseriesCommand;
constinit const Command eseriesCommand{addESeriesCommand, kExamples};

} // namespace zelkor::cli
