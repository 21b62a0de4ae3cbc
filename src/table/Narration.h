// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

struct PropertyTables;

// What a change of temperature did to the elements: the melting and boiling points it crossed on
// its way, for the line under the table that tells the class what is happening.
namespace narration {

enum class Change { Melts, Boils, Condenses, Freezes, Sublimes, Deposits };

struct Crossing
{
    int z;
    Change change;
    double celsius; // the point crossed
};

// The points crossed between two whole temperatures in °C, in the order the temperature passed
// them, by the same rule that colours the table: an element whose boiling point lies below its
// melting point (arsenic) goes straight between solid and gas at its melting point.
std::vector<Crossing> crossings(int fromCelsius, int toCelsius, const PropertyTables &tables,
                                int elementCount);

// "Željezo se tali (1808 K)", several joined; beyond `shown` of them, how many more.
QString text(const std::vector<Crossing> &crossings, int languageIndex, bool kelvinScale,
             QChar decimalSeparator, std::size_t shown = 3);

} // namespace narration
