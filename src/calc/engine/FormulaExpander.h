// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/engine/AtomicMassTable.h"
#include "calc/engine/InputNormaliser.h"

#include <cstddef>
#include <functional>
#include <optional>
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

struct JoinedFormula
{
    std::string text;
    bool lettersSeen = false;
};

// The first step of expandFormula alone, element symbols kept: atoms joined by "+", counts as
// multiplications, subtractions as additions of negatives ("Ca(OH)2" gives "Ca+(O+H)*2").
JoinedFormula joinFormulaAtoms(std::string_view normalisedText, const ExpansionSettings &settings);

// A joined text with every element symbol replaced by weight(its row), the rest kept, so that the
// evaluator computes the formula with other values than the atomic masses: with 1 for one element
// and 0 for all others it counts that element's atoms. Nothing when a symbol is unknown among the
// first elementCount elements.
std::optional<std::string>
weighFormula(std::string_view joined,
             const std::function<std::string_view(const AtomicMassEntry &)> &weight,
             std::size_t elementCount = ::elementCount);

} // namespace pse
