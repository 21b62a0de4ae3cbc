// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScaleText.h"

#include "calc/engine/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace scaletext {

namespace {

double kelvinFrom(double celsius)
{
    return std::trunc(celsius) == celsius ? celsius + 273 : celsius + 273.16;
}

} // namespace

QString number(double value, const QLocale &locale)
{
    const double size = std::abs(value);
    const char separator = char(locale.decimalPoint().at(0).toLatin1());
    if (size != 0 && (size < 0.01 || size >= 10000))
        return QString::fromStdString(pse::formatWithPattern(value, "0.0# E+00", separator));
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const int decimals = size == 0 ? 0 : std::max(0, 2 - int(std::floor(std::log10(size))));
    QString text = plain.toString(value, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}

Quantity quantityOf(maps::Property property)
{
    if (property == maps::Property::DiscoveryYear)
        return Quantity::Year;
    if (property == maps::Property::MeltingPoint || property == maps::Property::BoilingPoint)
        return Quantity::Temperature;
    return Quantity::Plain;
}

ScaleEnds ends(Quantity quantity, double min, double max, const QString &unit, bool kelvin,
               const QLocale &locale)
{
    QString shownUnit = unit;
    ScaleEnds texts;
    if (quantity == Quantity::Year) {
        texts.min = QString::number(std::lround(min));
        texts.max = QString::number(std::lround(max));
    } else {
        if (quantity == Quantity::Temperature) {
            shownUnit = kelvin ? QStringLiteral("K") : QStringLiteral("°C");
            if (kelvin) {
                min = kelvinFrom(min);
                max = kelvinFrom(max);
            }
        }
        texts.min = number(min, locale);
        texts.max = number(max, locale);
    }
    if (!shownUnit.isEmpty())
        texts.max += u' ' + shownUnit;
    texts.spoken = texts.min + QStringLiteral(" – ") + texts.max;
    return texts;
}

} // namespace scaletext
