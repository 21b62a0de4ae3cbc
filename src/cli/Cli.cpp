// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "elements/ElementDatabase.h"
#include "version/Version.h"

#include <ostream>

namespace {

void printUsage(std::ostream &out)
{
    printElementsUsage(out);
    printCalcUsage(out);
    out << "usage: quon-pse-cli --help | --version\n"
           "       quon-pse-cli elements --help | calc --help\n";
}

} // namespace

std::optional<ElementCountOption> elementCountOption(std::span<const std::string_view> args,
                                                     std::size_t &i)
{
    constexpr std::string_view name = "--elements";
    std::string_view arg = args[i];
    if (!arg.starts_with(name) || (arg.size() > name.size() && arg[name.size()] != '='))
        return std::nullopt;
    std::string_view value;
    if (arg.size() > name.size()) {
        value = arg.substr(name.size() + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        return ElementCountOption{std::nullopt, "--elements needs a value"};
    }
    if (value == "109")
        return ElementCountOption{elementCount, {}};
    if (value == "118")
        return ElementCountOption{fullElementCount, {}};
    return ElementCountOption{std::nullopt,
                              "bad value '" + std::string(value) + "' for --elements"};
}

int runCli(std::span<const std::string_view> args, std::istream &in, std::ostream &out,
           std::ostream &err)
{
    const std::string_view command = args.empty() ? std::string_view() : args.front();
    const std::span<const std::string_view> rest = args.empty() ? args : args.subspan(1);
    if (command == "elements")
        return runElementsCommand(rest, out, err);
    if (command == "calc")
        return runCalcCommand(rest, in, out, err);
    if (command == "--help") {
        printUsage(out);
        return 0;
    }
    if (command == "--version") {
        out << "quon-pse-cli " << pse::versionText
            << "\nCopyright (C) the quon-pse project\n"
               "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n";
        return 0;
    }
    printUsage(err);
    return 2;
}
