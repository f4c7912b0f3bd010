// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What vobrel-make-pair does once its arguments are read.
#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

#include "pair_make/make_arguments.h"
#include "pair_make/made_pair.h"

namespace pair_make {

namespace make_exit {
inline constexpr int kAllMade = 0;
inline constexpr int kSomeRefused = 1;
inline constexpr int kFolderUnusable = 2;
}  // namespace make_exit

// One photo's outcome: the pair, or why it was refused.
struct PhotoOutcome {
  std::optional<MadePair> pair;
  QString reason;
};

// Makes a pair of every photo on up to `threads` threads (0: one per core); done(n) is
// called after each photo. The outcomes are in the photos' order.
std::vector<PhotoOutcome> makePairs(const QStringList& photos, Level level, std::uint64_t seed, int threads,
                                    const std::function<void(size_t done)>& progress = {});

// Returns the exit code. dataDir holds images.mdb and Images/.
int runMakePair(const MakeArguments& args, const QString& dataDir, QTextStream& out, QTextStream& err,
                bool showProgress, int threads = 0);

}  // namespace pair_make
