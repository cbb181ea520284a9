#pragma once
// zelkor-calc: every calculator for scripts. Each subcommand prints exactly the text its
// panel shows; bad input gives a one-line error on stderr and exit status 2.

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

// The number in an option's value; throws InputError naming the option otherwise.
float number(const std::string &option, const std::string &value);

// The number of an option that command needs; throws InputError when it is missing.
float givenNumber(const std::string &command, const CLI::Option *option, const std::string &value);
// The same, and not 0: the panels wait for such an input as if it were missing.
float nonZeroNumber(const std::string &command, const CLI::Option *option,
                    const std::string &value);

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
