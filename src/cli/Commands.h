// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The whole console front end: args are the arguments after the program's name. Dispatches to a
// sub-command, or answers --help and --version itself; returns the exit status.
int runCli(std::span<const std::string_view> args, std::istream &in, std::ostream &out,
           std::ostream &err);

// Each sub-command of quon-pse-cli takes the arguments after its own name and returns the exit
// status. Streams are parameters so that tests can run a command without a process.
int runElementsCommand(std::span<const std::string_view> args, std::ostream &out,
                       std::ostream &err);
int runCalcCommand(std::span<const std::string_view> args, std::istream &in, std::ostream &out,
                   std::ostream &err);

// The usage texts: on stdout for --help, on stderr after a wrong option.
void printElementsUsage(std::ostream &out);
void printCalcUsage(std::ostream &out);

// "--elements 109|118" or "--elements=109|118", shared by both sub-commands: the number of elements
// in use, 109 as in the window's default table or 118 for the full one.
struct ElementCountOption
{
    std::optional<std::size_t> count; // nothing after a missing or wrong value
    std::string error;                // then what was wrong
};

// Reads the option when args[i] is one, advancing i past a separate value; nothing when args[i]
// is some other argument.
std::optional<ElementCountOption> elementCountOption(std::span<const std::string_view> args,
                                                     std::size_t &i);
