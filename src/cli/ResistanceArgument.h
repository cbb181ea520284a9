// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CommandLine.h"
#include "core/resistor/ResistanceValue.h"

#include <string>

namespace zelkor::cli {

// A resistance argument ("4k7", "49.9k", "4700"), read the way the resistor panels read their
// value fields; throws InputError naming the command otherwise.
inline double resistanceArgument(const std::string &command, const std::string &value)
{
    const auto ohms = resistor::readResistance(QString::fromStdString(value));
    if (!ohms) {
        const FieldSpec about{
            .key = "value", .option = nullptr, .caption = nullptr, .help = nullptr};
        throw inputError(command, {about, value}, Reason::OutOfRange,
                         QString::fromStdString(cli::quoted(value) + " is not a resistance"));
    }
    return *ohms;
}

} // namespace zelkor::cli
