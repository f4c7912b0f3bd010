// SPDX-License-Identifier: GPL-2.0-or-later
// A picture file that is a FIFO, in the picture list and in the file panel: the editor
// neither waits on it nor shows it.
#include <QElapsedTimer>

#include "editor/editor_window_fixture.h"
#include "editor/file_panel.h"
#include "storage/app_folders.h"
#include "support/fifo_guard.h"
#include "toolkit/file_list.h"
#include "toolkit/picture_area.h"

using namespace editor_window_fixture;
using namespace std::chrono_literals;

namespace {
class EditorFifo : public EditorWindowTest {};
}  // namespace

TEST_F(EditorFifo, APairWhoseCopyIsAFifoIsListedWithABlankPicture) {
  folder.addPairWithoutFiles(1, "a.bmp", "fifo_C.bmp", {});
  test_support::FifoGuard fifo(storage::picturePath(folder.dir(), "fifo_C.bmp"), 3s);
  ASSERT_TRUE(fifo.made());
  QElapsedTimer t;
  t.start();
  open();
  w->LstImages_ItemClick(0);
  EXPECT_FALSE(fifo.released()) << "the FIFO was opened and waited on";
  EXPECT_LT(t.elapsed(), 3000);
  EXPECT_EQ(control<toolkit::ReportList>(*w, "LstImages")->count(), 1);
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture1")->hasPicture());
}

TEST_F(EditorFifo, AFifoChosenInTheFilePanelIsRefusedAtOnce) {
  folder.addPairWithoutFiles(1, "(none)", "(none)", {});
  test_support::FifoGuard fifo(storage::picturePath(folder.dir(), "fifo.bmp"), 3s);
  ASSERT_TRUE(fifo.made());
  open();
  click(control<QPushButton>(*w, "CmdImgUpd"));
  ASSERT_TRUE(control<editor::FilePanel>(*w, "FraFile")->File1()->selectName("fifo.bmp"))
      << "the list offers it by its name";
  QElapsedTimer t;
  t.start();
  control<editor::FilePanel>(*w, "FraFile")->File1_Click();
  EXPECT_FALSE(fifo.released()) << "the FIFO was opened and waited on";
  EXPECT_LT(t.elapsed(), 3000);
  EXPECT_FALSE(control<toolkit::PictureArea>(*w, "Picture2")->isVisible()) << "nothing to preview";
}
