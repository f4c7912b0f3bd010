// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Picture pairs drawn by the tests themselves, with changes whose places are known:
// flat colours on a striped ground (few colours, so a GIF keeps them exactly; many sharp
// edges, so JPEG has noise to make).
#include <QImage>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

#include "pair_check/pair_report.h"
#include "support/temp_app_folder.h"

namespace drawn_pairs {

inline constexpr int kWidth = 380;
inline constexpr int kHeight = 436;

struct DrawnPair {
  QImage original, copy;
  // Per change, every pixel it touches in either picture.
  std::vector<QRect> changes;
};

// Five changes: an object removed, one added, a patch recoloured by 25 levels of green,
// an object moved by 6 pixels, one grown by a third.
DrawnPair fiveChanges();

// The ground alone in both pictures, with one patch of the copy changed by delta in the
// green channel.
DrawnPair recolouredPatch(QRect patch, int delta);

// A rectangle holding the change with room to spare, as an author would draw it.
pair_check::Rect around(const QRect& change, int room = 5);
test_support::Edges edgesAround(const QRect& change, int room = 5);

// Writes both pictures into the folder's Images in a format ("BMP", "JPEG" at quality 75,
// "GIF") and returns their names.
std::pair<QString, QString> save(const test_support::TempAppFolder& folder, const DrawnPair& pair, const QString& stem,
                                 const char* format);

// Whether the difference's changed pixels span lies on the change (any pixel in common).
bool meets(const pair_check::Difference& d, const QRect& change);

// The differences found, one "[x1,y1-x2,y2 Npx]" each, for a failing test's message.
std::string describe(const std::vector<pair_check::Difference>& found);

}  // namespace drawn_pairs
