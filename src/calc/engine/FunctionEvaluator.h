// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace pse {

struct EvaluationSettings
{
    short angleUnit = 0; // 0 radians, 1 degrees, 2 grads
    char decimalSeparator = '.';
    // Uniform numbers in [0, 1) for ":ran"; without one ":ran" gives 0.
    const std::function<double()> *random = nullptr;
};

// A value, or one of the engine's messages (a literal from EngineMessages.h).
struct OperandValue
{
    double value = 0.0;
    const char *message = nullptr;

    bool isNumber() const { return message == nullptr; }
};

// Reads an operand text as a number the way the evaluator does: the decimal separator of the
// settings, thousands marks between integer digits skipped. No number gives "Type mismatch", a
// number beyond the range of a double "Overflow".
OperandValue readOperand(std::string_view text, char decimalSeparator);

// The value of an operand that starts with ":" or ends with "!": function tokens, applied from
// right to left (":sin:sqrt4" is sin 2), and factorials. The first message met is the result.
OperandValue applyFunction(std::string_view operand, const EvaluationSettings &settings);

} // namespace pse
