// SPDX-License-Identifier: GPL-2.0-or-later
// Package files the fuzzer came upon, replayed: each one is taken or refused as its name
// says ("taken-" / "refused-"), without a crash and without anything written.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "storage/app_folders.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"

using namespace picture_db;
using namespace storage;

TEST(PackageReplay, EachKeptInputEndsAsItsNameSays) {
  const std::filesystem::path folder = std::filesystem::path(VOBREL_TEST_DATA) / "packages";
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;  // import/ is replayed through the editor's import
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    QTemporaryDir dir;
    const std::string path = joinPath(dir.path().toStdString(), "p.ozt");
    std::filesystem::copy_file(entry.path(), path);
    const std::string before = test_support::readBytes(path);
    bool taken = true;
    try {
      test_support::readPackage(path);
    } catch (const InvalidPackage&) {
      taken = false;
    }
    EXPECT_EQ(taken, name.rfind("taken-", 0) == 0);
    EXPECT_EQ(test_support::folderTree(dir.path().toStdString()), std::vector<std::string>{"p.ozt"});
    EXPECT_EQ(test_support::readBytes(path), before);
    ++replayed;
  }
  EXPECT_GE(replayed, 9);
}
