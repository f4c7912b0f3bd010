// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copies of real photographs edited as an author would: five changes of different kinds,
// each at least 40 x 40 pixels, placed where they change the photo the most. The
// photographs are in tests/data/photos; the copies are made at run time.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace photo_edits {

enum class EditKind { Cloned, Recoloured, Mirrored, Pasted, BlurredOut };
const char* editName(EditKind kind);

struct Edit {
  EditKind kind;
  QRect box;        // every pixel the edit may touch
  double strength;  // the mean over the box of the largest channel change
};

struct EditedPhoto {
  QImage original;  // as decoded from the photo's file
  QImage copy;      // the original with the five edits, not yet saved
  std::vector<Edit> edits;
};

// The photographs' file names, sorted, and their folder.
QString photoFolder();
QStringList photoNames();

// Edits photo five times; the pasted thing comes from donor (another photo of the same
// size). variant moves the edits between the picture's regions.
EditedPhoto editFiveTimes(const QImage& photo, const QImage& donor, int variant);

// The bytes of image saved as "JPEG" at quality, or as "BMP".
QByteArray encoded(const QImage& image, const char* format, int quality = -1);

}  // namespace photo_edits
