// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/drawn_pairs.h"

#include <QBuffer>
#include <QPainter>
#include <stdexcept>

#include "tools/gif_writer.h"

namespace drawn_pairs {

namespace {
QImage ground() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(image.rect(), QColor(235, 225, 200));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 160, 110));
  // Diagonal stripes: sharp edges all over, as drawn scenes have.
  for (int k = -kHeight; k < kWidth; k += 24) {
    const QPoint band[4] = {{k, 0}, {k + 10, 0}, {k + 10 + kHeight, kHeight}, {k + kHeight, kHeight}};
    p.drawPolygon(band, 4);
  }
  return image;
}

void fill(QImage& image, const QRect& r, QColor c, bool ellipse = false) {
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  if (ellipse) {
    p.drawEllipse(r);
  } else {
    p.fillRect(r, c);
  }
}
}  // namespace

DrawnPair fiveChanges() {
  DrawnPair pair{ground(), ground(), {}};
  // Removed: a round orange object.
  const QRect removed(40, 40, 40, 40);
  fill(pair.original, removed, QColor(240, 130, 20), true);
  // Added: a dark square.
  const QRect added(290, 50, 34, 34);
  fill(pair.copy, added, QColor(40, 40, 90));
  // Recoloured by 25 levels of green, on a patch that both pictures show.
  const QRect patch(180, 190, 16, 16);
  fill(pair.original, patch, QColor(100, 150, 200));
  fill(pair.copy, patch, QColor(100, 175, 200));
  // Moved 6 pixels to the right: a block with rows of windows, so that its inside
  // changes as well as its ends.
  const QRect before(70, 300, 44, 26), after = before.translated(6, 0);
  for (auto [image, place] : {std::pair<QImage*, QRect>{&pair.original, before}, {&pair.copy, after}}) {
    fill(*image, place, QColor(30, 60, 160));
    for (int y = place.top() + 3; y + 4 < place.bottom(); y += 8) {
      for (int x = place.left() + 3; x + 4 < place.right(); x += 8)
        fill(*image, QRect(x, y, 4, 4), QColor(250, 220, 60));
    }
  }
  // Grown by a third around its centre.
  const QRect small(276, 330, 42, 42), large = small.adjusted(-7, -7, 7, 7);
  fill(pair.original, small, QColor(150, 40, 150), true);
  fill(pair.copy, large, QColor(150, 40, 150), true);
  pair.changes = {removed, added, patch, before.united(after), large};
  return pair;
}

DrawnPair recolouredPatch(QRect patch, int delta) {
  DrawnPair pair{ground(), ground(), {patch}};
  fill(pair.original, patch, QColor(100, 120, 140));
  fill(pair.copy, patch, QColor(100, 120 + delta, 140));
  return pair;
}

pair_check::Rect around(const QRect& change, int room) {
  return pair_check::Rect{double(change.left() - room), double(change.top() - room), double(change.right() + room),
                          double(change.bottom() + room)};
}

test_support::Edges edgesAround(const QRect& change, int room) {
  return {change.left() - room, change.top() - room, change.right() + room, change.bottom() + room};
}

std::pair<QString, QString> save(const test_support::TempAppFolder& folder, const DrawnPair& pair, const QString& stem,
                                 const char* format) {
  const QString f = QString::fromLatin1(format);
  const QString ext = f == "JPEG" ? "jpg" : f.toLower();
  const QString original = stem + "." + ext, copy = stem + "_C." + ext;
  const auto write = [&](const QString& name, const QImage& image) {
    if (f == "GIF") {
      folder.writeFile(name, sample_maker::encodeGif(image));
      return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, f == "JPEG" ? 75 : -1)) throw std::runtime_error("cannot encode");
    folder.writeFile(name, bytes);
  };
  write(original, pair.original);
  write(copy, pair.copy);
  return {original, copy};
}

std::string describe(const std::vector<pair_check::Difference>& found) {
  std::string s;
  for (const pair_check::Difference& d : found) {
    s += " [" + std::to_string(int(d.box.x1)) + "," + std::to_string(int(d.box.y1)) + "-" +
         std::to_string(int(d.box.x2)) + "," + std::to_string(int(d.box.y2)) + " " + std::to_string(d.pixels) + "px]";
  }
  return s;
}

bool meets(const pair_check::Difference& d, const QRect& change) {
  const QRect box(QPoint(int(d.box.x1), int(d.box.y1)), QPoint(int(d.box.x2), int(d.box.y2)));
  return box.intersects(change);
}

}  // namespace drawn_pairs
