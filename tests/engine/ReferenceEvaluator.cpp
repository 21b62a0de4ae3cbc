// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceEvaluator.h"

#include "calc/engine/EngineMessages.h"
#include "calc/engine/NumberFormat.h"

#include <cmath>

namespace {

// Is the character at k an operator that ends an operand? A "+" right after "E" is not.
bool isDelimiter(std::string_view text, std::size_t k)
{
    const char c = text[k];
    if (c == '^' || c == '*' || c == '/' || c == '%')
        return true;
    return c == '+' && !(k > 0 && text[k - 1] == 'E');
}

std::size_t findOperator(std::string_view text, char op)
{
    for (std::size_t k = 0; k < text.size(); ++k)
        if (text[k] == op && (op != '+' || isDelimiter(text, k)))
            return k;
    return std::string_view::npos;
}

bool isFunctionText(std::string_view text)
{
    return !text.empty() && (text.front() == ':' || text.back() == '!');
}

} // namespace

std::string referenceEvaluate(std::string_view expanded, const pse::EvaluationSettings &settings)
{
    namespace messages = pse::messages;
    const char separator = settings.decimalSeparator;
    if (expanded.empty())
        return {};
    std::string w = "1*";
    w.append(expanded);
    for (;;) {
        const std::size_t r = w.find(')');
        const std::size_t l = w.find('(');
        if (l != std::string::npos && (r == std::string::npos || l > r))
            return messages::missingRightBracket;
        std::string before;
        std::string inner;
        std::string after;
        if (r == std::string::npos) {
            inner = w;
        } else {
            const std::size_t open = w.rfind('(', r);
            if (open == std::string::npos)
                return messages::missingLeftBracket;
            before = w.substr(0, open);
            inner = w.substr(open + 1, r - open - 1);
            after = w.substr(r + 1);
        }
        if (inner.starts_with(':'))
            inner.insert(0, "1*");
        for (const char op : std::string_view("^/*%+")) {
            for (std::size_t at = findOperator(inner, op); at != std::string::npos;
                 at = findOperator(inner, op)) {
                std::size_t a = at;
                while (a > 0 && !isDelimiter(inner, a - 1))
                    --a;
                std::size_t b = at + 1;
                while (b < inner.size() && !isDelimiter(inner, b))
                    ++b;
                const std::string left = inner.substr(a, at - a);
                const std::string right = inner.substr(at + 1, b - at - 1);
                // Function operands first, then the check for both operands, then numbers.
                const bool leftCall = isFunctionText(left);
                const bool rightCall = isFunctionText(right);
                pse::OperandValue x =
                    leftCall ? pse::applyFunction(left, settings) : pse::OperandValue{};
                if (!x.isNumber())
                    return x.message;
                pse::OperandValue y =
                    rightCall ? pse::applyFunction(right, settings) : pse::OperandValue{};
                if (!y.isNumber())
                    return y.message;
                if (left.empty() || right.empty())
                    return messages::syntaxError;
                if (!leftCall && !(x = pse::readOperand(left, separator)).isNumber())
                    return x.message;
                if (!rightCall && !(y = pse::readOperand(right, separator)).isNumber())
                    return y.message;
                double v = 0;
                if (op == '^') {
                    if ((x.value < 0 && y.value != std::trunc(y.value)) ||
                        (x.value == 0 && y.value < 0))
                        return messages::invalidCall;
                    v = std::pow(x.value, y.value);
                } else if (op == '/') {
                    if (y.value == 0)
                        return messages::divideByZero;
                    v = x.value / y.value;
                } else if (op == '*') {
                    v = x.value * y.value;
                } else if (op == '%') {
                    v = x.value * y.value / 100;
                } else {
                    v = x.value + y.value;
                }
                if (!std::isfinite(v))
                    return messages::overflow;
                inner = inner.substr(0, a) + pse::formatGeneral(v, separator) + inner.substr(b);
            }
        }
        w = before + inner + after;
        if (r == std::string::npos)
            break;
    }
    const std::optional<double> value = pse::parseNumber(w, separator, true);
    if (!value)
        return messages::syntaxError;
    if (!std::isfinite(*value))
        return messages::overflow;
    return pse::formatWithPattern(*value, "#0.000000000000e-000", separator);
}
