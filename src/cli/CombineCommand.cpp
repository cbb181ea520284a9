// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/calculators/ResistorCombinations.h"
#include "core/calculators/SeriesParallel.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

// The series a search may use; E3 is too coarse to be worth combining.
std::optional<eseries::Series> searchSeries(const std::string &name)
{
    const auto series = eseries::parse(QString::fromStdString(name));
    if (!series || *series == eseries::Series::E3)
        return std::nullopt;
    return series;
}

void printSearch(const Printer &print, const combinations::Search &search)
{
    print(combinations::searchText(search));
    QJsonArray found;
    for (const combinations::Combination &c : search.best) {
        QJsonArray parts;
        for (int i = 0; i < c.count; ++i)
            parts.append(c.parts[std::size_t(i)]);
        found.append(QJsonObject{{QStringLiteral("parts"), parts},
                                 {QStringLiteral("value"), c.value},
                                 {QStringLiteral("error_percent"), c.errorPercent}});
    }
    print.result("combinations", found);
}

} // namespace

void addCombineCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        bool resistors = false;
        bool capacitors = false;
        std::vector<std::string> values;
        std::string target;
        std::string series = "E24";
        std::string parts = "2";
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "combine", "Series and parallel connection: the totals of a list of parts, or the best "
                   "standard resistors for a target");
    auto *resistors =
        command->add_flag("--resistors", options->resistors, "The values are resistors in Ω");
    auto *capacitors =
        command->add_flag("--capacitors", options->capacitors, "The values are capacitors in µF");
    resistors->excludes(capacitors);
    auto *target = command->add_option("--target", options->target,
                                       "The resistance to reach with standard resistors, in Ω");
    command->add_option("--series", options->series, "The E series for --target (E6 to E192)")
        ->capture_default_str();
    command->add_option("--parts", options->parts, "At most this many parts for --target (2 or 3)")
        ->capture_default_str();
    command->add_option("values", options->values, "The value of each part");

    command->callback([=] {
        if (target->count()) {
            if (options->resistors || options->capacitors || !options->values.empty())
                throw InputError("combine: give either --target or a list of parts, not both");
            const ValueReading reading =
                readValue(QString::fromStdString(options->target), units::kOhms);
            if (!reading.value)
                throw inputError("combine", {target, options->target},
                                 reading.otherQuantity ? Reason::OtherQuantity
                                                       : Reason::NotANumber);
            const auto series = searchSeries(options->series);
            if (!series)
                throw InputError("combine: --series must be one of E6, E12, E24, E48, E96, E192");
            if (options->parts != "2" && options->parts != "3")
                throw InputError("combine: --parts must be 2 or 3");
            const int parts = options->parts == "3" ? 3 : 2;
            const auto search = combinations::bestCombinations(*reading.value, *series, parts);
            if (search.outcome == combinations::SearchOutcome::NotPositive)
                throw InputError("combine: --target must be above 0");
            if (search.outcome != combinations::SearchOutcome::Found)
                throw InputError("combine: " + combinations::searchText(search).toStdString());
            print.input("target", double(*reading.value));
            print.input("series", eseries::name(*series));
            print.input("parts", parts);
            printSearch(print, search);
            return;
        }
        using seriesparallel::Field;
        if (options->values.empty())
            throw InputError("combine: give the values of the parts, or --target");
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
        // Capacitors are kept in µF; JSON reports base units.
        const double scale = *kind == seriesparallel::PartKind::Capacitors ? 1e-6 : 1.0;
        print.result("series", totals->series(*kind) * scale);
        print.result("parallel", totals->parallel(*kind) * scale);
    });
}

} // namespace zelkor::cli
