// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/PropertyTables.h"

#include "calc/engine/NumberFormat.h"
#include "elements/ElementProperties.h"

#include <algorithm>
#include <charconv>

void setTemperature(PropertyTables &tables)
{
    for (int i = 0; i < PropertyTables::Count; ++i) {
        // Button 0 is the extra hydrogen button.
        const ElementProperties &p = elementProperties(std::max(i, 1));
        tables.meltingPoints[i] = p.meltingPoint;
        tables.boilingPoints[i] = p.boilingPoint;
        tables.atomicMasses[i] = p.atomicMass;
    }
}

QString PropertyTables::valueText(double value, QChar decimalSeparator)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'.', decimalSeparator);
    return text;
}

QString PropertyTables::temperatureText(double celsius, bool kelvinScale, QChar decimalSeparator)
{
    const QString text = valueText(celsius, decimalSeparator);
    if (!kelvinScale)
        return text + QStringLiteral(" °C");
    if (text.contains(decimalSeparator))
        return QString::fromStdString(pse::formatWithPattern(celsius + 273.16, "###0.0#",
                                                             char(decimalSeparator.toLatin1()))) +
               QStringLiteral(" K");
    return QString::number(qint64(celsius) + 273) + QStringLiteral(" K");
}
