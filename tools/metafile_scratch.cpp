// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/metafile_scratch.h"

#include <QFile>

#include <stdexcept>

namespace sample_maker {

MetafileScratch::MetafileScratch() {
  if (!dir_.isValid()) {
    throw std::runtime_error("cannot make a scratch folder for a metafile: " + dir_.errorString().toStdString());
  }
  path_ = QFile::encodeName(dir_.filePath("picture"));
}

QByteArray MetafileScratch::contents() const {
  QFile file(QFile::decodeName(path_));
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error("cannot read back the metafile: " + file.errorString().toStdString());
  }
  return file.readAll();
}

}  // namespace sample_maker
