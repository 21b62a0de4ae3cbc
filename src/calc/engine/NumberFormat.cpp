// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace pse {
namespace {

constexpr int significantDigits = 15;

// A finite value as decimal digits: |value| = d0.d1d2... x 10^exponent. digits has no leading zero
// except for the value zero, which is "0" with exponent 0.
struct Decimal
{
    std::string digits;
    int exponent = 0;
    bool negative = false;

    bool isZero() const { return digits == "0"; }

    // The digit standing for 10^power, zeros outside the stored digits.
    char digitAt(int power) const
    {
        const int index = exponent - power;
        if (index < 0 || index >= static_cast<int>(digits.size()))
            return '0';
        return digits[static_cast<std::size_t>(index)];
    }
};

Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value) && value != 0.0;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, significantDigits - 1);
    if (ec != std::errc{}) {
        d.digits.assign(1, '0');
        return d;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    d.digits.reserve(significantDigits);
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    d.exponent = exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.exponent = 0;
    return d;
}

// Keeps the digits down to 10^lowestPower, rounding half away from zero on the decimal digits.
void roundAtPower(Decimal &d, int lowestPower)
{
    if (d.isZero())
        return;
    const int keep = d.exponent - lowestPower + 1; // digits that stay
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.assign(1, '0');
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty() || d.digits == "0") {
        d.digits.assign(1, '0');
        d.exponent = 0;
    }
}

struct Pattern
{
    int minIntegerDigits = 0;
    bool grouping = false;
    bool hasPoint = false;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool scientific = false;
    char exponentLetter = 'E';
    bool exponentSignAlways = false;
    int minExponentDigits = 0;
    std::string beforeExponent; // literal text between the mantissa and the exponent letter
    std::string suffix;
};

Pattern parsePattern(std::string_view text)
{
    Pattern p;
    enum class Phase { Integer, Fraction, Exponent, Suffix } phase = Phase::Integer;
    std::string literal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool exponentStart = (c == 'E' || c == 'e') && i + 1 < text.size() &&
                                   (text[i + 1] == '+' || text[i + 1] == '-');
        if (phase != Phase::Exponent && phase != Phase::Suffix && exponentStart) {
            p.scientific = true;
            p.exponentLetter = c;
            p.exponentSignAlways = text[i + 1] == '+';
            p.beforeExponent = literal;
            literal.clear();
            phase = Phase::Exponent;
            ++i;
            continue;
        }
        switch (phase) {
        case Phase::Integer:
            if (c == '0')
                ++p.minIntegerDigits;
            else if (c == ',')
                p.grouping = true;
            else if (c == '.') {
                p.hasPoint = true;
                phase = Phase::Fraction;
            } else if (c != '#')
                literal.push_back(c);
            break;
        case Phase::Fraction:
            if ((c == '0' || c == '#') && literal.empty()) {
                ++p.maxDecimals;
                if (c == '0')
                    p.minDecimals = p.maxDecimals;
            } else {
                literal.push_back(c);
            }
            break;
        case Phase::Exponent:
            if (c == '0')
                ++p.minExponentDigits;
            else {
                literal.push_back(c);
                phase = Phase::Suffix;
            }
            break;
        case Phase::Suffix:
            literal.push_back(c);
            break;
        }
    }
    p.suffix = literal;
    return p;
}

void appendGrouped(std::string &out, std::string_view integer, char groupSeparator)
{
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            out.push_back(groupSeparator);
        out.push_back(integer[i]);
    }
}

std::string fractionDigits(const Decimal &d, int firstPower, const Pattern &p)
{
    std::string fraction;
    for (int k = 1; k <= p.maxDecimals; ++k)
        fraction.push_back(d.digitAt(firstPower - k));
    while (static_cast<int>(fraction.size()) > p.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    return fraction;
}

std::string formatFixed(Decimal d, const Pattern &p, char decimalSeparator)
{
    roundAtPower(d, -p.maxDecimals);
    std::string integer;
    for (int power = d.exponent; power >= 0; --power)
        integer.push_back(d.digitAt(power));
    if (d.isZero())
        integer.clear();
    if (static_cast<int>(integer.size()) < p.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(p.minIntegerDigits) - integer.size(), '0');

    std::string out;
    if (d.negative && !d.isZero())
        out.push_back('-');
    if (p.grouping)
        appendGrouped(out, integer, decimalSeparator == ',' ? '.' : ',');
    else
        out += integer;
    if (p.hasPoint) {
        const std::string fraction = fractionDigits(d, 0, p);
        // A pattern ending in "." keeps its separator ("98."), as the pattern asks for it.
        out.push_back(decimalSeparator);
        out += fraction;
    }
    out += p.suffix;
    return out;
}

std::string formatScientific(Decimal d, const Pattern &p, char decimalSeparator)
{
    if (!d.isZero())
        roundAtPower(d, d.exponent - p.maxDecimals);
    std::string out;
    if (d.negative && !d.isZero())
        out.push_back('-');
    out.push_back(d.digits[0]);
    if (p.hasPoint) {
        out.push_back(decimalSeparator);
        out += fractionDigits(d, d.exponent, p);
    }
    out += p.beforeExponent;
    out.push_back(p.exponentLetter);
    const int exponent = d.isZero() ? 0 : d.exponent;
    if (exponent < 0)
        out.push_back('-');
    else if (p.exponentSignAlways)
        out.push_back('+');
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(digits.size()) < p.minExponentDigits)
        digits.insert(0, static_cast<std::size_t>(p.minExponentDigits) - digits.size(), '0');
    out += digits;
    out += p.suffix;
    return out;
}

std::string nonFiniteText(double value)
{
    return std::isnan(value) ? "NaN" : "Overflow";
}

// The power of ten of the first significant digit of a plain "digits.digitse-digits" text,
// saturated far beyond the range of a double.
long decimalMagnitude(std::string_view plain)
{
    const std::size_t e = plain.find('e');
    const std::string_view mantissa = plain.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        const bool negative = e + 1 < plain.size() && plain[e + 1] == '-';
        const bool sign = e + 1 < plain.size() && (plain[e + 1] == '-' || plain[e + 1] == '+');
        for (std::size_t i = e + (sign ? 2 : 1); i < plain.size(); ++i)
            exponent = std::min(exponent * 10 + (plain[i] - '0'), 100000000L);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return 0;
    const long position =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return exponent + position;
}

// Reads "digits.digitse-digits" (an optional "-" in front) with from_chars, which leaves the
// value alone when out of range: overflow and underflow are told apart by the decimal exponent
// of the first significant digit.
std::optional<double> readPlain(std::string_view plain)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = !plain.empty() && plain[0] == '-';
        const double magnitude =
            decimalMagnitude(negative ? plain.substr(1) : plain) > 0 ? HUGE_VAL : 0.0;
        return negative ? -magnitude : magnitude;
    }
    if (ec != std::errc{} || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string formatGeneral(double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal d = toDecimal(value);
    if (d.isZero())
        return "0";
    std::string out;
    if (d.negative)
        out.push_back('-');
    if (d.exponent < -4 || d.exponent >= significantDigits) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back(decimalSeparator);
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out.push_back(d.exponent < 0 ? '-' : '+');
        const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
        if (magnitude < 10)
            out.push_back('0');
        out += std::to_string(magnitude);
        return out;
    }
    if (d.exponent < 0) {
        out.push_back('0');
        out.push_back(decimalSeparator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    for (int power = d.exponent; power >= 0; --power)
        out.push_back(d.digitAt(power));
    const int integerDigits = d.exponent + 1;
    if (static_cast<int>(d.digits.size()) > integerDigits) {
        out.push_back(decimalSeparator);
        out.append(d.digits, static_cast<std::size_t>(integerDigits));
    }
    return out;
}

double roundGeneral(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value == 0.0 ? 0.0 : value;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, significantDigits - 1);
    if (ec != std::errc{})
        return value;
    const std::optional<double> rounded =
        readPlain(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    return !rounded || *rounded == 0.0 ? 0.0 : *rounded;
}

std::string formatWithPattern(double value, std::string_view pattern, char decimalSeparator)
{
    if (pattern == "General Number")
        return formatGeneral(value, decimalSeparator);
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (pattern == "Standard")
        pattern = "#,##0.00";
    const Pattern p = parsePattern(pattern);
    const Decimal d = toDecimal(value);
    return p.scientific ? formatScientific(d, p, decimalSeparator)
                        : formatFixed(d, p, decimalSeparator);
}

std::optional<double> parseNumber(std::string_view text, char decimalSeparator, bool allowGrouping)
{
    const char groupSeparator = decimalSeparator == ',' ? '.' : ',';
    const auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (isDigit(i) || (allowGrouping && mantissaDigits > 0 && i < text.size() &&
                          text[i] == groupSeparator && isDigit(i + 1))) {
        if (text[i] != groupSeparator) {
            plain.push_back(text[i]);
            ++mantissaDigits;
        }
        ++i;
    }
    if (i < text.size() && text[i] == decimalSeparator) {
        plain.push_back('.');
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain.push_back(text[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        plain.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                plain.push_back('-');
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain.push_back(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    const std::optional<double> value = readPlain(plain);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

} // namespace pse
