// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Start-up of both programs: where the shared data lives, or why it cannot be prepared.
#include <QString>
#include <optional>

#include "storage/data_folder.h"

namespace toolkit {

class Dialogs;

struct ChosenFolders {
  QString data;       // images.mdb, Images/, Import/, Export/
  QString program;    // the programs and the metafile renderer
  QString delivered;  // GameOver.bmp and the data a user's folder starts from
};

// The folders for a program living in programDir. When the user's data folder cannot be
// made, shows a message naming it and the reason, and returns nothing: the program ends.
std::optional<ChosenFolders> chooseAppFolders(
    const QString& programDir, Dialogs& dialogs,
    const storage::FolderEnvironment& env = storage::FolderEnvironment::system());

}  // namespace toolkit
