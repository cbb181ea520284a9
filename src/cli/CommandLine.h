// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// zelkor-calc: every calculator for scripts. Each subcommand prints exactly the text its
// panel shows; bad input gives a one-line error on stderr and exit status 2.

#include "core/calculators/Inputs.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace zelkor::cli {

struct Result
{
    int status = 0;
    std::string out; // UTF-8, ends with a line break when not empty
    std::string err;
};

// Runs zelkor-calc with args (without the program name). Never throws.
Result run(const std::vector<std::string> &args);

// A bad input that a subcommand found; run() turns it into status 2. Any other exception is an
// internal fault, status 70.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An argument as an error line quotes it: in single quotes, at most 40 characters, then "…".
std::string quoted(const std::string &argument);

// An option and the value it holds.
struct OptionValue
{
    const CLI::Option *option;
    const std::string &value;
};

// The option's value as given; nothing when the option was left out.
Given given(const OptionValue &option);

// An option's value that is a plain count or percentage ("5", "0.1"); throws InputError naming
// the subcommand and the option when it is not a number.
float number(const std::string &command, const OptionValue &option);

// An input and the value it was given.
struct FieldInput
{
    const FieldSpec &about;
    const std::string &value;
};

// The one error line for each reason an input is refused; command names the subcommand. because
// is the calculator's own sentence for a value out of range or inputs that describe nothing.
InputError inputError(const std::string &command, const FieldInput &input, Reason reason,
                      const QString &because = {});
// The same for an option that no field table describes.
InputError inputError(const std::string &command, const OptionValue &option, Reason reason,
                      const QString &because = {});

// What a subcommand writes. Called with a text, it prints the text as the panel shows it, one
// call per line or block. For --json, the subcommand also reports the inputs as it read them
// and every result as a number in base units (ohms, farads, henries, hertz, seconds, watts,
// kelvins per watt, degrees Celsius); run() then prints one JSON object instead of the text:
//   {"command": "ohm", "inputs": {...}, "results": {...}, "text": "..."}
// The numbers are the values that the text rounds.
class Printer
{
public:
    Printer();

    void operator()(const QString &text) const;
    void input(const char *name, const QJsonValue &value) const;
    void result(const char *name, const QJsonValue &value) const;
    // A result with its range over the parts' tolerances: name, name_min and name_max.
    void result(const char *name, double value, double min, double max) const;

    // The text printed so far, and the JSON object for command.
    QString text() const;
    QJsonObject json(const QString &command) const;

private:
    struct Report;
    std::shared_ptr<Report> m_report;
};

// Adds one subcommand to app.
using AddCommand = void (*)(CLI::App &app, const Printer &print);

// A valid command line, and the fields whose options it gives. The tests walk every example of
// every subcommand: each of its options just outside its domain is refused, and its JSON
// names are snake_case.
struct Example
{
    const char *words;
    std::span<const FieldSpec> fields;
};

// A subcommand lives in its own file, which defines its Command, and has one row in
// CommandRegistry.cpp.
struct Command
{
    AddCommand add;
    std::span<const Example> examples;
};
std::span<const Command *const> commandRegistry();

} // namespace zelkor::cli
