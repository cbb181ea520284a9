#include "core/calculators/NE555.h"
#include "cli/CommandLine.h"

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
        if (astable->count()) {
            const float hertz = ne555::astableFrequency(givenNumber("555", r1, options->r1),
                                                        givenNumber("555", r2, options->r2),
                                                        givenNumber("555", c, options->c));
            print(ne555::frequencyText(hertz));
        } else if (monostable->count()) {
            const float seconds = ne555::monostablePulseDuration(givenNumber("555", r, options->r),
                                                                 givenNumber("555", c, options->c));
            print(ne555::pulseDurationText(seconds));
        } else {
            throw InputError("555: give --astable or --monostable");
        }
    });
}

} // namespace zelkor::cli
