// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// Melting point, boiling point (both °C) and relative atomic mass by element-button index 0..118,
// copied once from the element data so that the window's refreshes index plain arrays. Index 0 is
// the extra hydrogen button; 110..118 are shown with the full table only. A temperature of 0
// means "not in the data" (from Cm on).
struct PropertyTables
{
    static constexpr int Count = 119;

    std::array<double, Count> meltingPoints{};
    std::array<double, Count> boilingPoints{};
    std::array<double, Count> atomicMasses{};

    // The value as the system writes it: its shortest decimal text with the given separator.
    static QString valueText(double value, QChar decimalSeparator);
    // A temperature from the tables (°C) in the thermometer's unit, with the unit. Values held
    // with decimals keep the more exact 273.16 offset and two decimals at most; whole values
    // stay whole: 1535 °C is "1808 K", -259.14 °C "14.02 K".
    static QString temperatureText(double celsius, bool kelvinScale, QChar decimalSeparator);
};

// Fills the tables once at start-up.
void setTemperature(PropertyTables &tables);
