// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Statements the editor runs on images.mdb. Each change is one statement (or one
// transaction) that happens whole or not at all; failures raise DbError.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "picture_db/database.h"
#include "picture_db/records.h"

namespace picture_db {

// The pairs whose ORIGINALE or COPIA is exactly this file name, by number.
std::vector<PictureRecord> pairsUsingFile(Database& db, const std::string& fileName);

// The picture list: every FOTO row in the order the engine returns them, one at a time
// without a copy of the whole list (long lists load quicker); a null file name comes as
// empty text.
void forEachPicture(Database& db,
                    const std::function<void(PairId id, std::string_view original, std::string_view copy)>& row);

// The same rows gathered into one list.
std::vector<PictureRecord> listPictures(Database& db);

// A pair's difference list, each row with its rowid.
std::vector<DifferenceRect> pairDifferences(Database& db, PairId id);

// A new unfound rectangle 0, 0, 0, 0; returns its rowid.
std::int64_t addEmptyDifference(Database& db, PairId id);

// A new unfound rectangle with its edges; returns its rowid.
std::int64_t addDifference(Database& db, PairId id, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

// Gives one rectangle of the pair new edges; returns the number of rows changed.
int moveDifference(Database& db, PairId id, std::int64_t rowid, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                   std::int64_t y2);

// Removes one rectangle of the pair; returns the number of rows removed.
int deleteDifference(Database& db, PairId id, std::int64_t rowid);

// A new FOTO row.
void addPicture(Database& db, PairId id, const std::string& original, const std::string& copy);

// A new pair's FOTO row. Rectangles left under that number with no pair holding it (by
// an older editor that deleted pairs without them) are removed first, so that the new
// pair starts with none. Call it inside a transaction.
void addNewPair(Database& db, PairId id, const std::string& original, const std::string& copy);

// A new pair with its files and rectangles in one transaction: all of it or nothing.
void addPairWithDifferences(Database& db, PairId id, const std::string& original, const std::string& copy,
                            const std::vector<Rectangle>& rects);

// One more than the largest pair number in FOTO, 1 when there is none.
PairId nextPairId(Database& db);

// Removes the FOTO row only; the pair's rectangles stay.
void deletePicture(Database& db, PairId id);

// Removes the FOTO row and the pair's rectangles in one transaction, so that a later
// pair given the same number starts without them. The picture files stay.
void deletePictureWithDifferences(Database& db, PairId id);

void setOriginalFile(Database& db, PairId id, const std::string& fileName);
void setCopyFile(Database& db, PairId id, const std::string& fileName);

}  // namespace picture_db
