// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/engine/ExpressionEvaluator.h"
#include "elements/ElementDatabase.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pse {

// The calculator behind the one input line: arithmetic with scientific functions, chemical
// formulas, or both. Text in, text out: every failure is a result text, nothing is thrown and no
// input makes it crash or hang. The state is public because the calculator panel and the console
// front end read and set it directly, as they always have; an engine holds no global state, so
// any number of them can live side by side.
class CalculatorEngine
{
public:
    // Display modes of numberMode; molarMass is used only inside evaluateInput.
    enum NumberMode : short { Automatic = 0, Scientific = 1, Rounded = 2, MolarMass = 3 };

    // The engine draws ":ran" from its own generator, seeded here, unless the program hands it
    // its one generator with setRandomSource.
    explicit CalculatorEngine(std::uint64_t randomSeed = 0);

    // A source of uniform numbers in [0, 1).
    void setRandomSource(std::function<double()> source);

    // The engine state.
    std::string inputText;
    std::string normalisedText; // what the input line shows after an evaluation
    std::string expandedText;   // the arithmetic the formulas became (the input line's tooltip)
    std::string resultText;     // a number in the general format, or a message
    std::string previousResult; // the result before it: "ans"
    bool molarMassResult = true;
    short massDecimals = 10;
    short numberMode = Automatic;
    std::string decimalsFormat = "00"; // one "0" per decimal shown
    bool thousandsSeparator = false;
    short angleUnit = 0; // 0 radians, 1 degrees, 2 grads
    double memoryValue = 0.0;
    char decimalSeparator = '.'; // '.' or ',': the window passes the system's one
    std::string lastSymbol;      // the symbol looked up last; after a symbol error the unknown one
    bool symbolError = false;
    // The elements whose symbols formulas know: 109, to meitnerium, as the program always had, or
    // 118 with the full table. With 118, "Nh" is nihonium; with 109 it is repaired to "NH".
    std::size_t elementCount = ::elementCount;

    // Runs the steps on inputText: normalises it, expands the formulas, evaluates and stores the
    // result in the general format, or as a molar mass with the fewest decimals of its elements.
    void evaluateInput();

    // inputText = input, then evaluateInput, then the unknown-symbol report: when a symbol stayed
    // unknown, resultText becomes the symbol followed by symbolSuffix and symbolError is cleared;
    // the return value tells whether that happened, so that the caller can select lastSymbol.
    bool evaluateLine(std::string_view input, std::string_view symbolSuffix);

    // The steps, each usable on its own.
    std::string normaliseInput(std::string_view text);
    std::string expandFormula(std::string &text);
    std::string evaluateExpression(std::string_view expanded);
    std::string applyFunction(std::string_view operand);

    // The display text of a result: unchanged when it is a message; otherwise by mode, see the
    // calculator's documentation.
    std::string formatNumber(std::string_view value, short mode, std::string_view zeros,
                             bool thousands) const;

    // What the result label shows for the current state.
    std::string displayText() const;

    // The number-format settings as the panel changes them. setDecimals keeps n within 0..12 and
    // to 2 while rounded mode shows thousands separators; returns the decimals now in force.
    int setDecimals(int n);
    void setNumberMode(short mode);
    void setThousandsSeparator(bool on);
    int decimals() const { return static_cast<int>(decimalsFormat.size()); }

private:
    std::function<double()> m_random;
    ExpressionEvaluator m_evaluator;
};

} // namespace pse
