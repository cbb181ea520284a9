#include "core/calculators/SeriesParallel.h"
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addCombineCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        bool resistors = false;
        bool capacitors = false;
        std::vector<std::string> values;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "combine", "Series and parallel connection: the totals of a list of parts");
    auto *resistors =
        command->add_flag("--resistors", options->resistors, "The values are resistors in Ω");
    auto *capacitors =
        command->add_flag("--capacitors", options->capacitors, "The values are capacitors in µF");
    resistors->excludes(capacitors);
    command->add_option("values", options->values, "The value of each part")->required();

    command->callback([=] {
        if (!options->resistors && !options->capacitors)
            throw InputError("combine: give --resistors or --capacitors");
        QList<QString> parts;
        for (const std::string &value : options->values) {
            QString part = QString::fromStdString(value);
            if (!seriesparallel::isPart(part))
                throw InputError("combine: '" + value + "' is not a number");
            parts.append(std::move(part));
        }
        const auto kind = options->resistors ? seriesparallel::PartKind::Resistors
                                             : seriesparallel::PartKind::Capacitors;
        print(seriesparallel::resultText(kind, parts));
    });
}

} // namespace zelkor::cli
