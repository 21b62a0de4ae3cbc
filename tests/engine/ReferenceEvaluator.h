// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/engine/FunctionEvaluator.h"

#include <string>
#include <string_view>

// The evaluator's rules carried out word for word, rewriting the whole text after every step.
// Quadratic, so only for short texts: the tests and the fuzz target compare the engine's
// one-pass evaluator with it.
std::string referenceEvaluate(std::string_view expanded, const pse::EvaluationSettings &settings);
