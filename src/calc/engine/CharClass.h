// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// ASCII character tests shared by the engine's steps. After the normaliser every text is ASCII,
// and these never consult the C locale, so the engine reads the same on every system.
namespace pse::charclass {

// "No character": what a look before the start or past the end of a text yields.
inline constexpr char none = '\0';

constexpr bool isIn(char c, std::string_view set)
{
    return c != none && set.find(c) != std::string_view::npos;
}
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
constexpr bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}
constexpr bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}
constexpr char toUpper(char c)
{
    return isLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace pse::charclass
