#pragma once

#include "elements/ElementRecord.h"

#include <cstddef>
#include <span>
#include <string_view>

// The compiled-in data of hydrogen (1) to meitnerium (109), in order of atomic number.

inline constexpr std::size_t elementCount = 109;

// All rows; row i is the element with atomic number i + 1.
std::span<const ElementRecord> allElements();

// The row whose symbol equals `symbol` exactly (case-sensitive), or nullptr.
const ElementRecord *findElement(std::string_view symbol);

// Reads record.symbol and overwrites every other field with that element's data. An unknown
// symbol leaves the record as it was, so the panel keeps showing the previous element.
void lookupElement(ElementRecord &record);
