#pragma once
// zelkor-calc: every calculator for scripts. Each subcommand prints exactly the text its
// panel shows; bad input gives a one-line error on stderr and exit status 2.

#include "core/calculators/Inputs.h"

#include <QString>

#include <functional>
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

// A bad input that a subcommand found; run() turns it into status 2.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An option and the value it holds.
struct OptionValue
{
    const CLI::Option *option;
    const std::string &value;
};

// The option's value as given; nothing when the option was left out.
Given given(const OptionValue &option);

// The message for a value that is missing, not a value, of another quantity or 0; command names
// the subcommand.
InputError inputError(const std::string &command, const OptionValue &option, Reason reason);

// What a subcommand writes: its output, one text per call.
using Printer = std::function<void(const QString &text)>;

// One per subcommand, each in its own file.
void addOhmCommand(CLI::App &app, const Printer &print);
void addCoilCommand(CLI::App &app, const Printer &print);
void addNE555Command(CLI::App &app, const Printer &print);
void addCombineCommand(CLI::App &app, const Printer &print);
void addTubeCommand(CLI::App &app, const Printer &print);
void addResistorCommand(CLI::App &app, const Printer &print);
void addLedCommand(CLI::App &app, const Printer &print);
void addHeatSinkCommand(CLI::App &app, const Printer &print);
void addBandsCommand(CLI::App &app, const Printer &print);
void addSmdCommand(CLI::App &app, const Printer &print);
void addESeriesCommand(CLI::App &app, const Printer &print);

} // namespace zelkor::cli
