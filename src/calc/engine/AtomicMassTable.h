// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elements/ElementDatabase.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace pse {

struct AtomicMassEntry
{
    std::string_view symbol; // case matters: "Co" is cobalt, "CO" two elements
    double mass;
    short decimals; // significant decimals of the mass; 0 for a whole mass number
};

// The row of an element symbol among the first `elementCount` elements, compared exactly, case
// included; nullptr for any other text. With 109, "Nh" is no symbol; with 118 it is nihonium.
const AtomicMassEntry *findAtomicMass(std::string_view symbol,
                                      std::size_t elementCount = ::elementCount);

// The rows of the first `elementCount` elements (at most 118), in atomic-number order.
std::span<const AtomicMassEntry> atomicMassTable(std::size_t elementCount = ::elementCount);

} // namespace pse
