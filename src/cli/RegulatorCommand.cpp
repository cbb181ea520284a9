// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/AdjustableRegulator.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>

namespace zelkor::cli {

namespace {

using regulator::Field;
using regulator::Kind;

// The kind that the options name; nothing when none does.
std::optional<Kind> chosenKind(const FieldOptions &options, const CLI::Option *lm317,
                               const CLI::Option *lm337)
{
    if (lm317->count())
        return Kind::LM317;
    if (lm337->count())
        return Kind::LM337;
    if (options.has(Field::AdjustVref) || options.has(Field::AdjustCurrent))
        return Kind::Adjust;
    if (options.has(Field::Vref))
        return Kind::Feedback;
    return std::nullopt;
}

// The core calls an option of the other kind a conflict; that deserves its own sentence.
InputError wrongKind(const std::string &command, Field field)
{
    if (field == Field::Total)
        return InputError(command + ": --total belongs to --vref; the LM317 kind takes "
                                    "--min-current");
    return InputError(command + ": --min-current belongs to the LM317 kind; --vref takes --total");
}

void printResults(const Printer &print, const regulator::Result &result)
{
    const bool acrossR1 = result.part.kind != Kind::Feedback;
    print.result("negative", result.part.kind == Kind::LM337);
    if (result.mode == regulator::Mode::Analysis) {
        const regulator::Setting &s = result.settings.front();
        print.result("vout", s.vout);
        print.result("vout_min", s.voutRange.min);
        print.result("vout_max", s.voutRange.max);
        if (acrossR1)
            print.result("r1_current", s.r1Current);
        return;
    }
    print.result("exact", !result.settings.empty() && result.settings.front().exact);
    QJsonArray pairs;
    for (const regulator::Setting &s : result.settings) {
        QJsonObject pair{{QStringLiteral("r1"), s.r1},
                         {QStringLiteral("r2"), s.r2},
                         {QStringLiteral("vout"), s.vout},
                         {QStringLiteral("vout_min"), s.voutRange.min},
                         {QStringLiteral("vout_max"), s.voutRange.max},
                         {QStringLiteral("error"), s.error}};
        if (acrossR1)
            pair.insert(QStringLiteral("r1_current"), s.r1Current);
        pairs.append(pair);
    }
    print.result("pairs", pairs);
}

} // namespace

void addRegulatorCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "regulator", "Adjustable regulator: the output voltage of two resistors, or the best "
                     "standard resistors for an output voltage");
    auto *lm317 = command->add_flag("--lm317")->description(
        "LM317: 1.25 V across R1, 50 µA from the adjust pin, at least 10 mA of load");
    auto *lm337 = command->add_flag("--lm337")->description(
        "LM337, the negative twin: 1.25 V across R1, 65 µA from the adjust pin");
    const FieldOptions options(*command, regulator::kFields);
    const auto option = [command](const char *name) { return command->get_option(name); };
    lm317->excludes(lm337);
    for (CLI::Option *preset : {lm317, lm337}) {
        preset->excludes(option("--adjust-vref"));
        preset->excludes(option("--iadj"));
        preset->excludes(option("--vref"));
        // The presets bring their datasheet range of Vref.
        preset->excludes(option("--vref-tolerance"));
    }
    option("--vref")->excludes(option("--adjust-vref"));
    option("--vref")->excludes(option("--iadj"));
    for (const char *name : {"--series", "--min-current", "--total"}) {
        option(name)->excludes(option("--r1"));
        option(name)->excludes(option("--r2"));
    }

    command->callback([=] {
        const std::string &name = options.command();
        regulator::Texts texts;
        texts.kind = chosenKind(options, lm317, lm337);
        if (!texts.kind)
            throw InputError(name +
                             ": give --lm317, --lm337, --adjust-vref with --iadj, or --vref");
        texts.vref = options.given(Field::Vref);
        texts.adjustVref = options.given(Field::AdjustVref);
        texts.adjustCurrent = options.given(Field::AdjustCurrent);
        texts.vout = options.given(Field::Vout);
        texts.series = options.given(Field::Series);
        texts.minCurrent = options.given(Field::MinCurrent);
        texts.total = options.given(Field::Total);
        texts.r1 = options.given(Field::R1);
        texts.r2 = options.given(Field::R2);
        texts.tolerance = options.given(Field::Tolerance);
        texts.vrefTolerance = options.given(Field::VrefTolerance);
        const auto result = regulator::calculate(texts, Reading::Strict);
        if (!result) {
            const Problem<Field> &problem = result.problem();
            if (problem.reason == Reason::Conflict &&
                (problem.field == Field::Total || problem.field == Field::MinCurrent))
                throw wrongKind(name, problem.field);
            throw options.error(problem, regulator::problemText(problem));
        }
        print(regulator::resultText(*result));
        print.input("kind",
                    QString::fromLatin1(regulator::kKindNames[std::size_t(result->part.kind)]));
        options.reportInputs(print);
        print.input("tolerance", result->resistorPercent);
        if (result->part.kind == Kind::Adjust || result->part.kind == Kind::Feedback)
            print.input("vref_tolerance", result->vrefPercent);
        printResults(print, *result);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(regulator::kFields);
constexpr Example kExamples[] = {
    {"regulator --lm317 --vout 5 --series E24 --min-current 10", kSpecs},
    {"regulator --vref 0.8 --vout 3.3 --total 10k", kSpecs},
    {"regulator --adjust-vref 1.25 --iadj 50 --r1 240 --r2 720 --tolerance 1 --vref-tolerance 2",
     kSpecs},
    {"regulator --lm317 --r1 240 --r2 720", kSpecs},
};
extern const Command regulatorCommand;
constinit const Command regulatorCommand{addRegulatorCommand, kExamples};

} // namespace zelkor::cli
