#include "core/calculators/OhmsLaw.h"
#include "cli/CommandLine.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

void addOhmCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string power, voltage, current;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "ohm", "Ohm's law: give two of power, voltage and current; prints all four quantities");
    auto *power = command->add_option("--power", options->power, "Power in W");
    auto *voltage = command->add_option("--voltage", options->voltage, "Voltage in V");
    auto *current = command->add_option("--current", options->current, "Current in A");

    command->callback([=] {
        using ohmslaw::Quantity;
        std::vector<std::pair<Quantity, float>> given;
        if (power->count())
            given.emplace_back(Quantity::Power, number("--power", options->power));
        if (voltage->count())
            given.emplace_back(Quantity::Voltage, number("--voltage", options->voltage));
        if (current->count())
            given.emplace_back(Quantity::Current, number("--current", options->current));
        if (given.size() != 2)
            throw InputError("ohm: give exactly two of --power, --voltage and --current");

        const ohmslaw::Solution s =
            ohmslaw::solve(given[0].first, given[0].second, given[1].first, given[1].second);
        const auto line = [&](const char *key, float value, const QString &unit) {
            print(formatText(u"%@: %@ %@", {text(key), formatShortest(value), unit}));
        };
        line("Power", s.power, QStringLiteral("W"));
        line("Voltage", s.voltage, QStringLiteral("V"));
        line("Current", s.current, QStringLiteral("A"));
        line("Resistance", s.resistance, text("Ohm"));
    });
}

} // namespace zelkor::cli
