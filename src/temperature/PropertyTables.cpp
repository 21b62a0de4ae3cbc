#include "temperature/PropertyTables.h"

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
