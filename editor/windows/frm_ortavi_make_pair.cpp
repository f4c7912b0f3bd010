// SPDX-License-Identifier: GPL-2.0-or-later
// "Crea coppia da una foto": Ctrl+N, or the picture list's context menu. The new pair is
// saved whole and shown the way a picture-list click shows a pair.
#include <QAction>
#include <QKeySequence>

#include "editor/editor_messages.h"
#include "editor/frm_ortavi.h"
#include "editor/lock_wait.h"
#include "editor/make_pair_dialog.h"
#include "pair_make/made_pair.h"
#include "pair_make/pair_saving.h"
#include "pair_make/photo_fit.h"
#include "toolkit/context_action.h"
#include "toolkit/dialogs.h"
#include "toolkit/failure_reasons.h"
#include "toolkit/report_list.h"

namespace editor {

namespace {
// Whatever Qt reads; the file's content decides, not its name.
const QString kPhotoFilter =
    QStringLiteral("Foto|*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.webp;*.JPG;*.JPEG;*.PNG;*.BMP;*.GIF;*.WEBP");
}  // namespace

void FrmOrtavi::installPairMaking() {
  connect(toolkit::addContextAction(LstImages, QStringLiteral("Crea coppia da una foto..."),
                                    QKeySequence(Qt::CTRL | Qt::Key_N)),
          &QAction::triggered, this, &FrmOrtavi::makePairFromPhoto);
}

void FrmOrtavi::makePairFromPhoto() {
  const QString photoPath = dialogs_.openFile(kPhotoFilter, QStringLiteral("Scegli una foto"));
  if (photoPath.isEmpty()) return;
  QImage covering;
  try {
    covering = pair_make::loadPhotoCoveringFrame(photoPath);
  } catch (const pair_make::PhotoRefused& e) {
    critical(QStringLiteral("La foto %1 non si può usare: %2.").arg(photoPath, QString::fromUtf8(e.what())));
    return;
  }
  MakePairDialog dialog(covering, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.pair()) return;
  int row = 0;
  try {
    row = editor_.addPairWith([&](picture_db::Database& db, picture_db::PairId id) {
      const pair_make::SavedPair saved = pair_make::savePair(db, appDir_.toStdString(), photoPath, *dialog.pair(), id);
      return picture_db::PictureRecord{saved.id, saved.original, saved.copy};
    });
  } catch (const std::exception& e) {
    critical(failureMessage(e));
    return;
  }
  LstImages->selectRow(row);
  LstImages_ItemClick(row);
}

}  // namespace editor
