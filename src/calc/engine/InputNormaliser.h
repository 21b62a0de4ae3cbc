// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elements/ElementDatabase.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pse {

struct NormaliserSettings
{
    char decimalSeparator = '.';
    bool thousandsSeparator = false;
    std::string_view previousResult;
    // The elements whose symbols formulas know: 109 (to meitnerium) or 118 (to oganesson). It
    // decides the case of "Lv", and of "nh" and "cn" typed in lower case.
    std::size_t elementCount = ::elementCount;
};

struct NormalisedInput
{
    std::string text;
    // False once the input shows it is arithmetic ("*", "/", "^", "%", an exponent, a function);
    // sums and multiples of formulas keep it true so that they are shown as a molar mass.
    bool molarMassResult = true;
};

// Rewrites one input line into the canonical text the later steps read: element symbols in
// their case, function names as ":name" tokens, one decimal mark, simplified operators, explicit
// multiplications and bracketed formula parts. Never rejects anything: what it cannot place is
// passed on and fails later with a message. The input is UTF-8; "×" and "÷" become "*" and "/",
// the hydrate dots "·", "•" and "∙" become "+", every other character outside printable ASCII
// is dropped.
NormalisedInput normaliseInput(std::string_view input, const NormaliserSettings &settings);

} // namespace pse
