// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a package and reading it back: the exact bytes, the rectangles in order, the
// layout of the file, and a package on disk that is always whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <filesystem>
#include <limits>

#include "storage/app_folders.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"

using namespace picture_db;
using namespace storage;
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
  const PackageContents read = test_support::readPackage(path("casa.ozt"));
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
  const PackageContents read = test_support::readPackage(path("p.ozt"));
  EXPECT_TRUE(read.copyBytes.empty());
  EXPECT_EQ(read.originalBytes, c.originalBytes);
  EXPECT_TRUE(read.rectangles.empty());
}

TEST_F(PackageFile, HoldsTwoTablesWithTheirFieldsInOrderAndNothingElse) {
  writePackage(path("p.ozt"), samplePair());
  SQLite::Database db(path("p.ozt"), SQLite::OPEN_READONLY);
  SQLite::Statement schema(db, "SELECT type, name FROM sqlite_schema ORDER BY rowid");
  std::vector<std::string> objects;
  while (schema.executeStep())
    objects.push_back(schema.getColumn(0).getString() + " " + schema.getColumn(1).getString());
  EXPECT_EQ(objects, (std::vector<std::string>{"table Foto", "table Coordinate"}));

  const auto columns = [&](const char* table) {
    SQLite::Statement q(db, std::string("SELECT name FROM pragma_table_info('") + table + "') ORDER BY cid");
    std::vector<std::string> names;
    while (q.executeStep()) names.push_back(q.getColumn(0).getString());
    return names;
  };
  EXPECT_EQ(columns("Foto"), (std::vector<std::string>{"NomeOriginale", "FotoOriginale", "NomeCopia", "FotoCopia"}));
  EXPECT_EQ(columns("Coordinate"), (std::vector<std::string>{"X1", "Y1", "X2", "Y2"}));

  SQLite::Statement foto(
      db, "SELECT typeof(FotoOriginale), typeof(FotoCopia), typeof(NomeOriginale), count(*) OVER () FROM Foto");
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
  EXPECT_EQ(test_support::readPackage(path("p.ozt")).rectangles, second.rectangles);
  EXPECT_EQ(test_support::readPackage(path("p.ozt")).copyBytes, "other");
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
  EXPECT_EQ(test_support::readPackage(path("p.ozt"), small).originalBytes.size(), 100u);
  c.rectangles.resize(3);
  EXPECT_THROW(writePackage(path("q.ozt"), c, small), InvalidPackage);
  c.rectangles.resize(2);
  c.copyName = "CASA.jpg";
  EXPECT_THROW(writePackage(path("q.ozt"), c, small), InvalidPackage);
  EXPECT_FALSE(std::filesystem::exists(path("q.ozt")));
}

TEST_F(PackageFile, PicturesOfManyPiecesFromFilesOnDisk) {
  // Longer than the pieces the pictures travel in, and not a whole number of them.
  const std::string big = everyByteValue(10 * 1024 + 3, 0);
  const std::string other = everyByteValue(4 * 1024 + 1, 0x55);
  writeBytes(path("big.bmp"), big);
  writeBytes(path("other.gif"), other);
  PackageFiles files{"big.bmp", path("big.bmp"), "other.gif", path("other.gif"), {{1, 2, 3, 4}}};
  writePackage(path("p.ozt"), files);
  OpenPackage package(path("p.ozt"));
  EXPECT_EQ(package.originalSize(), static_cast<std::int64_t>(big.size()));
  std::string read;
  int pieces = 0;
  package.readOriginal([&](const char* data, std::size_t n) {
    read.append(data, n);
    ++pieces;
  });
  EXPECT_EQ(read, big);
  EXPECT_GT(pieces, 1);
  read.clear();
  package.readCopy([&](const char* data, std::size_t n) { read.append(data, n); });
  EXPECT_EQ(read, other);
  EXPECT_EQ(package.rectangles(), (std::vector<Rectangle>{{1, 2, 3, 4}}));
  // Straight into the caller's memory: the same bytes, not one more.
  std::string into(big.size() + 1, '#');
  package.readOriginalInto(into.data());
  EXPECT_EQ(into, big + "#");

  // A picture that is not there: no package, no leftover.
  files.copyPath = path("missing.gif");
  EXPECT_ANY_THROW(writePackage(path("q.ozt"), files));
  EXPECT_FALSE(std::filesystem::exists(path("q.ozt")));
  EXPECT_EQ(folderTree(dir_.path().toStdString()), (std::vector<std::string>{"big.bmp", "other.gif", "p.ozt"}));
}

// The pictures come from the first row, however the table names or keys its rows.
TEST_F(PackageFile, PicturesOfTheFirstRowWhateverTheRowKeys) {
  const std::vector<std::vector<std::string>> layouts{
      {"CREATE TABLE Foto (NomeOriginale TEXT PRIMARY KEY, FotoOriginale, NomeCopia, FotoCopia) WITHOUT ROWID"},
      {"CREATE TABLE Foto (rowid, _rowid_, oid, NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)"},
      {"CREATE TABLE Foto (_rowid_, NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)"},
  };
  int n = 0;
  for (auto statements : layouts) {
    SCOPED_TRACE(statements[0]);
    const std::string name = "p" + std::to_string(++n) + ".ozt";
    const bool keyed = statements[0].find("WITHOUT") != std::string::npos;
    const bool three = statements[0].find("oid,") != std::string::npos;
    const std::string lead = keyed ? "" : three ? "2, 2, 2, " : "2, ";
    statements.push_back("CREATE TABLE Coordinate (X1, Y1, X2, Y2)");
    // The file's own rowid columns point at the other row; for the keyed table the first
    // row in stored order is the smallest key.
    statements.push_back("INSERT INTO Foto VALUES (" + lead + "'b.jpg', x'0B0B', 'b2.jpg', x'0C')");
    statements.push_back("INSERT INTO Foto VALUES (" +
                         (keyed ? std::string() : std::string(three ? "1, 1, 1, " : "1, ")) +
                         "'a.jpg', x'0A0A0A', 'a2.jpg', x'0D')");
    makeSqliteFile(path(name.c_str()), statements);
    const PackageContents c = test_support::readPackage(path(name.c_str()));
    EXPECT_EQ(c.originalName, keyed ? "a.jpg" : "b.jpg");
    EXPECT_EQ(c.originalBytes, keyed ? "\x0A\x0A\x0A" : "\x0B\x0B");
    EXPECT_EQ(c.copyBytes, keyed ? "\x0D" : "\x0C");
    OpenPackage package(path(name.c_str()));
    std::string into(static_cast<std::size_t>(package.originalSize()), '#');
    package.readOriginalInto(into.data());
    EXPECT_EQ(into, c.originalBytes);
  }
}

// A memo another program stored as text: its bytes, counted as bytes, not as characters.
TEST_F(PackageFile, PicturesHeldAsTextAreTheirBytes) {
  makeSqliteFile(path("t.ozt"), {"CREATE TABLE Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)",
                                 "CREATE TABLE Coordinate (X1, Y1, X2, Y2)",
                                 "INSERT INTO Foto VALUES ('a.jpg', 'caffè è', 'b.jpg', x'00E8')"});
  OpenPackage package(path("t.ozt"));
  EXPECT_EQ(package.originalSize(), 9);
  EXPECT_EQ(package.copySize(), 2);
  std::string into(9, '#');
  package.readOriginalInto(into.data());
  EXPECT_EQ(into, "caffè è");
  const PackageContents c = test_support::readPackage(path("t.ozt"));
  EXPECT_EQ(c.originalBytes, "caffè è");
  EXPECT_EQ(c.copyBytes, std::string("\0\xE8", 2));
}
