// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/FieldOptions.h"
#include "core/calculators/ResistorCombinations.h"
#include "core/calculators/SeriesParallel.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

using seriesparallel::Field;
using seriesparallel::kFields;

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

void search(const Printer &print, const FieldOptions &options)
{
    const auto inputs =
        seriesparallel::searchInputs(options.given(Field::Target), options.given(Field::Series),
                                     options.given(Field::PartsCount), Reading::Strict);
    if (!inputs)
        throw options.error(inputs.problem());
    const auto found =
        combinations::bestCombinations(inputs->target, inputs->series, inputs->maxParts);
    if (found.outcome != combinations::SearchOutcome::Found)
        throw options.error(Problem<Field>{Reason::OutOfRange, Field::Target},
                            combinations::searchText(found));
    print.input("target", inputs->target);
    print.input("series", eseries::name(inputs->series));
    print.input("parts", inputs->maxParts);
    printSearch(print, found);
}

} // namespace

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
        "combine", "Series and parallel connection: the totals of a list of parts, or the best "
                   "standard resistors for a target");
    auto *resistors =
        command->add_flag("--resistors", options->resistors, "The values are resistors in Ω");
    auto *capacitors =
        command->add_flag("--capacitors", options->capacitors, "The values are capacitors in µF");
    resistors->excludes(capacitors);
    const FieldOptions fields(*command, kFields);
    command->add_option("values", options->values, "The value of each part");

    command->callback([=] {
        const std::string &name = fields.command();
        if (fields.has(Field::Target)) {
            if (options->resistors || options->capacitors || !options->values.empty())
                throw InputError(name + ": give either --target or a list of parts, not both");
            if (fields.has(Field::Tolerance))
                throw InputError(name + ": --tolerance needs a list of parts");
            search(print, fields);
            return;
        }
        // Options of the search alone would go unused: say so rather than ignore them.
        for (const Field searchOnly : {Field::Series, Field::PartsCount})
            if (fields.has(searchOnly))
                throw InputError(name + ": " + fieldSpec(kFields, searchOnly).option +
                                 " needs --target");
        if (options->values.empty())
            throw InputError(name + ": give the values of the parts, or --target");
        std::optional<seriesparallel::PartKind> kind;
        if (options->resistors || options->capacitors)
            kind = options->resistors ? seriesparallel::PartKind::Resistors
                                      : seriesparallel::PartKind::Capacitors;
        QList<QString> parts;
        for (const std::string &value : options->values)
            parts.append(QString::fromStdString(value));
        const auto totals =
            seriesparallel::calculate(kind, parts, Reading::Strict, fields.given(Field::Tolerance));
        if (!totals) {
            const Problem<Field> problem = totals.problem();
            if (problem.field == Field::Kind)
                throw InputError(name + ": give --resistors or --capacitors");
            if (problem.field == Field::Tolerance)
                throw fields.error(problem);
            FieldSpec part = fieldSpec(kFields, Field::Parts);
            part.rule = seriesparallel::partRule(*kind);
            const std::string &value = options->values[static_cast<std::size_t>(problem.item)];
            const std::string which = "part " + std::to_string(problem.item + 1);
            part.option = which.c_str();
            throw inputError(name, {part, value}, problem.reason);
        }
        print(seriesparallel::resultText(*kind, *totals) + u'\n' +
              seriesparallel::rangeText(*kind, *totals));
        print.input("tolerance", totals->percent);
        // Capacitors are kept in µF; JSON reports base units.
        const double scale = *kind == seriesparallel::PartKind::Capacitors ? 1e-6 : 1.0;
        print.result("series", totals->series(*kind) * scale);
        print.result("series_min", totals->seriesRange(*kind).min * scale);
        print.result("series_max", totals->seriesRange(*kind).max * scale);
        print.result("parallel", totals->parallel(*kind) * scale);
        print.result("parallel_min", totals->parallelRange(*kind).min * scale);
        print.result("parallel_max", totals->parallelRange(*kind).max * scale);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr auto kSpecs = specsOf(kFields);
constexpr Example kExamples[] = {
    {"combine --capacitors 10p 22p", kSpecs},
    {"combine --resistors --tolerance 5 100 220", kSpecs},
    {"combine --target 1234 --series E96 --parts 3", kSpecs},
};
extern const Command combineCommand;
constinit const Command combineCommand{addCombineCommand, kExamples};

} // namespace zelkor::cli
