// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/StateOfMatter.h"

#include "temperature/PropertyTables.h"

#include <cmath>

QColor StateColours::forState(qint16 state) const
{
    switch (state) {
    case StateCode::Solid:
        return solid;
    case StateCode::Liquid:
        return liquid;
    case StateCode::Gas:
        return gas;
    default:
        return unknown;
    }
}

qint16 stateAt(int celsius, double meltingPoint, double boilingPoint)
{
    if (celsius <= meltingPoint)
        return StateCode::Solid;
    if (celsius < boilingPoint)
        return StateCode::Liquid;
    return StateCode::Gas;
}

bool gasAt20Celsius(const PropertyTables &tables, int index)
{
    const double melting = tables.meltingPoints[std::size_t(index)];
    return melting != 0 &&
           stateAt(20, melting, tables.boilingPoints[std::size_t(index)]) == StateCode::Gas;
}

int celsiusFromReading(int temperature, bool kelvinScale)
{
    if (!kelvinScale)
        return temperature;
    return int(std::nearbyint(temperature - 273.16));
}
