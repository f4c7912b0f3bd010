// Picture pairs: the number of a new pair, adding one and deleting one.
#include <QPushButton>
#include <stdexcept>

#include "editor/difference_texts.h"
#include "editor/editor_messages.h"
#include "editor/file_panel.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "editor/pair_numbering.h"
#include "picture_db/editor_queries.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"

namespace editor {

picture_db::PairId FrmOrtavi::NewImageID() const {
  QStringList keys;
  for (int i = 0; i < LstImages->count(); ++i) keys << LstImages->key(i);
  const std::optional<picture_db::PairId> next = nextPairNumber(keys);
  if (!next) throw std::overflow_error(msg::kNoNumberLeft);
  return *next;
}

void FrmOrtavi::CmdImgAdd_Click() {
  picture_db::PairId id = 0;
  try {
    id = NewImageID();
    picture_db::Database& db = pictureDb();
    db.inTransaction([&] { picture_db::addNewPair(db, id, picture_db::kNoFile, picture_db::kNoFile); });
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  const QString none = QString::fromLatin1(picture_db::kNoFile);
  LstImages->addRow(keyOfPair(id), none);
  LstImages->setSubItem(LstImages->lastRow(), 1, none);
  LstImages->selectRow(LstImages->lastRow());
  LstImages_ItemClick(LstImages->lastRow());
  openFilePanel();
}

void FrmOrtavi::CmdImgUpd_Click() {
  if (!selectedPairId()) return;  // no pair to choose files for
  openFilePanel();
}

void FrmOrtavi::CmdImgDel_Click() {
  const int row = LstImages->selectedRow();
  if (row < 0) return;
  const std::optional<picture_db::PairId> id = pairOfKey(LstImages->key(row));
  if (!id) return;
  const int answer =
      dialogs_.messageBox(pairDeleteQuestion(LstImages->text(row)), toolkit::box::YesNo | toolkit::box::Question);
  if (answer != toolkit::box::Yes) return;
  try {
    // Its rectangles go with it: a later pair given the same number starts empty.
    picture_db::deletePictureWithDifferences(pictureDb(), *id);
  } catch (const std::exception& e) {
    dialogs_.messageBox(failureMessage(e), toolkit::box::OkOnly);
    return;
  }
  LstImages->removeRow(row);
}

void FrmOrtavi::openFilePanel() { FraFile->open(); }

}  // namespace editor
