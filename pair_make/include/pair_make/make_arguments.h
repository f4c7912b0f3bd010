// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command line of vobrel-make-pair.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "pair_make/made_pair.h"

namespace pair_make {

struct MakeArguments {
  QString folder;  // --folder; empty: the data folder the programs use for this user
  Level level = Level::Normale;
  std::uint64_t seed = 1;
  bool json = false;
  bool help = false;
  bool version = false;
  QStringList photos;
};

// Parses the arguments after the program's name; error holds one line on bad input.
MakeArguments parseMakeArguments(const QStringList& args, QString* error);

QString makeUsage();
// The line after an error that says where to look.
QString makeHint();

}  // namespace pair_make
