// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What every command answers before it makes a window or opens a database: --help and
// --version, and a one-line refusal of what it does not know. Plain C++: it runs before
// Qt is set up, without a display.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace toolkit {

inline constexpr int kBadCommandLine = 2;

struct CommandLineProgram {
  std::string command;   // the name typed: "vobrel"
  std::string help;      // the whole --help text, in Italian
  bool ownArgs = false;  // other arguments are the program's own to read
};

// The arguments after the program's name.
std::vector<std::string> argumentsOf(int argc, char** argv);

// Answers --help (-h) and --version. Returns the exit status when the program has nothing
// more to do, nothing when it should start. A program without arguments of its own
// refuses any other argument.
std::optional<int> answerCommandLine(const std::vector<std::string>& args, const CommandLineProgram& program,
                                     std::ostream& out, std::ostream& err);

// "<command>: <fault>" and where the help is. Returns kBadCommandLine.
int refuseCommandLine(const std::string& command, const std::string& fault, std::ostream& err);

std::string versionText(const std::string& command);

}  // namespace toolkit
