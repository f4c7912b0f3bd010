// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up of both programs when the user's data folder cannot be made.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "picture_db/database.h"
#include "toolkit/app_folder_choice.h"
#include "support/scripted_dialogs.h"

namespace {

storage::FolderEnvironment environmentWithHome(const QString& home) {
  storage::FolderEnvironment env;
  env.variable = [home](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "HOME") return home.toStdString();
    return std::nullopt;
  };
  env.writable = [](const std::string&) { return false; };
  env.accountHome = [] { return std::string(); };
  return env;
}

class AppFolderChoiceTest : public ::testing::Test {
 protected:
  QTemporaryDir scratch;
  QString program = scratch.filePath("installed");
  toolkit::ScriptedDialogs dialogs;

  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(program + "/Images"));
    picture_db::Database::createNew((program + "/images.mdb").toStdString());
  }
};

}  // namespace

TEST_F(AppFolderChoiceTest, UsersFolderIsGivenWithTheInstalledOne) {
  const auto folders = toolkit::chooseAppFolders(program, dialogs, environmentWithHome(scratch.filePath("home")));
  ASSERT_TRUE(folders);
  EXPECT_EQ(folders->data, scratch.filePath("home/.local/share/vobrel"));
  EXPECT_EQ(folders->program, program);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(AppFolderChoiceTest, FolderThatCannotBeMadeIsNamedWithTheReasonAndTheProgramEnds) {
  QFile blocker(scratch.filePath("home"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const auto folders = toolkit::chooseAppFolders(program, dialogs, environmentWithHome(scratch.filePath("home")));
  EXPECT_FALSE(folders);
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), QStringLiteral("Impossibile preparare la cartella dei dati:\n%1\n"
                                                           "una parte del percorso non è una cartella")
                                                .arg(scratch.filePath("home/.local/share/vobrel"))
                                                .toStdString());
  EXPECT_TRUE(messages[0].flags & toolkit::box::Critical);
}
