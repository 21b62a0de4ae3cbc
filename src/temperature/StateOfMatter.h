// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

struct PropertyTables;

// State codes.
namespace StateCode {
constexpr qint16 Solid = -1;
constexpr qint16 Liquid = 1;
constexpr qint16 Gas = 0;
} // namespace StateCode

struct StateColours
{
    QColor solid{128, 176, 255};
    QColor liquid{255, 126, 0};
    QColor gas{143, 188, 143};
    QColor unknown{192, 192, 192};

    QColor forState(qint16 state) const;

    bool operator==(const StateColours &) const = default;
};

// The state at a whole temperature in °C. The melting point is tested first, so an element that
// boils below its melting point (arsenic) goes straight from solid to gas; at a melting point the
// element is still solid, at a boiling point already gas.
qint16 stateAt(int celsius, double meltingPoint, double boilingPoint);

// Whether element `index` of the tables is a gas at 20 °C: the eleven whose densities the data
// holds in grams per litre, a thousand times the unit of the others.
bool gasAt20Celsius(const PropertyTables &tables, int index);

// The thermometer reading in °C: kelvin less 273.16, rounded half to even.
int celsiusFromReading(int temperature, bool kelvinScale);
