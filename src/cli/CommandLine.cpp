#include "cli/CommandLine.h"

#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <CLI/CLI.hpp>

namespace zelkor::cli {

float number(const std::string &option, const std::string &value)
{
    const auto parsed = parseNumber(QString::fromStdString(value));
    if (!parsed)
        throw InputError(option + ": '" + value + "' is not a number");
    return *parsed;
}

float givenNumber(const std::string &command, const CLI::Option *option, const std::string &value)
{
    if (!option->count())
        throw InputError(command + ": " + option->get_name() + " is missing");
    return number(option->get_name(), value);
}

float nonZeroNumber(const std::string &command, const CLI::Option *option, const std::string &value)
{
    const float parsed = givenNumber(command, option, value);
    if (parsed == 0.0f)
        throw InputError(command + ": " + option->get_name() + " must not be 0");
    return parsed;
}

namespace {

// Error texts may quote user input: keep the message on one line, and show control characters
// (a terminal would act on an escape sequence) as the replacement character.
std::string oneLine(const std::string &message)
{
    QString line = QString::fromStdString(message);
    for (QChar &c : line) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
        else if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    }
    while (line.endsWith(u' '))
        line.chop(1);
    return line.toStdString();
}

} // namespace

Result run(const std::vector<std::string> &args)
{
    Result result;
    const Printer print = [&result](const QString &text) {
        result.out += text.toStdString();
        result.out += '\n';
    };
    try {
        CLI::App app{"Zelkor's electronics calculators for scripts.", "zelkor-calc"};
        app.set_version_flag("--version", std::string("zelkor-calc ") + ZELKOR_VERSION);
        app.require_subcommand(1, 1);
        app.fallthrough(false);
        addOhmCommand(app, print);
        addCoilCommand(app, print);
        addNE555Command(app, print);
        addCombineCommand(app, print);
        addTubeCommand(app, print);
        addResistorCommand(app, print);
        addLedCommand(app, print);
        addHeatSinkCommand(app, print);

        std::vector<std::string> reversed(args.rbegin(), args.rend());
        try {
            app.parse(reversed);
        } catch (const CLI::CallForHelp &) {
            result.out = app.help();
        } catch (const CLI::CallForAllHelp &) {
            result.out = app.help("", CLI::AppFormatMode::All);
        } catch (const CLI::CallForVersion &) {
            result.out = std::string("zelkor-calc ") + ZELKOR_VERSION + "\n" +
                         text("AboutLicense").toStdString() + "\n";
        } catch (const CLI::ParseError &error) {
            result = {2, {}, "zelkor-calc: " + oneLine(error.what()) + "\n"};
        }
    } catch (const InputError &error) {
        result = {2, {}, "zelkor-calc: " + oneLine(error.what()) + "\n"};
    } catch (const std::exception &error) {
        result = {2, {}, "zelkor-calc: " + oneLine(error.what()) + "\n"};
    }
    return result;
}

} // namespace zelkor::cli
