// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/CalculatorEngine.h"

#include "calc/engine/ExpressionEvaluator.h"
#include "calc/engine/FormulaExpander.h"
#include "calc/engine/FunctionEvaluator.h"
#include "calc/engine/InputNormaliser.h"
#include "calc/engine/NumberFormat.h"

#include <algorithm>
#include <random>

namespace pse {
namespace {

constexpr std::string_view allZeros = "000000000000000";
constexpr int maximumDecimals = 12;

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

CalculatorEngine::CalculatorEngine(std::uint64_t randomSeed)
{
    // The distribution is written out rather than taken from <random> so that a seed gives the
    // same numbers with every standard library.
    m_random = [generator = std::mt19937_64(randomSeed)]() mutable {
        return static_cast<double>(generator() >> 11) * 0x1.0p-53;
    };
}

void CalculatorEngine::setRandomSource(std::function<double()> source)
{
    m_random = std::move(source);
}

std::string CalculatorEngine::normaliseInput(std::string_view text)
{
    NormalisedInput normalised = pse::normaliseInput(
        text, {decimalSeparator, thousandsSeparator, previousResult, elementCount});
    molarMassResult = normalised.molarMassResult;
    return std::move(normalised.text);
}

std::string CalculatorEngine::expandFormula(std::string &text)
{
    Expansion expansion = pse::expandFormula(
        text, {{decimalSeparator, thousandsSeparator, previousResult, elementCount}, memoryValue});
    massDecimals = expansion.massDecimals;
    symbolError = expansion.symbolError;
    lastSymbol = std::move(expansion.lastSymbol);
    if (expansion.renormalised)
        molarMassResult = expansion.molarMassResult;
    return std::move(expansion.text);
}

std::string CalculatorEngine::evaluateExpression(std::string_view expanded)
{
    return m_evaluator.evaluate(expanded, {angleUnit, decimalSeparator, &m_random});
}

std::string CalculatorEngine::applyFunction(std::string_view operand)
{
    const OperandValue value =
        pse::applyFunction(operand, {angleUnit, decimalSeparator, &m_random});
    return value.isNumber() ? formatGeneral(value.value, decimalSeparator)
                            : std::string(value.message);
}

void CalculatorEngine::evaluateInput()
{
    previousResult = resultText;
    normalisedText = normaliseInput(trimBlanks(inputText));
    expandedText = expandFormula(normalisedText);
    const std::string result = evaluateExpression(expandedText);
    if (molarMassResult) {
        resultText = formatNumber(
            result, MolarMass, allZeros.substr(0, static_cast<std::size_t>(massDecimals)), false);
    } else {
        const std::optional<double> value = parseNumber(result, decimalSeparator, true);
        resultText = value ? formatGeneral(*value, decimalSeparator) : result;
    }
}

bool CalculatorEngine::evaluateLine(std::string_view input, std::string_view symbolSuffix)
{
    inputText.assign(input);
    evaluateInput();
    if (!symbolError)
        return false;
    symbolError = false;
    resultText = lastSymbol;
    resultText.append(symbolSuffix);
    return true;
}

std::string CalculatorEngine::formatNumber(std::string_view value, short mode,
                                           std::string_view zeros, bool thousands) const
{
    const std::optional<double> number = parseNumber(value, decimalSeparator, true);
    if (!number)
        return std::string(value);
    std::string pattern;
    if (mode == MolarMass && massDecimals < 10) {
        // With 0 decimals the separator still shows: "98." is a mass number.
        pattern = "#0.";
        pattern.append(zeros);
    } else if (mode == Rounded) {
        if (thousands) {
            pattern = "Standard";
        } else {
            pattern = "#0.";
            pattern.append(zeros);
        }
    } else if (mode == Scientific) {
        pattern = "0.";
        pattern.append(zeros);
        pattern += " E+00";
    } else {
        pattern = "General Number";
    }
    return formatWithPattern(*number, pattern, decimalSeparator);
}

std::string CalculatorEngine::displayText() const
{
    if (numberMode != Automatic)
        return formatNumber(resultText, numberMode, decimalsFormat, thousandsSeparator);
    if (molarMassResult)
        return resultText;
    return formatNumber(resultText, Automatic, decimalsFormat, thousandsSeparator);
}

int CalculatorEngine::setDecimals(int n)
{
    if (n > maximumDecimals)
        n = maximumDecimals;
    else if (numberMode == Rounded && thousandsSeparator)
        n = 2;
    n = std::max(n, 0);
    decimalsFormat.assign(allZeros.substr(0, static_cast<std::size_t>(n)));
    return n;
}

void CalculatorEngine::setNumberMode(short mode)
{
    numberMode = std::clamp<short>(mode, Automatic, Rounded);
    if (numberMode == Rounded && thousandsSeparator)
        setDecimals(2);
}

void CalculatorEngine::setThousandsSeparator(bool on)
{
    thousandsSeparator = on;
    if (on)
        setDecimals(2);
}

} // namespace pse
