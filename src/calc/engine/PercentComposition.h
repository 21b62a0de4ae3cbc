// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace pse {

class CalculatorEngine;

// One element of a formula.
struct CompositionRow
{
    std::string symbol;   // "Cu"
    int atomicNumber = 0; // 1..118, for looking up the element's name
    double count = 0.0;   // atoms in the whole line: coefficients and bracket counts multiplied
    double mass = 0.0;    // count times the engine's atomic mass
    double percent = 0.0; // mass / total * 100
};

struct Composition
{
    // False for a line that is no formula; rows is then empty and total 0.
    bool isFormula = false;
    std::vector<CompositionRow> rows; // in order of first appearance in the line
    double total = 0.0;               // the molar mass as shown, the base of the per cents
};

// The percentage composition of the line the engine evaluated last ("CuSO4·5H2O": Cu 25.45 %,
// S 12.84 %, O 57.67 %, H 4.04 %). The line is a formula when its result is shown as a molar mass
// (molarMassResult), is a number above zero and holds at least one element. A line that also adds
// a plain number ("H2O+5") is no formula either, since that part belongs to no element. Anything
// else (arithmetic, a message, an unknown symbol, an empty line) gives isFormula false; nothing
// is thrown. The engine is not changed.
//
// The atoms are counted with the engine's own arithmetic, so they follow the very rules that gave
// the molar mass. total is the molar mass as shown, rounded to the fewest decimals of its
// elements, so the per cents add up to 100 within that rounding.
Composition percentComposition(const CalculatorEngine &engine);

// One row's cells as the table and the text show them: symbol, name, count and mass in the
// general format, per cent with two decimals, all with decimalSeparator.
std::array<std::string, 5> compositionCells(const CompositionRow &row, char decimalSeparator,
                                            const std::string &name);

// The composition as tab-separated lines, each ending in "\n": the header
// "symbol\tname\tcount\tmass\tpercent", one line per row, and last
// "total\t\t<atoms>\t<molar mass>\t<sum of the per cents>". Counts and masses are in the general
// format, per cents with two decimals, all with decimalSeparator ('.' or ','). elementName gives
// the name for an atomic number, so the engine needs no element data of its own. An empty text
// when the line is no formula.
std::string formatComposition(const Composition &composition, char decimalSeparator,
                              const std::function<std::string(int atomicNumber)> &elementName);

} // namespace pse
