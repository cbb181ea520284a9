// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <QJsonDocument>

#include <CLI/CLI.hpp>
#include <cmath>
#include <limits>

namespace zelkor::cli {

Given given(const OptionValue &option)
{
    if (!option.option->count())
        return std::nullopt;
    return QString::fromStdString(option.value);
}

float number(const std::string &command, const OptionValue &option)
{
    const auto read = readValue(QString::fromStdString(option.value), units::kNumber).value;
    if (!read)
        throw inputError(command, option, Reason::NotANumber);
    return *read;
}

std::string quoted(const std::string &argument)
{
    constexpr qsizetype kLongest = 40;
    const QString whole = QString::fromStdString(argument);
    if (whole.size() <= kLongest)
        return "'" + argument + "'";
    return "'" + whole.first(kLongest).toStdString() + "…'";
}

InputError inputError(const std::string &command, const FieldInput &input, Reason reason,
                      const QString &because)
{
    const std::string option = input.about.option ? input.about.option : input.about.key;
    const std::string prefix = command + ": ";
    const std::string alternative = input.about.alternative ? input.about.alternative : "";
    if (!because.isEmpty() && (reason == Reason::OutOfRange || reason == Reason::Impossible))
        return InputError(prefix + because.toStdString());
    switch (reason) {
    case Reason::Missing:
        if (!alternative.empty())
            return InputError(prefix + option + " or " + alternative + " is missing");
        return InputError(prefix + option + " is missing");
    case Reason::NotANumber:
        return InputError(prefix + option + ": " + quoted(input.value) + " is not a number");
    case Reason::OtherQuantity:
        return InputError(prefix + option + ": " + quoted(input.value) + " has the wrong unit");
    case Reason::Zero:
        return InputError(prefix + option + " must not be 0");
    case Reason::OutsideDomain: {
        // A number past the largest float is refused on either side of the bounds; on the
        // allowed side, its size is what is wrong.
        const auto whole =
            readPreciseValue(QString::fromStdString(input.value), input.about.rule.unit);
        constexpr double kLargest = std::numeric_limits<float>::max();
        if (whole.value && std::abs(*whole.value) > kLargest &&
            input.about.rule.domain.contains(std::copysign(kLargest, *whole.value)))
            return InputError(prefix + option + ": " + quoted(input.value) + " is too large");
        return InputError(prefix + option + " must be " +
                          domainText(input.about.rule.domain).toStdString());
    }
    case Reason::Overflow: {
        // A tiny divisor overflows a result as surely as a huge factor.
        // Read in double precision: a divisor such as 1e-300 is no float, but still tiny.
        const auto read = readPreciseInput(QString::fromStdString(input.value), input.about.rule,
                                           Reading::Strict);
        const double *number = std::get_if<double>(&read);
        const char *size = number && std::abs(*number) < 1.0 ? " is too small" : " is too large";
        return InputError(prefix + option + ": " + quoted(input.value) + size +
                          ": a result would not be a number");
    }
    case Reason::Conflict:
        return InputError(prefix + "give either " + alternative + " or " + option + ", not both");
    case Reason::OutOfRange:
        if (input.about.accepts)
            return InputError(prefix + option + ": " + quoted(input.value) + " is not " +
                              input.about.accepts);
        break;
    case Reason::Impossible:
        break;
    }
    return InputError(prefix + option + ": " + quoted(input.value) + " cannot be used here");
}

InputError inputError(const std::string &command, const OptionValue &option, Reason reason,
                      const QString &because)
{
    const std::string &name = option.option->get_name();
    const FieldSpec about{
        .key = name.c_str(), .option = name.c_str(), .caption = nullptr, .help = nullptr};
    return inputError(command, {about, option.value}, reason, because);
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

// The parser's own messages quote whole arguments: each word keeps at most 40 characters.
std::string shortened(const std::string &message)
{
    QStringList words = QString::fromStdString(message).split(u' ');
    for (QString &word : words)
        if (word.size() > 40)
            word = word.first(40) + u'\u2026';
    return words.join(u' ').toStdString();
}

} // namespace

struct Printer::Report
{
    QString text;
    QJsonObject inputs;
    QJsonObject results;
};

Printer::Printer() : m_report(std::make_shared<Report>()) {}

void Printer::operator()(const QString &text) const
{
    m_report->text += text;
    m_report->text += u'\n';
}

void Printer::input(const char *name, const QJsonValue &value) const
{
    m_report->inputs.insert(QLatin1String(name), value);
}

void Printer::result(const char *name, double value, double min, double max) const
{
    const std::string key(name);
    result(name, value);
    result((key + "_min").c_str(), min);
    result((key + "_max").c_str(), max);
}

void Printer::result(const char *name, const QJsonValue &value) const
{
    // A number JSON cannot hold (infinity, NaN) is null, as the text shows "inf" or "nan".
    if (value.isDouble() && !std::isfinite(value.toDouble()))
        m_report->results.insert(QLatin1String(name), QJsonValue::Null);
    else
        m_report->results.insert(QLatin1String(name), value);
}

QString Printer::text() const
{
    return m_report->text;
}

QJsonObject Printer::json(const QString &command) const
{
    return {{QStringLiteral("command"), command},
            {QStringLiteral("inputs"), m_report->inputs},
            {QStringLiteral("results"), m_report->results},
            {QStringLiteral("text"), m_report->text.chopped(m_report->text.endsWith(u'\n'))}};
}

Result run(const std::vector<std::string> &args)
{
    Result result;
    const Printer print;
    bool json = false;
    try {
        CLI::App app{"Zelkor's electronics calculators for scripts.", "zelkor-calc"};
        app.set_version_flag("--version", std::string("zelkor-calc ") + ZELKOR_VERSION);
        app.require_subcommand(1, 1);
        app.fallthrough(false);
        for (const Command *command : commandRegistry())
            command->add(app, print);
        for (CLI::App *command : app.get_subcommands({}))
            command->add_flag("--json", json,
                              "Print one JSON object: the inputs as read, every result as a "
                              "number in base units, and the text");

        std::vector<std::string> reversed(args.rbegin(), args.rend());
        try {
            app.parse(reversed);
            if (json) {
                const CLI::App *command = app.get_subcommands().front();
                result.out = QJsonDocument(print.json(QString::fromStdString(command->get_name())))
                                 .toJson(QJsonDocument::Indented)
                                 .toStdString();
            } else {
                result.out = print.text().toStdString();
            }
        } catch (const CLI::CallForHelp &) {
            result.out = app.help();
        } catch (const CLI::CallForAllHelp &) {
            result.out = app.help("", CLI::AppFormatMode::All);
        } catch (const CLI::CallForVersion &) {
            result.out = std::string("zelkor-calc ") + ZELKOR_VERSION + "\n" +
                         text("AboutLicense").toStdString() + "\n";
        } catch (const CLI::ParseError &error) {
            result = {2, {}, "zelkor-calc: " + shortened(oneLine(error.what())) + "\n"};
        }
    } catch (const InputError &error) {
        result = {2, {}, "zelkor-calc: " + oneLine(error.what()) + "\n"};
    } catch (const std::exception &error) {
        // Not about the input: a fault of zelkor-calc's own (EX_SOFTWARE).
        result = {70, {}, "zelkor-calc: internal error: " + oneLine(error.what()) + "\n"};
    }
    return result;
}

} // namespace zelkor::cli
