// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc's subcommands, in the order its help lists them. A subcommand is its own file
// and one row here.

#include "cli/CommandLine.h"

namespace zelkor::cli {

extern const Command ohmCommand;
extern const Command resistorCommand;
extern const Command bandsCommand;
extern const Command smdCommand;
extern const Command capCommand;
extern const Command eseriesCommand;
extern const Command ledCommand;
extern const Command combineCommand;
extern const Command dividerCommand;
extern const Command rcCommand;
extern const Command lcCommand;
extern const Command heatSinkCommand;
extern const Command coilCommand;
extern const Command inductorCommand;
extern const Command tubeCommand;
extern const Command ne555Command;
extern const Command regulatorCommand;
extern const Command gainCommand;

namespace {
// One row a subcommand.
// clang-format off
constexpr const Command *kCommands[] = {
    &ohmCommand,
    &resistorCommand,
    &bandsCommand,
    &smdCommand,
    &capCommand,
    &eseriesCommand,
    &ledCommand,
    &combineCommand,
    &dividerCommand,
    &rcCommand,
    &lcCommand,
    &heatSinkCommand,
    &coilCommand,
    &inductorCommand,
    &tubeCommand,
    &ne555Command,
    &regulatorCommand,
    &gainCommand,
};
// clang-format on
} // namespace

std::span<const Command *const> commandRegistry()
{
    return kCommands;
}

} // namespace zelkor::cli
