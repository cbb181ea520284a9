// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "cli/JsonNumber.h"
#include "core/calculators/HeatSink.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

// The problems whose wording names the mode, which has no option of its own.
void refuseMode(const Problem<heatsink::Field> &problem)
{
    using heatsink::Field;
    if (problem.reason == Reason::Conflict && problem.field == Field::Power)
        throw InputError("heatsink: --max-power computes the power: give no --power");
    if (problem.reason == Reason::Conflict && problem.field == Field::MaxTemperature)
        throw InputError("heatsink: give either --sink or --max-temp, not both");
    if (problem.reason == Reason::Missing && problem.field == Field::Mode)
        throw InputError("heatsink: --sink or --max-temp is missing");
}

} // namespace

void addHeatSinkCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "heatsink", "Heat sink: the chip temperature for a heat sink (--sink), the largest "
                    "heat-sink resistance for a maximum chip temperature (--max-temp), or the "
                    "largest power for both (--max-power)");
    const FieldOptions options(*command, heatsink::kFields);
    auto *maxPower =
        command->add_flag("--max-power")
            ->description("Print the largest power the heat sink (--sink) allows at --max-temp");

    command->callback([=] {
        using heatsink::Field;
        heatsink::Texts texts;
        if (maxPower->count())
            texts.mode = heatsink::Mode::PowerLimit;
        texts.power = options.given(Field::Power);
        texts.chipResistance = options.given(Field::ChipResistance);
        texts.mountingResistance = options.given(Field::MountingResistance);
        texts.mountingPreset = options.given(Field::MountingPreset);
        texts.sinkResistance = options.given(Field::SinkResistance);
        texts.maxTemperature = options.given(Field::MaxTemperature);
        texts.ambient = options.given(Field::Ambient);
        const auto result = heatsink::calculate(texts, Reading::Strict);
        if (!result) {
            const Problem<Field> problem = result.problem();
            refuseMode(problem);
            if (problem.reason == Reason::Impossible)
                throw options.error(problem, QStringLiteral("With no thermal resistance at all, "
                                                            "any power keeps the chip below "
                                                            "--max-temp."));
            throw options.error(problem);
        }
        print(heatsink::resultText(*result));
        options.reportInputs(print);
        // A preset stands for its resistance.
        print.input("mount", decimal(result->inputs.mountingResistance));
        switch (result->outcome) {
        case heatsink::Outcome::ChipTemperature:
            print.result("chip_temp", decimal(result->value));
            break;
        case heatsink::Outcome::MaxSinkResistance:
            print.result("sink", decimal(result->value));
            break;
        case heatsink::Outcome::MaxPower:
            print.result("power", decimal(result->value));
            break;
        case heatsink::Outcome::NoSinkSuffices:
        case heatsink::Outcome::AmbientTooHot:
            break;
        }
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(heatsink::kFields);
constexpr Example kExamples[] = {
    {"heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2 --ambient 25", kSpecs},
    {"heatsink --power 10 --chip 1.5 --mount 0.3 --max-temp 150 --ambient 25", kSpecs},
    {"heatsink --power 10 --chip 1.5 --mount-preset 0 --sink 2 --ambient 25", kSpecs},
    {"heatsink --max-power --chip 1.5 --mount 0.3 --sink 2 --max-temp 150 --ambient 25", kSpecs},
};
extern const Command heatSinkCommand;
constinit const Command heatSinkCommand{addHeatSinkCommand, kExamples};

} // namespace zelkor::cli
