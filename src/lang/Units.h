// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units of the element data as the window shows them beside the values, with proper signs and
// the same in every language. The values' tooltips keep their own, older spelling.
namespace units {

inline constexpr const char *heat = "kJ/mol";
inline constexpr const char *thermalConductivity = "W/(m·K)";
inline constexpr const char *electricalConductivity = "S/m";
inline constexpr const char *electronegativity = "Pauling";
inline constexpr const char *radius = "pm";
inline constexpr const char *molarVolume = "cm³/mol";
inline constexpr const char *density = "g/cm³";
// The gases' densities are held in grams per litre at 20 °C.
inline constexpr const char *gasDensity = "g/L (20 °C)";

} // namespace units
