#include "elements/ElementDatabase.h"

const ElementRecord *findElement(std::string_view symbol)
{
    // 109 short comparisons are cheaper than building and keeping any index.
    for (const ElementRecord &element : allElements()) {
        if (element.symbol == symbol)
            return &element;
    }
    return nullptr;
}

void lookupElement(ElementRecord &record)
{
    const ElementRecord *element = findElement(record.symbol);
    if (element != nullptr)
        record = *element;
}
