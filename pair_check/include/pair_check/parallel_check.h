// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Checks many pairs at once, one worker thread per core.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "pair_check/pair_report.h"
#include "picture_db/check_queries.h"

namespace pair_check {

using PairCheck = std::function<PairReport(const picture_db::PairWithDifferences&)>;

// Reports in the order of pairs. progress, when given, is called on the calling thread
// now and then with the number of pairs done, and once more at the end. A check that
// throws gives its pair unreadable pictures with the reason; a thread that cannot be
// started leaves the work to the others.
std::vector<PairReport> checkPairsInParallel(const std::vector<picture_db::PairWithDifferences>& pairs, int threads,
                                             const PairCheck& checkOne,
                                             const std::function<void(size_t done)>& progress = {});

// The pairs as stored in the application folder appDir.
std::vector<PairReport> checkPairsInParallel(const std::string& appDir,
                                             const std::vector<picture_db::PairWithDifferences>& pairs, int threads,
                                             const std::function<void(size_t done)>& progress = {});

}  // namespace pair_check
