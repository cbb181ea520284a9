#include "core/calculators/AirCoredCoil.h"
#include "cli/CommandLine.h"

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
        if (!single->count() && !multi->count())
            throw InputError("coil: give --single or --multi");
        const bool multiLayer = multi->count() > 0;

        coil::Dimensions dimensions;
        dimensions.turns = nonZeroNumber("coil", turns, options->turns);
        dimensions.outerDiameter = nonZeroNumber("coil", outer, options->outer);
        if (multiLayer) {
            dimensions.innerDiameter = nonZeroNumber("coil", inner, options->inner);
            if (dimensions.innerDiameter > dimensions.outerDiameter)
                throw InputError("coil: --inner must not be larger than --outer");
        }
        dimensions.length = nonZeroNumber("coil", length, options->length);

        const auto microhenries = coil::inductance(
            multiLayer ? coil::Winding::MultiLayer : coil::Winding::SingleLayer, dimensions);
        if (!microhenries)
            throw InputError("coil: these dimensions describe no coil");
        print(coil::inductanceText(*microhenries));
    });
}

} // namespace zelkor::cli
