// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "elements/ElementDatabase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 18> fieldNames = {
    "symbol",
    "nameHR",
    "nameEN",
    "nameDE",
    "nameFR",
    "nameIT",
    "electronConfig",
    "discoveryYear",
    "discoverers",
    "heatOfFusion",
    "heatOfVaporisation",
    "oxidationStates",
    "electronegativity",
    "atomicRadius",
    "thermalConductivity",
    "electricalConductivity",
    "molarVolume",
    "density",
};

// The shortest text that reads back as the same float, with "." whatever the locale: this is
// the form a reviewer compares with the handbook, and what a script parses.
std::string_view floatText(float value, std::array<char, 32> &buffer)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

void printRow(std::ostream &out, const ElementRecord &e)
{
    std::array<char, 32> buffer{};
    out << e.symbol << '\t' << e.nameHR << '\t' << e.nameEN << '\t' << e.nameDE << '\t' << e.nameFR
        << '\t' << e.nameIT << '\t' << e.electronConfig << '\t' << e.discoveryYear << '\t'
        << e.discoverers << '\t';
    out << floatText(e.heatOfFusion, buffer) << '\t';
    out << floatText(e.heatOfVaporisation, buffer) << '\t';
    out << e.oxidationStates << '\t';
    out << floatText(e.electronegativity, buffer) << '\t';
    out << floatText(e.atomicRadius, buffer) << '\t';
    out << floatText(e.thermalConductivity, buffer) << '\t';
    out << floatText(e.electricalConductivity, buffer) << '\t';
    out << floatText(e.molarVolume, buffer) << '\t';
    out << e.density << '\n';
}

} // namespace

void printElementsUsage(std::ostream &out)
{
    out << "usage: quon-pse-cli elements [--elements 109|118] [SYMBOL...]\n"
           "Prints the data of the named elements (symbols are case-sensitive, e.g. Fe), or of "
           "all\n"
           "109 without a symbol: a header line, then one tab-separated line per element.\n"
           "--elements 118 takes the full table, darmstadtium (Ds) to oganesson (Og) included.\n";
}

int runElementsCommand(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        printElementsUsage(out);
        return 0;
    }
    std::vector<std::string_view> symbols;
    std::size_t count = elementCount;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::optional<ElementCountOption> option = elementCountOption(args, i);
        if (!option) {
            symbols.push_back(args[i]);
            continue;
        }
        if (!option->count) {
            err << "elements: " << option->error << "\n";
            printElementsUsage(err);
            return 2;
        }
        count = *option->count;
    }
    // Every symbol is checked before anything is printed, so a typo never leaves half a table
    // on stdout for a script to consume.
    std::vector<const ElementRecord *> rows;
    bool allKnown = true;
    for (std::string_view symbol : symbols) {
        const ElementRecord *element = findElement(symbol, count);
        if (element == nullptr) {
            err << "elements: unknown element symbol \"" << symbol
                << "\" (symbols are case-sensitive, e.g. \"Fe\")\n";
            allKnown = false;
        }
        rows.push_back(element);
    }
    if (!allKnown)
        return 1;

    for (std::size_t i = 0; i < fieldNames.size(); ++i)
        out << (i == 0 ? "" : "\t") << fieldNames[i];
    out << '\n';

    if (symbols.empty()) {
        for (const ElementRecord &element : allElements(count))
            printRow(out, element);
    } else {
        for (const ElementRecord *element : rows)
            printRow(out, *element);
    }
    return 0;
}
