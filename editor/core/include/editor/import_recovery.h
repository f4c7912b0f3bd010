// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What an editor killed half-way through its work leaves behind, set right at the next
// start: an import finished or taken back whole, temporaries of its own removed.
#include <string>

#include "picture_db/database.h"

namespace editor {

enum class InterruptedImport { None, Finished, TakenBack };

// An import whose record is still on disk: when its pair's rows were committed the
// pictures are put in place and the package removed; otherwise its hidden pictures are
// removed and the package stays in Import, ready to be imported again.
InterruptedImport finishInterruptedImport(picture_db::Database& db, const std::string& appDir);

// Removes the half-written packages of Export and the half-written pictures of Images
// that a killed editor left (only names of the editor's own temporaries).
void removeKilledEditorLeftovers(const std::string& appDir);

}  // namespace editor
