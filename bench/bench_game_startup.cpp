// SPDX-License-Identifier: GPL-2.0-or-later
// Game start-up (Form_Load to the first pair shown, offscreen) on 10 and on 10,000 pairs
// of five rectangles each. The larger database may cost at most 1.2 times the smaller,
// and the whole run at most 150 MiB of memory.
#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_folders.h"
#include "game/form1.h"
#include "support/scripted_dialogs.h"
#include "toolkit/startup_error.h"

namespace {

bench::StartUpTiming startUp(const QString& appDir) {
  toolkit::ScriptedDialogs dialogs;
  const auto t0 = std::chrono::steady_clock::now();
  std::unique_ptr<game::Form1> started;
  try {
    started = std::make_unique<game::Form1>(appDir, 12345, dialogs);
  } catch (const toolkit::StartupError& e) {
    std::fprintf(stderr, "start-up failed in %s: %s\n", qPrintable(appDir), e.what());
    std::exit(2);
  }
  game::Form1& form = *started;
  const auto t1 = std::chrono::steady_clock::now();
  form.endProgram = [] {};
  bench::showPainted(form);
  const auto t2 = std::chrono::steady_clock::now();
  if (!form.currentPairId() || !dialogs.calls.empty()) {
    std::fprintf(stderr, "start-up did not show a pair in %s\n", qPrintable(appDir));
    std::exit(2);
  }
  return {bench::millisBetween(t0, t1), bench::millisBetween(t0, t2)};
}
}  // namespace

int main(int argc, char** argv) {
  return bench::runStartUpBenchmark(argc, argv, {"Form_Load", 150},
                                    [](const QString& appDir, [[maybe_unused]] int pairs) { return startUp(appDir); });
}
