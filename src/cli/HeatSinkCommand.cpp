// SPDX-License-Identifier: GPL-3.0-or-later

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
        "heatsink", "Heat sink: the chip temperature for a heat sink (--sink), the largest "
                    "heat-sink resistance for a maximum chip temperature (--max-temp), or the "
                    "largest power for both (--max-power)");
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
    auto *maxPower =
        command->add_flag("--max-power")
            ->description("Print the largest power the heat sink (--sink) allows at --max-temp");

    command->callback([=] {
        using heatsink::Field;
        const OptionValue byField[] = {
            {sink, options->sink}, // the mode has no option of its own
            {power, options->power},    {chip, options->chip},
            {mount, options->mount},    {mountPreset, options->mountPreset},
            {sink, options->sink},      {maxTemp, options->maxTemp},
            {ambient, options->ambient}};
        heatsink::Texts texts;
        if (maxPower->count())
            texts.mode = heatsink::Mode::PowerLimit;
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
            if (problem.reason == Reason::Conflict && problem.field == Field::Power)
                throw InputError("heatsink: --max-power computes the power: give no --power");
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
        const auto input = [&](const char *name, const Given &value, float number) {
            if (value)
                print.input(name, double(number));
        };
        const heatsink::Inputs &in = result->inputs;
        input("power", texts.power, in.power);
        input("chip", texts.chipResistance, in.chipResistance);
        print.input("mount", double(in.mountingResistance));
        input("sink", texts.sinkResistance,
              texts.mode ? in.sinkResistance : in.sinkResistanceOrMaxTemperature);
        input("max-temp", texts.maxTemperature, in.sinkResistanceOrMaxTemperature);
        input("ambient", texts.ambient, in.ambientTemperature);
        switch (result->outcome) {
        case heatsink::Outcome::ChipTemperature:
            print.result("chip-temp", double(result->value));
            break;
        case heatsink::Outcome::MaxSinkResistance:
            print.result("sink", double(result->value));
            break;
        case heatsink::Outcome::MaxPower:
            print.result("power", double(result->value));
            break;
        case heatsink::Outcome::NoSinkSuffices:
        case heatsink::Outcome::AmbientTooHot:
            break;
        }
    });
}

} // namespace zelkor::cli
