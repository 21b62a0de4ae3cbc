// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/PropertyMaps.h"

#include "elements/ElementDatabase.h"
#include "lang/Units.h"
#include "temperature/PropertyTables.h"
#include "temperature/StateOfMatter.h"
#include "ui/NumberRule.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>

namespace maps {

namespace {

using pse::lang::TextId;

// The units as the panel shows them beside the values, so that the colour bar and the panel agree.
constexpr PropertyInfo Infos[] = {
    {TextId::CaptionElectronegativity, units::electronegativity},
    {TextId::CaptionRadius, units::radius},
    {TextId::CaptionDensity, units::density},
    {TextId::CaptionMelting, "°C"},
    {TextId::CaptionBoiling, "°C"},
    {TextId::CaptionHeatOfFusion, units::heat},
    {TextId::CaptionHeatOfVaporisation, units::heat},
    {TextId::CaptionThermalConductivity, units::thermalConductivity},
    {TextId::CaptionElectricalConductivity, units::electricalConductivity},
    {TextId::CaptionMolarVolume, units::molarVolume},
    {TextId::TipAtomicMass, ""},
    {TextId::CaptionDiscovery, ""},
};
static_assert(std::size(Infos) == std::size_t(Property::Count));

// Discoveries before this are spread over nothing: one alchemist's arsenic would squeeze three
// busy centuries into a sliver of the scale.
constexpr int EarliestYearShown = 1650;

std::optional<double> present(double value)
{
    return value == 0 ? std::nullopt : std::optional(value);
}

// Viridis at nine evenly spaced points; between them the colour is interpolated.
constexpr std::array<std::array<int, 3>, 9> ViridisPoints = {{{68, 1, 84},
                                                              {71, 44, 122},
                                                              {59, 81, 139},
                                                              {44, 113, 142},
                                                              {33, 144, 141},
                                                              {39, 173, 129},
                                                              {92, 200, 99},
                                                              {170, 220, 50},
                                                              {253, 231, 37}}};

} // namespace

const PropertyInfo &info(Property property)
{
    return Infos[std::size_t(property)];
}

int discoveryYear(const ElementRecord &record)
{
    const QString year = QString::fromStdString(record.discoveryYear);
    if (year.isEmpty() || year.contains(u"BC"))
        return Antiquity;
    return pse::clampToWhole16(pse::leadingNumber(year));
}

int latestDiscovery(std::size_t count)
{
    int year = Antiquity;
    for (const ElementRecord &record : allElements(count))
        year = std::max(year, discoveryYear(record));
    return year;
}

std::optional<double> value(Property property, int z, const PropertyTables &tables)
{
    const ElementRecord &r = allElements(fullElementCount)[std::size_t(z - 1)];
    switch (property) {
    case Property::Electronegativity:
        return present(r.electronegativity);
    case Property::AtomicRadius:
        return present(r.atomicRadius);
    case Property::Density: {
        const auto density = present(pse::leadingNumber(QString::fromStdString(r.density)));
        // The gases' densities are held in g/L.
        return density && gasAt20Celsius(tables, z) ? std::optional(*density / 1000) : density;
    }
    case Property::MeltingPoint:
        return present(tables.meltingPoints[std::size_t(z)]);
    case Property::BoilingPoint:
        return present(tables.boilingPoints[std::size_t(z)]);
    case Property::HeatOfFusion:
        return present(r.heatOfFusion);
    case Property::HeatOfVaporisation:
        return present(r.heatOfVaporisation);
    case Property::ThermalConductivity:
        return present(r.thermalConductivity);
    case Property::ElectricalConductivity:
        return present(r.electricalConductivity);
    case Property::MolarVolume:
        return present(r.molarVolume);
    case Property::AtomicMass:
        return present(tables.atomicMasses[std::size_t(z)]);
    case Property::DiscoveryYear:
        return std::max(discoveryYear(r), EarliestYearShown);
    case Property::Count:
        break;
    }
    return std::nullopt;
}

Scale scaleFor(Property property, const PropertyTables &tables, std::size_t count)
{
    Scale scale{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(), false};
    for (int z = 1; z <= int(count); ++z) {
        if (const auto v = value(property, z, tables)) {
            scale.min = std::min(scale.min, *v);
            scale.max = std::max(scale.max, *v);
        }
    }
    scale.logarithmic = scale.min > 0 && scale.max / scale.min >= 100;
    return scale;
}

double position(const Scale &scale, double value)
{
    if (scale.max <= scale.min)
        return 0;
    const double t = scale.logarithmic
                         ? std::log(value / scale.min) / std::log(scale.max / scale.min)
                         : (value - scale.min) / (scale.max - scale.min);
    return std::clamp(t, 0.0, 1.0);
}

QColor viridis(double position)
{
    const double scaled = std::clamp(position, 0.0, 1.0) * (ViridisPoints.size() - 1);
    const std::size_t low = std::min<std::size_t>(std::size_t(scaled), ViridisPoints.size() - 2);
    const double f = scaled - double(low);
    const auto mix = [&](int channel) {
        return int(std::lround(ViridisPoints[low][std::size_t(channel)] * (1 - f) +
                               ViridisPoints[low + 1][std::size_t(channel)] * f));
    };
    return QColor(mix(0), mix(1), mix(2));
}

} // namespace maps
