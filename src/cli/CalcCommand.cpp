#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"
#include "cli/Commands.h"

#include <charconv>
#include <chrono>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct CalcOptions
{
    short angleUnit = 0;
    short numberMode = pse::CalculatorEngine::Automatic;
    std::optional<int> decimals;
    bool thousands = false;
    char separator = '.';
    bool croatian = false;
    std::vector<std::string_view> expressions;
};

void printCalcUsage(std::ostream &err)
{
    err << "usage: quon-pse-cli calc [--angle rad|deg|grad] [--mode auto|scientific|fixed]\n"
           "                         [--decimals N] [--thousands] [--separator .|,]\n"
           "                         [--lang hr|en] [EXPR...]\n"
           "With EXPR, prints the displayed result of each; without, reads lines from standard\n"
           "input and prints for each: input line, expanded text, result text, displayed text,\n"
           "separated by tabs.\n";
}

// Returns the index of value in choices, or nothing.
std::optional<short> choose(std::string_view value, std::initializer_list<std::string_view> choices)
{
    short index = 0;
    for (const std::string_view choice : choices) {
        if (value == choice)
            return index;
        ++index;
    }
    return std::nullopt;
}

std::optional<CalcOptions> parseOptions(std::span<const std::string_view> args, std::ostream &err)
{
    CalcOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            options.expressions.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--thousands") {
            options.thousands = true;
            continue;
        }
        // "--name value" or "--name=value".
        std::string_view value;
        const std::size_t equals = arg.find('=');
        const bool inlineValue = equals != std::string_view::npos;
        if (inlineValue) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        }
        if (!choose(arg, {"--angle", "--mode", "--separator", "--lang", "--decimals"})) {
            err << "calc: unknown option " << arg << "\n";
            return std::nullopt;
        }
        if (!inlineValue && i + 1 < args.size()) {
            value = args[++i];
        } else if (!inlineValue) {
            err << "calc: " << arg << " needs a value\n";
            return std::nullopt;
        }
        std::optional<short> choice;
        if (arg == "--angle") {
            choice = choose(value, {"rad", "deg", "grad"});
            if (choice)
                options.angleUnit = *choice;
        } else if (arg == "--mode") {
            choice = choose(value, {"auto", "scientific", "fixed"});
            if (choice)
                options.numberMode = *choice;
        } else if (arg == "--separator") {
            choice = choose(value, {".", ","});
            if (choice)
                options.separator = value[0];
        } else if (arg == "--lang") {
            choice = choose(value, {"en", "hr"});
            if (choice)
                options.croatian = *choice == 1;
        } else if (arg == "--decimals") {
            int n = -1;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (ec == std::errc{} && end == value.data() + value.size() && n >= 0 && n <= 12) {
                options.decimals = n;
                choice = 0;
            }
        }
        if (!choice) {
            err << "calc: bad value '" << value << "' for " << arg << "\n";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int runCalcCommand(std::span<const std::string_view> args, std::istream &in, std::ostream &out,
                   std::ostream &err)
{
    const std::optional<CalcOptions> options = parseOptions(args, err);
    if (!options) {
        printCalcUsage(err);
        return 2;
    }

    // ":ran" differs from run to run, as in the window.
    pse::CalculatorEngine engine(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    engine.decimalSeparator = options->separator;
    engine.angleUnit = options->angleUnit;
    engine.setThousandsSeparator(options->thousands);
    engine.setNumberMode(options->numberMode);
    engine.setDecimals(options->decimals.value_or(options->thousands ? 2 : engine.decimals()));
    const std::string_view suffix =
        options->croatian ? pse::messages::notElementSymbolHr : pse::messages::notElementSymbolEn;

    if (!options->expressions.empty()) {
        for (const std::string_view expression : options->expressions) {
            engine.evaluateLine(expression, suffix);
            out << engine.displayText() << '\n';
        }
        return 0;
    }

    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        engine.evaluateLine(line, suffix);
        out << engine.normalisedText << '\t' << engine.expandedText << '\t' << engine.resultText
            << '\t' << engine.displayText() << '\n';
    }
    return 0;
}
