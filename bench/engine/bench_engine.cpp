// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The longest line the input box takes.
constexpr std::size_t longestLine = 32767;

std::string repeatTo(std::string_view first, std::string_view unit, std::string_view last = {})
{
    std::string text(first);
    while (text.size() + unit.size() + last.size() <= longestLine)
        text += unit;
    text += last;
    return text;
}

void evaluate(benchmark::State &state, const std::string &line)
{
    pse::CalculatorEngine engine(1);
    engine.angleUnit = 1;
    for (auto _ : state) {
        engine.evaluateLine(line, pse::messages::notElementSymbolEn);
        benchmark::DoNotOptimize(engine.resultText);
    }
    state.SetLabel(engine.resultText.substr(0, 40));
    state.counters["chars"] = static_cast<double>(line.size());
}

void typical(benchmark::State &state, const char *line)
{
    evaluate(state, line);
}

void sumOfOnes(benchmark::State &state)
{
    evaluate(state, repeatTo("1", "+1"));
}

void sumOfWater(benchmark::State &state)
{
    evaluate(state, repeatTo("H2O", "+H2O"));
}

void deepBrackets(benchmark::State &state)
{
    const std::size_t depth = (longestLine - 1) / 2;
    evaluate(state, std::string(depth, '(') + "1" + std::string(depth, ')'));
}

void powerChain(benchmark::State &state)
{
    evaluate(state, repeatTo("1.0001", "^1.0001"));
}

void formulaWithoutOperators(benchmark::State &state)
{
    evaluate(state, repeatTo("C6H12O6", "C6H12O6"));
}

void functionChain(benchmark::State &state)
{
    evaluate(state, repeatTo("", "sin", "1"));
}

void mixedLong(benchmark::State &state)
{
    evaluate(state, repeatTo("1", "+2*(3^0.5/4)-sqrt9"));
}

// Not a target, but the slowest road known: every "Nh" fails, is repaired to "NH" and the whole
// line is normalised and expanded again, once per symbol.
void caseRepairs(benchmark::State &state)
{
    evaluate(state, repeatTo("", "Nh+", "Nh"));
}

} // namespace

BENCHMARK_CAPTURE(typical, calcium_hydroxide, "Ca(OH)2");
BENCHMARK_CAPTURE(typical, water_and_salt, "2H2O+NaCl");
BENCHMARK_CAPTURE(typical, functions, "sin30+ln5*2^3");
BENCHMARK_CAPTURE(typical, ferrocyanide, "K4(Fe(CN)6)");
BENCHMARK(sumOfOnes)->Unit(benchmark::kMillisecond);
BENCHMARK(sumOfWater)->Unit(benchmark::kMillisecond);
BENCHMARK(deepBrackets)->Unit(benchmark::kMillisecond);
BENCHMARK(powerChain)->Unit(benchmark::kMillisecond);
BENCHMARK(formulaWithoutOperators)->Unit(benchmark::kMillisecond);
BENCHMARK(functionChain)->Unit(benchmark::kMillisecond);
BENCHMARK(mixedLong)->Unit(benchmark::kMillisecond);
BENCHMARK(caseRepairs)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
