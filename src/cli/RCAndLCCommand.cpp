// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/RCAndLC.h"

#include <QJsonArray>
#include <QJsonObject>

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

// "tau", "tau_min" and "tau_max" beside each other.
void addRanged(QJsonObject &object, const char *key, double value, tolerance::Range range)
{
    const QString name = QLatin1String(key);
    object.insert(name, value);
    object.insert(name + QLatin1String("_min"), range.min);
    object.insert(name + QLatin1String("_max"), range.max);
}

void printRanged(const Printer &print, const char *key, double value, tolerance::Range range)
{
    print.result(key, value, range.min, range.max);
}

} // namespace

void addRCCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "rc", "RC circuit: the time constant and corner frequency of R and C, or the best "
              "standard R and C for a frequency or a time constant");
    const FieldOptions options(*command, rc::kFields);
    const auto option = [command](const char *name) { return command->get_option(name); };
    for (const char *part : {"--r", "--c"})
        for (const char *target : {"--frequency", "--tau"})
            option(part)->excludes(option(target));
    option("--frequency")->excludes(option("--tau"));

    command->callback([=] {
        using rc::Field;
        const auto result = rc::calculate(
            {std::nullopt, options.given(Field::R), options.given(Field::C),
             options.given(Field::Frequency), options.given(Field::Tau),
             options.given(Field::Series), options.given(Field::CapacitorSeries),
             options.given(Field::Tolerance), options.given(Field::CapacitorTolerance)},
            Reading::Strict);
        if (!result) {
            if (result.problem().reason == Reason::Missing &&
                result.problem().field == Field::Frequency)
                throw InputError("rc: give --r and --c, --frequency or --tau");
            throw options.error(result.problem(), rc::problemText(result.problem()));
        }
        print(rc::resultText(*result));
        options.reportInputs(print);
        print.input("tolerance", result->rPercent);
        print.input("c_tolerance", result->cPercent);
        if (result->mode == rc::Mode::Analysis) {
            const rc::Filter &f = result->filters.front();
            printRanged(print, "tau", f.tau, f.tauRange);
            printRanged(print, "frequency", f.frequency, f.frequencyRange);
            return;
        }
        print.input("series", eseries::name(result->series));
        print.input("c_series", eseries::name(result->capacitorSeries));
        QJsonArray pairs;
        for (const rc::Filter &f : result->filters) {
            QJsonObject pair{{QStringLiteral("r"), f.r},
                             {QStringLiteral("c"), f.c},
                             {QStringLiteral("error_percent"), f.error * 100.0},
                             {QStringLiteral("exact"), f.exact}};
            addRanged(pair, "tau", f.tau, f.tauRange);
            addRanged(pair, "frequency", f.frequency, f.frequencyRange);
            pairs.append(pair);
        }
        print.result("pairs", pairs);
    });
}

void addLCCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "lc", "LC circuit: any two of the resonant frequency, L and C give the third, with the "
              "reactances at the resonance or at --at");
    const FieldOptions options(*command, lc::kFields);

    command->callback([=] {
        using lc::Field;
        const int given = int(options.has(Field::Frequency)) + int(options.has(Field::L)) +
                          int(options.has(Field::C));
        if (given != 2)
            throw InputError(std::string("lc: give two of --frequency, --l and --c") +
                             (given > 2 ? ", not three" : ""));
        const auto result =
            lc::calculate({std::nullopt, options.given(Field::Frequency), options.given(Field::L),
                           options.given(Field::C), options.given(Field::At),
                           options.given(Field::LTolerance), options.given(Field::CTolerance)},
                          Reading::Strict);
        if (!result)
            throw options.error(result.problem());
        print(lc::resultText(*result));
        options.reportInputs(print);
        if (result->frequencyRange) {
            print.input("l_tolerance", result->lPercent);
            print.input("c_tolerance", result->cPercent);
            printRanged(print, "frequency", result->frequency, *result->frequencyRange);
        } else {
            print.result("frequency", result->frequency);
        }
        print.result("inductance", result->inductance);
        print.result("capacitance", result->capacitance);
        print.result("at", result->at);
        print.result("inductive_reactance", result->inductiveReactance);
        print.result("capacitive_reactance", result->capacitiveReactance);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kRCSpecs = specsOf(rc::kFields);
constexpr Example kRCExamples[] = {
    {"rc --r 10k --c 0.1 --tolerance 5 --c-tolerance 10", kRCSpecs},
    {"rc --frequency 1k", kRCSpecs},
    {"rc --tau 1m", kRCSpecs},
};
constexpr auto kLCSpecs = specsOf(lc::kFields);
constexpr Example kLCExamples[] = {
    {"lc --l 10 --c 100p --at 1M --l-tolerance 10 --c-tolerance 10", kLCSpecs},
    {"lc --frequency 1M --l 10", kLCSpecs},
    {"lc --frequency 1M --c 0.001", kLCSpecs},
};
extern const Command rcCommand;
constinit const Command rcCommand{addRCCommand, kRCExamples};
extern const Command lcCommand;
constinit const Command lcCommand{addLCCommand, kLCExamples};

} // namespace zelkor::cli
