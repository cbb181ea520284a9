// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc's subcommands, in the order its help lists them. A subcommand is its own file
// and one row here.

#include "cli/CommandLine.h"

namespace zelkor::cli {

void addOhmCommand(CLI::App &app, const Printer &print);
void addCoilCommand(CLI::App &app, const Printer &print);
void addNE555Command(CLI::App &app, const Printer &print);
void addRegulatorCommand(CLI::App &app, const Printer &print);
void addGainCommand(CLI::App &app, const Printer &print);
void addCombineCommand(CLI::App &app, const Printer &print);
void addTubeCommand(CLI::App &app, const Printer &print);
void addResistorCommand(CLI::App &app, const Printer &print);
void addLedCommand(CLI::App &app, const Printer &print);
void addHeatSinkCommand(CLI::App &app, const Printer &print);
void addBandsCommand(CLI::App &app, const Printer &print);
void addSmdCommand(CLI::App &app, const Printer &print);
void addInductorCommand(CLI::App &app, const Printer &print);
void addESeriesCommand(CLI::App &app, const Printer &print);
void addVoltageDividerCommand(CLI::App &app, const Printer &print);
void addRCCommand(CLI::App &app, const Printer &print);
void addLCCommand(CLI::App &app, const Printer &print);

namespace {
// One row a subcommand.
// clang-format off
constexpr AddCommand kCommands[] = {
    addOhmCommand,
    addResistorCommand,
    addBandsCommand,
    addSmdCommand,
    addESeriesCommand,
    addLedCommand,
    addCombineCommand,
    addVoltageDividerCommand,
    addRCCommand,
    addLCCommand,
    addHeatSinkCommand,
    addCoilCommand,
    addInductorCommand,
    addTubeCommand,
    addNE555Command,
    addRegulatorCommand,
    addGainCommand,
};
// clang-format on
} // namespace

std::span<const AddCommand> commandRegistry()
{
    return kCommands;
}

} // namespace zelkor::cli
