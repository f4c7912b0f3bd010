// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What every metafile answer is, and the limits and field readers that the picture
// loader, the child program and the drawing share.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>

namespace toolkit::metafile {

// Largest picture either side may announce; anything bigger is not a picture we show.
inline constexpr int kMaxSide = 8192;

struct Rendered {
  QImage image;
  QString error;  // why, when image is null
};

// Empty when a picture of that size can be shown, else the reason.
QString sizeProblem(qint64 width, qint64 height);

// Little-endian fields; the caller has checked that they lie inside the bytes.
inline quint16 u16At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
inline qint16 s16At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint16>(b.constData() + at); }
inline quint32 u32At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
inline qint32 s32At(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint32>(b.constData() + at); }
inline void put16At(QByteArray& b, qsizetype at, quint16 v) { qToLittleEndian(v, b.data() + at); }
inline void put32At(QByteArray& b, qsizetype at, quint32 v) { qToLittleEndian(v, b.data() + at); }

}  // namespace toolkit::metafile
