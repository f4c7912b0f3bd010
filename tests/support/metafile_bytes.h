// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small metafiles written byte by byte: a red filled rectangle on a frame of the given
// size, as placeable WMF or as EMF.
#include <QByteArray>
#include <QRect>
#include <QSize>

namespace test_support {

QByteArray wmfWithRectangle(QSize frame, QRect filled, unsigned char r, unsigned char g, unsigned char b);
QByteArray emfWithRectangle(QSize frame, QRect filled, unsigned char r, unsigned char g, unsigned char b);

}  // namespace test_support
