// SPDX-License-Identifier: GPL-2.0-or-later
// Game start-up (Form_Load to the first pair shown, offscreen) on 10 and on 10,000 pairs
// of five rectangles each. The larger database may cost at most 1.2 times the smaller,
// and the whole run at most 150 MiB of memory.
#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/bench_folders.h"
#include "game/form1.h"
#include "support/scripted_dialogs.h"

namespace {
constexpr int kRounds = 21;
constexpr int kShortRounds = 2;

bench::StartUpTiming startUp(const QString& appDir) {
  toolkit::ScriptedDialogs dialogs;
  const auto t0 = std::chrono::steady_clock::now();
  game::Form1 form(appDir, 12345, dialogs);
  const auto t1 = std::chrono::steady_clock::now();
  form.endProgram = [] {};
  bench::showPainted(form);
  const auto t2 = std::chrono::steady_clock::now();
  if (!form.startedOk() || !form.currentPairId() || !dialogs.calls.empty()) {
    std::fprintf(stderr, "start-up did not show a pair in %s\n", qPrintable(appDir));
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

  const bench::StartUpSeries t =
      bench::timeStartUps(rounds, [](const QString& appDir, [[maybe_unused]] int pairs) { return startUp(appDir); });
  const double ratio = bench::median(t.largeShown) / bench::median(t.smallShown);
  const double peak = bench::peakMemoryMiB();
  std::printf("median of %d rounds       10 pairs   10000 pairs   ratio\n", rounds);
  bench::printStartUpRow("Form_Load", t.smallLoad, t.largeLoad);
  bench::printStartUpRow("to the first pair shown", t.smallShown, t.largeShown, " (limit 1.2)");
  std::printf("peak memory %.1f MiB (limit 150)\n", peak);
  if (shortRun) {
    std::printf("short run: limits not judged\n");
    return 0;
  }
  const bool ok = ratio <= 1.2 && peak < 150;
  std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
  return ok ? 0 : 1;
}
