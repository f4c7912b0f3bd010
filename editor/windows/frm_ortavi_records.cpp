// SPDX-License-Identifier: GPL-2.0-or-later
// Picture pairs: adding one and deleting one.
#include <QPushButton>

#include "editor/difference_texts.h"
#include "editor/file_panel.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"

namespace editor {

void FrmOrtavi::CmdImgAdd_Click() {
  int row = 0;
  try {
    row = editor_.addPair();
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
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
  const picture_db::PictureRecord pair = editor_.pairs().pair(row);
  const int answer = dialogs_.messageBox(pairDeleteQuestion(QString::fromStdString(pair.copy)),
                                         toolkit::box::YesNo | toolkit::box::Question);
  if (answer != toolkit::box::Yes) return;
  const bool wasChosen = LstImages->selectedRow() == row;
  try {
    editor_.deletePair(row);
  } catch (const std::exception& e) {
    dialogs_.messageBox(failureMessage(e), toolkit::box::OkOnly);
    return;
  }
  if (wasChosen) LstImages->selectRow(-1);
}

void FrmOrtavi::openFilePanel() { FraFile->open(); }

}  // namespace editor
