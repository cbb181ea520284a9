// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

void printTiming(const Printer &print, const ne555::AstableTiming &timing)
{
    print.result("frequency", double(timing.frequency));
    print.result("highTime", double(timing.highTime));
    print.result("lowTime", double(timing.lowTime));
    print.result("duty", double(timing.dutyPercent));
}

// The reason a design failed, as the panel shows it.
void checkDesigned(ne555::DesignOutcome outcome, const QString &reason)
{
    if (outcome != ne555::DesignOutcome::Designed)
        throw InputError("555: " + reason.toStdString());
}

} // namespace

void addNE555Command(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string r1, r2, c, r, frequency, duty, duration, series = "E24";
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "555", "555 timer: prints the astable frequency or the monostable pulse duration, or "
               "designs the resistors for a target");
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
    auto *r1 = command->add_option("--r1", options->r1, "Astable R1 in Ω")->type_name("OHMS");
    auto *r2 = command->add_option("--r2", options->r2, "Astable R2 in Ω")->type_name("OHMS");
    auto *r = command->add_option("--r", options->r, "Monostable R in Ω")->type_name("OHMS");
    auto *c = command->add_option("--c", options->c, "Capacitance in µF")->type_name("UF");
    auto *frequency =
        command->add_option("--frequency", options->frequency, "Design: target frequency in Hz")
            ->type_name("HZ");
    auto *duty = command->add_option("--duty", options->duty, "Design: duty cycle in %, above 50")
                     ->type_name("PERCENT");
    auto *duration =
        command->add_option("--duration", options->duration, "Design: pulse duration in s")
            ->type_name("S");
    auto *series = command->add_option("--series", options->series,
                                       "Design: E3, E6, E12, E24, E48, E96 or E192 (E24)");
    r1->excludes(monostable);
    r2->excludes(monostable);
    r->excludes(astable);
    for (CLI::Option *option : {frequency, duty, duration, series})
        option->needs(design);
    for (CLI::Option *option : {r1, r2, r})
        option->excludes(design);
    duration->excludes(frequency);
    duration->excludes(duty);

    const auto runDesign = [=] {
        using ne555::DesignField;
        const auto chosen = eseries::parse(QString::fromStdString(options->series));
        if (!chosen)
            throw InputError("555: --series: '" + options->series +
                             "' is not a series; use E3, E6, E12, E24, E48, E96 or E192");
        const OptionValue byField[] = {{frequency, options->frequency},
                                       {duty, options->duty},
                                       {duration, options->duration},
                                       {c, options->c}};
        const ne555::DesignTexts texts{given(byField[0]), given(byField[1]), given(byField[2]),
                                       given(byField[3]), *chosen};
        const auto fail = [&](const Problem<DesignField> &problem) {
            return inputError("555", byField[static_cast<int>(problem.field)], problem.reason);
        };
        if (duration->count()) {
            const auto d = ne555::designMonostable(texts, Reading::Strict);
            if (!d)
                throw fail(d.problem());
            checkDesigned(d->outcome, ne555::designText(*d));
            print(ne555::designText(*d));
            print.input("duration", double(d->duration));
            print.input("c", double(d->c1) * 1e-6);
            print.result("rIdeal", d->idealR);
            print.result("r", d->standardR);
            print.result("duration", double(d->standardDuration));
            return;
        }
        if (!frequency->count() && !duty->count())
            throw InputError("555: --design needs --frequency and --duty, or --duration");
        const auto d = ne555::designAstable(texts, Reading::Strict);
        if (!d)
            throw fail(d.problem());
        checkDesigned(d->outcome, ne555::designText(*d));
        print(ne555::designText(*d));
        print.input("frequency", double(d->frequency));
        print.input("duty", double(d->dutyPercent));
        print.input("c", double(d->c1) * 1e-6);
        print.result("r1Ideal", d->idealR1);
        print.result("r2Ideal", d->idealR2);
        print.result("r1", d->standardR1);
        print.result("r2", d->standardR2);
        printTiming(print, d->withStandardParts);
    };

    command->callback([=] {
        if (design->count()) {
            runDesign();
            return;
        }
        using ne555::Field;
        const OptionValue byField[] = {{astable, options->r1}, // the circuit is a flag
                                       {r1, options->r1},
                                       {r2, options->r2},
                                       {r, options->r},
                                       {c, options->c}};
        ne555::Texts texts{std::nullopt, given(byField[1]), given(byField[2]), given(byField[3]),
                           given(byField[4])};
        if (astable->count())
            texts.circuit = ne555::Circuit::Astable;
        else if (monostable->count())
            texts.circuit = ne555::Circuit::Monostable;
        const auto result = ne555::calculate(texts, Reading::Strict);
        if (!result) {
            const Problem<Field> problem = result.problem();
            if (problem.field == Field::Circuit)
                throw InputError("555: give --astable, --monostable or --design");
            throw inputError("555", byField[static_cast<int>(problem.field)], problem.reason);
        }
        print(ne555::resultText(*result));
        print.input("c", double(result->c1) * 1e-6);
        if (result->circuit == ne555::Circuit::Monostable) {
            print.input("r", double(result->r));
            print.result("duration", double(result->value));
        } else {
            print.input("r1", double(result->r1));
            print.input("r2", double(result->r2));
            printTiming(print, result->timing);
        }
    });
}

} // namespace zelkor::cli
