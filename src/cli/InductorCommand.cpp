// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/JsonNumber.h"
#include "core/resistor/InductorBands.h"
#include "core/resistor/ResistorBands.h"
#include "core/text/NumberReader.h"

#include <QJsonArray>
#include <QStringList>

#include <algorithm>
#include <CLI/CLI.hpp>
#include <iterator>
#include <memory>

namespace zelkor::cli {

namespace {

constexpr const char *kCommand = "inductor";

std::vector<int> colourCodes(const std::vector<std::string> &names)
{
    std::vector<int> codes;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto code = resistor::colorCodeForName(QString::fromStdString(names[i]));
        if (!code)
            throw InputError(std::string(kCommand) + ": band " + std::to_string(i + 1) + ": " +
                             quoted(names[i]) + " is not a colour");
        codes.push_back(*code);
    }
    return codes;
}

// A tolerance names its band ("gold") or its percentage ("5", "5%").
float toleranceOf(const OptionValue &option)
{
    const QString typed = QString::fromStdString(option.value).trimmed();
    float percent = 0.0f;
    if (const auto code = resistor::colorCodeForName(typed)) {
        const auto position = resistor::positionOf(resistor::Band::InductorTolerance, *code);
        if (position)
            percent = resistor::inductorToleranceFor(*position);
    } else {
        QStringView number = typed;
        if (number.endsWith(u'%'))
            number.chop(1);
        percent = parseNumber(number).value_or(0.0f);
    }
    if (std::ranges::find(resistor::kInductorTolerances, percent) ==
        std::end(resistor::kInductorTolerances))
        throw InputError(std::string(kCommand) + ": --tolerance: " + quoted(option.value) +
                         " is no tolerance band; use 20, 10, 5, 4, 3, 2 or 1 (%) or black, "
                         "silver, gold, yellow, orange, red or brown");
    return percent;
}

void reportValue(const Printer &print, const resistor::InductorValue &value)
{
    const double percent = decimal(value.tolerance);
    print.result("inductance", resistor::henriesOf(value.microhenries));
    print.result("tolerance_plus_percent", percent);
    print.result("tolerance_minus_percent", percent);
}

} // namespace

void addInductorCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::vector<std::string> colours;
        std::string value, tolerance;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        kCommand, "Inductor colour code in µH: three or four colours, first band first, give "
                  "the inductance and tolerance; --value gives the colours for an inductance");
    command->add_option("colours", options->colours,
                        "two digits, a multiplier (silver 0.01 ... yellow 10000) and a "
                        "tolerance (black or none 20 %, silver 10, gold 5, yellow 4, orange 3, "
                        "red 2, brown 1)");
    auto *value = command->add_option("--value", options->value,
                                      "The inductance in µH (4.7, 4u7, 10m for 10 mH)");
    auto *tolerance = command->add_option(
        "--tolerance", options->tolerance,
        "With --value: the tolerance band, by colour or in percent (silver, 10)");

    command->callback([=] {
        if (value->count() && !options->colours.empty())
            throw InputError(std::string(kCommand) + ": give either colours or --value, not both");
        if (!value->count()) {
            if (tolerance->count())
                throw InputError(std::string(kCommand) + ": --tolerance needs --value");
            if (options->colours.empty())
                throw InputError(std::string(kCommand) + ": give three or four colours or --value");
            const std::vector<int> codes = colourCodes(options->colours);
            const resistor::InductorReading reading = resistor::readInductorBands(codes);
            if (reading.failure != resistor::InductorBandsFailure::None)
                throw InputError(
                    std::string(kCommand) + ": " +
                    resistor::inductorReadingFailureText(reading, codes).toStdString());
            print(resistor::inductorBandsText(reading.value));
            QJsonArray names;
            for (const int code : codes)
                names.append(resistor::colorName(code));
            print.input("colours", names);
            reportValue(print, reading.value);
            return;
        }

        const OptionValue typed{value, options->value};
        const PreciseValueReading read =
            readPreciseValue(QString::fromStdString(options->value), units::kMicrohenries);
        if (read.otherQuantity)
            throw inputError(kCommand, typed, Reason::OtherQuantity);
        if (!read.value)
            throw inputError(kCommand, typed, Reason::NotANumber);
        if (!(*read.value > 0.0))
            throw InputError(std::string(kCommand) + ": --value must be above 0");
        const float percent = tolerance->count() ? toleranceOf({tolerance, options->tolerance})
                                                 : resistor::kDefaultInductorTolerance;
        const resistor::LaidOutBands bands = resistor::inductorBandsFor(*read.value, percent);
        if (bands.failure != resistor::ColorBandsFailure::None)
            throw InputError(std::string(kCommand) + ": " +
                             resistor::inductorBandsFailureText(bands, percent).toStdString());
        QStringList names;
        for (const int code : bands.codes)
            names.append(resistor::colorName(code));
        print(names.join(u' '));
        const resistor::InductorValue shown{bands.value, percent};
        print(resistor::inductorBandsText(shown));
        if (bands.rounded)
            print(resistor::inductorBandsForTypedValue(QString::fromStdString(options->value),
                                                       percent)
                      .note);
        print.input("value", resistor::henriesOf(*read.value));
        print.input("tolerance", decimal(percent));
        print.result("colours", QJsonArray::fromStringList(names));
        reportValue(print, shown);
    });
}

// Valid command lines, walked by the tests: the JSON of both directions.
constexpr Example kExamples[] = {
    {"inductor brown black black silver", {}},
    {"inductor --value 4.7 --tolerance gold", {}},
};
extern const Command inductorCommand;
constinit const Command inductorCommand{addInductorCommand, kExamples};

} // namespace zelkor::cli
