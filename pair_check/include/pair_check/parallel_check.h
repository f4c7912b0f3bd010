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

// Reports in the order of pairs. progress, when given, is called on the calling thread
// now and then with the number of pairs done, and once more at the end.
std::vector<PairReport> checkPairsInParallel(const std::string& appDir,
                                             const std::vector<picture_db::PairWithDifferences>& pairs, int threads,
                                             const std::function<void(size_t done)>& progress = {});

}  // namespace pair_check
