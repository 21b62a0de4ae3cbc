// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's number formats. Every number the user sees goes through here, so the rounding and
// the separators are the same in the calculator, the information panel and the console.
//
// All formatting first takes the value to 15 significant digits (what a double holds reliably) and
// then rounds half away from zero on those decimal digits, so 0.125 with two decimals is "0.13"
// and never "0.12" because of the binary representation.
namespace pse {

// Formats value with one of the program's patterns: "General Number", "Standard", "#0.00"-style
// fixed patterns, "0.00 E+00"-style scientific patterns, "#0.000000000000e-000", "###0.0#", "0.0#
// E+00". decimalSeparator is '.' or ','.
//
// In a custom pattern "0" is a digit always shown, "#" a digit shown only when needed, "." the
// decimal separator, "," in the integer part groups thousands, and "E+"/"E-"/"e+"/"e-" followed by
// zeros starts the exponent ("+" shows the sign always, "-" only when negative). A scientific
// pattern's mantissa carries one integer digit. Any other character is copied as it stands.
// "Standard" groups thousands with "," (or "." when the decimal separator is ",") and shows two
// decimals. A value that rounds to zero is shown without a minus sign. Infinite values give
// "Overflow" and NaN gives "NaN".
std::string formatWithPattern(double value, std::string_view pattern, char decimalSeparator = '.');

// The general format: up to 15 significant digits, trailing zeros dropped, no thousands
// separators; exponent form ("1E+20", "1.5E-05": sign always, at least two digits) when the
// decimal exponent is below -4 or 15 and above. Zero is "0".
std::string formatGeneral(double value, char decimalSeparator = '.');

// The value that formatGeneral's text of value reads back as: value rounded to 15 significant
// digits, an infinity when that rounding leaves the range of a double, and +0 for either zero.
double roundGeneral(double value);

// Reads a whole text as a number written with decimalSeparator: an optional sign, digits with an
// optional separator and fraction (at least one digit in all), an optional exponent "E" or "e"
// with an optional sign and at least one digit. Nothing else may surround it. A number beyond the
// range of a double reads as an infinity of its sign; a text that is no number gives nothing.
// With allowGrouping, the other mark ("," beside ".", "." beside ",") may stand between two digits
// of the integer part and is skipped, as in "1,234.5".
std::optional<double> parseNumber(std::string_view text, char decimalSeparator = '.',
                                  bool allowGrouping = false);

} // namespace pse
