// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/VoltageDivider.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

QJsonObject circuitJson(const divider::Circuit &c)
{
    return {{QStringLiteral("vout"), c.vout},
            {QStringLiteral("vout_min"), c.voutRange.min},
            {QStringLiteral("vout_max"), c.voutRange.max},
            {QStringLiteral("current"), c.current},
            {QStringLiteral("power_r1"), c.powerR1},
            {QStringLiteral("power_r2"), c.powerR2},
            {QStringLiteral("output_impedance"), c.outputImpedance}};
}

} // namespace

void addVoltageDividerCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "divider", "Voltage divider: the best standard pairs for an output voltage, or what two "
                   "resistors give");
    const FieldOptions options(*command, divider::kFields);
    // The series and the preferred total only steer a design.
    for (const char *design : {"--series", "--total"})
        for (const char *part : {"--r1", "--r2"})
            command->get_option(design)->excludes(command->get_option(part));

    command->callback([=] {
        using divider::Field;
        const auto result =
            divider::calculate({.vin = options.given(Field::Vin),
                                .vout = options.given(Field::Vout),
                                .series = options.given(Field::Series),
                                .load = options.given(Field::Load),
                                .total = options.given(Field::Total),
                                .r1 = options.given(Field::R1),
                                .r2 = options.given(Field::R2),
                                .tolerance = options.given(Field::Tolerance),
                                .supplyTolerance = options.given(Field::SupplyTolerance)},
                               Reading::Strict);
        if (!result)
            throw options.error(result.problem(), divider::problemText(result.problem()));
        print(divider::resultText(*result));

        options.reportInputs(print);
        print.input("mode", QString::fromLatin1(divider::kModeNames[int(result->mode)]));
        print.input("tolerance", result->tolerances.resistors);
        print.input("supply_tolerance", result->tolerances.supply);
        if (result->mode == divider::Mode::Analysis) {
            const QJsonObject circuit = circuitJson(result->circuits.front());
            for (auto value = circuit.begin(); value != circuit.end(); ++value)
                print.result(value.key().toLatin1().constData(), value.value());
            return;
        }
        print.input("series", eseries::name(result->series));
        print.input("total", result->total);
        QJsonArray pairs;
        for (const divider::Circuit &c : result->circuits) {
            QJsonObject pair = circuitJson(c);
            pair.insert(QStringLiteral("r1"), c.r1);
            pair.insert(QStringLiteral("r2"), c.r2);
            pair.insert(QStringLiteral("error_percent"), c.error * 100.0);
            pairs.append(pair);
        }
        print.result("pairs", pairs);
        print.result("exact", !result->circuits.empty() && result->circuits.front().exact);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(divider::kFields);
constexpr Example kExamples[] = {
    {"divider --vin 12 --vout 3.3 --load 100k --total 20k", kSpecs},
    {"divider --vin 10 --r1 10k --r2 10k --load 10k --tolerance 1 --supply-tolerance 2", kSpecs},
};
extern const Command dividerCommand;
constinit const Command dividerCommand{addVoltageDividerCommand, kExamples};

} // namespace zelkor::cli
