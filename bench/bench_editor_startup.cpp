// SPDX-License-Identifier: GPL-2.0-or-later
// Editor start-up (Form_Load to the first pair shown, offscreen) on 10 and on 10,000
// pairs. The larger database may cost at most 1.2 times the smaller.
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
constexpr int kShortRounds = 2;

bench::StartUpTiming startUp(const QString& appDir, int pairs) {
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
  const bool shortRun = bench::shortRun(argc, argv);
  const int rounds = shortRun ? kShortRounds : kRounds;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");

  const bench::StartUpSeries t = bench::timeStartUps(
      rounds, [](const QString& appDir, [[maybe_unused]] int pairs) { return startUp(appDir, pairs); });
  const double ratio = bench::median(t.largeShown) / bench::median(t.smallShown);
  std::printf("median of %d rounds       10 pairs   10000 pairs   ratio\n", rounds);
  bench::printStartUpRow("window and Form_Load", t.smallLoad, t.largeLoad);
  bench::printStartUpRow("to the first pair shown", t.smallShown, t.largeShown, " (limit 1.2)");
  std::printf("peak memory %.1f MiB\n", bench::peakMemoryMiB());
  if (shortRun) {
    std::printf("short run: limits not judged\n");
    return 0;
  }
  const bool ok = ratio <= 1.2;
  std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
  return ok ? 0 : 1;
}
