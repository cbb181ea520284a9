// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "cli/JsonNumber.h"
#include "core/calculators/CoilExact.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

void addCoilCommand(CLI::App &app, const Printer &print)
{
    CLI::App *command = app.add_subcommand(
        "coil", "Air-cored coil: prints the inductance of a single- or multi-layer winding "
                "(single layer: exact, then Wheeler's), or with --inductance the turns it needs");
    auto *single = command->add_flag("--single")->description("Single-layer coil");
    auto *multi = command->add_flag("--multi")->description("Multi-layer coil");
    single->excludes(multi);
    const FieldOptions options(*command, coil::kFields);

    command->callback([=] {
        using coil::Field;
        coil::Texts texts{std::nullopt,
                          options.given(Field::Turns),
                          options.given(Field::OuterDiameter),
                          options.given(Field::InnerDiameter),
                          options.given(Field::Length),
                          options.given(Field::Inductance)};
        if (single->count() || multi->count())
            texts.winding = multi->count() ? coil::Winding::MultiLayer : coil::Winding::SingleLayer;
        const auto sought = texts.inductance ? coil::Sought::Turns : coil::Sought::Inductance;
        const auto solution = coil::solve(texts, sought, Reading::Strict);
        if (!solution) {
            const Problem<Field> problem = solution.problem();
            if (problem.field == Field::Winding)
                throw InputError("coil: give --single or --multi");
            const bool inner = problem.field == Field::InnerDiameter;
            throw options.error(problem,
                                problem.reason == Reason::OutOfRange && inner
                                    ? QStringLiteral("--inner must not be larger than --outer")
                                    : QStringLiteral("these dimensions describe no coil"));
        }
        print(coil::solutionText(*solution));

        options.reportInputs(print);
        if (sought == coil::Sought::Turns)
            print.input("inductance", decimal(float(solution->wanted)) / 1e6); // µH in henries
        const char *name = sought == coil::Sought::Turns ? "turns" : "inductance";
        const double scale = sought == coil::Sought::Turns ? 1.0 : 1e-6;
        if (solution->exact) {
            print.result(name, *solution->exact * scale);
            print.result(sought == coil::Sought::Turns ? "turns_wheeler" : "inductance_wheeler",
                         double(solution->wheeler) * scale);
        } else {
            print.result(name, double(solution->wheeler) * scale);
        }
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(coil::kFields);
constexpr Example kExamples[] = {
    {"coil --multi --turns 100 --outer 25.4 --inner 12.7 --length 50.8", kSpecs},
    {"coil --single --inductance 5 --outer 25.4 --length 50.8", kSpecs},
};
extern const Command coilCommand;
constinit const Command coilCommand{addCoilCommand, kExamples};

} // namespace zelkor::cli
