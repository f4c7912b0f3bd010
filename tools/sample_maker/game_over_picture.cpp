// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/game_over_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>

namespace sample_maker {

namespace {

// One word, as an outline centred on a horizontal line at baselineY.
QPainterPath wordPath(const QString& word, int pixelSize, double centreX, double baselineY) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Black);
  font.setLetterSpacing(QFont::PercentageSpacing, 104);
  QPainterPath path;
  path.addText(0, 0, font, word);
  const QRectF bounds = path.boundingRect();
  return path.translated(centreX - bounds.center().x(), baselineY);
}

void paintStar(QPainter& p, QPointF c, double r, const QColor& colour) {
  QPolygonF points;
  for (int i = 0; i < 8; ++i) {
    const double angle = i * M_PI / 4.0;
    const double radius = (i % 2 == 0) ? r : r * 0.3;
    points << QPointF(c.x() + radius * std::sin(angle), c.y() - radius * std::cos(angle));
  }
  QPainterPath star;
  star.addPolygon(points);
  star.closeSubpath();
  p.fillPath(star, colour);
}

void paintGround(QPainter& p, const QRectF& area) {
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0.0, QColor(12, 14, 48));
  sky.setColorAt(0.6, QColor(48, 20, 78));
  sky.setColorAt(1.0, QColor(110, 30, 60));
  p.fillRect(area, sky);

  const QPointF fixedStars[] = {{34, 40},   {90, 22},   {150, 58},  {214, 30},  {290, 46}, {330, 92},
                                {60, 110},  {250, 118}, {22, 300},  {320, 280}, {70, 350}, {300, 370},
                                {180, 340}, {120, 390}, {240, 400}, {340, 200}, {16, 200}, {200, 96}};
  int i = 0;
  for (const QPointF& c : fixedStars) {
    paintStar(p, c, 3.0 + (i++ % 4), QColor(255, 245, 200, 200));
  }

  QRadialGradient glow(area.center(), area.width() * 0.55);
  glow.setColorAt(0.0, QColor(255, 120, 60, 70));
  glow.setColorAt(1.0, QColor(255, 120, 60, 0));
  p.fillRect(area, glow);
}

void paintWord(QPainter& p, const QPainterPath& word) {
  // Shadow, a thick dark rim, then the glowing letters.
  p.fillPath(word.translated(5, 6), QColor(0, 0, 0, 140));
  p.strokePath(word, QPen(QColor(60, 0, 10), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QRectF b = word.boundingRect();
  QLinearGradient fill(b.topLeft(), b.bottomLeft());
  fill.setColorAt(0.0, QColor(255, 240, 120));
  fill.setColorAt(0.5, QColor(255, 150, 40));
  fill.setColorAt(1.0, QColor(220, 40, 30));
  p.fillPath(word, fill);
  p.strokePath(word, QPen(QColor(255, 250, 220), 1.5));
}

}  // namespace

QImage drawGameOverPicture() {
  QImage image(kGameOverWidth, kGameOverHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, kGameOverWidth, kGameOverHeight);
  paintGround(p, area);

  const QPainterPath game = wordPath(QStringLiteral("GAME"), 88, kGameOverWidth / 2.0, 200);
  const QPainterPath over = wordPath(QStringLiteral("OVER"), 88, kGameOverWidth / 2.0, 300);
  if (game.isEmpty() || over.isEmpty()) {
    throw std::runtime_error("no font could draw the GAME OVER lettering");
  }
  paintWord(p, game);
  paintWord(p, over);

  // A frame like a screen's bezel.
  p.setPen(QPen(QColor(255, 200, 90), 4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(area.adjusted(8, 8, -8, -8), 18, 18);
  p.setPen(QPen(QColor(120, 60, 20), 2));
  p.drawRoundedRect(area.adjusted(14, 14, -14, -14), 14, 14);
  p.end();
  return image;
}

}  // namespace sample_maker
