#include "cli/CommandLine.h"
#include "core/calculators/NE555.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addNE555Command(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string r1, r2, c, r;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "555", "555 timer: prints the astable frequency or the monostable pulse duration");
    auto *astable =
        command->add_flag("--astable")->description("Astable circuit: needs --r1, --r2 and --c");
    auto *monostable =
        command->add_flag("--monostable")->description("Monostable circuit: needs --r and --c");
    astable->excludes(monostable);
    auto *r1 = command->add_option("--r1", options->r1, "Astable R1 in Ω")->type_name("OHMS");
    auto *r2 = command->add_option("--r2", options->r2, "Astable R2 in Ω")->type_name("OHMS");
    auto *r = command->add_option("--r", options->r, "Monostable R in Ω")->type_name("OHMS");
    auto *c = command->add_option("--c", options->c, "Capacitance in µF")->type_name("UF");
    r1->excludes(monostable);
    r2->excludes(monostable);
    r->excludes(astable);

    command->callback([=] {
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
                throw InputError("555: give --astable or --monostable");
            throw inputError("555", byField[static_cast<int>(problem.field)], problem.reason);
        }
        print(ne555::resultText(*result));
    });
}

} // namespace zelkor::cli
