// SPDX-License-Identifier: GPL-2.0-or-later
// CPU time of the game over some seconds (10 unless given) of a plain running game, and
// of the same in the state "GameOver" with five revealed circles flickering. The flicker
// may use at most 5% of one core. A second argument names an application folder to play
// on instead of a made-up one.
#include <time.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_folders.h"
#include "game/form1.h"
#include "support/scripted_dialogs.h"

namespace {
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Runs the events for the given seconds; returns the share of one core used. A local
// loop, because quitting the application would close the game window.
double coreShare(int seconds) {
  QEventLoop loop;
  const double c0 = cpuSeconds();
  QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  return (cpuSeconds() - c0) / seconds;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const bench::BenchFolder folder(10);
  const QString appDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : folder.path();
  toolkit::ScriptedDialogs dialogs;

  game::Form1 form(appDir, 4321, dialogs);
  form.endProgram = [] {};
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 2;
  const double playing = coreShare(seconds);

  // Time runs out as it does in play: the clock stops, then the game over.
  while (form.gameState() == "Game") form.Timer1_Timer();
  int colourTicks = 0;
  QObject::connect(form.TmrColors, &QTimer::timeout, [&] { ++colourTicks; });
  if (form.gameState() != "GameOver" || !form.TmrColors->isActive() || !form.isVisible()) return 2;
  for (int i = 0; i < 5; ++i)
    if (!form.revealed(i)) return 2;
  const double flicker = coreShare(seconds);

  std::printf(
      "%d s each: running game %.2f%% of one core, game over with five flickering circles %.2f%%"
      " (%.0f colour changes a second)\n",
      seconds, playing * 100, flicker * 100, colourTicks / double(seconds));
  const bool ok = flicker < 0.05;
  std::printf("%s (limit 5%%)\n", ok ? "within limit" : "OVER LIMIT");
  return ok ? 0 : 1;
}
