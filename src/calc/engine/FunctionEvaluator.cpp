// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/FunctionEvaluator.h"

#include "calc/engine/EngineConstants.h"
#include "calc/engine/EngineMessages.h"
#include "calc/engine/NumberFormat.h"

#include <array>
#include <cmath>
#include <string>

namespace pse {
namespace {

using engineConstants::pi;

enum class Function {
    Abs,
    Int,
    Sgn,
    Ppm,
    Ran,
    Ln,
    Log,
    Exp,
    Alog,
    Sqrt,
    Sin,
    Cos,
    Tan,
    Cot,
    Asin,
    Acos,
    Atan,
    Acot,
};

struct NamedFunction
{
    std::string_view name;
    Function function;
};

constexpr std::array<NamedFunction, 28> functions = {{
    {":abs", Function::Abs},     {":int", Function::Int},     {":sgn", Function::Sgn},
    {":ppm", Function::Ppm},     {":ran", Function::Ran},     {":ln", Function::Ln},
    {":log", Function::Log},     {":aln", Function::Exp},     {":exp", Function::Exp},
    {":alog", Function::Alog},   {":sqr", Function::Sqrt},    {":sqrt", Function::Sqrt},
    {":sin", Function::Sin},     {":cos", Function::Cos},     {":tan", Function::Tan},
    {":tg", Function::Tan},      {":cot", Function::Cot},     {":ctg", Function::Cot},
    {":asin", Function::Asin},   {":arcsin", Function::Asin}, {":acos", Function::Acos},
    {":arccos", Function::Acos}, {":atan", Function::Atan},   {":arctan", Function::Atan},
    {":atg", Function::Atan},    {":acot", Function::Acot},   {":arccot", Function::Acot},
    {":actg", Function::Acot},
}};

OperandValue number(double v)
{
    if (!std::isfinite(v))
        return {0.0, messages::overflow};
    return {v, nullptr};
}
OperandValue message(const char *text)
{
    return {0.0, text};
}

double sign(double x)
{
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

bool near(double x, double v)
{
    return std::fabs(std::fabs(x) - v) < engineConstants::snapTolerance;
}
bool nearZero(double x)
{
    return std::fabs(x) < engineConstants::snapTolerance;
}

double toRadians(double x, short angleUnit)
{
    if (angleUnit == 1)
        return x * pi / 180.0;
    if (angleUnit == 2)
        return x * pi / 200.0;
    return x;
}

OperandValue fromRadians(double x, short angleUnit)
{
    if (angleUnit == 1)
        return number(x * 180.0 / pi);
    if (angleUnit == 2)
        return number(x * 200.0 / pi);
    return number(x);
}

bool fitsWhole16(double v)
{
    return v >= -32768.0 && v <= 32767.0;
}

// Takes whole periods off x before the snaps. The count of periods is a 16-bit value, as it has
// always been; beyond it the evaluation ends with an overflow.
bool reducePeriod(double &x, double divisor, double periodsPerStep)
{
    const double rounded = std::nearbyint(x); // halves to even in the default rounding mode
    const double q = std::trunc(rounded / divisor);
    if (!fitsWhole16(q) || !fitsWhole16(periodsPerStep * q))
        return false;
    x -= periodsPerStep * q * pi;
    return true;
}

OperandValue sine(double x)
{
    if (!reducePeriod(x, 6.0, 2.0))
        return message(messages::overflow);
    if (near(x, pi / 2))
        return number(sign(x));
    if (near(x, 3 * pi / 2))
        return number(-sign(x));
    if (near(x, pi) || nearZero(x))
        return number(0.0);
    return number(std::sin(x));
}

OperandValue cosine(double x)
{
    if (!reducePeriod(x, 6.0, 2.0))
        return message(messages::overflow);
    if (near(x, pi))
        return number(-1.0);
    if (near(x, pi / 2) || near(x, 3 * pi / 2))
        return number(0.0);
    if (nearZero(x))
        return number(1.0);
    return number(std::cos(x));
}

OperandValue tangent(double x)
{
    if (!reducePeriod(x, 3.0, 1.0))
        return message(messages::overflow);
    if (nearZero(x) || near(x, pi))
        return number(0.0);
    if (near(x, pi / 2))
        return message(messages::infiniteNumber);
    if (near(x, pi / 4))
        return number(sign(x));
    if (near(x, 3 * pi / 4))
        return number(-sign(x));
    return number(std::tan(x));
}

OperandValue cotangent(double x)
{
    if (!reducePeriod(x, 3.0, 1.0))
        return message(messages::overflow);
    if (nearZero(x) || near(x, pi))
        return message(messages::infiniteNumber);
    if (near(x, pi / 2))
        return number(0.0);
    if (near(x, pi / 4))
        return number(sign(x));
    if (near(x, 3 * pi / 4))
        return number(-sign(x));
    return number(1.0 / std::tan(x));
}

OperandValue factorial(std::string_view argument, char decimalSeparator)
{
    const OperandValue x = readOperand(argument, decimalSeparator);
    if (!x.isNumber())
        return x;
    if (x.value > engineConstants::factorialLimit)
        return message(messages::resultTooLarge);
    if (x.value == 0)
        return number(1.0);
    if (x.value < 0)
        return message(messages::negativeNumber);
    double product = 1.0;
    const int last = static_cast<int>(x.value);
    for (int k = 2; k <= last; ++k)
        product *= k;
    return number(product);
}

OperandValue apply(Function function, double x, const EvaluationSettings &settings)
{
    const short unit = settings.angleUnit;
    switch (function) {
    case Function::Abs:
        return number(std::fabs(x));
    case Function::Int:
        return number(std::floor(x));
    case Function::Sgn:
        return number(sign(x));
    case Function::Ppm:
        return number(x / 1000000.0);
    case Function::Ran:
        return number(
            x * (settings.random != nullptr && *settings.random ? (*settings.random)() : 0.0));
    case Function::Ln:
    case Function::Log:
        if (x < 0)
            return message(messages::logOfNegative);
        if (x == 0)
            return message(messages::logOfZero);
        return number(function == Function::Ln ? std::log(x) : std::log(x) / std::log(10.0));
    case Function::Exp:
        return number(std::pow(engineConstants::e, x));
    case Function::Alog:
        return number(std::pow(10.0, x));
    case Function::Sqrt:
        if (x < 0)
            return message(messages::negativeNumber);
        return number(std::sqrt(x));
    case Function::Sin:
        return sine(toRadians(x, unit));
    case Function::Cos:
        return cosine(toRadians(x, unit));
    case Function::Tan:
        return tangent(toRadians(x, unit));
    case Function::Cot:
        return cotangent(toRadians(x, unit));
    case Function::Asin:
        if (std::fabs(x) > 1)
            return message(messages::argumentRange);
        if (std::fabs(x) == 1)
            return fromRadians(x * pi / 2, unit);
        if (x == 0)
            return fromRadians(0.0, unit);
        return fromRadians(std::atan(x / std::sqrt(1 - x * x)), unit);
    case Function::Acos:
        if (x == 1)
            return fromRadians(0.0, unit);
        if (x == -1)
            return fromRadians(pi, unit);
        if (x == 0)
            return fromRadians(pi / 2, unit);
        if (std::fabs(x) > 1)
            return message(messages::argumentRange);
        return fromRadians(2 * std::atan(1.0) + std::atan(-x / std::sqrt(1 - x * x)), unit);
    case Function::Atan:
        return fromRadians(std::atan(x), unit);
    case Function::Acot:
        return fromRadians(2 * std::atan(1.0) - std::atan(x), unit);
    }
    return message(messages::syntaxError);
}

// One name and its argument, no further ":" inside.
OperandValue applySingle(std::string_view text, const EvaluationSettings &settings)
{
    const std::size_t split = std::min(text.find_first_of("-(0123456789"), text.size());
    const std::string_view name = text.substr(0, split);
    std::string_view argument = text.substr(split);
    if (!argument.empty() && argument.back() == '!') {
        // "sin5!" is the factorial of 5; the name is dropped.
        argument.remove_suffix(1);
        return factorial(argument, settings.decimalSeparator);
    }
    for (const NamedFunction &f : functions) {
        if (f.name == name) {
            const OperandValue x = readOperand(argument, settings.decimalSeparator);
            if (!x.isNumber())
                return x;
            return apply(f.function, x.value, settings);
        }
    }
    return message(messages::syntaxError);
}

} // namespace

OperandValue readOperand(std::string_view text, char decimalSeparator)
{
    const std::optional<double> value = parseNumber(text, decimalSeparator, true);
    if (!value)
        return message(messages::typeMismatch);
    return number(*value);
}

OperandValue applyFunction(std::string_view operand, const EvaluationSettings &settings)
{
    // Names apply from right to left: the rightmost token is evaluated, its result written as
    // text after the tokens before it, and the whole evaluated again. Only the last token and
    // the written result change from one round to the next, so each round looks at them alone.
    std::size_t end = operand.size();
    std::string result;
    std::string segment;
    for (;;) {
        const std::string_view head = operand.substr(0, end);
        const std::size_t colon = head.rfind(':');
        const bool more = colon != std::string_view::npos && colon > 0;
        segment.assign(head.substr(more ? colon : 0));
        segment += result;
        const OperandValue value = applySingle(segment, settings);
        if (!value.isNumber() || !more)
            return value;
        result = formatGeneral(value.value, settings.decimalSeparator);
        end = colon;
    }
}

} // namespace pse
