// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The question asked before a picture file that pairs use is deleted, renamed or
// replaced: it names the pairs, so that the author knows what would lose its picture.
#include <QString>
#include <vector>

#include "picture_db/records.h"

namespace editor {

// "Il file casa.jpg è usato dalla coppia 3 (casa_C.jpg). " + question, each pair given by
// its number and the name it has in the picture list; several pairs: "dalle coppie 3
// (casa_C.jpg), 5 (mare_C.jpg)". Empty when no pair uses the file.
QString fileInUseQuestion(const QString& fileName, const std::vector<picture_db::PictureRecord>& users,
                          const QString& question);

}  // namespace editor
