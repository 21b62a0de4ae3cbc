// SPDX-License-Identifier: GPL-3.0-or-later
#include "elements/ElementDatabase.h"

const ElementRecord *findElement(std::string_view symbol, std::size_t count)
{
    // 118 short comparisons are cheaper than building and keeping any index.
    for (const ElementRecord &element : allElements(count)) {
        if (element.symbol == symbol)
            return &element;
    }
    return nullptr;
}

void lookupElement(ElementRecord &record, std::size_t count)
{
    const ElementRecord *element = findElement(record.symbol, count);
    if (element != nullptr)
        record = *element;
}
