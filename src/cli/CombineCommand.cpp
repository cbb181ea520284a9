#include "cli/CommandLine.h"
#include "core/calculators/SeriesParallel.h"

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
        using seriesparallel::Field;
        std::optional<seriesparallel::PartKind> kind;
        if (options->resistors || options->capacitors)
            kind = options->resistors ? seriesparallel::PartKind::Resistors
                                      : seriesparallel::PartKind::Capacitors;
        QList<QString> parts;
        for (const std::string &value : options->values)
            parts.append(QString::fromStdString(value));
        const auto totals = seriesparallel::calculate(kind, parts, Reading::Strict);
        if (!totals) {
            const Problem<Field> problem = totals.problem();
            if (problem.field == Field::Kind)
                throw InputError("combine: give --resistors or --capacitors");
            const std::string &value = options->values[static_cast<std::size_t>(problem.item)];
            throw InputError("combine: '" + value +
                             (problem.reason == Reason::OtherQuantity ? "' has the wrong unit"
                                                                      : "' is not a number"));
        }
        print(seriesparallel::resultText(*kind, *totals));
    });
}

} // namespace zelkor::cli
