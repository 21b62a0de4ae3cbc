// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/PropertyMaps.h"

#include <QLocale>
#include <QString>

// The texts at the ends of the colour bar that stands in for the legend while a property colours
// the table. They read the way the rest of the window writes numbers, not the way a programmer's
// default does ("1.65e+03").
namespace scaletext {

enum class Quantity {
    Plain,       // in the unit given
    Temperature, // held in °C, shown in the thermometer's unit
    Year,        // whole years
};

struct ScaleEnds
{
    QString min;
    // The highest value followed by its unit.
    QString max;
    // Both ends and the unit in one line, for a screen reader.
    QString spoken;
};

// Rule for Plain and Temperature values: between 0.01 and 10000 (not included) a plain decimal
// with three significant digits, but never fewer than its whole digits ("0.0899", "3.98",
// "22.6", "3823"), trailing zeros dropped; beyond, the information panel's scientific form
// "0.0# E+00" ("6.3 E+07", "8.99 E-05"). The decimal separator is the locale's, and no
// thousands are grouped.
QString number(double value, const QLocale &locale);

// How a property's values read: the discovery year in whole years, the melting and boiling points
// as temperatures, the rest in their unit.
Quantity quantityOf(maps::Property property);

// min and max as the map holds them. A temperature ignores `unit` and shows in kelvin or °C as
// the thermometer does, with the panel's offsets (273 for whole degrees, 273.16 otherwise).
ScaleEnds ends(Quantity quantity, double min, double max, const QString &unit, bool kelvin,
               const QLocale &locale);

} // namespace scaletext
