// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The texts of the difference list and the legend: the questions asked before a
// rectangle or a pair is changed, reading an edge typed as text, and the package name
// proposed for a pair.
#include <QString>
#include <QStringList>
#include <optional>

namespace editor {

// Four edges as the list and the legend hold them: X1, Y1, X2, Y2.
using EdgeTexts = QStringList;

QString updateQuestion(const EdgeTexts& oldEdges, const EdgeTexts& newEdges);
QString deleteQuestion(const EdgeTexts& edges);
QString pairDeleteQuestion(const QString& copyName);

// A whole number in plain decimal ("-3", "0", "117") that fits a 32-bit edge; nothing
// for empty text, blanks, fractions or anything else.
std::optional<int> wholeEdge(const QString& text);

// The text of an edge as stored: whole numbers without a fraction, empty when null.
QString edgeText(const std::optional<double>& value);

// The original's name without its last four characters (casa.jpg gives casa); empty
// for a name of four characters or fewer.
QString exportNameOf(const QString& originalName);

}  // namespace editor
