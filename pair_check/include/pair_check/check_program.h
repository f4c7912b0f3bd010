// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What vobrel-check does once its arguments are read.
#include <QTextStream>

#include "pair_check/check_arguments.h"

namespace pair_check {

namespace exit_code {
inline constexpr int kAllSound = 0;
inline constexpr int kProblems = 1;
inline constexpr int kCannotCheck = 2;
}  // namespace exit_code

// A progress line is written to err when showProgress holds and there are more than
// this many pairs.
inline constexpr size_t kProgressAbove = 50;

// The folder the programs in programDir use for this user's data; before the user's
// folder is made, the installed data it would be made from.
QString defaultDataFolder(const QString& programDir);

// Returns the exit code.
int runCheck(const CheckArguments& args, const QString& appDir, QTextStream& out, QTextStream& err, bool showProgress);

}  // namespace pair_check
