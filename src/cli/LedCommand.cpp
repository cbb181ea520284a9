#include "core/calculators/LEDDroppingResistor.h"
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>

namespace zelkor::cli {
void addLedCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string supply, forward, preset, current;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "led", "LED dropping resistor: the series resistor and the power it dissipates");
    auto *supply = command->add_option("--supply", options->supply, "Supply voltage in V");
    auto *forward = command->add_option("--forward", options->forward, "LED forward voltage in V");
    auto *preset = command->add_option(
        "--preset", options->preset,
        "Forward voltage preset: 0 infrared 1.5 V, 1 red 1.6 V, 2 green 2.2 V, 3 yellow 2.1 V, "
        "4 blue 2.9 V, 5 white 4.0 V");
    auto *current = command->add_option("--current", options->current, "LED current in mA");

    command->callback([=] {
        led::Inputs inputs;
        inputs.supplyVoltage = nonZeroNumber("led", supply, options->supply);
        if (forward->count() && preset->count())
            throw InputError("led: give either --forward or --preset, not both");
        if (preset->count()) {
            const float index = number("--preset", options->preset);
            const auto count = static_cast<float>(led::kForwardVoltagePresets.size());
            if (index < 0.0f || index >= count || std::trunc(index) != index)
                throw InputError("led: --preset: '" + options->preset +
                                 "' is not a preset number from 0 to 5");
            inputs.forwardVoltage = led::kForwardVoltagePresets[static_cast<std::size_t>(index)];
        } else {
            if (!forward->count())
                throw InputError("led: --forward or --preset is missing");
            inputs.forwardVoltage = nonZeroNumber("led", forward, options->forward);
        }
        inputs.currentMilliamps = nonZeroNumber("led", current, options->current);

        const auto result = led::calculate(inputs);
        if (!result)
            throw InputError("led: incomplete input");
        print(led::resultText(*result));
        if (result->powerWarning)
            print(led::powerWarningText());
    });
}

} // namespace zelkor::cli
