// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/OpAmpGain.h"

#include <QJsonArray>
#include <QJsonObject>

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

QJsonObject amplifierJson(const opamp::Amplifier &amplifier)
{
    return {{QStringLiteral("rf"), amplifier.rf},
            {QStringLiteral("rg"), amplifier.rg},
            {QStringLiteral("gain"), amplifier.gain},
            {QStringLiteral("gain_min"), amplifier.gainRange.min},
            {QStringLiteral("gain_max"), amplifier.gainRange.max},
            {QStringLiteral("gain_db"), opamp::decibels(amplifier.gain)},
            {QStringLiteral("error"), amplifier.error}};
}

} // namespace

void addGainCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "gain", "Op-amp gain: the gain of two resistors, or the best standard pairs for a gain");
    auto *nonInverting =
        command->add_flag("--non-inverting")->description("Non-inverting amplifier, G = 1 + Rf/Rg");
    auto *inverting =
        command->add_flag("--inverting")->description("Inverting amplifier, G = -Rf/Rg");
    nonInverting->excludes(inverting);
    const FieldOptions options(*command, opamp::kFields);
    command->get_option("--series")->needs(command->get_option("--gain"));

    command->callback([=] {
        using opamp::Field;
        opamp::Texts texts{.gain = options.given(Field::Gain),
                           .series = options.given(Field::Series),
                           .rf = options.given(Field::Rf),
                           .rg = options.given(Field::Rg),
                           .tolerance = options.given(Field::Tolerance)};
        if (nonInverting->count())
            texts.circuit = opamp::Circuit::NonInverting;
        else if (inverting->count())
            texts.circuit = opamp::Circuit::Inverting;
        const auto result = opamp::calculate(texts, Reading::Strict);
        if (!result) {
            if (result.problem().field == Field::Circuit)
                throw InputError("gain: give --non-inverting or --inverting");
            throw options.error(result.problem(), opamp::problemText(result.problem()));
        }
        print(opamp::resultText(*result));

        options.reportInputs(print);
        print.input("circuit",
                    QLatin1String(opamp::kCircuitNames[static_cast<int>(result->circuit)]));
        print.input("tolerance", result->tolerancePercent);
        if (result->mode == opamp::Mode::Analysis) {
            const double gain = result->amplifiers.front().gain;
            print.result("gain", gain);
            print.result("gain_min", result->amplifiers.front().gainRange.min);
            print.result("gain_max", result->amplifiers.front().gainRange.max);
            print.result("gain_db", opamp::decibels(gain));
            return;
        }
        print.input("series", eseries::name(result->series));
        QJsonArray pairs;
        for (const opamp::Amplifier &amplifier : result->amplifiers)
            pairs.append(amplifierJson(amplifier));
        print.result("exact", !result->amplifiers.empty() && result->amplifiers.front().exact);
        print.result("pairs", pairs);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(opamp::kFields);
constexpr Example kExamples[] = {
    {"gain --non-inverting --gain 10", kSpecs},
    {"gain --inverting --rf 47k --rg 10k --tolerance 1", kSpecs},
};
extern const Command gainCommand;
constinit const Command gainCommand{addGainCommand, kExamples};

} // namespace zelkor::cli
