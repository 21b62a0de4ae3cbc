// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/Narration.h"

#include "elements/ElementDatabase.h"
#include "lang/Texts.h"
#include "temperature/PropertyTables.h"
#include "temperature/StateOfMatter.h"

#include <QStringList>

#include <algorithm>

namespace narration {

namespace {

// Elements from curium on have no temperatures in the data.
constexpr int LastWithState = 95;

} // namespace

std::vector<Crossing> crossings(int fromCelsius, int toCelsius, const PropertyTables &tables,
                                int elementCount)
{
    std::vector<Crossing> all;
    const bool up = toCelsius > fromCelsius;
    for (int z = 1; z <= std::min(elementCount, LastWithState); ++z) {
        const double melting = tables.meltingPoints[std::size_t(z)];
        const double boiling = tables.boilingPoints[std::size_t(z)];
        const qint16 before = stateAt(fromCelsius, melting, boiling);
        const qint16 after = stateAt(toCelsius, melting, boiling);
        if (before == after)
            continue;
        if (before != StateCode::Liquid && after != StateCode::Liquid && boiling <= melting) {
            all.push_back({z, up ? Change::Sublimes : Change::Deposits, melting});
            continue;
        }
        // A step may pass both points; each is told where the temperature met it.
        if (before == StateCode::Solid || after == StateCode::Solid)
            all.push_back({z, up ? Change::Melts : Change::Freezes, melting});
        if (before == StateCode::Gas || after == StateCode::Gas)
            all.push_back({z, up ? Change::Boils : Change::Condenses, boiling});
    }
    std::stable_sort(all.begin(), all.end(), [up](const Crossing &a, const Crossing &b) {
        return up ? a.celsius < b.celsius : a.celsius > b.celsius;
    });
    return all;
}

QString text(const std::vector<Crossing> &crossings, int languageIndex, bool kelvinScale,
             QChar decimalSeparator, std::size_t shown)
{
    const QStringList templates =
        pse::lang::text(pse::lang::TextId::NarrationChanges, languageIndex).split(u'|');
    QStringList parts;
    for (std::size_t i = 0; i < std::min(shown, crossings.size()); ++i) {
        const Crossing &c = crossings[i];
        const QString name = QString::fromStdString(
            allElements(fullElementCount)[std::size_t(c.z - 1)].name(languageIndex));
        parts << templates.value(qsizetype(c.change))
                     .arg(name, PropertyTables::temperatureText(c.celsius, kelvinScale,
                                                                decimalSeparator));
    }
    QString line = parts.join(QStringLiteral(", "));
    if (crossings.size() > shown)
        line += QStringLiteral(" … (+%1)").arg(crossings.size() - shown);
    return line;
}

} // namespace narration
