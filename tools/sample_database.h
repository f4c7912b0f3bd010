// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The delivered images.mdb: its tables, the sample pairs with their rectangles and
// the starting hall of fame.
#include <string>
#include <vector>

#include "tools/sample_pair.h"

namespace sample_maker {

enum class DatabaseOutcome { Written, KeptExisting };

// Writes a new database at path unless a file is already there. It is built under a
// temporary name beside path and linked into place only when complete, so a failed
// run leaves no images.mdb and an existing one is never replaced, even by a run that
// starts at the same moment. Pairs are numbered from 1 in order. Throws on failure.
DatabaseOutcome writeSampleDatabase(const std::string& path, const std::vector<SamplePair>& pairs);

}  // namespace sample_maker
