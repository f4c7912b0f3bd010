// SPDX-License-Identifier: GPL-2.0-or-later
// Export and import through the editor window: a pair travels between two application
// folders byte for byte; refused and failed imports leave everything as it was.
#include <QFile>
#include <filesystem>

#include "editor/editor_window_fixture.h"
#include "storage/app_folders.h"
#include "picture_db/game_queries.h"
#include "picture_db/package_file.h"
#include "support/package_fixtures.h"
#include "support/temp_app_folder.h"
#include "picture_db/editor_queries.h"

using namespace editor_window_fixture;
using namespace toolkit;
using test_support::folderTree;
using test_support::readBytes;
using test_support::writeBytes;

namespace {

const char* const kFilesPresent = "File gia' presenti, importazione annullata.";

class EditorPackages : public EditorWindowTest {
 protected:
  // The receiving installation, with a window of its own.
  test_support::TempAppFolder other;
  toolkit::ScriptedDialogs otherBoxes;
  std::unique_ptr<editor::FrmOrtavi> receiver;

  // Pictures that no text or picture reader would pass through unchanged.
  const std::string originalBytes = test_support::bitmapWithEveryByteValue(0);
  const std::string copyBytes =
      test_support::bitmapWithEveryByteValue(7, std::string("\0\x80\x81\x8D\x8F\x90\x9D\x9F\r\n", 10));

  void SetUp() override {
    EditorWindowTest::SetUp();
    QDir().mkpath(other.imagesPath());
  }
  void TearDown() override {
    receiver.reset();
    EditorWindowTest::TearDown();
  }

  std::string exported(const std::string& name) const {
    return storage::joinPath(storage::exportDir(folder.dir()), name);
  }
  std::string importing(const std::string& name) const {
    return storage::joinPath(storage::importDir(other.dir()), name);
  }
  std::string receivedPicture(const std::string& name) const { return storage::picturePath(other.dir(), name); }

  // A pair 1 of casa.jpg / casa_C.jpg with three rectangles, on screen in the window.
  void openWithPair(std::vector<Edges> rects = {{10, 20, 30, 40}, {1, 2, 3, 4}, {10, 20, 30, 40}}) {
    folder.writeFile("casa.jpg", QByteArray::fromStdString(originalBytes));
    folder.writeFile("casa_C.jpg", QByteArray::fromStdString(copyBytes));
    folder.addPairWithoutFiles(1, "casa.jpg", "casa_C.jpg", rects);
    open();
  }

  // Puts a package into the receiving Import folder and opens its window.
  editor::FrmOrtavi& openReceiver(const std::string& packagePath, const std::string& asName = "viaggio.ozt") {
    std::filesystem::create_directories(storage::importDir(other.dir()));
    std::filesystem::copy_file(packagePath, importing(asName));
    receiver = std::make_unique<editor::FrmOrtavi>(other.path(), otherBoxes);
    receiver->show();
    return *receiver;
  }

  void importSelected(const QString& name = "viaggio.ozt") {
    ASSERT_TRUE(control<toolkit::FileList>(*receiver, "File3")->selectName(name));
    click(control<QPushButton>(*receiver, "CmdImport"));
  }

  std::vector<picture_db::PictureRecord> receivedPairs() const {
    picture_db::Database db = other.open();
    return picture_db::listPictures(db);
  }

  // Everything an import could touch, to compare before and after a refusal.
  struct Snapshot {
    std::vector<std::string> tree;
    std::vector<std::string> pairs;
    QStringList listed;
    QStringList packages;
    bool operator==(const Snapshot& o) const {
      return tree == o.tree && pairs == o.pairs && listed == o.listed && packages == o.packages;
    }
  };
  Snapshot snapshot() const {
    Snapshot s;
    s.tree = folderTree(other.dir());
    picture_db::Database db = other.open();
    for (const auto& p : picture_db::listPictures(db)) {
      s.pairs.push_back(std::to_string(p.id) + " " + p.original + " " + p.copy + " " +
                        std::to_string(picture_db::pairDifferences(db, p.id).size()));
    }
    for (int i = 0; i < control<toolkit::ReportList>(*receiver, "LstImages")->count(); ++i)
      s.listed << control<toolkit::ReportList>(*receiver, "LstImages")->key(i);
    s.packages = control<toolkit::FileList>(*receiver, "File3")->names();
    return s;
  }
};

}  // namespace

TEST_F(EditorPackages, APairTravelsByteForByteUnderANewNumber) {
  openWithPair();
  EXPECT_EQ(control<QLineEdit>(*w, "TxtExport")->text(), "casa");
  click(control<QPushButton>(*w, "CmdAdd"));  // a rectangle just added to the list travels too, last
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 4);
  control<QLineEdit>(*w, "TxtExport")->setText("viaggio");
  setMousePointer(pointer::Cross);
  click(control<QPushButton>(*w, "CmdExport"));
  EXPECT_TRUE(boxes.messages().empty());
  EXPECT_EQ(mousePointer(), pointer::Default);
  EXPECT_EQ(folderTree(storage::exportDir(folder.dir())), std::vector<std::string>{"viaggio.ozt"});

  other.addPairWithoutFiles(4, "(none)", "(none)", {});
  openReceiver(exported("viaggio.ozt"));
  ASSERT_EQ(control<toolkit::FileList>(*receiver, "File3")->names(), QStringList{"viaggio.ozt"});
  importSelected();
  EXPECT_TRUE(otherBoxes.messages().empty());

  EXPECT_EQ(readBytes(receivedPicture("casa.jpg")), originalBytes);
  EXPECT_EQ(readBytes(receivedPicture("casa_C.jpg")), copyBytes);
  const auto pairs = receivedPairs();
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].id, 5);
  EXPECT_EQ(pairs[1].original, "casa.jpg");
  EXPECT_EQ(pairs[1].copy, "casa_C.jpg");
  {
    picture_db::Database db = other.open();
    const auto rects = picture_db::pairDifferences(db, 5);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(edgesOf(rects[0]), (QStringList{"10", "20", "30", "40"}));
    EXPECT_EQ(edgesOf(rects[1]), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(edgesOf(rects[2]), (QStringList{"10", "20", "30", "40"}));
    EXPECT_EQ(edgesOf(rects[3]), (QStringList{"0", "0", "0", "0"}));
    EXPECT_EQ(picture_db::unfoundDifferences(db, 5).size(), 4u);  // every one "N"
  }
  // The new pair is the list's last row, chosen and shown.
  const int last = control<toolkit::ReportList>(*receiver, "LstImages")->lastRow();
  ASSERT_EQ(last, 1);
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstImages")->key(last), "I5");
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstImages")->text(last), "casa_C.jpg");
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstImages")->subItem(last, 1), "casa.jpg");
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstImages")->selectedRow(), last);
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstCoord")->count(), 4);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*receiver, "LstCoord"), 1), (QStringList{"1", "2", "3", "4"}));
  EXPECT_EQ(control<QLineEdit>(*receiver, "TxtExport")->text(), "casa");
  // The package has left the Import folder and its list.
  EXPECT_FALSE(std::filesystem::exists(importing("viaggio.ozt")));
  EXPECT_TRUE(control<toolkit::FileList>(*receiver, "File3")->names().isEmpty());

  // The same package a second time: its pictures are there now.
  std::filesystem::copy_file(exported("viaggio.ozt"), importing("again.ozt"));
  control<toolkit::FileList>(*receiver, "File3")->refresh();
  const Snapshot before = snapshot();
  importSelected("again.ozt");
  ASSERT_EQ(otherBoxes.messages().size(), 1u);
  EXPECT_EQ(otherBoxes.messages()[0].text, kFilesPresent);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(EditorPackages, EmptyNameAndExportingAgainReplaces) {
  openWithPair();
  control<QLineEdit>(*w, "TxtExport")->setText("");
  click(control<QPushButton>(*w, "CmdExport"));
  EXPECT_TRUE(boxes.messages().empty());
  EXPECT_TRUE(std::filesystem::exists(exported(".ozt")));

  control<QLineEdit>(*w, "TxtExport")->setText("p");
  click(control<QPushButton>(*w, "CmdExport"));
  EXPECT_EQ(test_support::readPackage(exported("p.ozt")).rectangles.size(), 3u);
  // The window's state now, not the earlier package's.
  clickRow(*control<toolkit::ReportList>(*w, "LstCoord"), 0);
  click(control<QPushButton>(*w, "CmdDel"));
  boxes.clear();
  click(control<QPushButton>(*w, "CmdExport"));
  EXPECT_TRUE(boxes.messages().empty());
  const auto again = test_support::readPackage(exported("p.ozt"));
  ASSERT_EQ(again.rectangles.size(), static_cast<std::size_t>(control<toolkit::ReportList>(*w, "LstCoord")->count()));
  EXPECT_EQ(folderTree(storage::exportDir(folder.dir())), (std::vector<std::string>{".ozt", "p.ozt"}));
}

TEST_F(EditorPackages, APairWithoutRectanglesCarriesNone) {
  openWithPair({});
  click(control<QPushButton>(*w, "CmdExport"));
  EXPECT_TRUE(test_support::readPackage(exported("casa.ozt")).rectangles.empty());
  openReceiver(exported("casa.ozt"), "casa.ozt");
  importSelected("casa.ozt");
  EXPECT_TRUE(otherBoxes.messages().empty());
  ASSERT_EQ(receivedPairs().size(), 1u);
  picture_db::Database db = other.open();
  EXPECT_TRUE(picture_db::pairDifferences(db, 1).empty());
  EXPECT_EQ(control<toolkit::ReportList>(*receiver, "LstCoord")->count(), 0);
}

TEST_F(EditorPackages, FailedExportsSayWhyAndKeepTheEarlierPackage) {
  openWithPair();
  control<QLineEdit>(*w, "TxtExport")->setText("p");
  click(control<QPushButton>(*w, "CmdExport"));
  const std::string earlier = readBytes(exported("p.ozt"));

  const auto refusal = [&](const char* expected) {
    boxes.clear();
    setMousePointer(pointer::Cross);
    click(control<QPushButton>(*w, "CmdExport"));
    EXPECT_EQ(mousePointer(), pointer::Default);
    ASSERT_EQ(boxes.messages().size(), 1u) << expected;
    EXPECT_EQ(boxes.messages()[0].flags, box::OkOnly | box::Critical);
    EXPECT_NE(boxes.messages()[0].text.indexOf(QString::fromUtf8(expected)), -1)
        << boxes.messages()[0].text.toStdString();
    EXPECT_EQ(readBytes(exported("p.ozt")), earlier);
    EXPECT_EQ(folderTree(storage::exportDir(folder.dir())), std::vector<std::string>{"p.ozt"});
  };

  control<QLineEdit>(*w, "TxtExport")->setText("../p");
  refusal("non può contenere / o \\");
  control<QLineEdit>(*w, "TxtExport")->setText("a\\b");
  refusal("non può contenere / o \\");

  control<QLineEdit>(*w, "TxtExport")->setText("p");
  w->differenceList().setEdges(1, {10.5, 1.0, 2.0, 3.0});  // as another program may store it
  refusal("non è un numero intero");
  w->LstImages_ItemClick(0);  // the list as stored again

  QFile::remove(folder.imagesPath() + "/casa_C.jpg");
  refusal("il file casa_C.jpg non è nella cartella Images");

  control<toolkit::ReportList>(*w, "LstImages")->selectRow(-1);
  refusal("Scegliere prima una coppia");
}

TEST_F(EditorPackages, APairWithoutFilesIsNotExported) {
  folder.addPairWithoutFiles(1, "(none)", "(none)", {});
  open();
  control<QLineEdit>(*w, "TxtExport")->setText("p");
  click(control<QPushButton>(*w, "CmdExport"));
  ASSERT_EQ(boxes.messages().size(), 1u);
  EXPECT_NE(boxes.messages()[0].text.indexOf("non è ancora stato assegnato"), -1);
  EXPECT_TRUE(folderTree(storage::exportDir(folder.dir())).empty());
}

TEST_F(EditorPackages, PicturesAlreadyPresentRefuseTheImportWhicheverAndWhateverTheCase) {
  openWithPair();
  click(control<QPushButton>(*w, "CmdExport"));
  for (const char* present : {"casa.jpg", "casa_C.jpg", "CASA_c.JPG"}) {
    SCOPED_TRACE(present);
    receiver.reset();
    std::filesystem::remove_all(other.imagesPath().toStdString());
    std::filesystem::remove_all(storage::importDir(other.dir()));
    QDir().mkpath(other.imagesPath());
    writeBytes(receivedPicture(present), "already here");
    otherBoxes.clear();
    openReceiver(exported("casa.ozt"));
    const Snapshot before = snapshot();
    importSelected();
    ASSERT_EQ(otherBoxes.messages().size(), 1u);
    EXPECT_EQ(otherBoxes.messages()[0].text, kFilesPresent);
    EXPECT_EQ(otherBoxes.messages()[0].flags, box::OkOnly | box::Critical);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(readBytes(receivedPicture(present)), "already here");
  }
}

TEST_F(EditorPackages, NothingSelectedDoesNothing) {
  openWithPair();
  click(control<QPushButton>(*w, "CmdExport"));
  openReceiver(exported("casa.ozt"));
  control<toolkit::FileList>(*receiver, "File3")->selectIndex(-1);
  const Snapshot before = snapshot();
  click(control<QPushButton>(*receiver, "CmdImport"));
  EXPECT_TRUE(otherBoxes.calls.empty());
  EXPECT_EQ(snapshot(), before);
}

TEST_F(EditorPackages, AHostilePackageIsRefusedAndWritesNothingAnywhere) {
  const std::string made = storage::joinPath(folder.dir(), "hostile.ozt");
  auto statements = test_support::soundPackageStatements();
  statements[2] = "INSERT INTO Foto VALUES ('../escaped.jpg', x'00', 'b.jpg', x'00')";
  test_support::makeSqliteFile(made, statements);
  openReceiver(made, "evil.ozt");
  const Snapshot before = snapshot();
  importSelected("evil.ozt");
  ASSERT_EQ(otherBoxes.messages().size(), 1u);
  EXPECT_EQ(otherBoxes.messages()[0].text,
            "Pacchetto non valido: evil.ozt: il nome dell'originale contiene una cartella (/ o \\).");
  EXPECT_EQ(otherBoxes.messages()[0].flags, box::OkOnly | box::Critical);
  EXPECT_EQ(snapshot(), before);
  EXPECT_FALSE(std::filesystem::exists(storage::joinPath(other.dir(), "escaped.jpg")));
}

TEST_F(EditorPackages, AFailureAfterThePicturesRemovesThemAndAddsNoPair) {
  openWithPair();
  click(control<QPushButton>(*w, "CmdExport"));
  other.addPairWithoutFiles(3, "(none)", "(none)", {});
  {
    // The last rectangle cannot be stored: the pair and the others must not stay either.
    picture_db::Database db = other.open();
    db.sqlite().exec(
        "CREATE TRIGGER full_disk BEFORE INSERT ON COORDINATE WHEN NEW.X1 = 10 AND NEW.Y1 = 20 AND "
        "(SELECT count(*) FROM COORDINATE WHERE ID_FOTO = NEW.ID_FOTO) = 2 "
        "BEGIN SELECT RAISE(ABORT, 'il database o il disco è pieno'); END");
  }
  openReceiver(exported("casa.ozt"));
  const Snapshot before = snapshot();
  importSelected();
  ASSERT_EQ(otherBoxes.messages().size(), 1u);
  EXPECT_EQ(otherBoxes.messages()[0].text, "Importazione non riuscita: il database o il disco è pieno.");
  EXPECT_EQ(snapshot(), before);
  EXPECT_FALSE(std::filesystem::exists(receivedPicture("casa.jpg")));
  EXPECT_FALSE(std::filesystem::exists(receivedPicture("casa_C.jpg")));
  picture_db::Database db = other.open();
  EXPECT_TRUE(picture_db::pairDifferences(db, 4).empty());
}
