// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "cli/JsonNumber.h"
#include "cli/ResistanceArgument.h"
#include "core/resistor/ResistorBands.h"
#include "core/resistor/ValueBands.h"

#include <QJsonArray>
#include <QStringList>

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>

namespace zelkor::cli {

void addBandsCommand(CLI::App &app, const Printer &print)
{
    struct Options
    {
        std::string value, tolerance, bands, tempco;
    };
    auto options = std::make_shared<Options>();
    CLI::App *command = app.add_subcommand(
        "bands", "Colour bands for a resistance: prints the colours, first band first, then "
                 "what the colour-code panel shows for them");
    command->add_option("VALUE", options->value, "The resistance, e.g. 4k7, 49.9k or 4700")
        ->required();
    auto *tolerance =
        command->add_option("--tolerance", options->tolerance, "Tolerance in percent (5)");
    auto *bands = command->add_option("--bands", options->bands,
                                      "4, 5 or 6; by default 4 for two significant digits, 5 "
                                      "for three, 6 with --tempco");
    auto *tempco = command->add_option("--tempco", options->tempco,
                                       "Temperature coefficient in ppm/K, six bands only (100)");

    command->callback([=] {
        resistor::ColorBandsRequest request;
        request.resistance = resistanceArgument("bands", options->value);
        if (tolerance->count())
            request.tolerance = number("bands", {tolerance, options->tolerance});
        if (bands->count()) {
            const float count = number("bands", {bands, options->bands});
            if (count != 4.0f && count != 5.0f && count != 6.0f)
                throw InputError("bands: --bands must be 4, 5 or 6");
            request.bands = static_cast<int>(count);
        }
        if (tempco->count()) {
            const float ppm = number("bands", {tempco, options->tempco});
            if (request.bands == 0)
                request.bands = 6;
            else if (request.bands != 6)
                throw InputError("bands: --tempco needs six bands");
            // Every coefficient with a colour is a whole number of ppm/K.
            if (!(ppm >= 0.0f && ppm <= 1000.0f) || ppm != std::floor(ppm))
                throw inputError("bands", {tempco, options->tempco}, Reason::OutOfRange,
                                 QString::fromStdString("no band colour stands for " +
                                                        cli::quoted(options->tempco) + " ppm/K"));
            request.temperatureCoefficient = static_cast<int>(ppm);
        }

        const resistor::ColorBands result = resistor::colorBandsFor(request);
        if (result.failure != resistor::ColorBandsFailure::None)
            throw InputError("bands: " +
                             resistor::colorBandsFailureText(result, request).toStdString());
        QStringList names;
        for (const int code : result.codes)
            names.append(resistor::colorName(code));
        print(names.join(u' '));
        print(resistor::colorBandsText(result.codes));

        print.input("value", request.resistance);
        print.input("tolerance", decimal(request.tolerance));
        if (bands->count())
            print.input("bands", request.bands);
        if (tempco->count())
            print.input("tempco", request.temperatureCoefficient);
        print.result("colours", QJsonArray::fromStringList(names));
        print.result("bands", result.bands);
        if (const auto value = resistor::valueOfColorCodes(result.codes)) {
            const double percent = decimal(value->tolerance);
            print.result("resistance", value->resistance);
            print.result("tolerance", percent);
            print.result("tolerance_ohms", value->resistance * percent / 100.0);
            if (result.bands == 6)
                print.result("tempco", value->temperatureCoefficient);
        }
    });
}

// Valid command lines, walked by the tests: each option just outside its domain, and the JSON.
constexpr Example kExamples[] = {
    {"bands 4k7 --tempco 50", {}},
};
extern const Command bandsCommand;
constinit const Command bandsCommand{addBandsCommand, kExamples};

} // namespace zelkor::cli
