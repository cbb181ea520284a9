#include "cli/CommandLine.h"
#include "core/calculators/HeatSink.h"

#include <CLI/CLI.hpp>
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
        "Mounting preset: " +
            presetOptionHelp(heatsink::kMountingPresets, heatsink::kMountingUnit).toStdString());
    auto *sink =
        command->add_option("--sink", options->sink, "Thermal resistance of the heat sink in K/W");
    auto *maxTemp =
        command->add_option("--max-temp", options->maxTemp, "Maximum chip temperature in °C");
    auto *ambient = command->add_option("--ambient", options->ambient, "Ambient temperature in °C");

    command->callback([=] {
        using heatsink::Field;
        const OptionValue byField[] = {
            {sink, options->sink}, // the mode has no option of its own
            {power, options->power},    {chip, options->chip},
            {mount, options->mount},    {mountPreset, options->mountPreset},
            {sink, options->sink},      {maxTemp, options->maxTemp},
            {ambient, options->ambient}};
        heatsink::Texts texts;
        texts.power = given(byField[1]);
        texts.chipResistance = given(byField[2]);
        texts.mountingResistance = given(byField[3]);
        texts.mountingPreset = given(byField[4]);
        texts.sinkResistance = given(byField[5]);
        texts.maxTemperature = given(byField[6]);
        texts.ambient = given(byField[7]);
        const auto result = heatsink::calculate(texts, Reading::Strict);
        if (!result) {
            const Problem<Field> problem = result.problem();
            if (problem.reason == Reason::Conflict && problem.field == Field::MountingPreset)
                throw InputError("heatsink: give either --mount or --mount-preset, not both");
            if (problem.reason == Reason::Conflict)
                throw InputError("heatsink: give either --sink or --max-temp, not both");
            if (problem.reason == Reason::OutOfRange)
                throw InputError("heatsink: --mount-preset: '" + options->mountPreset +
                                 "' is not a preset number from 0 to " +
                                 std::to_string(heatsink::kMountingPresets.size() - 1));
            if (problem.reason == Reason::Missing && problem.field == Field::MountingResistance)
                throw InputError("heatsink: --mount or --mount-preset is missing");
            if (problem.reason == Reason::Missing && problem.field == Field::Mode)
                throw InputError("heatsink: --sink or --max-temp is missing");
            throw inputError("heatsink", byField[static_cast<int>(problem.field)], problem.reason);
        }
        print(heatsink::resultText(*result));
    });
}

} // namespace zelkor::cli
