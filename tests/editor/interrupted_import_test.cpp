// SPDX-License-Identifier: GPL-2.0-or-later
// An import killed at each of its steps, then the editor started again on the same
// folder: the pair is there whole (pictures, row, rectangles, package gone) or not at all
// (package still in Import and importable), and nothing else is left behind.
#include <QProcess>
#include <filesystem>

#include "editor/import_recovery.h"
#include "editor/editor_window_fixture.h"
#include "storage/app_folders.h"
#include "picture_db/game_queries.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"

using namespace editor_window_fixture;
using test_support::folderTree;
using test_support::readBytes;

namespace {

namespace fs = std::filesystem;

constexpr int kLastStep = 9;
constexpr int kStoppedExitCode = 86;

class InterruptedImport : public EditorWindowTest {
 protected:
  const std::string originalBytes = test_support::bitmapWithEveryByteValue(3);
  const std::string copyBytes = test_support::bitmapWithEveryByteValue(9);

  void SetUp() override {
    EditorWindowTest::SetUp();
    folder.addPair(1, {{1, 1, 5, 5}});
    fs::create_directories(storage::importDir(folder.dir()));
    fs::create_directories(storage::exportDir(folder.dir()));
    picture_db::PackageContents c{"mare.bmp", originalBytes, "mare_C.bmp", copyBytes, {{10, 20, 30, 40}, {1, 2, 3, 4}}};
    picture_db::writePackage(package(), c);
  }

  std::string package() const { return storage::joinPath(storage::importDir(folder.dir()), "mare.ozt"); }

  // Runs the import in a process of its own, stopped after `step` (0: not stopped).
  int runImport(int step) {
    QProcess worker;
    QStringList arguments{folder.path(), "mare.ozt", "2"};
    if (step > 0) arguments << QString::number(step);
    worker.start(IMPORT_WORKER, arguments);
    EXPECT_TRUE(worker.waitForFinished(60000));
    return worker.exitCode();
  }

  bool wholePair() {
    picture_db::Database db = folder.open();
    const auto row = picture_db::pictureRecord(db, 2);
    const auto rects = picture_db::pairDifferences(db, 2);
    const bool whole = row && row->original == "mare.bmp" && row->copy == "mare_C.bmp" && rects.size() == 2 &&
                       readBytes(storage::picturePath(folder.dir(), "mare.bmp")) == originalBytes &&
                       readBytes(storage::picturePath(folder.dir(), "mare_C.bmp")) == copyBytes &&
                       !fs::exists(package());
    return whole;
  }

  bool nothingOfIt() {
    picture_db::Database db = folder.open();
    return !picture_db::pictureRecord(db, 2) && picture_db::pairDifferences(db, 2).empty() &&
           !fs::exists(storage::picturePath(folder.dir(), "mare.bmp")) &&
           !fs::exists(storage::picturePath(folder.dir(), "mare_C.bmp")) && fs::exists(package());
  }

  // What the folder holds besides the pairs' pictures, the package and the database.
  std::vector<std::string> strayFiles() const {
    std::vector<std::string> stray;
    for (const std::string& name : folderTree(folder.dir())) {
      const std::string base = fs::path(name).filename().string();
      // The database's own log files come and go with its connections.
      if (name == "Images" || name == "Import" || name == "Export" || name.rfind("images.mdb", 0) == 0 ||
          name == "Import/mare.ozt") {
        continue;
      }
      if (name.rfind("Images/", 0) == 0 && base[0] != '.') continue;
      stray.push_back(name);
    }
    return stray;
  }
};

}  // namespace

class KilledImport : public InterruptedImport, public testing::WithParamInterface<int> {};

// Before the rows are committed (steps 1 to 4) nothing stays; from the commit on, the
// pair is finished by the next start.
TEST_P(KilledImport, LeavesTheWholePairOrNothingOnceTheEditorStartsAgain) {
  const int step = GetParam();
  ASSERT_EQ(runImport(step), kStoppedExitCode);

  open();  // the editor's start-up on the folder the killed import left
  EXPECT_TRUE(strayFiles().empty()) << testing::PrintToString(strayFiles());
  const QString lastKey =
      control<toolkit::ReportList>(*w, "LstImages")->key(control<toolkit::ReportList>(*w, "LstImages")->count() - 1);
  if (step >= 5) {
    EXPECT_TRUE(wholePair());
    EXPECT_EQ(lastKey, "I2") << "the finished pair is listed";
    EXPECT_TRUE(control<toolkit::FileList>(*w, "File3")->names().isEmpty());
  } else {
    ASSERT_TRUE(nothingOfIt());
    EXPECT_EQ(lastKey, "I1");
    // The package is still good: importing it now brings the whole pair.
    ASSERT_TRUE(control<toolkit::FileList>(*w, "File3")->selectName("mare.ozt"));
    click(control<QPushButton>(*w, "CmdImport"));
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_TRUE(wholePair());
    EXPECT_TRUE(strayFiles().empty()) << testing::PrintToString(strayFiles());
  }
  EXPECT_EQ(stored(1).size(), 1u) << "the pair already there is untouched";
}

INSTANTIATE_TEST_SUITE_P(EveryStep, KilledImport, testing::Range(1, kLastStep + 1));

TEST_F(InterruptedImport, AnUnstoppedImportInItsOwnProcessIsWholeAndLeavesNoRecord) {
  ASSERT_EQ(runImport(0), 0);
  EXPECT_TRUE(wholePair());
  EXPECT_TRUE(strayFiles().empty()) << testing::PrintToString(strayFiles());
}

TEST_F(InterruptedImport, StartUpRemovesOnlyTheEditorsOwnLeftovers) {
  const std::string exportDir = storage::exportDir(folder.dir());
  const std::string images = folder.imagesPath().toStdString();
  test_support::writeBytes(exportDir + "/.ozt-export-a1B2c3", std::string(1000, 'x'));
  test_support::writeBytes(images + "/.ortavi-part-Zz9yY8", "half a picture");
  // Names of other shapes belong to somebody else.
  for (const char* other : {"/.ozt-export-a1B2c", "/.ozt-export-a1B2c34", "/ozt-export-a1B2c3", "/casa.ozt"}) {
    test_support::writeBytes(exportDir + other, "theirs");
  }
  fs::create_directories(exportDir + "/.ozt-export-dir123");
  open();
  EXPECT_FALSE(fs::exists(exportDir + "/.ozt-export-a1B2c3"));
  EXPECT_FALSE(fs::exists(images + "/.ortavi-part-Zz9yY8"));
  for (const char* other : {"/.ozt-export-a1B2c", "/.ozt-export-a1B2c34", "/ozt-export-a1B2c3", "/casa.ozt"}) {
    EXPECT_EQ(readBytes(exportDir + other), "theirs") << other;
  }
  EXPECT_TRUE(fs::is_directory(exportDir + "/.ozt-export-dir123"));
}
