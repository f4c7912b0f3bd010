// SPDX-License-Identifier: GPL-2.0-or-later
// The check window's outlines show on any colour and at the picture's edges.
#include <gtest/gtest.h>

#include <QImage>

#include "editor/difference_overlay.h"

TEST(DifferenceOverlay, OutlinesShowOnRedAndWhiteAndAtTheEdge) {
  for (const QColor& ground : {QColor(230, 0, 0), QColor(255, 255, 255), QColor(0, 90, 255)}) {
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(ground);
    pair_check::PairReport report;
    pair_check::Difference d;
    d.box = pair_check::Rect{0, 0, 40, 30};  // from the very corner
    report.differences.push_back(d);
    report.rects.push_back(pair_check::Rect{-1, 50, 100, 80});  // one pixel beyond, as allowed
    const QImage drawn = editor::drawCheckOverlay(picture, report);
    // On either ground the outline holds a colour that is not the ground's.
    int differing = 0;
    for (int x = 5; x <= 35; ++x) differing += drawn.pixel(x, 1) != ground.rgb() ? 1 : 0;
    EXPECT_GT(differing, 10) << ground.name().toStdString();
    // The stored rectangle's bottom edge, at the picture's last row, is drawn.
    int bottom = 0;
    for (int x = 10; x <= 90; ++x) {
      bool seen = false;
      for (int y = 75; y < 80; ++y) seen = seen || drawn.pixel(x, y) != ground.rgb();
      bottom += seen ? 1 : 0;
    }
    EXPECT_GT(bottom, 40) << ground.name().toStdString();
  }
}
