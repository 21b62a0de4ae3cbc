// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceEvaluator.h"
#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"
#include "calc/engine/ExpressionEvaluator.h"
#include "calc/engine/PercentComposition.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// The first byte chooses the settings; the rest is one or more input lines, evaluated in turn in
// one engine so that the previous result and its messages flow into the next line. Besides
// crashes, hangs and sanitizer reports, the target checks that the one-pass evaluator agrees with
// the word-for-word rules on every short text it sees, and takes the percentage composition of
// every line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string_view input(reinterpret_cast<const char *>(data + 1), size - 1);

    pse::CalculatorEngine engine(1);
    engine.setRandomSource([] { return 0.5; });
    engine.angleUnit = static_cast<short>(flags % 3);
    engine.decimalSeparator = (flags & 0x04) ? ',' : '.';
    engine.setThousandsSeparator((flags & 0x08) != 0);
    engine.setNumberMode(static_cast<short>((flags >> 4) % 3));
    engine.setDecimals((flags >> 6) * 4);
    engine.memoryValue = (flags & 0x80) ? 2.5 : 0.0;
    // The full table's symbols and case rules too.
    engine.elementCount = (flags & 0x20) ? fullElementCount : elementCount;

    const std::function<double()> half = [] { return 0.5; };
    const pse::EvaluationSettings settings{engine.angleUnit, engine.decimalSeparator, &half};
    pse::ExpressionEvaluator evaluator;
    const auto compare = [&](std::string_view text) {
        if (text.size() > 96)
            return;
        const std::string fast = evaluator.evaluate(text, settings);
        const std::string rules = referenceEvaluate(text, settings);
        if (fast != rules) {
            std::fprintf(stderr, "evaluator disagrees on \"%.*s\": \"%s\" against \"%s\"\n",
                         static_cast<int>(text.size()), text.data(), fast.c_str(), rules.c_str());
            std::abort();
        }
    };

    compare(input);
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        engine.evaluateLine(input.substr(start, end - start), pse::messages::notElementSymbolEn);
        (void)engine.displayText();
        compare(engine.expandedText);
        const pse::Composition composition = pse::percentComposition(engine);
        if (composition.isFormula && (composition.rows.empty() || !(composition.total > 0))) {
            std::fprintf(stderr, "composition of a formula without rows or total\n");
            std::abort();
        }
        start = end + 1;
    }
    return 0;
}
