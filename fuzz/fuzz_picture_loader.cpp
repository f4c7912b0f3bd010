// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes at all: a picture or a reason, never a crash, a hang or a picture larger
// than the loader promises. Built once per format: the first bytes are forced to that
// format's signature so that every run stays on one decoder. Metafiles are drawn here,
// in this process, so that the sanitizers see inside the metafile libraries.
#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "toolkit/metafile_drawing/metafile_rendering.h"
#include "toolkit/picture_loader.h"

#ifndef FUZZ_FORMAT
#error "FUZZ_FORMAT must name the format: 1 BMP, 2 JPEG, 3 GIF, 4 WMF, 5 EMF"
#endif

// Fontconfig, which Qt and libemf2svg load once, keeps some memory to the end.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Qt SVG lays out metafile text, which needs a running application.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

namespace {
void forcePrefix(QByteArray& bytes, const QByteArray& prefix) {
  if (bytes.size() < prefix.size()) bytes.resize(prefix.size(), '\0');
  bytes.replace(0, prefix.size(), prefix);
}

toolkit::LoadedPicture decode(QByteArray bytes) {
#if FUZZ_FORMAT == 1
  forcePrefix(bytes, QByteArray("BM"));
  return toolkit::decodePicture(bytes);
#elif FUZZ_FORMAT == 2
  forcePrefix(bytes, QByteArray("\xFF\xD8\xFF", 3));
  return toolkit::decodePicture(bytes);
#elif FUZZ_FORMAT == 3
  if (!bytes.startsWith("GIF87a")) forcePrefix(bytes, QByteArray("GIF89a"));
  return toolkit::decodePicture(bytes);
#elif FUZZ_FORMAT == 4
  const toolkit::metafile::Rendered r = toolkit::metafile::renderWmf(bytes);
  return {r.image, r.error};
#elif FUZZ_FORMAT == 5
  const toolkit::metafile::Rendered r = toolkit::metafile::renderEmf(bytes);
  return {r.image, r.error};
#endif
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const toolkit::LoadedPicture p = decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (p.ok() ? (p.image.width() > 8192 || p.image.height() > 8192) : p.error.isEmpty()) __builtin_trap();
  return 0;
}
