// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the file panel (FraFile) needs of the editor window that holds it.
#include <QString>
#include <optional>

#include "picture_db/database.h"
#include "picture_db/records.h"
#include "toolkit/dialogs.h"

namespace toolkit {
class PictureArea;
}

namespace editor {

class FilePanelHost {
 public:
  virtual ~FilePanelHost() = default;

  virtual picture_db::Database& pictureDb() = 0;
  virtual QString applicationFolder() const = 0;
  virtual toolkit::Dialogs& dialogs() = 0;

  // Picture1: the viewport; Picture2: the preview inside it.
  virtual toolkit::PictureArea& viewport() = 0;
  virtual toolkit::PictureArea& preview() = 0;
  virtual void hideRubberBand() = 0;  // shBorder

  // The selected row of the picture list: its pair number (key without "I"), text
  // (the copy's name) and sub-item 1 (the original's name). Nothing when no row is selected.
  virtual std::optional<picture_db::PictureRecord> selectedPair() const = 0;
  // Stores the name as the selected pair's original / copy: its column in the table
  // first, then the row's sub-item 1 / text. Throws when the table refuses it, the row
  // then unchanged.
  virtual void storeSelectedOriginal(const QString& name) = 0;
  virtual void storeSelectedCopy(const QString& name) = 0;

  // Shows FraCoord (true) or hides it (false); the panel shows or hides itself.
  virtual void showCoordinatesPanel(bool visible) = 0;
  // LstImages_ItemClick for the selected row.
  virtual void refreshSelectedPair() = 0;
};

}  // namespace editor
