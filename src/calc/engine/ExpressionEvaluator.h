// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/engine/FunctionEvaluator.h"

#include <string>
#include <string_view>
#include <vector>

namespace pse {

// Computes an expanded expression and returns the value in the result pattern
// "#0.000000000000e-000", or a message.
//
// The calculator's arithmetic is defined as text rewriting: the innermost bracket is resolved,
// inside it the operators "^", "/", "*", "%", "+" are applied in that order, each from the left,
// and every result is written back into the text in the general format (15 significant digits)
// before the next step reads it. Done literally, each step copies the whole text, which is
// quadratic in the length of the line. This evaluator reaches the same results in one pass: the
// first ")" of the text is always the next one to the right, so a stack of open brackets replaces
// the search; within a bracket the text between operator characters is kept as a list of
// operands, an operation merges two neighbours into one number that is rounded exactly as its
// text would read back, and only a bracket's final result is written as text, because only there
// can it run together with the text around the bracket (":sin(30)" becomes ":sin30").
class ExpressionEvaluator
{
public:
    // One evaluator may run any number of evaluations; it keeps its buffers from one to the next.
    std::string evaluate(std::string_view expanded, const EvaluationSettings &settings);

private:
    struct Operand
    {
        std::string raw;    // the text as it stands, while not computed
        double exact = 0.0; // once computed: the value of the operation
        double value = 0.0; // ... and what its text in the general format reads back as
        bool computed = false;
    };

    struct Level
    {
        std::vector<Operand> operands;
        std::string operators; // operators[i] stands between operands[i] and operands[i + 1]
        std::string current;   // the text since the last operator
    };

    const char *reduce(Level &level);
    const char *combine(Operand &left, char op, const Operand &right);
    std::string textOf(Operand &operand) const;

    EvaluationSettings m_settings;
    std::vector<Level> m_levels;
    std::vector<std::size_t> m_previous;
    std::vector<std::size_t> m_next;
};

} // namespace pse
