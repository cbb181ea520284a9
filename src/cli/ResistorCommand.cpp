// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/JsonNumber.h"
#include "core/resistor/ResistorBands.h"
#include "core/resistor/ValueBands.h"

#include <QJsonArray>

#include <array>
#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

using resistor::Band;

constexpr std::array<Band, 4> kFourBands = {Band::FourBandsFirst, Band::FourBandsSecond,
                                            Band::FourBandsThird, Band::FourBandsFourth};
constexpr std::array<Band, 5> kFiveBands = {Band::FiveBandsFirst, Band::FiveBandsSecond,
                                            Band::FiveBandsThird, Band::FiveBandsFourth,
                                            Band::FiveBandsFifth};
constexpr std::array<Band, 6> kSixBands = {Band::SixBandsFirst, Band::SixBandsSecond,
                                           Band::SixBandsThird, Band::SixBandsFourth,
                                           Band::SixBandsFifth, Band::SixBandsSixth};

std::string allowedNames(Band band)
{
    std::string names;
    for (const int code : resistor::bandColorCodes(band)) {
        if (!names.empty())
            names += ", ";
        names += resistor::colorName(code).toStdString();
    }
    return names;
}

// The pick's position in the band's pop-up, the same number the panel computes from.
std::uint32_t position(Band band, std::size_t number, const std::string &name)
{
    const std::string which = "band " + std::to_string(number);
    const FieldSpec about{
        .key = "colours", .option = which.c_str(), .caption = nullptr, .help = nullptr};
    const auto refuse = [&](const std::string &because) {
        return inputError(
            "resistor", {about, name}, Reason::OutOfRange,
            QString::fromStdString(which + ": " + because + "; use " + allowedNames(band)));
    };
    const auto code = resistor::colorCodeForName(QString::fromStdString(name));
    if (!code)
        throw refuse(cli::quoted(name) + " is not a colour");
    const auto found = resistor::positionOf(band, *code);
    if (!found)
        throw refuse("cannot be " + resistor::colorName(*code).toStdString());
    return *found;
}

template <std::size_t N>
std::array<std::uint32_t, N> positions(const std::array<Band, N> &bands,
                                       const std::vector<std::string> &names)
{
    std::array<std::uint32_t, N> result{};
    for (std::size_t i = 0; i < N; ++i)
        result[i] = position(bands[i], i + 1, names[i]);
    return result;
}

// For --json: the colours as understood, and the value they stand for. The value comes from
// the digits themselves (4.7 kΩ is 4700, not the float nearest to it) and rounds to the text.
void reportColours(const Printer &print, const std::vector<std::string> &names)
{
    std::vector<int> codes;
    QJsonArray colourNames;
    for (const std::string &name : names) {
        codes.push_back(*resistor::colorCodeForName(QString::fromStdString(name)));
        colourNames.append(resistor::colorName(codes.back()));
    }
    print.input("colours", colourNames);
    const auto value = resistor::valueOfColorCodes(codes);
    if (!value)
        return;
    const double tolerance = decimal(value->tolerance);
    print.result("resistance", value->resistance);
    print.result("tolerance", tolerance);
    print.result("tolerance_ohms", value->resistance * tolerance / 100.0);
    if (codes.size() == 6)
        print.result("tempco", value->temperatureCoefficient);
}

} // namespace

void addResistorCommand(CLI::App &app, const Printer &print)
{
    auto colours = std::make_shared<std::vector<std::string>>();
    CLI::App *command = app.add_subcommand(
        "resistor", "Resistor colour code: four, five or six band colours, first band first; "
                    "prints resistance, tolerance and temperature coefficient");
    command->add_option("colours", *colours,
                        "black, brown, red, orange, yellow, green, blue, violet, grey, white, "
                        "gold, silver, none (also gray, purple)");

    command->callback([=] {
        resistor::Reading reading;
        if (colours->size() == 6) {
            const auto p = positions(kSixBands, *colours);
            reading = resistor::fiveBandsReading({p[0], p[1], p[2], p[3], p[4]});
            print(resistor::parseStringsFor(reading.resistance, reading.tolerance,
                                            resistor::sixBandsTemperatureCoefficientFor(p[5])));
        } else if (colours->size() == 4) {
            reading = resistor::fourBandsReading(positions(kFourBands, *colours));
            print(resistor::parseStringsFor(reading.resistance, reading.tolerance));
        } else if (colours->size() == 5) {
            reading = resistor::fiveBandsReading(positions(kFiveBands, *colours));
            print(resistor::parseStringsFor(reading.resistance, reading.tolerance));
        } else {
            throw InputError("resistor: give four, five or six colours, not " +
                             std::to_string(colours->size()));
        }
        reportColours(print, *colours);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr Example kExamples[] = {
    {"resistor brown black black brown brown red", {}},
};
extern const Command resistorCommand;
constinit const Command resistorCommand{addResistorCommand, kExamples};

} // namespace zelkor::cli
