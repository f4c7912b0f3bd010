// SPDX-License-Identifier: GPL-2.0-or-later
// The difference list: showing a row's rectangle, adding an empty one, storing the
// marked edges into a row and deleting a row. The window asks; the pair editor writes.
#include <QLabel>
#include <QPushButton>

#include "editor/difference_texts.h"
#include "editor/editor_messages.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/report_list.h"

namespace editor {

namespace {
EdgeTexts textsOf(const Edges& edges) {
  EdgeTexts texts;
  for (const auto& e : edges) texts << edgeText(e);
  return texts;
}
}  // namespace

void FrmOrtavi::LstCoord_ItemClick(int row) {
  const DifferenceListModel& differences = editor_.differences();
  if (row < 0 || row >= differences.rowCount()) return;
  const Edges e = differences.edges(row);
  double v[4];
  for (int i = 0; i < 4; ++i) {
    if (!e[static_cast<std::size_t>(i)]) {  // an edge left empty by another program: nothing to show
      shBorder->hide();
      return;
    }
    v[i] = *e[static_cast<std::size_t>(i)];
  }
  // Edges stored the wrong way round are shown as the rectangle they span.
  const double left = std::min(v[0], v[2]), top = std::min(v[1], v[3]);
  setShapeBox(QRectF(left, top, std::max(v[0], v[2]) - left, std::max(v[1], v[3]) - top));
  writeLegendFromShape();
  shBorder->show();
}

void FrmOrtavi::CmdAdd_Click() {
  if (!editor_.canAddDifference()) return;
  const std::optional<picture_db::PairId> id = selectedPairId();
  if (!id) {
    critical(QString::fromUtf8(msg::kNoPairChosen));
    return;
  }
  int row = 0;
  try {
    row = editor_.addDifference(*id);
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  LstCoord->selectRow(row);
  updateCmdAddEnabled();
}

// The selected row of the difference list and the pair on screen, or a message saying
// which one is missing.
std::optional<FrmOrtavi::ChosenDifference> FrmOrtavi::chosenDifference() {
  const int row = LstCoord->selectedRow();
  if (row < 0) {
    critical(QString::fromUtf8(msg::kNoDifferenceChosen));
    return std::nullopt;
  }
  const std::optional<picture_db::PairId> id = selectedPairId();
  if (!id) {
    critical(QString::fromUtf8(msg::kNoPairChosen));
    return std::nullopt;
  }
  return ChosenDifference{row, *id};
}

void FrmOrtavi::CmdUpd_Click() {
  const std::optional<ChosenDifference> chosen = chosenDifference();
  if (!chosen) return;
  const int row = chosen->row;
  const std::optional<picture_db::PairId> id = chosen->pair;
  const EdgeTexts newTexts = textsOf(marked_);
  std::optional<int> edge[4];
  for (int i = 0; i < 4; ++i) {
    edge[i] = wholeEdge(newTexts[i]);
    if (!edge[i]) {  // nothing marked: no statement at all, the row keeps its values
      critical(QString::fromUtf8(msg::kNothingMarked));
      return;
    }
  }
  const EdgeTexts oldTexts = textsOf(editor_.differences().edges(row));
  const int answer =
      dialogs_.messageBox(updateQuestion(oldTexts, newTexts), toolkit::box::YesNo | toolkit::box::Question);
  if (answer != toolkit::box::Yes) return;
  try {
    editor_.moveDifference(*id, row, {*edge[0], *edge[1], *edge[2], *edge[3]});
  } catch (const std::exception& e) {
    critical(failureMessage(e));
  }
}

void FrmOrtavi::CmdDel_Click() {
  const std::optional<ChosenDifference> chosen = chosenDifference();
  if (!chosen) return;
  const int row = chosen->row;
  const std::optional<picture_db::PairId> id = chosen->pair;
  const int answer = dialogs_.messageBox(deleteQuestion(textsOf(editor_.differences().edges(row))),
                                         toolkit::box::YesNo | toolkit::box::Question);
  if (answer != toolkit::box::Yes) return;
  const bool wasChosen = LstCoord->selectedRow() == row;
  try {
    editor_.deleteDifference(*id, row);
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  if (wasChosen) LstCoord->selectRow(-1);
  updateCmdAddEnabled();
}

}  // namespace editor
