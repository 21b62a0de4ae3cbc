#pragma once

#include "calc/engine/InputNormaliser.h"

#include <string>
#include <string_view>

namespace pse {

struct ExpansionSettings
{
    NormaliserSettings normaliser; // used again after each repair of a symbol's case
    double memoryValue = 0.0;
};

struct Expansion
{
    std::string text;        // the arithmetic; empty when an unknown symbol stayed unrepaired
    short massDecimals = 10; // fewest significant decimals of the elements used; 10: none used
    bool symbolError = false;
    std::string lastSymbol;    // the symbol looked up last; after a failure the offending one
    bool renormalised = false; // a repair rewrote the text; molarMassResult below is then valid
    bool molarMassResult = true;
};

// Turns the chemical formulas in a normalised text into arithmetic: symbols become their atomic
// masses joined by "+", counts become multiplications and subtractions additions of negatives.
// A symbol that is unknown as written but valid after a change of case ("AG", "Nh") is repaired
// in normalisedText, which is then normalised again, and the expansion starts over.
Expansion expandFormula(std::string &normalisedText, const ExpansionSettings &settings);

} // namespace pse
