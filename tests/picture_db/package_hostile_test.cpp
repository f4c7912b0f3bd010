// SPDX-License-Identifier: GPL-2.0-or-later
// Packages made by anybody: each unsound one is refused with its reason, and reading
// it writes nothing, neither into the file nor beside it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "storage/app_folders.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"
#include "support/thrown_text.h"

using namespace picture_db;
using namespace storage;
using namespace test_support;

namespace {

struct HostileCase {
  const char* label;
  std::function<void(const std::string& path)> make;
  const char* reason;  // part of the refusal's text
};

std::function<void(const std::string&)> sql(std::vector<std::string> statements) {
  return [statements](const std::string& path) { makeSqliteFile(path, statements); };
}

// The sound package with its Foto row replaced by these values.
std::function<void(const std::string&)> fotoRow(const std::string& values) {
  auto s = soundPackageStatements();
  s[2] = "INSERT INTO Foto VALUES (" + values + ")";
  return sql(s);
}

// The sound package with one more rectangle.
std::function<void(const std::string&)> extraRect(const std::string& values, const char* x1Type = "INTEGER") {
  auto s = soundPackageStatements();
  s[1] = std::string("CREATE TABLE Coordinate (X1 ") + x1Type + ", Y1 INTEGER, X2 INTEGER, Y2 INTEGER)";
  s.push_back("INSERT INTO Coordinate VALUES (" + values + ")");
  return sql(s);
}

std::function<void(const std::string&)> bytes(std::string content) {
  return [content](const std::string& path) { writeBytes(path, content); };
}

std::function<void(const std::string&)> plus(std::vector<std::string> more) {
  auto s = soundPackageStatements();
  s.insert(s.end(), more.begin(), more.end());
  return sql(s);
}

const std::string k101(97, 'n');

const HostileCase kCases[] = {
    {"text file", bytes("These are not the bytes of a database, only some text for a test."),
     "non è un database SQLite"},
    {"empty file", bytes(""), "il file è vuoto"},
    {"header only", bytes(std::string("SQLite format 3\0", 16) + std::string(200, '\x07')), ""},
    {"no Foto table", sql({"CREATE TABLE Coordinate (X1, Y1, X2, Y2)"}), "manca la tabella Foto"},
    {"no Coordinate table",
     sql({"CREATE TABLE Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)",
          "INSERT INTO Foto VALUES ('a.jpg', x'00', 'b.jpg', x'00')"}),
     "manca la tabella Coordinate"},
    {"empty Foto",
     sql({"CREATE TABLE Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)",
          "CREATE TABLE Coordinate (X1, Y1, X2, Y2)"}),
     "la tabella Foto è vuota"},
    {"missing field",
     sql({"CREATE TABLE Foto (NomeOriginale, FotoOriginale, FotoCopia)", "CREATE TABLE Coordinate (X1, Y1, X2, Y2)",
          "INSERT INTO Foto VALUES ('a.jpg', x'00', x'00')"}),
     "nella tabella Foto manca il campo NomeCopia"},
    {"missing edge",
     sql({"CREATE TABLE Foto (NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)",
          "CREATE TABLE Coordinate (X1, Y1, X2)"}),
     "nella tabella Coordinate manca il campo Y2"},
    {"null original name", fotoRow("NULL, x'00', 'b.jpg', x'00'"), "il campo NomeOriginale è vuoto"},
    {"null copy picture", fotoRow("'a.jpg', x'00', 'b.jpg', NULL"), "il campo FotoCopia è vuoto"},
    {"name as blob", fotoRow("'a.jpg', x'00', x'622E6A7067', x'00'"), "il campo NomeCopia non è un testo"},
    {"parent folder", fotoRow("'../x.jpg', x'00', 'b.jpg', x'00'"), "il nome dell'originale contiene una cartella"},
    {"absolute path", fotoRow("'a.jpg', x'00', '/tmp/x.jpg', x'00'"), "il nome della copia contiene una cartella"},
    {"backslash", fotoRow("'..\\x.jpg', x'00', 'b.jpg', x'00'"), "contiene una cartella"},
    {"dot dot", fotoRow("'..', x'00', 'b.jpg', x'00'"), "non è il nome di un file"},
    {"dot", fotoRow("'a.jpg', x'00', '.', x'00'"), "non è il nome di un file"},
    {"hidden", fotoRow("'.a.jpg', x'00', 'b.jpg', x'00'"), "inizia con un punto"},
    {"empty name", fotoRow("'', x'00', 'b.jpg', x'00'"), "il nome dell'originale è vuoto"},
    {"line feed", fotoRow("'a' || char(10) || '.jpg', x'00', 'b.jpg', x'00'"), "caratteri di controllo"},
    {"nul", fotoRow("'a.jpg', x'00', 'b' || char(0) || '.jpg', x'00'"), "caratteri di controllo"},
    {"c1 control", fotoRow("'a' || char(133) || '.jpg', x'00', 'b.jpg', x'00'"), "caratteri di controllo"},
    {"bad utf-8", fotoRow("CAST(x'FF2E6A7067' AS TEXT), x'00', 'b.jpg', x'00'"), "UTF-8"},
    {"101 characters", fotoRow("'" + k101 + ".jpg', x'00', 'b.jpg', x'00'"), "supera i 100 caratteri"},
    {"101 accented", fotoRow("'" + std::string(96, 'e') + "è.jpg', x'00', 'b.jpg', x'00'"), "supera i 100"},
    {"wrong extension", fotoRow("'a.png', x'00', 'b.jpg', x'00'"), "non ha una delle estensioni"},
    {"extension only in the middle", fotoRow("'a.jpg.sh', x'00', 'b.jpg', x'00'"), "non ha una delle estensioni"},
    {"same names", fotoRow("'a.jpg', x'00', 'a.jpg', x'01'"), "hanno lo stesso nome"},
    {"same names but case", fotoRow("'Casa.JPG', x'00', 'casa.jpg', x'01'"), "hanno lo stesso nome"},
    {"text edge", extraRect("'abc', 1, 2, 3", "TEXT"), "non è un numero intero"},
    {"text edge untyped", extraRect("'12', 1, 2, 3", ""), "non è un numero intero"},
    {"fractional edge", extraRect("10.5, 1, 2, 3", "REAL"), "non è un numero intero"},
    {"blob edge", extraRect("x'01', 1, 2, 3"), "non è un numero intero"},
    {"null edge", extraRect("1, NULL, 2, 3"), "un bordo di un rettangolo è vuoto"},
    {"edge beyond 32 bits", extraRect("1, 2, 2147483648, 3"), "fuori dall'intervallo"},
    {"view named Foto",
     sql({"CREATE TABLE Coordinate (X1, Y1, X2, Y2)",
          "CREATE VIEW Foto AS SELECT 'a.jpg' AS NomeOriginale, x'00' AS FotoOriginale, 'b.jpg' AS NomeCopia, "
          "x'00' AS FotoCopia"}),
     "viste o trigger"},
    {"view beside", plus({"CREATE VIEW v AS SELECT * FROM Foto"}), "viste o trigger"},
    {"trigger", plus({"CREATE TRIGGER t AFTER INSERT ON Coordinate BEGIN DELETE FROM Foto; END"}), "viste o trigger"},
    {"virtual table",
     sql({"CREATE VIRTUAL TABLE Foto USING fts4(NomeOriginale, FotoOriginale, NomeCopia, FotoCopia)",
          "CREATE TABLE Coordinate (X1, Y1, X2, Y2)", "INSERT INTO Foto VALUES ('a.jpg', x'00', 'b.jpg', x'00')"}),
     "tabelle virtuali"},
};

class HostilePackage : public ::testing::TestWithParam<HostileCase> {};

}  // namespace

TEST_P(HostilePackage, IsRefusedWithItsReasonAndNothingWritten) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string path = joinPath(folder, "p.ozt");
  GetParam().make(path);
  const std::string before = readBytes(path);
  EXPECT_THAT(test_support::thrownText<InvalidPackage>([&] { test_support::readPackage(path); },
                                                       std::string(GetParam().label) + ": accepted"),
              ::testing::HasSubstr(GetParam().reason))
      << GetParam().label;
  EXPECT_EQ(folderTree(folder), std::vector<std::string>{"p.ozt"}) << GetParam().label;
  EXPECT_EQ(readBytes(path), before) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(Each, HostilePackage, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                           std::string name;
                           for (const char* p = info.param.label; *p; ++p) {
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           }
                           return name;
                         });

TEST(PackageLimits, ValueOverTheLimitIsRefusedBeforeItIsLoaded) {
  QTemporaryDir dir;
  const std::string path = joinPath(dir.path().toStdString(), "big.ozt");
  auto s = soundPackageStatements();
  s[2] = "INSERT INTO Foto VALUES ('a.jpg', zeroblob(67108865), 'b.jpg', x'00')";
  makeSqliteFile(path, s);
  EXPECT_THAT(test_support::thrownText<InvalidPackage>([&] { test_support::readPackage(path); },
                                                       "a 64 MiB + 1 picture was accepted"),
              ::testing::HasSubstr("supera i 64 MiB"));
}

TEST(PackageLimits, FileAndRectangleCountBounds) {
  QTemporaryDir dir;
  PackageLimits small;
  small.maxPictureBytes = 1024;
  small.maxRectangles = 3;
  const std::string folder = dir.path().toStdString();

  auto three = soundPackageStatements();
  three.push_back("INSERT INTO Coordinate VALUES (5, 6, 7, 8)");
  three.push_back("INSERT INTO Coordinate VALUES (9, 10, 11, 12)");
  makeSqliteFile(joinPath(folder, "three.ozt"), three);
  EXPECT_EQ(test_support::readPackage(joinPath(folder, "three.ozt"), small).rectangles.size(), 3u);

  auto four = three;
  four.push_back("INSERT INTO Coordinate VALUES (13, 14, 15, 16)");
  makeSqliteFile(joinPath(folder, "four.ozt"), four);
  const auto reasonFor = [&](const char* name) {
    try {
      test_support::readPackage(joinPath(folder, name), small);
    } catch (const InvalidPackage& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(reasonFor("four.ozt"), "ci sono più di 3 rettangoli");

  auto picture = soundPackageStatements();
  picture[2] = "INSERT INTO Foto VALUES ('a.jpg', zeroblob(1025), 'b.jpg', x'00')";
  makeSqliteFile(joinPath(folder, "picture.ozt"), picture);
  EXPECT_EQ(reasonFor("picture.ozt"), "l'immagine originale supera i 1024 byte");

  // A large file, whatever it holds, is not even opened.
  auto padded = soundPackageStatements();
  padded.push_back("CREATE TABLE Padding (b)");
  padded.push_back("INSERT INTO Padding VALUES (zeroblob(17 * 1024 * 1024))");
  makeSqliteFile(joinPath(folder, "padded.ozt"), padded);
  EXPECT_THAT(
      test_support::thrownText<InvalidPackage>(
          [&] { test_support::readPackage(joinPath(folder, "padded.ozt"), small); }, "an oversized file was read"),
      ::testing::HasSubstr("il file supera"));
}

TEST(PackageLimits, EndlessWorkIsCutShort) {
  QTemporaryDir dir;
  const std::string path = joinPath(dir.path().toStdString(), "many.ozt");
  auto s = soundPackageStatements();
  s.push_back(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
      "INSERT INTO Coordinate SELECT i, i, i, i FROM n");
  makeSqliteFile(path, s);
  PackageLimits tight;
  tight.maxSteps = 50'000;
  EXPECT_THAT(test_support::thrownText<InvalidPackage>([&] { test_support::readPackage(path, tight); },
                                                       "the step budget was not applied"),
              ::testing::HasSubstr("troppo lavoro"));
  EXPECT_EQ(test_support::readPackage(path).rectangles.size(), 20001u);
}

// What the format allows, beyond what the export writes, is read as it stands.
TEST(PackageReading, TakesWhatTheFormatAllows) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string path = joinPath(folder, "p.ozt");
  makeSqliteFile(path, {
                           "PRAGMA journal_mode=WAL",
                           "CREATE TABLE FOTO (extra, nomecopia TEXT, FotoCopia, NomeOriginale, FotoOriginale)",
                           "CREATE TABLE coordinate (Y2, X2, Y1, X1, note)",
                           "CREATE INDEX backwards ON coordinate (X1 DESC)",
                           "CREATE TABLE Other (anything)",
                           "INSERT INTO FOTO VALUES (1, 'B.GIF', x'AA', '" + k101.substr(0, 96) + ".Wmf', x'BB')",
                           "INSERT INTO FOTO VALUES (2, 'second.jpg', x'CC', 'second2.jpg', x'DD')",
                           "INSERT INTO coordinate VALUES (4, 3, 2, 1, 'first')",
                           "INSERT INTO coordinate VALUES (40.0, 30, 20, 10, 'second')",
                           "INSERT INTO coordinate VALUES (-4, -3, -2, -1, 'third')",
                       });
  const std::string before = readBytes(path);
  const PackageContents c = test_support::readPackage(path);
  EXPECT_EQ(c.originalName, k101.substr(0, 96) + ".Wmf");
  EXPECT_EQ(c.copyName, "B.GIF");
  EXPECT_EQ(c.originalBytes, "\xBB");
  EXPECT_EQ(c.copyBytes, "\xAA");
  EXPECT_EQ(c.rectangles, (std::vector<Rectangle>{{1, 2, 3, 4}, {10, 20, 30, 40}, {-1, -2, -3, -4}}));
  // A write-ahead-log package is read without its log or shared-memory file appearing.
  EXPECT_EQ(folderTree(folder), std::vector<std::string>{"p.ozt"});
  EXPECT_EQ(readBytes(path), before);
}

TEST(PackageReading, MissingFileIsRefusedAndNotCreated) {
  QTemporaryDir dir;
  const std::string path = joinPath(dir.path().toStdString(), "none.ozt");
  EXPECT_THROW(test_support::readPackage(path), InvalidPackage);
  EXPECT_TRUE(folderTree(dir.path().toStdString()).empty());
  EXPECT_THROW(test_support::readPackage(dir.path().toStdString()), InvalidPackage);  // a folder
}

TEST(PictureNames, PlainNamesWithAPictureExtension) {
  for (const char* good :
       {"a.jpg", "A.JPG", "casa al mare.bmp", "x.Gif", "é.emf", "a.b.wmf", "-rf.jpg", "q\"uote'.jpg"}) {
    EXPECT_EQ(pictureNameProblem(good), "") << good;
  }
  EXPECT_EQ(pictureNameProblem(std::string(96, 'n') + ".jpg"), "");
  EXPECT_NE(pictureNameProblem(std::string(97, 'n') + ".jpg"), "");
  // 100 characters of two bytes each are still 100 characters.
  std::string accented;
  for (int i = 0; i < 96; ++i) accented += "è";
  EXPECT_EQ(pictureNameProblem(accented + ".jpg"), "");
  for (const char* bad : {"", ".", "..", "a/b.jpg", "a\\b.jpg", ".jpg", "a.jpeg", "a.jpg ", "a\tb.jpg", "a\x7f.jpg",
                          "\xC3(.jpg", "\xED\xA0\x80.jpg", "\xC0\xAF.jpg"}) {
    EXPECT_NE(pictureNameProblem(bad), "") << bad;
  }
  EXPECT_TRUE(sameNameIgnoringCase("Casa.JPG", "casa.jpg"));
  EXPECT_FALSE(sameNameIgnoringCase("casa.jpg", "casa.jpgx"));
}
