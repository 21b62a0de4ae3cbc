// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elements/ElementRecord.h"

#include <cstddef>
#include <span>
#include <string_view>

// The compiled-in data of hydrogen (1) to oganesson (118), in order of atomic number. The program
// shows the table up to meitnerium (109) unless the full table is chosen in the settings, so
// every function here takes the number of elements in use, and without it means those 109.

inline constexpr std::size_t elementCount = 109;
inline constexpr std::size_t fullElementCount = 118;

// The rows of the first `count` elements (at most 118); row i is the element with atomic number
// i + 1.
std::span<const ElementRecord> allElements(std::size_t count = elementCount);

// The row among the first `count` whose symbol equals `symbol` exactly (case-sensitive), or
// nullptr.
const ElementRecord *findElement(std::string_view symbol, std::size_t count = elementCount);

// Reads record.symbol and overwrites every other field with that element's data. An unknown
// symbol leaves the record as it was, so the panel keeps showing the previous element.
void lookupElement(ElementRecord &record, std::size_t count = elementCount);
