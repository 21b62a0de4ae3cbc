#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

// Each sub-command of quon-pse-cli takes the arguments after its own name and returns the exit
// status. Streams are parameters so that tests can run a command without a process.
int runElementsCommand(std::span<const std::string_view> args, std::ostream &out,
                       std::ostream &err);
int runCalcCommand(std::span<const std::string_view> args, std::istream &in, std::ostream &out,
                   std::ostream &err);
