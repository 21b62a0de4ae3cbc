// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return runCli(args, std::cin, std::cout, std::cerr);
}
