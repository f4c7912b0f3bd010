// SPDX-License-Identifier: GPL-2.0-or-later
// metafile-renderer: draws one metafile from standard input and writes the picture (or
// the reason it has none) to standard output. Started by the programs for each metafile,
// so that a file that crashes or hangs a metafile library takes only this process down.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "toolkit/metafile_drawing/metafile_rendering.h"
#include "toolkit/metafile_process.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

void limit(int resource, rlim_t soft, rlim_t hard) {
  rlimit current{};
  if (getrlimit(resource, &current) != 0) return;
  // Never above what this process was given.
  if (current.rlim_max != RLIM_INFINITY && hard > current.rlim_max) hard = current.rlim_max;
  if (soft > hard) soft = hard;
  const rlimit wanted{soft, hard};
  setrlimit(resource, &wanted);
}

void limitResources() {
  using namespace toolkit::metafile;
  limit(RLIMIT_CPU, kChildMostCpuSeconds, kChildMostCpuSeconds + 1);
  limit(RLIMIT_CORE, 0, 0);
  // The address sanitizer reserves far more address space than it uses.
  if (!kAddressSanitizer) limit(RLIMIT_AS, rlim_t(kChildAddressSpaceBytes), rlim_t(kChildAddressSpaceBytes));
}

// Once the file's size is known: its share of processor time, counted from now.
void limitDrawingTime(qsizetype fileBytes) {
  using namespace toolkit::metafile;
  rusage used{};
  getrusage(RUSAGE_SELF, &used);
  const rlim_t spent = rlim_t(used.ru_utime.tv_sec + used.ru_stime.tv_sec);
  const rlim_t budget = std::min<rlim_t>(kChildMostCpuSeconds, kChildCpuSeconds + rlim_t(fileBytes >> 20));
  limit(RLIMIT_CPU, spent + budget, spent + budget + 1);
}

bool writeAll(const QByteArray& bytes) {
  return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
         std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  limitResources();
  const bool wmf = argc == 2 && std::strcmp(argv[1], "wmf") == 0;
  const bool emf = argc == 2 && std::strcmp(argv[1], "emf") == 0;
  if (!wmf && !emf) {
    std::fprintf(stderr, "uso: metafile-renderer wmf|emf < metafile > immagine\n");
    return 2;
  }
  // Text in a metafile is laid out with the system's fonts, which need an application;
  // no window is ever shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QFile in;
  if (!in.open(stdin, QIODevice::ReadOnly)) return 3;
  const QByteArray bytes = in.readAll();
  limitDrawingTime(bytes.size());
  const toolkit::metafile::Rendered rendered =
      wmf ? toolkit::metafile::renderWmf(bytes) : toolkit::metafile::renderEmf(bytes);
  return writeAll(toolkit::metafile::encodeRendered(rendered)) ? 0 : 4;
}
