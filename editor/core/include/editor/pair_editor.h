// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The editor's writes: the open images.mdb and the two lists that show it. Every change
// goes to the table first and reaches a list only once the table took it, so a refused
// write leaves both as they were. Nothing here asks the user: the window asks, then
// calls; failures come out as exceptions whose text the window shows.
#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/difference_list_model.h"
#include "editor/package_transfer.h"
#include "editor/pair_list_model.h"
#include "editor/pair_list_prefetch.h"
#include "picture_db/check_queries.h"
#include "picture_db/database.h"
#include "picture_db/records.h"

namespace editor {

// A request refused before anything was written; what() is the message for the user.
class EditRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PairEditor {
 public:
  // At most this many rectangles per pair: the game has five found-markers.
  static constexpr int kMaxDifferences = 5;

  explicit PairEditor(std::string appDir);

  // Opens images.mdb, waits for another program's lock, and settles an import that a kill
  // cut short, so that the list read next holds it whole or not at all. On a failure
  // the editor stays closed.
  void open(const std::string& databasePath);
  // Fills the picture list from the table. Two pairs with one number throw
  // std::invalid_argument; on any failure the list stays as it was.
  void loadPairs();
  // The same from the rows read ahead while the window was built, or read now when that
  // read gave up.
  void loadPairs(PairListPrefetch& readAhead);
  void close() { db_.reset(); }
  bool isOpen() const { return db_.has_value(); }
  // The open database; DbError while closed.
  picture_db::Database& database();

  PairListModel& pairs() { return pairs_; }
  const PairListModel& pairs() const { return pairs_; }
  DifferenceListModel& differences() { return differences_; }
  const DifferenceListModel& differences() const { return differences_; }

  // Pairs, by their row in the picture list.

  // The number for the next new pair, from the picture list alone; changes nothing.
  // Throws std::overflow_error when the list already holds the highest possible number.
  picture_db::PairId newPairId() const;
  // A pair without files under a new number, appended to the list; returns its row.
  int addPair();
  // Stores a whole pair under the new number through the caller's writer (a pair made from
  // a photo, say) and appends what it stored; returns its row.
  int addPairWith(const std::function<picture_db::PictureRecord(picture_db::Database&, picture_db::PairId)>& store);
  // Removes the pair with its rectangles, then its row.
  void deletePair(int row);
  // A file name of the pair: its column in the table, then the row.
  void setOriginal(int row, const std::string& fileName);
  void setCopy(int row, const std::string& fileName);

  // The difference list, which always shows the rectangles of one pair.

  // Empties the list and fills it with the pair's rectangles (a closed database leaves it
  // empty). When the table cannot be read the list stays empty and the failure is thrown.
  void showDifferencesOf(picture_db::PairId pair);
  bool canAddDifference() const { return differences_.rowCount() < kMaxDifferences; }
  // A rectangle 0, 0, 0, 0 for the pair, appended to the list; returns its row. Refused
  // when the list is full.
  int addDifference(picture_db::PairId pair);
  // New edges X1, Y1, X2, Y2 for the row's rectangle. EditRefused when another program
  // removed it meanwhile; the row then keeps its values.
  void moveDifference(picture_db::PairId pair, int row, const std::array<int, 4>& edges);
  // Removes the row's rectangle, then the row. A rectangle already gone from the table
  // leaves the list too: either way it no longer exists.
  void deleteDifference(picture_db::PairId pair, int row);
  // Rectangles the pair check proposed, added to the pair; the list is not reloaded.
  void storeProposedDifferences(picture_db::PairId pair, const std::vector<picture_db::ProposedRect>& rects);

  // Packages.

  // Export/<packageName>.ozt from the pair of the row and the rectangles the list shows.
  // A row of -1 (nothing chosen) is refused with PackageError.
  void exportPair(int row, const std::string& packageName) const;
  struct Imported {
    int row;                         // of the new pair in the picture list
    std::string packageLeftBecause;  // why the package could not be removed; empty when it was
  };
  // Import/<packageFile> under a new number, appended to the picture list.
  Imported importPackage(const std::string& packageFile, const ImportObserver& observer = {});

 private:
  std::string appDir_;
  std::optional<picture_db::Database> db_;
  PairListModel pairs_;
  DifferenceListModel differences_;
};

}  // namespace editor
