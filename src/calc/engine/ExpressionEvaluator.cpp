// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/ExpressionEvaluator.h"

#include "calc/engine/EngineMessages.h"
#include "calc/engine/NumberFormat.h"

#include <cmath>

namespace pse {
namespace {

constexpr std::string_view operatorOrder = "^/*%+";
constexpr std::string_view resultPattern = "#0.000000000000e-000";

bool isOperatorCharacter(char c)
{
    return c == '^' || c == '/' || c == '*' || c == '%' || c == '+';
}

bool isFunctionText(std::string_view text)
{
    return !text.empty() && (text.front() == ':' || text.back() == '!');
}

} // namespace

std::string ExpressionEvaluator::evaluate(std::string_view expanded,
                                          const EvaluationSettings &settings)
{
    m_settings = settings;
    if (expanded.empty())
        return {};
    // The prefix gives the outermost function token or factorial an operator to be an operand of.
    std::string text = "1*";
    text.append(expanded);
    const std::size_t lastLeftBracket = text.rfind('(');

    if (m_levels.empty())
        m_levels.emplace_back();
    std::size_t depth = 0;
    m_levels[0].operands.clear();
    m_levels[0].operators.clear();
    m_levels[0].current.clear();

    for (std::size_t position = 0; position < text.size(); ++position) {
        const char c = text[position];
        if (c == '(') {
            ++depth;
            if (m_levels.size() <= depth)
                m_levels.emplace_back();
            Level &inner = m_levels[depth];
            inner.operands.clear();
            inner.operators.clear();
            inner.current.clear();
        } else if (c == ')') {
            if (depth == 0) {
                const bool leftBracketFollows =
                    lastLeftBracket != std::string::npos && lastLeftBracket > position;
                return leftBracketFollows ? messages::missingRightBracket
                                          : messages::missingLeftBracket;
            }
            if (const char *message = reduce(m_levels[depth]))
                return message;
            std::string result = textOf(m_levels[depth].operands.front());
            --depth;
            m_levels[depth].current += result;
        } else {
            Level &level = m_levels[depth];
            // A "+" right after "E" belongs to the exponent of a number.
            const bool isOperator =
                isOperatorCharacter(c) &&
                !(c == '+' && !level.current.empty() && level.current.back() == 'E');
            if (isOperator) {
                level.operands.push_back(Operand{std::move(level.current)});
                level.current.clear();
                level.operators.push_back(c);
            } else {
                level.current.push_back(c);
            }
        }
    }
    if (depth > 0)
        return messages::missingRightBracket;
    if (const char *message = reduce(m_levels[0]))
        return message;

    const Operand &whole = m_levels[0].operands.front();
    double value = whole.value;
    if (!whole.computed) {
        const std::optional<double> read =
            parseNumber(whole.raw, m_settings.decimalSeparator, true);
        if (!read)
            return messages::syntaxError;
        value = *read;
    }
    if (!std::isfinite(value))
        return messages::overflow;
    return formatWithPattern(value, resultPattern, m_settings.decimalSeparator);
}

const char *ExpressionEvaluator::reduce(Level &level)
{
    level.operands.push_back(Operand{std::move(level.current)});
    level.current.clear();
    if (level.operands.front().raw.starts_with(':')) {
        level.operands.insert(level.operands.begin(), Operand{"1"});
        level.operators.insert(level.operators.begin(), '*');
    }
    const std::size_t count = level.operands.size();
    if (count == 1)
        return nullptr;
    m_previous.resize(count);
    m_next.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        m_previous[k] = k - 1; // wraps for the first operand, which is never looked at
        m_next[k] = k + 1;
    }
    // Each operator takes the nearest operands still standing; the right one is merged into the
    // left one, so the first operand stands to the end and holds the result.
    for (const char op : operatorOrder) {
        for (std::size_t i = 0; i < level.operators.size(); ++i) {
            if (level.operators[i] != op)
                continue;
            const std::size_t right = i + 1;
            const std::size_t left = m_previous[right];
            if (const char *message = combine(level.operands[left], op, level.operands[right]))
                return message;
            const std::size_t after = m_next[right];
            m_next[left] = after;
            if (after < count)
                m_previous[after] = left;
        }
    }
    return nullptr;
}

const char *ExpressionEvaluator::combine(Operand &left, char op, const Operand &right)
{
    OperandValue leftFunction;
    OperandValue rightFunction;
    const bool leftIsFunction = !left.computed && isFunctionText(left.raw);
    const bool rightIsFunction = !right.computed && isFunctionText(right.raw);
    if (leftIsFunction) {
        leftFunction = applyFunction(left.raw, m_settings);
        if (!leftFunction.isNumber())
            return leftFunction.message;
    }
    if (rightIsFunction) {
        rightFunction = applyFunction(right.raw, m_settings);
        if (!rightFunction.isNumber())
            return rightFunction.message;
    }
    if ((!left.computed && left.raw.empty()) || (!right.computed && right.raw.empty()))
        return messages::syntaxError;

    const auto read = [this](const Operand &operand, bool isFunction,
                             const OperandValue &function) -> OperandValue {
        if (isFunction)
            return function;
        if (operand.computed)
            return std::isfinite(operand.value) ? OperandValue{operand.value, nullptr}
                                                : OperandValue{0.0, messages::overflow};
        return readOperand(operand.raw, m_settings.decimalSeparator);
    };
    const OperandValue x = read(left, leftIsFunction, leftFunction);
    if (!x.isNumber())
        return x.message;
    const OperandValue y = read(right, rightIsFunction, rightFunction);
    if (!y.isNumber())
        return y.message;

    double v = 0.0;
    switch (op) {
    case '^':
        if ((x.value < 0 && y.value != std::trunc(y.value)) || (x.value == 0 && y.value < 0))
            return messages::invalidCall;
        v = std::pow(x.value, y.value);
        break;
    case '/':
        if (y.value == 0)
            return messages::divideByZero;
        v = x.value / y.value;
        break;
    case '*':
        v = x.value * y.value;
        break;
    case '%':
        v = x.value * y.value / 100.0;
        break;
    default:
        v = x.value + y.value;
        break;
    }
    if (!std::isfinite(v))
        return messages::overflow;
    left.computed = true;
    left.exact = v;
    left.value = roundGeneral(v);
    left.raw.clear();
    return nullptr;
}

std::string ExpressionEvaluator::textOf(Operand &operand) const
{
    if (operand.computed)
        return formatGeneral(operand.exact, m_settings.decimalSeparator);
    return std::move(operand.raw);
}

} // namespace pse
