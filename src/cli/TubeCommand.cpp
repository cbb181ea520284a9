// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/tubes/Tube.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

// The designation as the error message shows it: valid characters as typed, but nothing that
// could move the terminal's cursor or reorder the line.
std::string shown(const QString &designation)
{
    QString text;
    for (const QChar c : designation)
        text += c.isSurrogate() ? QString(c) : zkTube::shownCharacter(c.unicode());
    return text.toStdString();
}

std::string reason(zkTube::Failure failure)
{
    switch (failure) {
    case zkTube::Failure::Empty:
        return "the designation is empty";
    case zkTube::Failure::NoBaseDigit:
    case zkTube::Failure::None:
        break;
    }
    return "no digit after the letters";
}

} // namespace

void addTubeCommand(CLI::App &app, const Printer &print)
{
    auto designation = std::make_shared<std::string>();
    CLI::App *command = app.add_subcommand(
        "tube", "Decodes a European receiving-tube designation such as ECC83: the electrode "
                "systems, the heater supply and the base");
    const CLI::Option *argument =
        command->add_option("DESIGNATION", *designation, "The type designation, e.g. ECC83")
            ->required();

    command->callback([=] {
        const zkTube tube(QString::fromStdString(*designation));
        if (!tube.isDecoded()) {
            const std::string typed = shown(tube.tubeId());
            throw inputError("tube", {argument, typed}, Reason::OutOfRange,
                             QString::fromStdString("cannot decode " + cli::quoted(typed) + ": " +
                                                    reason(tube.failure())));
        }
        print(tube.decodedText());
        print.input("designation", tube.tubeId());
        print.result("systems",
                     QJsonArray::fromStringList(tube.purpose().split(u'\n', Qt::SkipEmptyParts)));
        // The heater supply alone: the caption belongs to the text.
        QString heating = tube.heating();
        heating.remove(0, heating.indexOf(QLatin1String(": ")) + 2);
        print.result("heating", heating);
        print.result("base", tube.socket());
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr Example kExamples[] = {
    {"tube ECC83", {}},
};
extern const Command tubeCommand;
constinit const Command tubeCommand{addTubeCommand, kExamples};

} // namespace zelkor::cli
