// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names of picture files: the parts of a path, the name proposed for a doctored copy, and
// the check of a name typed by the user for a copy or a rename.
#include <QString>
#include <QStringList>

namespace editor {

// The part of a path after its last '/'; the whole text without one; empty after a final '/'.
QString FileName(const QString& PathFileName);
// The part of a path up to and including its last '/'; empty without one.
QString Path(const QString& PathFileName);

// The name proposed for the doctored copy of a picture: pair1.jpg gives pair1_C.jpg. It
// assumes a three-letter extension, as every listed picture has; a shorter name gives "_C.".
QString CopyName(const QString& name);

// The extensions the file panel lists ("wmf", "emf", "bmp", "jpg", "gif").
const QStringList& pictureExtensions();
// The listing pattern "*.wmf;*.emf;*.bmp;*.jpg;*.gif".
QString picturePattern();
// Whether a name ends in one of the listed extensions, without regard to case.
bool hasPictureExtension(const QString& name);

// Why a name typed for a copy or a rename cannot be used, in Italian; empty when it can:
// a bare file name (no folder part, not "." or ".."), not blank, with a listed extension.
QString targetNameProblem(const QString& name);

}  // namespace editor
