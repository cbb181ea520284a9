// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "cli/JsonNumber.h"
#include "core/calculators/LEDDroppingResistor.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

void addLedCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "led", "LED dropping resistor: the series resistor and the power it dissipates");
    const FieldOptions options(*command, led::kFields);

    command->callback([=] {
        using led::Field;
        const auto result = led::calculate(
            {options.given(Field::SupplyVoltage), options.given(Field::ForwardVoltage),
             options.given(Field::Preset), options.given(Field::Current),
             options.given(Field::Series), options.given(Field::Tolerance),
             options.given(Field::SupplyTolerance), options.given(Field::ForwardSpread)},
            Reading::Strict);
        if (!result)
            throw options.error(result.problem(), led::problemText(result.problem()));
        print(led::resultText(*result));
        if (result->powerWarning)
            print(led::powerWarningText());

        options.reportInputs(print);
        const led::Inputs &read = result->inputs;
        print.input("forward", decimal(read.forwardVoltage));
        print.input("series", eseries::name(read.series));
        print.input("supply_tolerance", read.supplyTolerancePercent);
        print.input("forward_spread", read.forwardSpread);
        print.result("resistance", decimal(result->resistance));
        print.result("power", decimal(result->power));
        print.result("power_warning", result->powerWarning);
        if (const auto &standard = result->standard) {
            print.result("standard_series", eseries::name(standard->series));
            print.result("standard_resistance", standard->resistance);
            print.result("standard_current", standard->currentMilliamps / 1000.0);
            print.result("standard_power", standard->power);
            print.input("tolerance", standard->tolerancePercent);
            print.result("standard_current_min", standard->currentRange.min / 1000.0);
            print.result("standard_current_max", standard->currentRange.max / 1000.0);
            print.result("standard_power_min", standard->powerRange.min);
            print.result("standard_power_max", standard->powerRange.max);
        }
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(led::kFields);
constexpr Example kExamples[] = {
    {"led --supply 12 --forward 2 --current 20 --tolerance 10 --supply-tolerance 5 "
     "--forward-spread 0.1",
     kSpecs},
    {"led --supply 12 --preset 1 --current 20", kSpecs},
};
extern const Command ledCommand;
constinit const Command ledCommand{addLedCommand, kExamples};

} // namespace zelkor::cli
