// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The descriptive data of one element as the information panel shows it. Melting and boiling
// points and atomic masses are not here: they live in the property tables, indexed by atomic
// number.
//
// A numeric field of 0 and an empty text both mean "no value held"; the panel shows "?" for them.
// Units: heats in kJ/mol, electronegativity on the Pauling scale, radius in pm, thermal
// conductivity in W/(m K), electrical conductivity in S/m, molar volume in cm3/mol. The density is
// text because some elements have a range ("1.9 - 3.53"); it is in g/cm3 at 20 °C, with the gases
// given in g/L.
struct ElementRecord
{
    std::string symbol; // the lookup key, e.g. "He"
    std::string nameHR;
    std::string nameEN;
    std::string nameDE;
    std::string nameFR;
    std::string nameIT;
    std::string electronConfig; // "[He] 2s2 2p2"
    std::string discoveryYear;  // "1766." or "~ 3000. BC"
    std::string discoverers;    // "Name (GBR), Name (F)"
    float heatOfFusion = 0;
    float heatOfVaporisation = 0;
    std::string oxidationStates; // "-4 +2 +4"; "0" for the noble gases
    float electronegativity = 0;
    float atomicRadius = 0;
    float thermalConductivity = 0;
    float electricalConductivity = 0;
    float molarVolume = 0;
    std::string density; // "7.874" or "1.9 - 3.53"
    // The configuration is a calculated one, not measured (darmstadtium to oganesson), and the
    // panel says so beside it.
    bool electronConfigPredicted = false;

    // The name in a language of the interface: 1 English, 2 German, 3 French, 4 Italian, any
    // other index Croatian.
    const std::string &name(int languageIndex) const
    {
        switch (languageIndex) {
        case 1:
            return nameEN;
        case 2:
            return nameDE;
        case 3:
            return nameFR;
        case 4:
            return nameIT;
        default:
            return nameHR;
        }
    }

    bool operator==(const ElementRecord &) const = default;
};
