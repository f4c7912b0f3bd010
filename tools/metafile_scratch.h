// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// libuemf writes metafiles only to a named file: a private scratch file to read back.
#include <QByteArray>
#include <QTemporaryDir>

namespace sample_maker {

class MetafileScratch {
 public:
  MetafileScratch();
  // The native path libuemf is given.
  const QByteArray& path() const { return path_; }
  // What was written there.
  QByteArray contents() const;

 private:
  QTemporaryDir dir_;
  QByteArray path_;
};

}  // namespace sample_maker
