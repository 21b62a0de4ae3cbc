#pragma once

#include <span>
#include <string_view>

namespace pse {

struct AtomicMassEntry
{
    std::string_view symbol; // case matters: "Co" is cobalt, "CO" two elements
    double mass;
    short decimals; // significant decimals of the mass; 0 for a whole mass number
};

// The row of an element symbol, compared exactly, case included; nullptr for any other text.
const AtomicMassEntry *findAtomicMass(std::string_view symbol);

// All 109 rows, hydrogen to meitnerium.
std::span<const AtomicMassEntry> atomicMassTable();

} // namespace pse
