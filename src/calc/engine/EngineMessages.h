// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The engine's result texts. They are shown to the user as they stand, in English in every
// language, so they are spelled exactly once, here.
namespace pse::messages {

inline constexpr const char *syntaxError = "Syntax error!";
inline constexpr const char *divideByZero = "Cannot divide by zero!";
inline constexpr const char *missingRightBracket = "Missing right bracket ')' !";
inline constexpr const char *missingLeftBracket = "Missing left bracket '(' !";
inline constexpr const char *infiniteNumber = "<Infinite number>";
inline constexpr const char *resultTooLarge = "Result is too large!";
inline constexpr const char *negativeNumber = "Error - negative number!";
inline constexpr const char *logOfNegative = "Log of a negative number!";
inline constexpr const char *logOfZero = "Logarithm of a zero!";
inline constexpr const char *argumentRange = "Argument must be from -1 to 1";

// The arithmetic faults use the classic BASIC runtime texts.
inline constexpr const char *overflow = "Overflow";
inline constexpr const char *typeMismatch = "Type mismatch";
inline constexpr const char *invalidCall = "Invalid procedure call or argument";

// Put after an unknown element symbol.
inline constexpr const char *notElementSymbolEn = " isn't element symbol!";
inline constexpr const char *notElementSymbolHr = " nije simbol elementa!";

} // namespace pse::messages
