// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/calculators/CoilExact.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addCoilCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string turns, outer, inner, length, inductance;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "coil", "Air-cored coil: prints the inductance of a single- or multi-layer winding "
                "(single layer: exact, then Wheeler's), or with --inductance the turns it needs");
    auto *single = command->add_flag("--single")->description("Single-layer coil");
    auto *multi = command->add_flag("--multi")->description("Multi-layer coil");
    single->excludes(multi);
    auto *turns = command->add_option("--turns", options->turns, "Number of turns")->type_name("N");
    auto *outer =
        command->add_option("--outer", options->outer, "Outer diameter in mm")->type_name("MM");
    auto *inner =
        command->add_option("--inner", options->inner, "Inner diameter in mm (multi-layer only)")
            ->type_name("MM");
    auto *length =
        command->add_option("--length", options->length, "Length in mm")->type_name("MM");
    auto *inductance = command
                           ->add_option("--inductance", options->inductance,
                                        "Wanted inductance in µH: prints the turns (no --turns)")
                           ->type_name("UH");

    command->callback([=] {
        using coil::Field;
        const OptionValue byField[] = {{single, options->turns}, // the winding is a flag
                                       {turns, options->turns},          {outer, options->outer},
                                       {inner, options->inner},          {length, options->length},
                                       {inductance, options->inductance}};
        coil::Texts texts;
        if (single->count() || multi->count())
            texts.winding = multi->count() ? coil::Winding::MultiLayer : coil::Winding::SingleLayer;
        texts.turns = given(byField[1]);
        texts.outerDiameter = given(byField[2]);
        texts.innerDiameter = given(byField[3]);
        texts.length = given(byField[4]);
        texts.inductance = given(byField[5]);
        const auto sought = texts.inductance ? coil::Sought::Turns : coil::Sought::Inductance;
        const auto solution = coil::solve(texts, sought, Reading::Strict);
        if (!solution) {
            const Problem<Field> problem = solution.problem();
            const OptionValue &option = byField[static_cast<int>(problem.field)];
            if (problem.field == Field::Winding)
                throw InputError("coil: give --single or --multi");
            if (problem.reason == Reason::Conflict)
                throw InputError("coil: give either --turns or --inductance, not both");
            if (problem.reason == Reason::Missing && problem.field == Field::Turns)
                throw InputError("coil: --turns or --inductance is missing");
            if (problem.reason == Reason::OutOfRange)
                throw InputError("coil: --inner must not be larger than --outer");
            if (problem.reason == Reason::Impossible &&
                (problem.field == Field::Turns || problem.field == Field::Inductance))
                throw InputError("coil: " + option.option->get_name() + " must be above 0");
            if (problem.reason == Reason::Impossible)
                throw InputError("coil: these dimensions describe no coil");
            throw inputError("coil", option, problem.reason);
        }
        print(coil::solutionText(*solution));
        const coil::Dimensions &in = solution->coil;
        if (sought == coil::Sought::Turns)
            print.input("inductance", solution->wanted * 1e-6);
        else
            print.input("turns", double(in.turns));
        print.input("outer", double(in.outerDiameter) / 1000.0);
        if (multi->count())
            print.input("inner", double(in.innerDiameter) / 1000.0);
        print.input("length", double(in.length) / 1000.0);
        const char *name = sought == coil::Sought::Turns ? "turns" : "inductance";
        const double scale = sought == coil::Sought::Turns ? 1.0 : 1e-6; // µH in henries
        if (solution->exact) {
            print.result(name, *solution->exact * scale);
            print.result(sought == coil::Sought::Turns ? "turns-wheeler" : "inductance-wheeler",
                         double(solution->wheeler) * scale);
        } else {
            print.result(name, double(solution->wheeler) * scale);
        }
    });
}

} // namespace zelkor::cli
