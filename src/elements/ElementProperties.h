// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three numbers the table is coloured by and the tile shows, kept apart from the descriptive
// record because they are given to more decimals than the panel's text fields and are compared,
// not shown as text.
struct ElementProperties
{
    double meltingPoint; // °C; 0 where the data hold none (from curium on)
    double boilingPoint; // °C; 0 where the data hold none
    double atomicMass;   // relative atomic mass; a whole mass number where no isotope is stable
};

// The properties of the element with atomic number z, 1..118.
const ElementProperties &elementProperties(int z);
