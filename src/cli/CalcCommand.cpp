#include "cli/Commands.h"

#include <ostream>

int runCalcCommand(std::span<const std::string_view>, std::istream &, std::ostream &,
                   std::ostream &err)
{
    err << "calc: not built yet\n";
    return 1;
}
