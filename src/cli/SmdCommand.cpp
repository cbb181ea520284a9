// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/ResistanceArgument.h"
#include "core/resistor/SmdCode.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace zelkor::cli {

namespace {

// The system's name in --json, the same in every language.
const char *systemKey(resistor::smd::System system)
{
    switch (system) {
    case resistor::smd::System::ThreeDigits:
        return "three_digits";
    case resistor::smd::System::FourDigits:
        return "four_digits";
    case resistor::smd::System::Eia96:
        break;
    }
    return "eia96";
}

} // namespace

void addSmdCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string code, value;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "smd", "SMD resistor codes: the value of a code (three digits, four digits or EIA-96), "
               "or with --value the codes of a value");
    auto *code = command->add_option("CODE", options->code, "The code, e.g. 472, 4R7 or 01C");
    auto *value =
        command->add_option("--value", options->value, "A resistance to write as codes, e.g. 4k7");
    code->excludes(value);

    command->callback([=] {
        using namespace resistor;
        if (value->count()) {
            const double ohms = resistanceArgument("smd", options->value);
            const std::vector<smd::Encoded> codes = smd::encode(ohms);
            // Only 0 is a jumper; a value below every code, however close to 0, has none.
            if (codes.empty())
                throw inputError("smd", {value, options->value}, Reason::OutOfRange,
                                 smd::encodedText(codes, ohms));
            print(smd::encodedText(codes, ohms));
            print.input("value", ohms);
            for (const smd::Encoded &encoded : codes)
                print.result(systemKey(encoded.system), encoded.code);
            return;
        }
        if (!code->count())
            throw InputError("smd: give a CODE or --value");
        const smd::Decoded decoded = smd::decode(QString::fromStdString(options->code));
        if (decoded.failure != smd::Failure::None)
            throw inputError("smd", {code, options->code}, Reason::OutOfRange,
                             smd::decodedText(decoded));
        print(smd::decodedText(decoded));
        print.input("code", QString::fromStdString(options->code));
        print.result("system", QLatin1String(systemKey(decoded.system)));
        print.result("resistance", decoded.resistance);
        if (decoded.eia96Alternative)
            print.result("eia96_alternative", *decoded.eia96Alternative);
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr Example kExamples[] = {
    {"smd 01C", {}},
    {"smd --value 10k", {}},
};
extern const Command smdCommand;
constinit const Command smdCommand{addSmdCommand, kExamples};

} // namespace zelkor::cli
