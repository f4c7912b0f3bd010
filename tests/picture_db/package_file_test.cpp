// Writing a package and reading it back: the exact bytes, the rectangles in order, the
// layout of the file, and a package on disk that is always whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <filesystem>
#include <limits>

#include "picture_db/app_folders.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"

using namespace picture_db;
using namespace test_support;

namespace {

PackageContents samplePair() {
  PackageContents c;
  c.originalName = "casa.jpg";
  c.originalBytes = everyByteValue(3, 0);
  c.copyName = "casa_C.JPG";
  c.copyBytes = everyByteValue(2, 0x80) + std::string(1, '\0');
  c.rectangles = {{10, 20, 30, 40},
                  {-5, 0, 7, 9},
                  {std::numeric_limits<std::int32_t>::min(), 1, std::numeric_limits<std::int32_t>::max(), 2},
                  {10, 20, 30, 40}};
  return c;
}

class PackageFile : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return joinPath(dir_.path().toStdString(), name); }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(PackageFile, RoundTripKeepsEveryByteAndTheRectanglesInOrder) {
  const PackageContents written = samplePair();
  writePackage(path("casa.ozt"), written);
  const PackageContents read = readPackage(path("casa.ozt"));
  EXPECT_EQ(read.originalName, written.originalName);
  EXPECT_EQ(read.copyName, written.copyName);
  ASSERT_EQ(read.originalBytes.size(), 768u);
  EXPECT_EQ(read.originalBytes, written.originalBytes);
  ASSERT_EQ(read.copyBytes.size(), 513u);
  EXPECT_EQ(read.copyBytes, written.copyBytes);
  EXPECT_EQ(read.rectangles, written.rectangles);
}

TEST_F(PackageFile, EmptyPictureAndNoRectangles) {
  PackageContents c = samplePair();
  c.copyBytes.clear();
  c.rectangles.clear();
  writePackage(path("p.ozt"), c);
  const PackageContents read = readPackage(path("p.ozt"));
  EXPECT_TRUE(read.copyBytes.empty());
  EXPECT_EQ(read.originalBytes, c.originalBytes);
  EXPECT_TRUE(read.rectangles.empty());
}

TEST_F(PackageFile, HoldsTwoTablesWithTheirFieldsInOrderAndNothingElse) {
  writePackage(path("p.ozt"), samplePair());
  SQLite::Database db(path("p.ozt"), SQLite::OPEN_READONLY);
  SQLite::Statement schema(db, "SELECT type, name FROM sqlite_schema ORDER BY rowid");
  std::vector<std::string> objects;
  while (schema.executeStep()) objects.push_back(schema.getColumn(0).getString() + " " + schema.getColumn(1).getString());
  EXPECT_EQ(objects, (std::vector<std::string>{"table Foto", "table Coordinate"}));

  const auto columns = [&](const char* table) {
    SQLite::Statement q(db, std::string("SELECT name FROM pragma_table_info('") + table + "') ORDER BY cid");
    std::vector<std::string> names;
    while (q.executeStep()) names.push_back(q.getColumn(0).getString());
    return names;
  };
  EXPECT_EQ(columns("Foto"), (std::vector<std::string>{"NomeOriginale", "FotoOriginale", "NomeCopia", "FotoCopia"}));
  EXPECT_EQ(columns("Coordinate"), (std::vector<std::string>{"X1", "Y1", "X2", "Y2"}));

  SQLite::Statement foto(db, "SELECT typeof(FotoOriginale), typeof(FotoCopia), typeof(NomeOriginale), count(*) OVER () FROM Foto");
  ASSERT_TRUE(foto.executeStep());
  EXPECT_EQ(foto.getColumn(0).getString(), "blob");
  EXPECT_EQ(foto.getColumn(1).getString(), "blob");
  EXPECT_EQ(foto.getColumn(2).getString(), "text");
  EXPECT_EQ(foto.getColumn(3).getInt(), 1);
  SQLite::Statement rects(db, "SELECT count(*), typeof(X1) FROM Coordinate");
  ASSERT_TRUE(rects.executeStep());
  EXPECT_EQ(rects.getColumn(0).getInt(), 4);
  EXPECT_EQ(rects.getColumn(1).getString(), "integer");
}

TEST_F(PackageFile, ReplacesAnEarlierPackageAndLeavesNoTemporaryFile) {
  PackageContents first = samplePair();
  writePackage(path("p.ozt"), first);
  PackageContents second = samplePair();
  second.rectangles = {{1, 1, 2, 2}};
  second.copyBytes = "other";
  writePackage(path("p.ozt"), second);
  EXPECT_EQ(readPackage(path("p.ozt")).rectangles, second.rectangles);
  EXPECT_EQ(readPackage(path("p.ozt")).copyBytes, "other");
  EXPECT_EQ(folderTree(dir_.path().toStdString()), std::vector<std::string>{"p.ozt"});
}

TEST_F(PackageFile, FailedWriteKeepsTheFolderAsItWas) {
  // A folder where the package should go: everything is written, the rename fails.
  std::filesystem::create_directory(path("blocked.ozt"));
  writeBytes(path("blocked.ozt/inside"), "x");
  EXPECT_ANY_THROW(writePackage(path("blocked.ozt"), samplePair()));
  EXPECT_EQ(folderTree(dir_.path().toStdString()), (std::vector<std::string>{"blocked.ozt", "blocked.ozt/inside"}));

  // Contents no package may hold: refused before anything is made.
  writePackage(path("kept.ozt"), samplePair());
  const std::string before = readBytes(path("kept.ozt"));
  PackageContents bad = samplePair();
  bad.copyName = "../evil.jpg";
  EXPECT_THROW(writePackage(path("kept.ozt"), bad), InvalidPackage);
  EXPECT_EQ(readBytes(path("kept.ozt")), before);
  EXPECT_EQ(folderTree(dir_.path().toStdString()),
            (std::vector<std::string>{"blocked.ozt", "blocked.ozt/inside", "kept.ozt"}));
}

TEST_F(PackageFile, WriterRefusesWhatTheReaderWouldRefuse) {
  PackageLimits small;
  small.maxPictureBytes = 100;
  small.maxRectangles = 2;
  PackageContents c = samplePair();
  c.originalBytes = std::string(101, 'x');
  c.rectangles.resize(2);
  EXPECT_THROW(writePackage(path("p.ozt"), c, small), InvalidPackage);
  c.originalBytes = std::string(100, 'x');
  c.copyBytes = "y";
  writePackage(path("p.ozt"), c, small);
  EXPECT_EQ(readPackage(path("p.ozt"), small).originalBytes.size(), 100u);
  c.rectangles.resize(3);
  EXPECT_THROW(writePackage(path("q.ozt"), c, small), InvalidPackage);
  c.rectangles.resize(2);
  c.copyName = "CASA.jpg";
  EXPECT_THROW(writePackage(path("q.ozt"), c, small), InvalidPackage);
  EXPECT_FALSE(std::filesystem::exists(path("q.ozt")));
}
