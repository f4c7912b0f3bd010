// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/app_folder_choice.h"

#include <filesystem>

#include "picture_db/journal_mode.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"

namespace toolkit {

std::optional<ChosenFolders> chooseAppFolders(const QString& programDir, Dialogs& dialogs,
                                              const storage::FolderEnvironment& env) {
  try {
    const auto folders = storage::chooseAppFolders(programDir.toStdString(), env, picture_db::shareBetweenPrograms);
    return ChosenFolders{QString::fromStdString(folders.data), QString::fromStdString(folders.program),
                         QString::fromStdString(folders.delivered)};
  } catch (const std::filesystem::filesystem_error& e) {
    QString folder;
    try {
      folder = QString::fromStdString(storage::userDataFolder(env));
    } catch (const std::exception&) {
      folder = QString::fromStdString(e.path1().string());
    }
    // A file inside the folder is named with its reason; the folder itself only once.
    const QString reason =
        QString::fromStdString(e.path1().string()) == folder ? systemReason(e.code().value()) : failureReason(e);
    dialogs.messageBox(QStringLiteral("Impossibile preparare la cartella dei dati:\n%1\n%2").arg(folder, reason),
                       box::OkOnly | box::Critical);
    return std::nullopt;
  }
}

}  // namespace toolkit
