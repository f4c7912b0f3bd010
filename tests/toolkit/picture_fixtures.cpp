// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/picture_fixtures.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>
#include <cstdlib>

#include <gtest/gtest.h>

#include <gif_lib.h>
#include <uwmf.h>

// libuemf's own file writers are not used: its wmf_free has the same name as libwmf's,
// and the program resolves that name to libwmf. The records are gathered here instead.

namespace picture_fixtures {

namespace {
quint32 le32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
void put16(QByteArray& b, qsizetype at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray& b, qsizetype at, quint32 v) { qToLittleEndian(v, b.data() + at); }

QByteArray encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, 95);
  return bytes;
}

U_COLORREF colourRef(const QColor& c) { return U_RGB(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())); }

// libuemf hands out each record as a malloc'd block; bytesOf reads its size from it.
template <class Handles, int (*create)(uint32_t, uint32_t, Handles**), int (*release)(Handles**),
          qsizetype (*bytesOf)(const char*)>
struct RecordWriter {
  QByteArray records;
  quint32 count = 0;
  qsizetype largest = 6;  // bytes; the header's own end record at least
  Handles* handles = nullptr;
  RecordWriter() { create(32, 32, &handles); }
  ~RecordWriter() { release(&handles); }
  void add(char* record) {
    if (!record) {
      ADD_FAILURE() << "libuemf made no record";
      return;
    }
    const qsizetype bytes = bytesOf(record);
    records.append(record, bytes);
    largest = qMax(largest, bytes);
    ++count;
    std::free(record);
  }
};

// WMF records start with their size in words, EMF records with their type and their size in bytes.
qsizetype wmfRecordBytes(const char* record) { return qsizetype(qFromLittleEndian<quint32>(record)) * 2; }
qsizetype emfRecordBytes(const char* record) { return qsizetype(qFromLittleEndian<quint32>(record + 4)); }
using WmfWriter = RecordWriter<WMFHANDLES, wmf_htable_create, wmf_htable_free, wmfRecordBytes>;
using EmfWriter = RecordWriter<EMFHANDLES, emf_htable_create, emf_htable_free, emfRecordBytes>;

QByteArray wmfFile(WmfHeader header, QSize frame, WmfWriter& w) {
  w.add(U_WMREOF_set());
  QByteArray head;
  if (header == WmfHeader::Plain) {
    char* h = U_WMRHEADER_set(nullptr, 0);
    head = QByteArray(h, 18);
    std::free(h);
  } else {
    const unsigned dpi = header == WmfHeader::Placeable96 ? 96 : 1440;
    // Sizes in inches; the header stores them in units of 1/dpi inch.
    U_PAIRF* size = U_PAIRF_set(float(frame.width()) / 96.0f, float(frame.height()) / 96.0f);
    char* h = U_WMRHEADER_set(size, dpi);
    head = QByteArray(h, 40);
    std::free(h);
    std::free(size);
  }
  const qsizetype at = head.size() - 18;
  put32(head, at + 6, quint32((18 + w.records.size()) / 2));
  put16(head, at + 10, quint16(w.handles->peak + 1));
  put32(head, at + 12, quint32(w.largest / 2));
  return head + w.records;
}

// The two formats' object records, so that one routine draws the fills in either.
struct WmfObjects {
  static char* nullPen(uint32_t* pen, WMFHANDLES* h) {
    return wcreatepenindirect_set(pen, h, U_PEN_set(U_PS_NULL, 0, U_RGB(0, 0, 0)));
  }
  static char* solidBrush(uint32_t* brush, WMFHANDLES* h, const QColor& c) {
    return wcreatebrushindirect_set(brush, h, U_WLOGBRUSH_set(U_BS_SOLID, colourRef(c), 0));
  }
  static char* select(uint32_t object, WMFHANDLES* h) { return wselectobject_set(object, h); }
  static char* release(uint32_t* object, WMFHANDLES* h) { return wdeleteobject_set(object, h); }
};

struct EmfObjects {
  static char* nullPen(uint32_t* pen, EMFHANDLES* h) {
    return createpen_set(pen, h, logpen_set(U_PS_NULL, point32_set(0, 0), U_RGB(0, 0, 0)));
  }
  static char* solidBrush(uint32_t* brush, EMFHANDLES* h, const QColor& c) {
    return createbrushindirect_set(brush, h, logbrush_set(U_BS_SOLID, colourRef(c), 0));
  }
  static char* select(uint32_t object, EMFHANDLES* h) { return selectobject_set(object, h); }
  static char* release(uint32_t* object, EMFHANDLES* h) { return deleteobject_set(object, h); }
};

// Each fill as a solid rectangle without an outline; `rectangle` makes the record.
template <class Objects, class Writer, class Rectangle>
void drawFills(Writer& w, const Scene& scene, Rectangle rectangle) {
  uint32_t pen = 0;
  w.add(Objects::nullPen(&pen, w.handles));
  w.add(Objects::select(pen, w.handles));
  for (const Fill& f : scene.fills) {
    uint32_t brush = 0;
    w.add(Objects::solidBrush(&brush, w.handles, f.colour));
    w.add(Objects::select(brush, w.handles));
    w.add(rectangle(f.rect));
    w.add(Objects::release(&brush, w.handles));
  }
}

void wmfFills(WmfWriter& w, const Scene& scene, int unit) {
  drawFills<WmfObjects>(w, scene, [unit](const QRect& r) {
    return U_WMRRECTANGLE_set(U_RECT16{int16_t(r.left() * unit), int16_t(r.top() * unit),
                                       int16_t((r.right() + 1) * unit), int16_t((r.bottom() + 1) * unit)});
  });
}

void wmfWindow(WmfWriter& w, QSize size, int unit) {
  w.add(U_WMRSETWINDOWORG_set(U_POINT16{0, 0}));
  w.add(U_WMRSETWINDOWEXT_set(U_POINT16{int16_t(size.width() * unit), int16_t(size.height() * unit)}));
}

QByteArray emfFile(const Scene& scene, EmfWriter& w) {
  // The end record by hand: libuemf's wants its file writer. No palette; its size again last.
  QByteArray eof(20, '\0');
  put32(eof, 0, U_EMR_EOF);
  put32(eof, 4, 20);
  put32(eof, 12, 16);
  put32(eof, 16, 20);
  w.records += eof;
  ++w.count;
  QRect drawn;
  for (const Fill& f : scene.fills) drawn |= f.rect;
  const U_RECTL bounds{drawn.left(), drawn.top(), drawn.right(), drawn.bottom()};
  const U_RECTL frame{0, 0, scene.size.width() * 2540 / 96, scene.size.height() * 2540 / 96};
  // A reference device of 96 dots per inch: 960 pixels are 254 millimetres.
  char* h = U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, U_SIZEL{960, 960}, U_SIZEL{254, 254}, 0);
  QByteArray head(h, qsizetype(qFromLittleEndian<quint32>(h + 4)));
  std::free(h);
  put32(head, 48, quint32(head.size() + w.records.size()));
  put32(head, 52, w.count + 1);
  put16(head, 56, quint16(w.handles->peak + 1));
  return head + w.records;
}

void emfFills(EmfWriter& w, const Scene& scene) {
  drawFills<EmfObjects>(w, scene, [](const QRect& r) {
    return U_EMRRECTANGLE_set(U_RECTL{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
  });
}

int gifWrite(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}
}  // namespace

Scene sampleScene() {
  return {QSize(120, 80), {{QRect(10, 10, 40, 30), QColor(255, 0, 0)}, {QRect(70, 40, 30, 25), QColor(0, 0, 255)}}};
}

QImage sceneImage(const Scene& scene) {
  QImage image(scene.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  for (const Fill& f : scene.fills) p.fillRect(f.rect, f.colour);
  return image;
}

QByteArray bmpOf(const Scene& scene) { return encoded(sceneImage(scene), "BMP"); }
QByteArray jpegOf(const Scene& scene) { return encoded(sceneImage(scene), "JPEG"); }

QByteArray gifOf(const Scene& scene) {
  // Palette: white, then one entry a fill.
  std::vector<GifColorType> colours{{255, 255, 255}};
  for (const Fill& f : scene.fills)
    colours.push_back({GifByteType(f.colour.red()), GifByteType(f.colour.green()), GifByteType(f.colour.blue())});
  while (colours.size() < 4) colours.push_back({0, 0, 0});
  QByteArray bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, gifWrite, &error);
  ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
  EGifPutScreenDesc(gif, scene.size.width(), scene.size.height(), 8, 0, map);
  EGifPutImageDesc(gif, 0, 0, scene.size.width(), scene.size.height(), false, nullptr);
  std::vector<GifPixelType> line(size_t(scene.size.width()));
  for (int y = 0; y < scene.size.height(); ++y) {
    for (int x = 0; x < scene.size.width(); ++x) {
      line[size_t(x)] = 0;
      for (size_t i = 0; i < scene.fills.size(); ++i) {
        if (scene.fills[i].rect.contains(x, y)) line[size_t(x)] = GifPixelType(i + 1);
      }
    }
    EGifPutLine(gif, line.data(), scene.size.width());
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

QByteArray wmfOf(const Scene& scene, WmfHeader header, bool transparentBackground) {
  const int unit = header == WmfHeader::PlaceableTwips ? 15 : 1;
  WmfWriter w;
  wmfWindow(w, scene.size, unit);
  if (transparentBackground) w.add(U_WMRSETBKMODE_set(U_TRANSPARENT));
  wmfFills(w, scene, unit);
  return wmfFile(header, scene.size, w);
}

QByteArray emfOf(const Scene& scene) {
  EmfWriter w;
  emfFills(w, scene);
  return emfFile(scene, w);
}

QByteArray wmfWithPolygon(const Scene& scene, const std::vector<QPoint>& points) {
  WmfWriter w;
  wmfWindow(w, scene.size, 1);
  wmfFills(w, scene, 1);
  std::vector<U_POINT16> p;
  for (const QPoint& q : points) p.push_back(U_POINT16{int16_t(q.x()), int16_t(q.y())});
  w.add(U_WMRPOLYGON_set(uint16_t(p.size()), p.data()));
  return wmfFile(WmfHeader::Placeable96, scene.size, w);
}

QByteArray emfWithPolygon(const Scene& scene, const std::vector<QPoint>& points) {
  EmfWriter w;
  emfFills(w, scene);
  std::vector<U_POINTL> p;
  QRect box;
  for (const QPoint& q : points) {
    p.push_back(U_POINTL{q.x(), q.y()});
    box |= QRect(q, QSize(1, 1));
  }
  w.add(U_EMRPOLYGON_set(U_RECTL{box.left(), box.top(), box.right(), box.bottom()}, uint32_t(p.size()), p.data()));
  return emfFile(scene, w);
}

namespace {
// A 4 x 4 bitmap of one colour, bottom-up rows of three bytes a pixel.
QByteArray solidPixels(const QColor& c) {
  QByteArray px;
  for (int i = 0; i < 16; ++i) px.append(char(c.blue())).append(char(c.green())).append(char(c.red()));
  return px;
}
}  // namespace

QByteArray wmfWithTextAndBitmap(const Scene& scene, const TextAndBitmap& extra) {
  WmfWriter w;
  wmfWindow(w, scene.size, 1);
  wmfFills(w, scene, 1);
  QByteArray px = solidPixels(extra.bitmapColour);
  U_BITMAPINFO* bmi =
      bitmapinfo_set(bitmapinfoheader_set(4, 4, 1, 24, U_BI_RGB, uint32_t(px.size()), 0, 0, 0, 0), nullptr);
  const QRect r = extra.bitmapAt;
  w.add(U_WMRSTRETCHDIB_set(U_POINT16{int16_t(r.left()), int16_t(r.top())},
                            U_POINT16{int16_t(r.width()), int16_t(r.height())}, U_POINT16{0, 0}, U_POINT16{4, 4},
                            U_DIB_RGB_COLORS, U_SRCCOPY, bmi, uint32_t(px.size()), px.constData()));
  std::free(bmi);
  char face[] = "DejaVu Sans";
  U_FONT* font = U_FONT_set(int16_t(-extra.textHeight), 0, 0, 0, 700, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                            U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face);
  uint32_t handle = 0;
  w.add(wcreatefontindirect_set(&handle, w.handles, font));
  std::free(font);
  w.add(wselectobject_set(handle, w.handles));
  w.add(U_WMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
  w.add(U_WMRSETBKMODE_set(U_TRANSPARENT));
  w.add(U_WMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
  QByteArray text = extra.text.toLatin1();
  w.add(U_WMRTEXTOUT_set(U_POINT16{int16_t(extra.textAt.x()), int16_t(extra.textAt.y())}, text.data()));
  return wmfFile(WmfHeader::Placeable96, scene.size, w);
}

QByteArray emfWithTextAndBitmap(const Scene& scene, const TextAndBitmap& extra) {
  EmfWriter w;
  emfFills(w, scene);
  QByteArray px = solidPixels(extra.bitmapColour);
  U_BITMAPINFO* bmi =
      bitmapinfo_set(bitmapinfoheader_set(4, 4, 1, 24, U_BI_RGB, uint32_t(px.size()), 0, 0, 0, 0), nullptr);
  const QRect r = extra.bitmapAt;
  w.add(U_EMRSTRETCHDIBITS_set(U_RECTL{r.left(), r.top(), r.right(), r.bottom()}, U_POINTL{r.left(), r.top()},
                               U_POINTL{r.width(), r.height()}, U_POINTL{0, 0}, U_POINTL{4, 4}, U_DIB_RGB_COLORS,
                               U_SRCCOPY, bmi, uint32_t(px.size()), px.data()));
  std::free(bmi);
  uint16_t* face = U_Utf8ToUtf16le("DejaVu Sans", 0, nullptr);
  const U_LOGFONT lf = logfont_set(-extra.textHeight, 0, 0, 0, 700, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                                   U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face);
  std::free(face);
  uint32_t handle = 0;
  w.add(extcreatefontindirectw_set(&handle, w.handles, reinterpret_cast<const char*>(&lf), nullptr));
  w.add(selectobject_set(handle, w.handles));
  w.add(U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
  w.add(U_EMRSETBKMODE_set(U_TRANSPARENT));
  w.add(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
  size_t length = 0;
  uint16_t* text = U_Utf8ToUtf16le(extra.text.toUtf8().constData(), 0, &length);
  std::vector<uint32_t> dx(length, uint32_t(extra.textHeight * 7 / 10));
  char* emrtext = emrtext_set(U_POINTL{extra.textAt.x(), extra.textAt.y()}, U_NUM_STR(length), 2, text, U_ETO_NONE,
                              U_RECTL{0, 0, -1, -1}, dx.data());
  std::free(text);
  const QRect box(extra.textAt, QSize(extra.textHeight * int(length), extra.textHeight));
  w.add(U_EMREXTTEXTOUTW_set(U_RECTL{box.left(), box.top(), box.right(), box.bottom()}, U_GM_COMPATIBLE, 1.0f, 1.0f,
                             reinterpret_cast<PU_EMRTEXT>(emrtext)));
  std::free(emrtext);
  return emfFile(scene, w);
}

qsizetype wmfRecordAt(const QByteArray& wmf, quint16 function) {
  qsizetype at = (le32(wmf, 0) == 0x9AC6CDD7u ? 22 : 0) + 18;
  while (at + 6 <= wmf.size()) {
    if (qFromLittleEndian<quint16>(wmf.constData() + at + 4) == function) return at;
    const quint32 words = le32(wmf, at);
    if (words < 3) return -1;
    at += qsizetype(words) * 2;
  }
  return -1;
}

qsizetype emfRecordAt(const QByteArray& emf, quint32 type) {
  qsizetype at = 0;
  while (at + 8 <= emf.size()) {
    if (le32(emf, at) == type) return at;
    const quint32 size = le32(emf, at + 4);
    if (size < 8) return -1;
    at += size;
  }
  return -1;
}

}  // namespace picture_fixtures
