#include "cli/CommandLine.h"
#include "core/calculators/AirCoredCoil.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addCoilCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string turns, outer, inner, length;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "coil", "Air-cored coil: prints the inductance of a single- or multi-layer winding");
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

    command->callback([=] {
        using coil::Field;
        const OptionValue byField[] = {{single, options->turns}, // the winding is a flag
                                       {turns, options->turns},
                                       {outer, options->outer},
                                       {inner, options->inner},
                                       {length, options->length}};
        coil::Texts texts;
        if (single->count() || multi->count())
            texts.winding = multi->count() ? coil::Winding::MultiLayer : coil::Winding::SingleLayer;
        texts.turns = given(byField[1]);
        texts.outerDiameter = given(byField[2]);
        texts.innerDiameter = given(byField[3]);
        texts.length = given(byField[4]);
        const auto microhenries = coil::calculate(texts, Reading::Strict);
        if (!microhenries) {
            const Problem<Field> problem = microhenries.problem();
            if (problem.field == Field::Winding)
                throw InputError("coil: give --single or --multi");
            if (problem.reason == Reason::OutOfRange)
                throw InputError("coil: --inner must not be larger than --outer");
            if (problem.reason == Reason::Impossible)
                throw InputError("coil: these dimensions describe no coil");
            throw inputError("coil", byField[static_cast<int>(problem.field)], problem.reason);
        }
        print(coil::inductanceText(*microhenries));
    });
}

} // namespace zelkor::cli
