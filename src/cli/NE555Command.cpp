// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

void printRanged(const Printer &print, const char *key, double value, tolerance::Range range)
{
    print.result(key, value, range.min, range.max);
}

void printTiming(const Printer &print, const ne555::AstableTiming &timing,
                 const ne555::AstableRanges &ranges)
{
    printRanged(print, "frequency", double(timing.frequency), ranges.frequency);
    printRanged(print, "high_time", double(timing.highTime), ranges.highTime);
    printRanged(print, "low_time", double(timing.lowTime), ranges.lowTime);
    printRanged(print, "duty", double(timing.dutyPercent), ranges.dutyPercent);
}

// The tolerances the ranges took, given or by default.
void printTolerances(const Printer &print, double rPercent, double cPercent)
{
    print.input("tolerance", rPercent);
    print.input("c_tolerance", cPercent);
}

// The reason a design failed, as the panel shows it.
void checkDesigned(ne555::DesignOutcome outcome, const QString &reason)
{
    if (outcome != ne555::DesignOutcome::Designed)
        throw InputError("555: " + reason.toStdString());
}

void runDesign(const FieldOptions &options, const Printer &print)
{
    using ne555::DesignField;
    const ne555::DesignTexts texts{
        options.given(DesignField::Frequency), options.given(DesignField::Duty),
        options.given(DesignField::Duration),  options.given(DesignField::C),
        options.given(DesignField::Series),    options.given(DesignField::Tolerance),
        options.given(DesignField::CTolerance)};
    if (texts.duration) {
        const auto d = ne555::designMonostable(texts, Reading::Strict);
        if (!d)
            throw options.error(d.problem());
        checkDesigned(d->outcome, ne555::designText(*d));
        print(ne555::designText(*d));
        options.reportInputs(print);
        printTolerances(print, d->rPercent, d->cPercent);
        print.result("r_ideal", d->idealR);
        print.result("r", d->standardR);
        printRanged(print, "duration", double(d->standardDuration), d->durationRange);
        return;
    }
    if (!texts.frequency && !texts.duty)
        throw InputError("555: --design needs --frequency and --duty, or --duration");
    const auto d = ne555::designAstable(texts, Reading::Strict);
    if (!d)
        throw options.error(d.problem());
    checkDesigned(d->outcome, ne555::designText(*d));
    print(ne555::designText(*d));
    options.reportInputs(print);
    printTolerances(print, d->rPercent, d->cPercent);
    print.result("r1_ideal", d->idealR1);
    print.result("r2_ideal", d->idealR2);
    print.result("r1", d->standardR1);
    print.result("r2", d->standardR2);
    printTiming(print, d->withStandardParts, d->ranges);
}

} // namespace

void addNE555Command(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "555", "555 timer: prints the astable frequency or the monostable pulse duration, or "
               "designs the resistors for a target; each with its range over the parts' "
               "tolerances (the spread of the chip's own thresholds is not included)");
    auto *astable =
        command->add_flag("--astable")->description("Astable circuit: needs --r1, --r2 and --c");
    auto *monostable =
        command->add_flag("--monostable")->description("Monostable circuit: needs --r and --c");
    auto *design =
        command->add_flag("--design")
            ->description(
                "Design: the resistors for --frequency and --duty (astable) or for --duration "
                "(monostable), with --c");
    astable->excludes(monostable);
    design->excludes(astable);
    design->excludes(monostable);
    const FieldOptions circuit(*command, ne555::kFields);
    const FieldOptions target(*command, ne555::kDesignFields); // shares --c
    const auto option = [command](const char *name) { return command->get_option(name); };
    option("--r1")->excludes(monostable);
    option("--r2")->excludes(monostable);
    option("--r")->excludes(astable);
    for (const char *name : {"--frequency", "--duty", "--duration", "--series"})
        option(name)->needs(design);
    for (const char *name : {"--r1", "--r2", "--r"})
        option(name)->excludes(design);
    option("--duration")->excludes(option("--frequency"));
    option("--duration")->excludes(option("--duty"));

    command->callback([=] {
        if (design->count()) {
            runDesign(target, print);
            return;
        }
        using ne555::Field;
        ne555::Texts texts{std::nullopt,
                           circuit.given(Field::R1),
                           circuit.given(Field::R2),
                           circuit.given(Field::R),
                           circuit.given(Field::C),
                           circuit.given(Field::Tolerance),
                           circuit.given(Field::CTolerance)};
        if (astable->count())
            texts.circuit = ne555::Circuit::Astable;
        else if (monostable->count())
            texts.circuit = ne555::Circuit::Monostable;
        const auto result = ne555::calculate(texts, Reading::Strict);
        if (!result) {
            if (result.problem().field == Field::Circuit)
                throw InputError("555: give --astable, --monostable or --design");
            throw circuit.error(result.problem());
        }
        print(ne555::resultText(*result));
        circuit.reportInputs(print);
        printTolerances(print, result->rPercent, result->cPercent);
        if (result->circuit == ne555::Circuit::Monostable) {
            printRanged(print, "duration", double(result->value), result->durationRange);
        } else {
            printTiming(print, result->timing, result->ranges);
        }
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kCircuitSpecs = specsOf(ne555::kFields);
constexpr auto kDesignSpecs = specsOf(ne555::kDesignFields);
constexpr Example kExamples[] = {
    {"555 --astable --r1 1k --r2 10k --c 10 --tolerance 5 --c-tolerance 20", kCircuitSpecs},
    {"555 --monostable --r 10k --c 100", kCircuitSpecs},
    {"555 --design --frequency 1k --duty 60 --c 0.1", kDesignSpecs},
    {"555 --design --duration 1 --c 10 --tolerance 1 --c-tolerance 5", kDesignSpecs},
};
extern const Command ne555Command;
constinit const Command ne555Command{addNE555Command, kExamples};

} // namespace zelkor::cli
