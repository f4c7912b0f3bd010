// SPDX-License-Identifier: GPL-2.0-or-later
// What every command answers before it starts: help, version, and a short refusal.
#include <gtest/gtest.h>

#include <sstream>

#include "toolkit/command_line.h"

namespace {
struct Answer {
  std::optional<int> status;
  std::string out, err;
};

Answer answer(const std::vector<std::string>& args, bool ownArgs = false) {
  const toolkit::CommandLineProgram program{"vobrel", "Uso: vobrel [--help] [--version]\n", ownArgs};
  std::ostringstream out, err;
  const auto status = toolkit::answerCommandLine(args, program, out, err);
  return {status, out.str(), err.str()};
}
}  // namespace

TEST(CommandLine, NoArgumentStartsTheProgram) {
  const Answer a = answer({});
  EXPECT_EQ(a.status, std::nullopt);
  EXPECT_TRUE(a.out.empty() && a.err.empty());
}

TEST(CommandLine, HelpAndVersionArePrintedAndEndWithZero) {
  for (const char* option : {"--help", "-h"}) {
    const Answer a = answer({option});
    EXPECT_EQ(a.status, 0) << option;
    EXPECT_EQ(a.out, "Uso: vobrel [--help] [--version]\n");
    EXPECT_TRUE(a.err.empty());
  }
  const Answer v = answer({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("vobrel " VOBREL_VERSION "\n", 0), 0u) << v.out;
  EXPECT_NE(v.out.find("GPL-2.0"), std::string::npos);
  // Wherever it stands, help wins over what else was typed.
  EXPECT_EQ(answer({"--colori", "--help"}).status, 0);
}

TEST(CommandLine, WhatIsNotKnownIsRefusedInOneLineWithTheHint) {
  Answer a = answer({"--colori"});
  EXPECT_EQ(a.status, toolkit::kBadCommandLine);
  EXPECT_TRUE(a.out.empty());
  EXPECT_EQ(a.err, "vobrel: opzione sconosciuta: --colori\nPer l'aiuto: vobrel --help\n");
  a = answer({"partita.mdb"});
  EXPECT_EQ(a.status, toolkit::kBadCommandLine);
  EXPECT_EQ(a.err, "vobrel: argomento inatteso: \"partita.mdb\"\nPer l'aiuto: vobrel --help\n");
}

TEST(CommandLine, AProgramWithArgumentsOfItsOwnReadsTheRestItself) {
  EXPECT_EQ(answer({"/tmp/cartella", "--json"}, true).status, std::nullopt);
  EXPECT_EQ(answer({"--json", "--version"}, true).status, 0);
  std::ostringstream err;
  EXPECT_EQ(toolkit::refuseCommandLine("vobrel-check", "--threads vuole un numero", err), 2);
  EXPECT_EQ(err.str(), "vobrel-check: --threads vuole un numero\nPer l'aiuto: vobrel-check --help\n");
}
