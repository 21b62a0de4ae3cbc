// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"
#include "calc/engine/PercentComposition.h"
#include "cli/Commands.h"
#include "elements/ElementDatabase.h"

#include <charconv>
#include <chrono>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The languages of the element names, in the order of the window's language index.
enum class Language : short { Croatian, English, German, French, Italian };

struct CalcOptions
{
    short angleUnit = 0;
    short numberMode = pse::CalculatorEngine::Automatic;
    std::optional<int> decimals;
    bool thousands = false;
    char separator = '.';
    Language language = Language::English;
    std::size_t elementCount = ::elementCount;
    bool help = false;
    std::optional<std::string_view> composition;
    std::vector<std::string_view> expressions;
};

} // namespace

void printCalcUsage(std::ostream &out)
{
    out << "usage: quon-pse-cli calc [--angle rad|deg|grad] [--mode auto|scientific|fixed]\n"
           "                         [--decimals N] [--thousands] [--separator .|,]\n"
           "                         [--lang hr|en|de|fr|it] [--elements 109|118] [EXPR...]\n"
           "       quon-pse-cli calc [--separator .|,] [--lang hr|en|de|fr|it]\n"
           "                         [--elements 109|118] --composition FORMULA\n"
           "With EXPR, prints the displayed result of each; without, reads lines from standard\n"
           "input and prints for each: input line, expanded text, result text, displayed text,\n"
           "separated by tabs. --composition prints the percentage composition of a formula:\n"
           "symbol, name, count, mass and per cent of each element, tab-separated.\n"
           "Element names follow --lang; the calculator's messages are Croatian for hr and\n"
           "English otherwise. With --elements 118 the symbols Ds to Og are elements too.\n";
}

namespace {

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
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (const std::optional<ElementCountOption> count = elementCountOption(args, i)) {
            if (!count->count) {
                err << "calc: " << count->error << "\n";
                return std::nullopt;
            }
            options.elementCount = *count->count;
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
        if (!choose(arg, {"--angle", "--mode", "--separator", "--lang", "--decimals",
                          "--composition"})) {
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
            choice = choose(value, {"hr", "en", "de", "fr", "it"});
            if (choice)
                options.language = static_cast<Language>(*choice);
        } else if (arg == "--composition") {
            options.composition = value;
            choice = 0;
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
    if (options.composition && !options.expressions.empty()) {
        err << "calc: --composition takes one formula and no further expressions\n";
        return std::nullopt;
    }
    return options;
}

std::string elementName(int atomicNumber, Language language)
{
    const ElementRecord &element =
        allElements(fullElementCount)[static_cast<std::size_t>(atomicNumber - 1)];
    switch (language) {
    case Language::Croatian:
        return element.nameHR;
    case Language::German:
        return element.nameDE;
    case Language::French:
        return element.nameFR;
    case Language::Italian:
        return element.nameIT;
    case Language::English:
        break;
    }
    return element.nameEN;
}

// Prints the table of one formula; a line that is no formula is named on err with its result.
int printComposition(pse::CalculatorEngine &engine, std::string_view formula,
                     std::string_view suffix, Language language, std::ostream &out,
                     std::ostream &err)
{
    engine.evaluateLine(formula, suffix);
    const pse::Composition composition = pse::percentComposition(engine);
    if (!composition.isFormula) {
        err << "calc: \"" << formula << "\" is no chemical formula";
        if (!engine.resultText.empty())
            err << " (result: " << engine.displayText() << ")";
        err << "\n";
        return 1;
    }
    out << pse::formatComposition(composition, engine.decimalSeparator, [&](int atomicNumber) {
        return elementName(atomicNumber, language);
    });
    return 0;
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
    if (options->help) {
        printCalcUsage(out);
        return 0;
    }

    // ":ran" differs from run to run, as in the window.
    pse::CalculatorEngine engine(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    engine.decimalSeparator = options->separator;
    engine.elementCount = options->elementCount;
    engine.angleUnit = options->angleUnit;
    engine.setThousandsSeparator(options->thousands);
    engine.setNumberMode(options->numberMode);
    engine.setDecimals(options->decimals.value_or(options->thousands ? 2 : engine.decimals()));
    // The calculator's own messages are Croatian or English, as in the window.
    const std::string_view suffix = options->language == Language::Croatian
                                        ? pse::messages::notElementSymbolHr
                                        : pse::messages::notElementSymbolEn;
    if (options->composition)
        return printComposition(engine, *options->composition, suffix, options->language, out, err);

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
