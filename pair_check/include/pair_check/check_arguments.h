// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command line of vobrel-check.
#include <QString>
#include <QStringList>
#include <optional>

#include "picture_db/records.h"

namespace pair_check {

struct CheckArguments {
  QString folder;                          // empty: the program's own folder
  std::optional<picture_db::PairId> pair;  // --pair N
  bool json = false;                       // --json
  int threads = 0;                         // --threads N; 0: one per core
  bool help = false;
};

// Parses the arguments after the program's name; error holds a message on bad input.
CheckArguments parseCheckArguments(const QStringList& args, QString* error);

QString checkUsage();

}  // namespace pair_check
