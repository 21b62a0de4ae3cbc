#include "cli/Commands.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

void printUsage(std::ostream &err)
{
    err << "usage: quon-pse-cli elements [SYMBOL...]\n"
           "       quon-pse-cli calc [--angle rad|deg|grad] [--mode auto|scientific|fixed]\n"
           "                         [--decimals N] [--thousands] [--separator .|,]\n"
           "                         [--lang hr|en] [EXPR...]\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string_view command = argv[1];
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    if (command == "elements")
        return runElementsCommand(args, std::cout, std::cerr);
    if (command == "calc")
        return runCalcCommand(args, std::cin, std::cout, std::cerr);
    printUsage(std::cerr);
    return 2;
}
