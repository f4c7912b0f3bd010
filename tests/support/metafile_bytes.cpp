// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/metafile_bytes.h"

#include <initializer_list>

namespace test_support {

namespace {
void u16(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}
void u32(QByteArray& b, qint64 v) {
  u16(b, int(v & 0xFFFF));
  u16(b, int((v >> 16) & 0xFFFF));
}
void wmfRecord(QByteArray& b, int function, std::initializer_list<int> params) {
  u32(b, 3 + qint64(params.size()));
  u16(b, function);
  for (int p : params) u16(b, p);
}
void emfRecord(QByteArray& b, int type, std::initializer_list<qint64> params) {
  u32(b, type);
  u32(b, 8 + 4 * qint64(params.size()));
  for (qint64 p : params) u32(b, p);
}
}  // namespace

QByteArray wmfWithRectangle(QSize frame, QRect f, unsigned char r, unsigned char g, unsigned char b) {
  QByteArray body;
  wmfRecord(body, 0x020B, {0, 0});                           // window origin y, x
  wmfRecord(body, 0x020C, {frame.height(), frame.width()});  // window extent y, x
  wmfRecord(body, 0x02FC, {0, r | g << 8, b, 0});            // solid brush
  wmfRecord(body, 0x012D, {0});                              // select it
  wmfRecord(body, 0x02FA, {5, 0, 0, 0, 0});                  // null pen
  wmfRecord(body, 0x012D, {1});
  wmfRecord(body, 0x041B, {f.bottom() + 1, f.right() + 1, f.top(), f.left()});
  wmfRecord(body, 0x0000, {});
  QByteArray out;
  u32(out, 0x9AC6CDD7);
  u16(out, 0);
  for (int v : {0, 0, frame.width(), frame.height()}) u16(out, v);
  u16(out, 96);
  u32(out, 0);
  int sum = 0;
  for (int i = 0; i < 20; i += 2) sum ^= quint8(out[i]) | quint8(out[i + 1]) << 8;
  u16(out, sum);
  u16(out, 1);
  u16(out, 9);
  u16(out, 0x0300);
  u32(out, (18 + body.size()) / 2);
  u16(out, 2);
  u32(out, 8);
  u16(out, 0);
  return out + body;
}

QByteArray emfWithRectangle(QSize frame, QRect f, unsigned char r, unsigned char g, unsigned char b) {
  QByteArray body;
  emfRecord(body, 39, {1, 0, r | g << 8 | b << 16, 0});                     // CREATEBRUSHINDIRECT: solid
  emfRecord(body, 37, {1});                                                 // SELECTOBJECT
  emfRecord(body, 37, {0x80000008});                                        // NULL_PEN stock object
  emfRecord(body, 43, {f.left(), f.top(), f.right() + 1, f.bottom() + 1});  // RECTANGLE
  emfRecord(body, 14, {0, 16, 20});                                         // EOF
  const int headerBytes = 88;
  QByteArray h;
  u32(h, 1);
  u32(h, headerBytes);
  for (int v : {0, 0, frame.width() - 1, frame.height() - 1}) u32(h, v);  // bounds
  // frame in 0.01 mm at 96 dpi
  for (qint64 v : {0LL, 0LL, qint64(frame.width()) * 2540 / 96, qint64(frame.height()) * 2540 / 96}) u32(h, v);
  u32(h, 0x464D4520);  // " EMF"
  u32(h, 0x00010000);
  u32(h, headerBytes + body.size());
  u32(h, 6);  // records
  u16(h, 2);  // handles
  u16(h, 0);
  u32(h, 0);
  u32(h, 0);
  u32(h, 0);
  u32(h, 1024);  // device pixels
  u32(h, 768);
  u32(h, 271);  // device millimetres
  u32(h, 203);
  return h + body;
}

}  // namespace test_support
