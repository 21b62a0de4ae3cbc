// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/InputNormaliser.h"

#include "calc/engine/CharClass.h"
#include "calc/engine/NumberFormat.h"

#include <array>

namespace pse {
namespace {

using namespace charclass;

bool isLeftBracket(char c)
{
    return c == '(' || c == '{' || c == '[';
}

constexpr std::array<std::string_view, 3> twoLetterNames = {"ln", "pi", "tg"};
constexpr std::array<std::string_view, 17> threeLetterNames = {
    "abs", "aln", "ans", "atg", "cos", "cot", "ctg", "exp", "log",
    "int", "mem", "ppm", "ran", "sgn", "sin", "sqr", "tan"};
constexpr std::array<std::string_view, 7> fourLetterNames = {"acos", "acot", "actg", "alog",
                                                             "asin", "atan", "sqrt"};
constexpr std::array<std::string_view, 4> sixLetterNames = {"arccos", "arccot", "arcsin", "arctan"};

template <std::size_t N>
bool listed(std::string_view candidate, const std::array<std::string_view, N> &names)
{
    for (const std::string_view name : names)
        if (candidate == name)
            return true;
    return false;
}

// The longest function name starting at position i, or an empty view.
std::string_view functionNameAt(std::string_view text, std::size_t i)
{
    std::string_view found;
    const auto candidate = [&](std::size_t length) { return text.substr(i, length); };
    if (i + 2 <= text.size() && listed(candidate(2), twoLetterNames))
        found = candidate(2);
    if (i + 3 <= text.size() && listed(candidate(3), threeLetterNames))
        found = candidate(3);
    if (i + 4 <= text.size() && listed(candidate(4), fourLetterNames))
        found = candidate(4);
    if (i + 6 <= text.size() && listed(candidate(6), sixLetterNames))
        found = candidate(6);
    return found;
}

bool isConstantName(std::string_view name)
{
    return name == "ans" || name == "mem" || name == "pi";
}

// The UTF-8 signs that stand for an ASCII operator: "×" and "÷", and the dots a hydrate is
// written with ("CuSO4·5H2O"), which add the water as "+" does. A plain "." stays the decimal mark.
struct SignMapping
{
    std::string_view utf8;
    char ascii;
};
constexpr std::array<SignMapping, 5> signMappings = {{
    {"\xC3\x97", '*'},     // U+00D7 multiplication sign
    {"\xC3\xB7", '/'},     // U+00F7 division sign
    {"\xC2\xB7", '+'},     // U+00B7 middle dot
    {"\xE2\x80\xA2", '+'}, // U+2022 bullet
    {"\xE2\x88\x99", '+'}, // U+2219 bullet operator
}};

// Pass 1: keeps printable ASCII except the characters that mean nothing to the calculator,
// stops at "=", maps the signs above.
std::string filterCharacters(std::string_view input, bool &molarMass, bool &bracketSeen)
{
    std::string out;
    out.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        const auto code = static_cast<unsigned char>(input[i]);
        const char c = input[i];
        if (code < 33 || code > 126) {
            // None of these clears the molar-mass display: "2×H2O" is still a molar mass.
            for (const SignMapping &sign : signMappings) {
                if (input.substr(i).starts_with(sign.utf8)) {
                    out.push_back(sign.ascii);
                    i += sign.utf8.size() - 1;
                    break;
                }
            }
            continue;
        }
        if (c == '=')
            break;
        if (isIn(c, "*/^%")) {
            out.push_back(c);
            molarMass = false;
        } else if (isLeftBracket(c)) {
            out.push_back(c);
            bracketSeen = true;
        } else if (!isIn(c, ":;@$<>_`")) {
            out.push_back(c);
        }
    }
    return out;
}

struct TokenPass
{
    std::string text;
    bool lettersSeen = false;
    bool expressionMarksSeen = false;
};

// Pass 2: function names become tokens, symbols get their case, operators are simplified.
TokenPass tokensAndCase(std::string_view in, const NormaliserSettings &settings, bool &molarMass)
{
    TokenPass pass;
    std::string &out = pass.text;
    out.reserve(in.size() + in.size() / 2);
    const std::size_t n = in.size();
    std::string piece;
    // The full table knows livermorium, nihonium and copernicium. "Lv" then keeps the case of its
    // "v". And as "co2" is carbon dioxide while "co" is cobalt, "nh3" stays ammonia and "kcn"
    // cyanide in a line of three characters or more, while "nh" and "cn" alone are the elements.
    const bool fullTable = settings.elementCount >= fullElementCount;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t start = i;
        const char c = in[i];
        const char next = i + 1 < n ? in[i + 1] : none;
        const char prev = out.empty() ? none : out.back();
        piece.clear();
        bool general = false;
        bool functionToken = false;

        if (isDigit(c)) {
            piece.push_back(c);
        } else if (isIn(c, "vxw") && !(fullTable && c == 'v' && prev == 'L')) {
            piece.push_back(toUpper(c));
        } else if (c == 'z') {
            piece = next == 'n' ? "Zn" : "Z";
            if (next == 'n')
                ++i;
        } else if (c == 'h' && n >= 3 && isIn(next, "fos")) {
            piece = {'H', toUpper(next)};
            ++i;
        } else if (c == 'm' && next == 'n') {
            piece = "Mn";
            ++i;
        } else if (c == 'n' && n >= 3 && next == 'o') {
            piece = "NO";
            ++i;
        } else if (fullTable && n >= 3 &&
                   ((c == 'n' && next == 'h') || (c == 'c' && next == 'n'))) {
            piece = {toUpper(c), toUpper(next)};
            ++i;
        } else if (isIn(c, "acdelmprsti") && isIn(next, "abceginlopqrstux")) {
            const std::string_view name = functionNameAt(in, i);
            if (name.empty()) {
                if (n >= 3 && isIn(c, "cps") && next == 'o') {
                    piece = {toUpper(c), 'O'};
                    ++i;
                } else {
                    general = true;
                }
            } else {
                i += name.size() - 1;
                const bool more = i + 1 < n;
                const char following = more ? in[i + 1] : none;
                if (isDigit(prev) || isIn(prev, ")]}"))
                    piece.push_back('*');
                piece.push_back(':');
                piece.append(name);
                // A function with nothing to work on applies to the last result: "sqrt+1".
                if ((!more || isIn(following, "%/*^+")) && !isConstantName(name))
                    piece.append(settings.previousResult);
                if (isDigit(following) && isConstantName(name))
                    piece.push_back('*');
                functionToken = true;
            }
        } else {
            general = true;
        }

        if (general) {
            if ((c == '.' || c == ',') && !settings.thousandsSeparator) {
                if (!isDigit(prev))
                    piece.push_back('0');
                piece.push_back(settings.decimalSeparator);
            } else if (next == '+' && isIn(c, "{(/*^+-[")) {
                piece.push_back(c); // a plus after a bracket or an operator means nothing
                ++i;
            } else if (c == '*' && next == '*') {
                piece.push_back('^');
                ++i;
            } else if (c == '+' && next == '-') {
                piece.push_back('-');
                ++i;
            } else if ((c == '(' && next == ')') || (c == '[' && next == ']') ||
                       (c == '{' && next == '}')) {
                ++i;
            } else if ((c == 'E' || c == 'e') && next == '+' && isDigit(prev)) {
                piece.push_back('E');
                ++i;
            } else if (c == '-' && prev == '-') {
                piece = "1*-";
            } else {
                piece.push_back(c);
            }
        }

        // Bookkeeping. "after" is the character following everything this step consumed.
        const char after = i + 1 < n ? in[i + 1] : none;
        if (piece.size() == 1) {
            if (isIn(piece[0], ",.0123456789") && start == 0)
                pass.expressionMarksSeen = true;
            else if (!isUpper(prev))
                piece[0] = toUpper(piece[0]); // the second letter of a symbol stays lower case
        }
        out += piece;
        if (piece.empty())
            continue;
        if (isUpper(piece[0])) {
            if (piece == "E" && (isDigit(after) || after == '-'))
                molarMass = false; // an exponent
            else
                pass.lettersSeen = true;
        } else if (piece.size() == 1 && isIn(piece[0], "%/*^+-")) {
            pass.expressionMarksSeen = true;
        } else if (functionToken) {
            // Also when a "*" was put before the token: that "*" counts as if typed, so the
            // formula before it is bracketed whole and multiplied, "Ca(OH)2ln5" is
            // "(Ca(OH)2)*:ln5" just as "Ca(OH)2*ln5" is.
            pass.expressionMarksSeen = true;
            molarMass = false;
        }
    }
    return pass;
}

// Pass 3: inside an expression, formula parts get brackets and leading coefficients a "*":
// "2H2O+NaCl" becomes "2*(H2O)+(NaCl)".
std::string bracketFormulas(std::string_view pass2)
{
    std::string t = "1*";
    t.append(pass2);
    const std::size_t n = t.size();
    const auto at = [&](std::size_t k) { return k < n ? t[k] : none; };
    const auto startsExponent = [&](std::size_t k) {
        return at(k) == 'E' && (isDigit(at(k + 1)) || at(k + 1) == '-');
    };
    std::string out;
    out.reserve(n + n / 2);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t pieceStart = out.size();
        const char c = t[i];
        out.push_back(c);
        const char next = at(i + 1);
        if (isDigit(next) || next == ',' || next == '.') {
            // A count after a symbol or a right bracket runs on through the rest of the formula.
            const bool countOfFormula = isIn(c, ")]}") || isUpper(c);
            std::size_t j = i;
            while (j + 1 < n) {
                const char d = t[j + 1];
                if (isIn(d, ":%/*^+-"))
                    break;
                if ((isLeftBracket(d) || isUpper(d)) && !startsExponent(j + 1) && !countOfFormula)
                    break;
                ++j;
            }
            out.append(t, i + 1, j - i);
            if (isLeftBracket(at(j + 1)) || isUpper(at(j + 1)))
                out.push_back('*'); // a leading coefficient
            i = j;
        }
        if (isUpper(at(i + 1)) && !startsExponent(i + 1)) {
            std::size_t j = i;
            while (j + 1 < n && !isIn(t[j + 1], "%/*^+-"))
                ++j;
            const bool pieceIsLeftBracket =
                out.size() - pieceStart == 1 && isLeftBracket(out[pieceStart]);
            if (!pieceIsLeftBracket)
                out.push_back('(');
            out.append(t, i + 1, j - i);
            if (!pieceIsLeftBracket)
                out.push_back(')');
            i = j;
        }
    }
    return out.substr(2);
}

// Pass 4: "2(3+4)" becomes "2*(3+4)" in plain arithmetic.
std::string multiplyBeforeBrackets(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLeftBracket(text[i]) && i > 0 && isDigit(text[i - 1]))
            out.push_back('*');
        out.push_back(text[i]);
    }
    return out;
}

} // namespace

NormalisedInput normaliseInput(std::string_view input, const NormaliserSettings &settings)
{
    NormalisedInput result;
    bool bracketSeen = false;
    const std::string filtered = filterCharacters(input, result.molarMassResult, bracketSeen);
    TokenPass pass = tokensAndCase(filtered, settings, result.molarMassResult);

    if (pass.lettersSeen && pass.expressionMarksSeen)
        result.text = bracketFormulas(pass.text);
    else if (bracketSeen && !pass.lettersSeen)
        result.text = multiplyBeforeBrackets(pass.text);
    else
        result.text = std::move(pass.text);

    // An operator at the start works on the last result: "+5" adds 5 to it.
    if (!result.text.empty() && isIn(result.text[0], "^*/%+")) {
        const bool numeric = parseNumber(settings.previousResult, settings.decimalSeparator,
                                         settings.thousandsSeparator)
                                 .has_value();
        result.text.insert(0, numeric ? std::string(settings.previousResult) : "???");
    }
    return result;
}

} // namespace pse
