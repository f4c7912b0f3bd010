// SPDX-License-Identifier: GPL-2.0-or-later
// "Crea coppia da una foto" from the editor window: Ctrl+N and the picture list's menu
// ask for a photo, the window shows the copy's five changes, Return saves the pair and
// shows it as a picture-list click does, Esc writes nothing.
#include <QAction>
#include <QComboBox>
#include <QTimer>

#include "editor/editor_window_fixture.h"
#include "editor/make_pair_dialog.h"
#include "editor/make_pair_views.h"

using namespace editor_window_fixture;

namespace {
const QString kFace = QStringLiteral(VOBREL_TEST_DATA "/photos/face.jpg");

class EditorMakePair : public EditorWindowTest {
 protected:
  QString titleSeen, levelSeen;
  bool saveIsDefault = false;
  std::vector<QRect> areasSeen;
  std::function<void(editor::MakePairDialog&)> inside;

  void answerWith(Qt::Key key) {
    answerModal<editor::MakePairDialog>(
        key, [](editor::MakePairDialog&) { return true; },
        [this](editor::MakePairDialog& dialog) {
          titleSeen = dialog.windowTitle();
          levelSeen = dialog.level->currentText();
          saveIsDefault = dialog.save->isDefault() && dialog.save->isEnabled();
          if (dialog.pair()) {
            for (const auto& c : dialog.pair()->changes) areasSeen.push_back(c.area);
          }
          if (inside) inside(dialog);
        });
  }
  void pressCtrlN() { pressCtrl(Qt::Key_N); }
};
}  // namespace

TEST_F(EditorMakePair, CtrlNAPhotoAndReturnStoreThePairAndShowIt) {
  folder.addPairWithoutFiles(3, "vecchia.jpg", "vecchia_C.jpg", {});
  open();
  boxes.chosenFiles.push_back(kFace);
  answerWith(Qt::Key_Return);
  pressCtrlN();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].kind, toolkit::ScriptedDialogs::Call::OpenFile);
  EXPECT_EQ(boxes.calls[0].title, "Scegli una foto");
  ASSERT_TRUE(opened);
  EXPECT_EQ(titleSeen, "Crea coppia da una foto");
  EXPECT_EQ(levelSeen, "Normale");
  EXPECT_TRUE(saveIsDefault);
  EXPECT_EQ(areasSeen.size(), 5u);

  const auto pairs = storedPairs();
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].id, 4);  // the next number after the list's
  EXPECT_EQ(pairs[1].original, "face.jpg");
  EXPECT_EQ(pairs[1].copy, "face_C.jpg");
  const auto rects = stored(4);
  ASSERT_EQ(rects.size(), 5u);
  // Shown as a picture-list click shows a pair: selected, its copy and its five rows.
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->selectedRow(), 1);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->text(1), "face_C.jpg");
  ASSERT_EQ(control<toolkit::ReportList>(*w, "LstCoord")->count(), 5);
  EXPECT_EQ(rowOf(*control<toolkit::ReportList>(*w, "LstCoord"), 0), edgesOf(rects[0]));
  EXPECT_FALSE(control<QPushButton>(*w, "CmdAdd")->isEnabled());
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().size(), QSize(380, 436));
  EXPECT_EQ(control<toolkit::PictureArea>(*w, "Picture1")->picture().convertToFormat(QImage::Format_RGB32),
            QImage(folder.imagesPath() + "/face_C.jpg").convertToFormat(QImage::Format_RGB32));
}

TEST_F(EditorMakePair, EscWritesNothing) {
  open();
  boxes.chosenFiles.push_back(kFace);
  answerWith(Qt::Key_Escape);
  pressCtrlN();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(storedPairs().empty());
  EXPECT_TRUE(QDir(folder.imagesPath()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 0);
}

TEST_F(EditorMakePair, TheListsMenuHasTheEntryAndNoPhotoChosenDoesNothing) {
  open();
  const QList<QAction*> actions = control<toolkit::ReportList>(*w, "LstImages")->actions();
  const auto entry = std::find_if(actions.begin(), actions.end(),
                                  [](QAction* a) { return a->text() == "Crea coppia da una foto..."; });
  ASSERT_NE(entry, actions.end());
  EXPECT_EQ((*entry)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->contextMenuPolicy(), Qt::ActionsContextMenu);
  (*entry)->trigger();  // the dialog is cancelled: no photo
  EXPECT_EQ(boxes.calls.size(), 1u);
  EXPECT_TRUE(storedPairs().empty());
}

TEST_F(EditorMakePair, AClickOnAnOutlineReplacesThatChangeAlone) {
  open();
  boxes.chosenFiles.push_back(kFace);
  std::vector<QRect> before, after;
  inside = [&](editor::MakePairDialog& dialog) {
    for (const auto& c : dialog.pair()->changes) before.push_back(c.area);
    QTest::mouseClick(dialog.copy, Qt::LeftButton, {}, before[1].center());
    ASSERT_NE(dialog.pair(), nullptr);
    for (const auto& c : dialog.pair()->changes) after.push_back(c.area);
  };
  answerWith(Qt::Key_Escape);
  pressCtrlN();
  ASSERT_TRUE(opened);
  ASSERT_EQ(before.size(), 5u);
  ASSERT_EQ(after.size(), 5u);
  EXPECT_NE(after[1], before[1]);
  int kept = 0;
  for (size_t i = 0; i < 5; ++i) kept += after[i] == before[i];
  EXPECT_GE(kept, 3);
  EXPECT_TRUE(storedPairs().empty());
}

TEST_F(EditorMakePair, APhotoThatIsNoPictureIsNamedAndTheWindowNeverOpens) {
  open();
  const QString text = folder.path() + "/appunti.txt";
  {
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("niente foto");
  }
  boxes.chosenFiles.push_back(text);
  answerWith(Qt::Key_Escape);
  pressCtrlN();
  EXPECT_FALSE(opened);
  const auto messages = boxes.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("La foto %1 non si può usare: non è un'immagine.").arg(text));
  EXPECT_EQ(messages[0].flags & toolkit::box::Critical, toolkit::box::Critical);
  EXPECT_TRUE(storedPairs().empty());
}
