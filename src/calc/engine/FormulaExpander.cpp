// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/FormulaExpander.h"

#include "calc/engine/AtomicMassTable.h"
#include "calc/engine/CharClass.h"
#include "calc/engine/EngineConstants.h"
#include "calc/engine/NumberFormat.h"

#include <algorithm>
#include <vector>

namespace pse {
namespace {

using namespace charclass;

char unifyBracket(char c)
{
    if (c == '[' || c == '{')
        return '(';
    if (c == ']' || c == '}')
        return ')';
    return c;
}

// The masses in the general format, written once per program run; the evaluator reads them back
// exactly as typed numbers.
const std::string &massText(const AtomicMassEntry &entry)
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const AtomicMassEntry &e : atomicMassTable(fullElementCount))
            all.push_back(formatGeneral(e.mass, '.'));
        return all;
    }();
    return texts[static_cast<std::size_t>(&entry - atomicMassTable(fullElementCount).data())];
}

// Pass 1: joiners between the atoms of a formula, counts as multiplications, subtractions as
// additions of negatives, and the constant tokens replaced by their values.
JoinedFormula joinAtoms(std::string_view s, const ExpansionSettings &settings)
{
    JoinedFormula pass;
    std::string &out = pass.text;
    out.reserve(s.size() * 2);
    bool formulaContext = false;
    bool afterFunction = false;
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char original = s[i];
        const bool isBracket = isIn(original, "()[]{}");
        const char c = unifyBracket(original);
        char next = i + 1 < n ? s[i + 1] : none;
        if (!isBracket)
            next = unifyBracket(next);
        const char prev = out.empty() ? none : out.back();

        if (isUpper(c))
            pass.lettersSeen = true;
        if (isUpper(c) || c == '(')
            formulaContext = true;
        if (isIn(c, "^*/%+-"))
            formulaContext = false;

        bool handled = false;
        if (formulaContext) {
            const bool noJoiner = prev == none || isIn(prev, "(^*/%+-") || afterFunction;
            if (isUpper(c)) {
                // An exponent "E" is no symbol and gets no joiner; "Er", "Eu", "Es" do.
                const bool exponent = c == 'E' && next != none && !isLower(next);
                if (!noJoiner && !exponent)
                    out.push_back('+');
                out.push_back(c);
                handled = true;
            } else if (isDigit(c)) {
                if (!(isDigit(prev) || isIn(prev, "E,.(") || afterFunction))
                    out.push_back('*');
                out.push_back(c);
                handled = true;
            } else if (c == '(') {
                if (!noJoiner && prev != '>' && prev != '<')
                    out.push_back('+');
                out.push_back('(');
                handled = true;
            }
        }
        if (c == '-') {
            const bool subtraction = prev != none && !isIn(prev, "^/*%+-(E") && !afterFunction;
            const bool bracketOrFunction = next == '(' || next == ':';
            if (subtraction)
                out += bracketOrFunction ? "+-1*" : "+-";
            else
                out += bracketOrFunction || next == none ? "-1*" : "-";
            handled = true;
        }
        afterFunction = false;
        if (c == ':') {
            const std::string_view rest = s.substr(i);
            if (rest.starts_with(":ans")) {
                out.append(settings.normaliser.previousResult);
                i += 3;
            } else if (rest.starts_with(":pi")) {
                out += formatGeneral(engineConstants::pi, settings.normaliser.decimalSeparator);
                i += 2;
            } else if (rest.starts_with(":mem")) {
                out += formatGeneral(settings.memoryValue, settings.normaliser.decimalSeparator);
                i += 3;
            } else {
                afterFunction = true;
                std::size_t end = i + 1;
                while (end < n &&
                       !(s[end] == '-' || s[end] == '(' || isDigit(s[end]) || s[end] == '['))
                    ++end;
                out.append(s, i, end - i);
                i = end - 1;
            }
            handled = true;
        }
        if (!handled)
            out.push_back(c);
    }
    return pass;
}

// Pass 2: every element symbol (an upper-case letter, with the lower-case one after it) goes
// through replace(row, out), which appends what the symbol becomes; an exponent "E" and every
// other character are copied. Stops at the first symbol unknown among the first elementCount
// elements, which is left in lastSymbol.
template <typename Replace>
bool replaceSymbols(std::string_view joined, std::size_t elementCount, std::string &out,
                    std::string &lastSymbol, Replace &&replace)
{
    out.clear();
    out.reserve(joined.size() * 4);
    const std::size_t n = joined.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = joined[i];
        if (!isUpper(c)) {
            out.push_back(c);
            continue;
        }
        std::string_view symbol = joined.substr(i, 1);
        if (i + 1 < n && isLower(joined[i + 1])) {
            symbol = joined.substr(i, 2);
            ++i;
        } else if (c == 'E') {
            out.push_back(c); // an exponent
            continue;
        }
        lastSymbol.assign(symbol);
        const AtomicMassEntry *entry = findAtomicMass(symbol, elementCount);
        if (entry == nullptr)
            return false;
        replace(*entry, out);
    }
    return true;
}

// Symbols to masses, tracking the fewest decimals among the elements used.
bool replaceByMasses(std::string_view joined, const ExpansionSettings &settings,
                     Expansion &expansion)
{
    const char decimalSeparator = settings.normaliser.decimalSeparator;
    std::string out;
    const bool known =
        replaceSymbols(joined, settings.normaliser.elementCount, out, expansion.lastSymbol,
                       [&](const AtomicMassEntry &entry, std::string &text) {
                           expansion.massDecimals =
                               std::min(expansion.massDecimals, entry.decimals);
                           const std::size_t at = text.size();
                           text += massText(entry);
                           if (decimalSeparator != '.')
                               std::replace(text.begin() + static_cast<std::ptrdiff_t>(at),
                                            text.end(), '.', decimalSeparator);
                       });
    if (!known) {
        expansion.massDecimals = 0; // an unknown symbol counts as 0 decimals
        return false;
    }
    expansion.text = std::move(out);
    return true;
}

// Changes the case of an unknown symbol when that makes it valid; false when nothing helps.
bool repairSymbol(std::string &s, std::string_view symbol, std::size_t &position)
{
    position = s.find(symbol);
    if (position == std::string::npos)
        return false; // the symbol came from a substituted value, not from the typed text
    const bool atEnd = position + symbol.size() == s.size();
    if (symbol.size() == 2 || atEnd) {
        // "Nh" is nitrogen and hydrogen.
        if (!isIn(symbol[0], "BCFHIKNOPSUVWY"))
            return false;
        for (std::size_t k = position; k < position + symbol.size(); ++k)
            if (isLower(s[k]))
                s[k] = static_cast<char>(s[k] - 'a' + 'A');
        return true;
    }
    // "AG" is silver.
    char &second = s[position + 1];
    if (isUpper(second))
        second = static_cast<char>(second - 'A' + 'a');
    return true;
}

} // namespace

JoinedFormula joinFormulaAtoms(std::string_view normalisedText, const ExpansionSettings &settings)
{
    return joinAtoms(normalisedText, settings);
}

std::optional<std::string>
weighFormula(std::string_view joined,
             const std::function<std::string_view(const AtomicMassEntry &)> &weight,
             std::size_t elementCount)
{
    std::string out;
    std::string unknown;
    const bool known = replaceSymbols(
        joined, elementCount, out, unknown,
        [&](const AtomicMassEntry &entry, std::string &text) { text += weight(entry); });
    if (!known)
        return std::nullopt;
    return out;
}

Expansion expandFormula(std::string &normalisedText, const ExpansionSettings &settings)
{
    Expansion expansion;
    std::size_t lastRepairPosition = std::string::npos;
    int repairsAtPosition = 0;
    // Repairs at ever new positions may go on, but each one normalises and expands the whole
    // line again. The work is bounded so that no line takes long: a line may be rewritten this
    // way until two million characters have been normalised (hundreds of repairs on a long
    // line, thousands on a short one); then the symbol stays unknown.
    std::size_t repairBudget = 2'000'000;

    for (;;) {
        expansion.massDecimals = 10;
        expansion.symbolError = false;
        JoinedFormula joined = joinAtoms(normalisedText, settings);
        if (!joined.lettersSeen) {
            expansion.text = std::move(joined.text);
            return expansion;
        }
        if (replaceByMasses(joined.text, settings, expansion))
            return expansion;

        std::size_t position = 0;
        std::string repaired = normalisedText;
        const bool fixed = repairSymbol(repaired, expansion.lastSymbol, position);
        if (position == lastRepairPosition) {
            ++repairsAtPosition;
        } else {
            lastRepairPosition = position;
            repairsAtPosition = 1;
        }
        if (!fixed || repairsAtPosition > 2 || repaired.size() > repairBudget) {
            expansion.symbolError = true;
            expansion.text.clear();
            return expansion;
        }
        repairBudget -= repaired.size();
        NormalisedInput again = normaliseInput(repaired, settings.normaliser);
        normalisedText = std::move(again.text);
        expansion.molarMassResult = again.molarMassResult;
        expansion.renormalised = true;
    }
}

} // namespace pse
