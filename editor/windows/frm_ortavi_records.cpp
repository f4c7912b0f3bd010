// SPDX-License-Identifier: GPL-2.0-or-later
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
  for (int i = 0; i < pairs_.rowCount(); ++i) keys << keyOfPair(pairs_.pair(i).id);
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
  const int row = pairs_.append({id, picture_db::kNoFile, picture_db::kNoFile});
  LstImages->selectRow(row);
  LstImages_ItemClick(row);
  openFilePanel();
}

void FrmOrtavi::CmdImgUpd_Click() {
  if (!selectedPairId()) return;  // no pair to choose files for
  openFilePanel();
}

void FrmOrtavi::CmdImgDel_Click() {
  const int row = LstImages->selectedRow();
  if (row < 0) return;
  const picture_db::PictureRecord pair = pairs_.pair(row);
  const int answer = dialogs_.messageBox(pairDeleteQuestion(QString::fromStdString(pair.copy)),
                                         toolkit::box::YesNo | toolkit::box::Question);
  if (answer != toolkit::box::Yes) return;
  try {
    // Its rectangles go with it: a later pair given the same number starts empty.
    picture_db::deletePictureWithDifferences(pictureDb(), pair.id);
  } catch (const std::exception& e) {
    dialogs_.messageBox(failureMessage(e), toolkit::box::OkOnly);
    return;
  }
  const bool wasChosen = LstImages->selectedRow() == row;
  pairs_.remove(row);
  if (wasChosen) LstImages->selectRow(-1);
}

void FrmOrtavi::openFilePanel() { FraFile->open(); }

}  // namespace editor
