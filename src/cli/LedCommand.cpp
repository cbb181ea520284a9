// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/JsonNumber.h"
#include "core/calculators/LEDDroppingResistor.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {
void addLedCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string supply, forward, preset, current, series;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "led", "LED dropping resistor: the series resistor and the power it dissipates");
    auto *supply = command->add_option("--supply", options->supply, "Supply voltage in V");
    auto *forward = command->add_option("--forward", options->forward, "LED forward voltage in V");
    auto *preset = command->add_option(
        "--preset", options->preset,
        "Forward voltage preset: " +
            presetOptionHelp(led::kForwardVoltagePresets, led::kForwardVoltageUnit).toStdString());
    auto *current = command->add_option("--current", options->current, "LED current in mA");
    QStringList seriesNames;
    for (const eseries::Series series : led::kStandardSeries)
        seriesNames.append(eseries::name(series));
    auto *series = command
                       ->add_option("--series", options->series,
                                    "Series of the standard resistor to buy (default " +
                                        seriesNames.first().toStdString() + ")")
                       ->type_name(seriesNames.join(u'|').toStdString());

    command->callback([=] {
        using led::Field;
        const OptionValue byField[] = {{supply, options->supply},
                                       {forward, options->forward},
                                       {preset, options->preset},
                                       {current, options->current},
                                       {series, options->series}};
        const auto result = led::calculate({given(byField[0]), given(byField[1]), given(byField[2]),
                                            given(byField[3]), given(byField[4])},
                                           Reading::Strict);
        if (!result) {
            const Problem<Field> problem = result.problem();
            if (problem.reason == Reason::Conflict)
                throw InputError("led: give either --forward or --preset, not both");
            if (problem.reason == Reason::OutOfRange && problem.field == Field::SupplyVoltage)
                throw InputError("led: " + led::problemText(problem).toStdString());
            if (problem.reason == Reason::OutOfRange && problem.field == Field::Series)
                throw InputError("led: --series: '" + options->series + "' is not " +
                                 seriesNames.join(QStringLiteral(" or ")).toStdString());
            if (problem.reason == Reason::OutOfRange)
                throw InputError("led: --preset: '" + options->preset +
                                 "' is not a preset number from 0 to " +
                                 std::to_string(led::kForwardVoltagePresets.size() - 1));
            if (problem.reason == Reason::Missing && problem.field == Field::ForwardVoltage)
                throw InputError("led: --forward or --preset is missing");
            throw inputError("led", byField[static_cast<int>(problem.field)], problem.reason);
        }
        print(led::resultText(*result));
        if (result->powerWarning)
            print(led::powerWarningText());

        const led::Inputs &read = result->inputs;
        print.input("supply", decimal(read.supplyVoltage));
        print.input("forward", decimal(read.forwardVoltage));
        if (preset->count())
            print.input("preset", qint64(std::get<std::size_t>(readPresetNumber(
                                      *given(byField[2]), led::kForwardVoltagePresets.size()))));
        print.input("current", decimal(read.currentMilliamps) / 1000.0);
        print.input("series", eseries::name(read.series));
        print.result("resistance", decimal(result->resistance));
        print.result("power", decimal(result->power));
        print.result("power_warning", result->powerWarning);
        if (const auto &standard = result->standard) {
            print.result("standard_series", eseries::name(standard->series));
            print.result("standard_resistance", standard->resistance);
            print.result("standard_current", standard->currentMilliamps / 1000.0);
            print.result("standard_power", standard->power);
        }
    });
}

} // namespace zelkor::cli
