// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/Texts.h"

#include <QColor>
#include <QString>

#include <cstddef>
#include <optional>

struct ElementRecord;
struct PropertyTables;

// The table coloured by a property instead of the state of matter: which properties, where their
// values come from, the scale they are spread over and the colours along it.
namespace maps {

enum class Property {
    Electronegativity,
    AtomicRadius,
    Density,
    MeltingPoint,
    BoilingPoint,
    HeatOfFusion,
    HeatOfVaporisation,
    ThermalConductivity,
    ElectricalConductivity,
    MolarVolume,
    AtomicMass,
    DiscoveryYear,
    Count
};

struct PropertyInfo
{
    pse::lang::TextId name; // the caption the information panel gives the property
    const char *unit;
};

const PropertyInfo &info(Property property);

// The year an element was discovered; elements known since antiquity (a year "BC", or none
// given) count as known from the start, before any dated discovery.
int discoveryYear(const ElementRecord &record);
constexpr int Antiquity = -100000;
// The year of the latest discovery among the first `count` elements.
int latestDiscovery(std::size_t count);

// The value of element z (1..118), in the unit of info(). Nothing where the data hold none: a 0
// is no value by the data's rule. Densities are all in g/cm3, the gases' included.
std::optional<double> value(Property property, int z, const PropertyTables &tables);

struct Scale
{
    double min = 0;
    double max = 1;
    // Where the values span orders of magnitude; all of them are then above zero.
    bool logarithmic = false;
};

// The scale over the values of the first `count` elements.
Scale scaleFor(Property property, const PropertyTables &tables, std::size_t count);
// Where value lies on the scale, 0..1, values beyond its ends taken at the ends.
double position(const Scale &scale, double value);

// A perceptually uniform scale from dark violet through blue and green to yellow (viridis), which
// reads in order on a projector and for pupils who do not tell red from green.
QColor viridis(double position);

} // namespace maps
