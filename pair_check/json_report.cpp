// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/json_report.h"

#include <QJsonArray>
#include <cmath>

namespace pair_check {

namespace {
// A null edge (NaN) has no JSON number: it is written as null.
QJsonValue edge(double v) { return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null); }

QJsonArray edges(const Rect& r) { return {edge(r.x1), edge(r.y1), edge(r.x2), edge(r.y2)}; }
}  // namespace

QJsonObject pairJson(const picture_db::PictureRecord& pair, const PairReport& report) {
  QJsonArray differences, rects, problems;
  for (const Difference& d : report.differences) differences.append(edges(d.box));
  for (const Rect& r : report.rects) rects.append(edges(r));
  for (const Problem& p : report.problems) {
    QJsonObject problem{{"kind", kindName(p.kind)}};
    if (p.rect) problem.insert("rect", edges(*p.rect));
    if (p.other) problem.insert("other", edges(*p.other));
    if (p.kind == ProblemKind::PictureUnreadable) {
      problem.insert("side", p.side == Side::Original ? "original" : "copy");
      problem.insert("reason", p.detail);
    }
    problems.append(problem);
  }
  const bool sized = report.size.isValid();
  return QJsonObject{
      {"id", pair.id},
      {"original", QString::fromStdString(pair.original)},
      {"copy", QString::fromStdString(pair.copy)},
      {"width", sized ? QJsonValue(report.size.width()) : QJsonValue(QJsonValue::Null)},
      {"height", sized ? QJsonValue(report.size.height()) : QJsonValue(QJsonValue::Null)},
      {"differences", differences},
      {"rectangles", rects},
      {"problems", problems},
  };
}

}  // namespace pair_check
