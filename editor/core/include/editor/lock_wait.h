// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor meeting another program's lock on images.mdb: the busy pointer, the window
// kept painted while it waits, and a plain message when it gives up after a few seconds.
#include <QString>
#include <exception>

#include "picture_db/database.h"

namespace editor {

// How long a statement of the editor waits for the other program. The game waits longer:
// its statements are short and run while the player clicks.
inline constexpr int kEditorLockWaitMs = 3000;

inline constexpr const char* kOtherProgramBusy =
    "Un altro programma sta usando images.mdb. Riprovare tra qualche istante.";

void waitForOtherProgramsVisibly(picture_db::Database& db);

// The text to show for a failure: a lock waited for in vain says so, anything else is
// told as toolkit::failureReason tells it.
QString failureMessage(const std::exception& e);

}  // namespace editor
