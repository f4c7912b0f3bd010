// SPDX-License-Identifier: GPL-2.0-or-later
// Package export and import of the editor window.
#include <QLineEdit>
#include <cmath>
#include <optional>
#include <vector>

#include "editor/editor_messages.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "editor/package_transfer.h"
#include "editor/pair_numbering.h"
#include "storage/app_folders.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/file_list.h"
#include "toolkit/mouse_pointer.h"
#include "toolkit/report_list.h"

namespace editor {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void FrmOrtavi::CmdExport_Click() {
  toolkit::setMousePointer(toolkit::pointer::Hourglass);
  QString problem;
  try {
    editor_.exportPair(LstImages->selectedRow(), TxtExport->text().toStdString());
  } catch (const std::exception& e) {
    problem = failureMessage(e);
  }
  // Back to the default before any message: the work is over either way.
  toolkit::setMousePointer(toolkit::pointer::Default);
  if (!problem.isEmpty()) critical(problem);
}

void FrmOrtavi::CmdImport_Click() {
  const int index = File3->selectedIndex();
  if (index < 0) return;
  const QString packageName = File3->name(index);
  PairEditor::Imported imported{};
  try {
    imported = editor_.importPackage(packageName.toStdString());
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  const int row = imported.row;
  LstImages->selectRow(row);
  LstImages_ItemClick(row);
  File3->refresh();
  if (!imported.packageLeftBecause.empty()) {
    // The pair is in; only the package stays behind, and importing it again is refused.
    critical(QStringLiteral("Il pacchetto %1 è stato importato, ma non si può togliere dalla cartella Import (%2).")
                 .arg(packageName, q(imported.packageLeftBecause)));
  }
}

}  // namespace editor
