// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/gif_writer.h"

#include <gif_lib.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace sample_maker {

namespace {

constexpr int kMaxColours = 256;

struct Palette {
  std::vector<QRgb> colours;           // in index order
  std::map<QRgb, GifPixelType> index;  // ordered: the same picture always gets the same palette
};

// The exact colours of the picture, or nothing when there are too many.
bool exactPalette(const QImage& image, Palette& palette) {
  std::map<QRgb, GifPixelType> seen;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      seen.emplace(row[x] | 0xff000000u, 0);
      if (static_cast<int>(seen.size()) > kMaxColours) {
        return false;
      }
    }
  }
  GifPixelType next = 0;
  for (auto& [colour, idx] : seen) {
    idx = next++;
    palette.colours.push_back(colour);
  }
  palette.index = std::move(seen);
  return true;
}

// Three bits of red and green, two of blue: each pixel maps on its own, so two pictures
// that agree somewhere still agree there after the reduction.
GifPixelType cubeIndex(QRgb c) {
  return static_cast<GifPixelType>((qRed(c) & 0xe0) | ((qGreen(c) >> 3) & 0x1c) | (qBlue(c) >> 6));
}

QRgb cubeColour(int i) {
  const int r = i & 0xe0, g = (i & 0x1c) << 3, b = (i & 0x03) << 6;
  return qRgb(r | r >> 3 | r >> 6, g | g >> 3 | g >> 6, b | b >> 2 | b >> 4 | b >> 6);
}

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

[[noreturn]] void fail(const char* step, int error) {
  const char* reason = GifErrorString(error);
  throw std::runtime_error(std::string("cannot write the GIF (") + step + "): " + (reason ? reason : "unknown error"));
}

int paletteSizeFor(std::size_t colours) {
  int size = 2;  // giflib wants a power of two, at least 2
  while (static_cast<std::size_t>(size) < colours) {
    size *= 2;
  }
  return size;
}

}  // namespace

QByteArray encodeGif(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  Palette palette;
  const bool exact = exactPalette(image, palette);
  if (!exact) {
    for (int i = 0; i < kMaxColours; ++i) palette.colours.push_back(cubeColour(i));
  }

  const int mapSize = paletteSizeFor(palette.colours.size());
  std::vector<GifColorType> entries(static_cast<std::size_t>(mapSize), GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < palette.colours.size(); ++i) {
    const QRgb c = palette.colours[i];
    entries[i] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                              static_cast<GifByteType>(qBlue(c))};
  }

  QByteArray bytes;
  int error = 0;
  // giflib's handles, freed whichever way the writing ends.
  std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(EGifOpen(&bytes, appendBytes, &error), [](GifFileType* g) {
    int ignored = 0;
    EGifCloseFile(g, &ignored);
  });
  if (!gif) fail("open", error);
  const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(mapSize, entries.data()),
                                                                       GifFreeMapObject);
  if (!map) fail("palette", gif->Error);
  EGifSetGifVersion(gif.get(), true);
  if (EGifPutScreenDesc(gif.get(), image.width(), image.height(), 8, 0, map.get()) == GIF_ERROR)
    fail("screen", gif->Error);
  if (EGifPutImageDesc(gif.get(), 0, 0, image.width(), image.height(), false, nullptr) == GIF_ERROR)
    fail("image", gif->Error);
  std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = row[x] | 0xff000000u;
      line[static_cast<std::size_t>(x)] = exact ? palette.index.at(c) : cubeIndex(c);
    }
    if (EGifPutLine(gif.get(), line.data(), image.width()) == GIF_ERROR) fail("pixels", gif->Error);
  }
  // Closing writes the trailer, so its failure is the file's.
  if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) fail("close", error);
  return bytes;
}

}  // namespace sample_maker
