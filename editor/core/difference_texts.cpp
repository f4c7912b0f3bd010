// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/difference_texts.h"

#include <QRegularExpression>
#include <cmath>

namespace editor {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const char* const kAxes[4] = {"X1", "Y1", "X2", "Y2"};

QString at(const EdgeTexts& e, int i) { return i < e.size() ? e[i] : QString(); }
}  // namespace

QString updateQuestion(const EdgeTexts& oldEdges, const EdgeTexts& newEdges) {
  QString q = QStringLiteral("Aggiornare la coordinata ?");
  for (int i = 0; i < 4; ++i) {
    q += kCrLf + QLatin1String(kAxes[i]) + QStringLiteral(": ") + at(oldEdges, i) + QStringLiteral(" -> ") +
         at(newEdges, i);
  }
  return q;
}

QString deleteQuestion(const EdgeTexts& edges) {
  QString q = QStringLiteral("Eliminare la coordinata ?");
  for (int i = 0; i < 4; ++i) q += kCrLf + QLatin1String(kAxes[i]) + QStringLiteral(" = ") + at(edges, i);
  return q;
}

QString pairDeleteQuestion(const QString& copyName) { return QStringLiteral("Eliminare") + kCrLf + copyName; }

std::optional<int> wholeEdge(const QString& text) {
  static const QRegularExpression plain(QStringLiteral("^-?[0-9]{1,10}$"));
  if (!plain.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const int n = text.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return n;
}

QString edgeText(const std::optional<double>& value) {
  if (!value) return QString();
  const double v = *value;
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 9.0e15) {
    return QString::number(static_cast<long long>(v));
  }
  return QString::number(v);
}

QString exportNameOf(const QString& originalName) {
  if (originalName.size() <= 4) return QString();
  return originalName.left(originalName.size() - 4);
}

}  // namespace editor
