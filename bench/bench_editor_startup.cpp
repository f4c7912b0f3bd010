// SPDX-License-Identifier: GPL-2.0-or-later
// Editor start-up (Form_Load to the first pair shown, offscreen) on 10 and on 10,000
// pairs. The larger database may cost at most 1.5 times the smaller.
#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/bench_folders.h"
#include "editor/frm_ortavi.h"
#include "toolkit/picture_area.h"
#include "toolkit/report_list.h"
#include "support/scripted_dialogs.h"

namespace {
constexpr int kRounds = 21;

struct Timing {
  double loadMs;   // the window built and Form_Load done, the first pair in the picture area
  double shownMs;  // the window on screen with the pair painted
};

Timing startUp(const QString& appDir, int pairs) {
  toolkit::ScriptedDialogs dialogs;
  const auto t0 = std::chrono::steady_clock::now();
  editor::FrmOrtavi window(appDir, dialogs);
  const auto t1 = std::chrono::steady_clock::now();
  bench::showPainted(window);
  const auto t2 = std::chrono::steady_clock::now();
  if (window.LstImages->count() != pairs || !window.Picture1->hasPicture() || !dialogs.calls.empty()) {
    std::fprintf(stderr, "start-up did not show the first pair in %s\n", qPrintable(appDir));
    std::exit(2);
  }
  return {bench::millisBetween(t0, t1), bench::millisBetween(t0, t2)};
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");

  const bench::BenchFolder small(10);
  const bench::BenchFolder large(10000);
  startUp(small.path(), 10);  // fonts, artwork and the picture readers warm up once
  startUp(large.path(), 10000);
  std::vector<double> smallLoad, largeLoad, smallShown, largeShown;
  for (int i = 0; i < kRounds; ++i) {
    const Timing s = startUp(small.path(), 10), l = startUp(large.path(), 10000);
    smallLoad.push_back(s.loadMs);
    smallShown.push_back(s.shownMs);
    largeLoad.push_back(l.loadMs);
    largeShown.push_back(l.shownMs);
  }
  const double ratio = bench::median(largeShown) / bench::median(smallShown);
  std::printf("median of %d rounds       10 pairs   10000 pairs   ratio\n", kRounds);
  bench::printStartUpRow("window and Form_Load", smallLoad, largeLoad);
  bench::printStartUpRow("to the first pair shown", smallShown, largeShown, " (limit 1.5)");
  std::printf("peak memory %.1f MiB\n", bench::peakMemoryMiB());
  const bool ok = ratio < 1.5;
  std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
  return ok ? 0 : 1;
}
