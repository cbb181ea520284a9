#include "core/calculators/HeatSink.h"
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>

namespace zelkor::cli {
void addHeatSinkCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string power, chip, mount, mountPreset, sink, maxTemp, ambient;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "heatsink", "Heat sink: the chip temperature for a heat sink (--sink), or the largest "
                    "heat-sink resistance for a maximum chip temperature (--max-temp)");
    auto *power = command->add_option("--power", options->power, "Power dissipated in W");
    auto *chip =
        command->add_option("--chip", options->chip, "Thermal resistance chip to case in K/W");
    auto *mount = command->add_option("--mount", options->mount,
                                      "Thermal resistance case to heat sink in K/W");
    auto *mountPreset = command->add_option(
        "--mount-preset", options->mountPreset,
        "Mounting preset: 0 mica washer 0.3 K/W, 1 thermal paste 0.1 K/W, 2 thermal pad 0.1 K/W");
    auto *sink =
        command->add_option("--sink", options->sink, "Thermal resistance of the heat sink in K/W");
    auto *maxTemp =
        command->add_option("--max-temp", options->maxTemp, "Maximum chip temperature in °C");
    auto *ambient = command->add_option("--ambient", options->ambient, "Ambient temperature in °C");

    command->callback([=] {
        using heatsink::Mode;
        heatsink::Inputs inputs;
        inputs.power = nonZeroNumber("heatsink", power, options->power);
        inputs.chipResistance = nonZeroNumber("heatsink", chip, options->chip);

        if (mount->count() && mountPreset->count())
            throw InputError("heatsink: give either --mount or --mount-preset, not both");
        if (mountPreset->count()) {
            const float index = number("--mount-preset", options->mountPreset);
            const auto count = static_cast<float>(heatsink::kMountingPresets.size());
            if (index < 0.0f || index >= count || std::trunc(index) != index)
                throw InputError("heatsink: --mount-preset: '" + options->mountPreset +
                                 "' is not a preset number from 0 to 2");
            inputs.mountingResistance = heatsink::kMountingPresets[static_cast<std::size_t>(index)];
        } else {
            if (!mount->count())
                throw InputError("heatsink: --mount or --mount-preset is missing");
            inputs.mountingResistance = nonZeroNumber("heatsink", mount, options->mount);
        }

        if (sink->count() && maxTemp->count())
            throw InputError("heatsink: give either --sink or --max-temp, not both");
        if (sink->count()) {
            inputs.mode = Mode::SinkResistanceGiven;
            inputs.sinkResistanceOrMaxTemperature = nonZeroNumber("heatsink", sink, options->sink);
        } else {
            if (!maxTemp->count())
                throw InputError("heatsink: --sink or --max-temp is missing");
            inputs.mode = Mode::MaxChipTemperatureGiven;
            inputs.sinkResistanceOrMaxTemperature =
                nonZeroNumber("heatsink", maxTemp, options->maxTemp);
        }
        // 0 °C is a real ambient temperature; only a missing one stops.
        inputs.ambientTemperature = givenNumber("heatsink", ambient, options->ambient);

        const auto result = heatsink::calculate(inputs);
        if (!result)
            throw InputError("heatsink: incomplete input");
        print(heatsink::resultText(*result));
    });
}

} // namespace zelkor::cli
