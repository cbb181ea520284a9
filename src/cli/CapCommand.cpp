// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/capacitor/CapacitorCode.h"

#include <QJsonArray>

#include <CLI/CLI.hpp>
#include <memory>

using namespace Qt::StringLiterals;

namespace zelkor::cli {

namespace {

// The system's name in --json, the same in every language.
const char *systemKey(capacitor::System system)
{
    switch (system) {
    case capacitor::System::Voltage:
        return "voltage_code";
    case capacitor::System::Digits:
        return "digits";
    case capacitor::System::DecimalMark:
        return "r_notation";
    case capacitor::System::UnitLetter:
        return "unit_letter";
    case capacitor::System::Microfarads:
        return "microfarads";
    case capacitor::System::Tantalum:
        return "tantalum";
    case capacitor::System::Eia198:
        break;
    }
    return "eia198";
}

QJsonObject readingJson(const capacitor::Reading &reading)
{
    QJsonObject json{{u"system"_s, QLatin1String(systemKey(reading.system))}};
    if (reading.capacitance)
        json.insert(u"capacitance"_s, *reading.capacitance);
    if (reading.tolerance && reading.tolerance->farads > 0.0)
        json.insert(u"tolerance_farads"_s, reading.tolerance->farads);
    else if (reading.tolerance) {
        json.insert(u"tolerance_plus_percent"_s, reading.tolerance->plusPercent);
        json.insert(u"tolerance_minus_percent"_s, reading.tolerance->minusPercent);
    }
    if (reading.voltage)
        json.insert(u"voltage"_s, *reading.voltage);
    return json;
}

} // namespace

void addCapCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::vector<std::string> code;
        std::string value;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "cap", "Capacitor markings: the value, tolerance and voltage of a code (104J 2A, 4R7, "
               "S4, A475, 47 16V), or with --value the codes of a value");
    auto *code = command->add_option(
        "CODE", options->code, "The marking; a voltage may follow as a second word, e.g. 104J 2A");
    auto *value = command->add_option(
        "--value", options->value,
        "A capacitance to write as codes, e.g. 100n or 4.7u; a bare number is in µF");
    code->excludes(value);

    command->callback([=] {
        using namespace capacitor;
        if (value->count()) {
            const auto farads = readCapacitance(QString::fromStdString(options->value));
            if (!farads)
                throw InputError("cap: --value: " + cli::quoted(options->value) +
                                 " is not a capacitance from 0.01 pF to 100 kF");
            const Encoded encoded = encode(*farads);
            print(encodedText(encoded, *farads));
            print.input("value", *farads);
            if (encoded.threeDigits)
                print.result("three_digits", *encoded.threeDigits);
            if (encoded.eia198) {
                print.result("eia198", *encoded.eia198);
                print.result("eia198_capacitance", encoded.eia198Capacitance);
                print.result("eia198_nearest", encoded.eia198Nearest);
            }
            return;
        }
        if (!code->count())
            throw InputError("cap: give a CODE or --value");
        std::string joined;
        for (const std::string &word : options->code)
            joined += (joined.empty() ? "" : " ") + word;
        const Decoded decoded = decode(QString::fromStdString(joined));
        if (decoded.failure != Failure::None)
            throw inputError("cap", {code, joined}, Reason::OutOfRange, decodedText(decoded));
        print(decodedText(decoded));
        print.input("code", QString::fromStdString(joined));
        // The likelier reading's figures stand in results themselves, the others in a list.
        const QJsonObject first = readingJson(decoded.readings.front());
        for (auto it = first.begin(); it != first.end(); ++it)
            print.result(it.key().toLatin1().constData(), it.value());
        QJsonArray alternatives;
        for (std::size_t i = 1; i < decoded.readings.size(); ++i)
            alternatives.append(readingJson(decoded.readings[i]));
        if (!alternatives.isEmpty())
            print.result("alternatives", alternatives);
    });
}

// Valid command lines, walked by the tests: the JSON of both directions.
constexpr Example kExamples[] = {
    {"cap R5", {}},
    {"cap --value 4.75n", {}},
};
extern const Command capCommand;
constinit const Command capCommand{addCapCommand, kExamples};

} // namespace zelkor::cli
