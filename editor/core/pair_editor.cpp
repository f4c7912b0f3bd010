// SPDX-License-Identifier: GPL-2.0-or-later
// Opening the editor's database, the picture list's pairs and the packages.
#include "editor/pair_editor.h"

#include <utility>

#include "editor/editor_messages.h"
#include "editor/import_recovery.h"
#include "editor/lock_wait.h"
#include "editor/pair_numbering.h"
#include "picture_db/editor_queries.h"

namespace editor {

PairEditor::PairEditor(std::string appDir) : appDir_(std::move(appDir)) {}

void PairEditor::open(const std::string& databasePath) {
  db_.reset();
  picture_db::Database db = picture_db::Database::openExisting(databasePath);
  waitForOtherProgramsVisibly(db);
  // Before the list is read: an import a kill cut short is part of it or of nothing.
  removeKilledEditorLeftovers(appDir_);
  finishInterruptedImport(db, appDir_);
  db_ = std::move(db);
}

void PairEditor::loadPairs() { pairs_.setPairs(picture_db::listPictures(database())); }

void PairEditor::loadPairs(PairListPrefetch& readAhead) { pairs_.setPairs(readAhead.take(database())); }

picture_db::Database& PairEditor::database() {
  if (!db_) throw picture_db::DbError(msg::kDatabaseClosed);
  return *db_;
}

picture_db::PairId PairEditor::newPairId() const {
  QStringList keys;
  for (int i = 0; i < pairs_.rowCount(); ++i) keys << keyOfPair(pairs_.pair(i).id);
  const std::optional<picture_db::PairId> next = nextPairNumber(keys);
  if (!next) throw std::overflow_error(msg::kNoNumberLeft);
  return *next;
}

int PairEditor::addPair() {
  return addPairWith([](picture_db::Database& db, picture_db::PairId id) {
    db.inTransaction([&] { picture_db::addNewPair(db, id, picture_db::kNoFile, picture_db::kNoFile); });
    return picture_db::PictureRecord{id, picture_db::kNoFile, picture_db::kNoFile};
  });
}

int PairEditor::addPairWith(
    const std::function<picture_db::PictureRecord(picture_db::Database&, picture_db::PairId)>& store) {
  const picture_db::PairId id = newPairId();
  return pairs_.append(store(database(), id));
}

void PairEditor::deletePair(int row) {
  const picture_db::PairId id = pairs_.pair(row).id;
  // Its rectangles go with it: a later pair given the same number starts empty.
  picture_db::deletePictureWithDifferences(database(), id);
  pairs_.remove(row);
}

void PairEditor::setOriginal(int row, const std::string& fileName) {
  picture_db::setOriginalFile(database(), pairs_.pair(row).id, fileName);
  pairs_.setOriginal(row, fileName);
}

void PairEditor::setCopy(int row, const std::string& fileName) {
  picture_db::setCopyFile(database(), pairs_.pair(row).id, fileName);
  pairs_.setCopy(row, fileName);
}

void PairEditor::exportPair(int row, const std::string& packageName) const {
  if (row < 0) throw PackageError(std::string("Esportazione annullata: ") + msg::kNoPairChosen);
  const picture_db::PictureRecord& pair = pairs_.pair(row);
  exportPackage(appDir_, packageName, pair.original, pair.copy, differences_.records());
}

PairEditor::Imported PairEditor::importPackage(const std::string& packageFile, const ImportObserver& observer) {
  const ImportedPair imported = editor::importPackage(database(), appDir_, packageFile, newPairId(), observer);
  return {pairs_.append(imported.pair), imported.packageLeftBecause};
}

}  // namespace editor
