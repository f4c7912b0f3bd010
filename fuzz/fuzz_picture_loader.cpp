// Any bytes at all: a picture or a reason, never a crash, a hang or a picture larger
// than the loader promises.
#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "toolkit/picture_loader.h"

// Fontconfig, which Qt and libemf2svg load once, keeps some memory to the end.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Qt SVG lays out metafile text, which needs a running application.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const toolkit::LoadedPicture p = toolkit::decodePicture(bytes);
  if (p.ok() ? (p.image.width() > 8192 || p.image.height() > 8192) : p.error.isEmpty()) __builtin_trap();
  return 0;
}
