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

bench::StartUpTiming startUp(const QString& appDir, int pairs) {
  toolkit::ScriptedDialogs dialogs;
  const auto t0 = std::chrono::steady_clock::now();
  editor::FrmOrtavi window(appDir, dialogs);
  const auto t1 = std::chrono::steady_clock::now();
  bench::showPainted(window);
  const auto t2 = std::chrono::steady_clock::now();
  if (window.pairList().rowCount() != pairs || !window.viewport().hasPicture() || !dialogs.calls.empty()) {
    std::fprintf(stderr, "start-up did not show the first pair in %s\n", qPrintable(appDir));
    std::exit(2);
  }
  return {bench::millisBetween(t0, t1), bench::millisBetween(t0, t2)};
}
}  // namespace

int main(int argc, char** argv) {
  return bench::runStartUpBenchmark(argc, argv, {"window and Form_Load", 0},
                                    [](const QString& appDir, int pairs) { return startUp(appDir, pairs); });
}
