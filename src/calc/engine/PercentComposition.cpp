// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/PercentComposition.h"

#include "calc/engine/AtomicMassTable.h"
#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/ExpressionEvaluator.h"
#include "calc/engine/FormulaExpander.h"
#include "calc/engine/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pse {

Composition percentComposition(const CalculatorEngine &engine)
{
    const char separator = engine.decimalSeparator;
    const std::optional<double> total = parseNumber(engine.resultText, separator, true);
    if (!engine.molarMassResult || !total || !(*total > 0) || !std::isfinite(*total))
        return {};

    // The line is linear in the atomic masses (a molar-mass line has no "*" between two formula
    // parts, no "/" and no function), so putting 1 for one element and 0 for the others gives
    // that element's count, and 0 for all gives what belongs to no element.
    const ExpansionSettings settings{
        {separator, engine.thousandsSeparator, engine.previousResult, engine.elementCount},
        engine.memoryValue};
    const JoinedFormula joined = joinFormulaAtoms(engine.normalisedText, settings);
    std::vector<const AtomicMassEntry *> elements;
    const std::optional<std::string> rest = weighFormula(
        joined.text,
        [&](const AtomicMassEntry &entry) -> std::string_view {
            if (std::find(elements.begin(), elements.end(), &entry) == elements.end())
                elements.push_back(&entry);
            return "0";
        },
        settings.normaliser.elementCount);
    if (!rest || elements.empty())
        return {};

    ExpressionEvaluator evaluator;
    const EvaluationSettings evaluation{engine.angleUnit, separator, nullptr};
    const auto valueOf = [&](const std::string &text) {
        return parseNumber(evaluator.evaluate(text, evaluation), separator);
    };
    const std::optional<double> restValue = valueOf(*rest);
    if (!restValue || *restValue != 0)
        return {};

    Composition composition;
    composition.total = *total;
    for (const AtomicMassEntry *element : elements) {
        const std::optional<std::string> text = weighFormula(
            joined.text,
            [&](const AtomicMassEntry &entry) -> std::string_view {
                return &entry == element ? "1" : "0";
            },
            settings.normaliser.elementCount);
        const std::optional<double> count = text ? valueOf(*text) : std::nullopt;
        if (!count)
            return {};
        const double mass = *count * element->mass;
        const int atomicNumber = static_cast<int>(element - atomicMassTable().data()) + 1;
        composition.rows.push_back(
            {std::string(element->symbol), atomicNumber, *count, mass, mass / *total * 100});
    }
    composition.isFormula = true;
    return composition;
}

std::array<std::string, 5> compositionCells(const CompositionRow &row, char decimalSeparator,
                                            const std::string &name)
{
    return {row.symbol, name, formatGeneral(row.count, decimalSeparator),
            formatGeneral(row.mass, decimalSeparator),
            formatWithPattern(row.percent, "#0.00", decimalSeparator)};
}

std::string formatComposition(const Composition &composition, char decimalSeparator,
                              const std::function<std::string(int atomicNumber)> &elementName)
{
    if (!composition.isFormula)
        return {};
    std::string text = "symbol\tname\tcount\tmass\tpercent\n";
    double atoms = 0;
    double percent = 0;
    for (const CompositionRow &row : composition.rows) {
        const auto cells = compositionCells(row, decimalSeparator, elementName(row.atomicNumber));
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += cells[i] + (i + 1 < cells.size() ? '\t' : '\n');
        atoms += row.count;
        percent += row.percent;
    }
    text += "total\t\t" + formatGeneral(atoms, decimalSeparator) + '\t' +
            formatGeneral(composition.total, decimalSeparator) + '\t' +
            formatWithPattern(percent, "#0.00", decimalSeparator) + '\n';
    return text;
}

} // namespace pse
