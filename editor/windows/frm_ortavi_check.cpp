// SPDX-License-Identifier: GPL-2.0-or-later
// "Verifica differenze" for the pair on screen: Ctrl+D, or the difference list's
// context menu. Stored proposals reach the list the way a picture-list click shows them.
#include <QAction>
#include <QKeySequence>

#include "editor/difference_check_dialog.h"
#include "editor/editor_messages.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "toolkit/context_action.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/report_list.h"

namespace editor {

void FrmOrtavi::installDifferenceCheck() {
  connect(
      toolkit::addContextAction(LstCoord, QStringLiteral("Verifica differenze..."), QKeySequence(Qt::CTRL | Qt::Key_D)),
      &QAction::triggered, this, &FrmOrtavi::checkDifferences);
}

void FrmOrtavi::checkDifferences() {
  const std::optional<picture_db::PictureRecord> pair = selectedPair();
  if (!pair) {
    critical(QString::fromUtf8(msg::kNoPairChosen));
    return;
  }
  // The rows the difference list shows are the pair's rows: checked as listed.
  DifferenceCheckDialog dialog(appDir_, *pair, editor_.differences().records(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.proposedRects().empty()) return;
  try {
    editor_.storeProposedDifferences(pair->id, dialog.proposedRects());
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  LstImages_ItemClick(LstImages->selectedRow());
}

}  // namespace editor
