// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/photo_edits.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <opencv2/imgproc.hpp>

namespace photo_edits {

namespace {
constexpr int kSide = 48;  // every edit is a square of this side
constexpr int kCellColumns = 2, kCellRows = 3;

cv::Mat wrap(QImage& image) {
  return cv::Mat(image.height(), image.width(), CV_8UC4, image.bits(), size_t(image.bytesPerLine()));
}

// How much an edit changed the box: the mean over its pixels of the largest channel change.
double strength(const QImage& before, const QImage& after, const QRect& box) {
  double sum = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
    const QRgb* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
    for (int x = box.left(); x <= box.right(); ++x) {
      sum += std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                       std::abs(qBlue(a[x]) - qBlue(b[x]))});
    }
  }
  return sum / (box.width() * box.height());
}

// Places for a square in a cell, kept away from the cell's borders so that edits of
// neighbouring cells stay apart as an author keeps them, at least 48 pixels.
std::vector<QRect> placesIn(const QRect& cell) {
  std::vector<QRect> places;
  const int room = 24, steps = 5;
  for (int j = 0; j < steps; ++j) {
    for (int i = 0; i < steps; ++i) {
      const int x = cell.left() + room + i * (cell.width() - 2 * room - kSide) / (steps - 1);
      const int y = cell.top() + room + j * (cell.height() - 2 * room - kSide) / (steps - 1);
      places.emplace_back(x, y, kSide, kSide);
    }
  }
  return places;
}

QPainterPath ellipseIn(const QRect& box) {
  QPainterPath path;
  path.addEllipse(QRectF(box).adjusted(1, 1, -1, -1));
  return path;
}

void clone(QImage& image, const QRect& box, const QRect& source) {
  const QImage patch = image.copy(source);
  QPainter(&image).drawImage(box.topLeft(), patch);
}

void recolour(QImage& image, const QRect& box) {
  // The colours turned round and warmed, inside an ellipse: a grey photo changes too.
  QImage patch = image.copy(box);
  for (int y = 0; y < patch.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(patch.scanLine(y));
    for (int x = 0; x < patch.width(); ++x) {
      const QRgb p = line[x];
      line[x] =
          qRgb(std::clamp(qBlue(p) + 60, 0, 255), std::clamp(qRed(p) - 30, 0, 255), std::clamp(qGreen(p) - 50, 0, 255));
    }
  }
  QPainter painter(&image);
  painter.setClipPath(ellipseIn(box));
  painter.drawImage(box.topLeft(), patch);
}

void mirror(QImage& image, const QRect& box) {
  const QImage patch = image.copy(box).mirrored(true, false);
  QPainter(&image).drawImage(box.topLeft(), patch);
}

void paste(QImage& image, const QRect& box, const QImage& donor) {
  QPainter painter(&image);
  painter.setClipPath(ellipseIn(box));
  painter.drawImage(box.topLeft(), donor.copy(box));
}

// Blurred strongly in the middle, fading to nothing at the box's border.
void blurOut(QImage& image, const QRect& box) {
  cv::Mat whole = wrap(image);
  cv::Mat blurred;
  cv::GaussianBlur(whole(cv::Rect(box.x(), box.y(), box.width(), box.height())), blurred, cv::Size(0, 0), 8.0);
  const int fade = 6;
  for (int y = 0; y < box.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(box.y() + y)) + box.x();
    const cv::Vec4b* soft = blurred.ptr<cv::Vec4b>(y);
    for (int x = 0; x < box.width(); ++x) {
      const int edge = std::min({x, y, box.width() - 1 - x, box.height() - 1 - y});
      const double w = std::min(1.0, edge / double(fade));
      const QRgb p = line[x];
      auto mix = [&](int sharp, int blur) { return int(sharp * (1 - w) + blur * w + 0.5); };
      // Both are four bytes a pixel, blue first.
      line[x] = qRgb(mix(qRed(p), soft[x][2]), mix(qGreen(p), soft[x][1]), mix(qBlue(p), soft[x][0]));
    }
  }
}
}  // namespace

const char* editName(EditKind kind) {
  switch (kind) {
    case EditKind::Cloned: return "cloned";
    case EditKind::Recoloured: return "recoloured";
    case EditKind::Mirrored: return "mirrored";
    case EditKind::Pasted: return "pasted";
    case EditKind::BlurredOut: return "blurred";
  }
  return "";
}

QString photoFolder() { return QStringLiteral(VOBREL_TEST_DATA "/photos"); }

QStringList photoNames() { return QDir(photoFolder()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name); }

EditedPhoto editFiveTimes(const QImage& photo, const QImage& donor, int variant) {
  EditedPhoto result;
  result.original = photo.convertToFormat(QImage::Format_RGB32);
  result.copy = result.original;
  const QImage donorRgb = donor.convertToFormat(QImage::Format_RGB32);
  const int cellW = photo.width() / kCellColumns, cellH = photo.height() / kCellRows;
  std::vector<QRect> cells;
  for (int i = 0; i < kCellColumns * kCellRows; ++i) {
    const int at = (i + variant) % (kCellColumns * kCellRows);
    cells.emplace_back((at % kCellColumns) * cellW, (at / kCellColumns) * cellH, cellW, cellH);
  }
  // An author changes what shows: each edit goes where it changes the photo most, the
  // ones that need detail choosing first. The clone comes last and takes its patch from
  // the cell that is left.
  struct Best {
    QImage image;
    size_t cell = 0;
    QRect box;
    double strength = -1;
  };
  auto tryEdit = [&](Best& best, size_t cell, const QRect& box, const std::function<void(QImage&)>& edit) {
    QImage trial = result.copy;
    edit(trial);
    const double s = strength(result.copy, trial, box);
    if (s > best.strength) best = {trial, cell, box, s};
  };
  const EditKind placed[] = {EditKind::BlurredOut, EditKind::Mirrored, EditKind::Recoloured, EditKind::Pasted};
  for (EditKind kind : placed) {
    Best best;
    for (size_t c = 0; c < cells.size(); ++c) {
      for (const QRect& box : placesIn(cells[c])) {
        tryEdit(best, c, box, [&](QImage& trial) {
          switch (kind) {
            case EditKind::BlurredOut: blurOut(trial, box); break;
            case EditKind::Mirrored: mirror(trial, box); break;
            case EditKind::Recoloured: recolour(trial, box); break;
            default: paste(trial, box, donorRgb); break;
          }
        });
      }
    }
    result.copy = best.image;
    result.edits.push_back({kind, best.box, best.strength});
    cells.erase(cells.begin() + std::ptrdiff_t(best.cell));
  }
  Best best;
  for (size_t c = 0; c < cells.size(); ++c) {
    for (const QRect& box : placesIn(cells[c])) {
      for (const QRect& source : placesIn(cells[1 - c])) {
        tryEdit(best, c, box, [&](QImage& trial) { clone(trial, box, source); });
      }
    }
  }
  result.copy = best.image;
  result.edits.push_back({EditKind::Cloned, best.box, best.strength});
  return result;
}

QByteArray encoded(const QImage& image, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, quality);
  return bytes;
}

}  // namespace photo_edits
