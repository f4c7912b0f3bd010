// CPU time of the game over some seconds (10 unless given) of a plain running game, and
// of the same in the state "GameOver" with five revealed circles flickering. The flicker
// may use at most 5% of one core.
#include <time.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "bench_folders.h"
#include "game/form1.h"
#include "toolkit/scripted_dialogs.h"

namespace {
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Runs the event loop for the given seconds; returns the share of one core used.
double coreShare(int seconds) {
  const double c0 = cpuSeconds();
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
  return (cpuSeconds() - c0) / seconds;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const bench::BenchFolder folder(10);
  toolkit::ScriptedDialogs dialogs;

  game::Form1 form(folder.path(), 4321, dialogs);
  form.endProgram = [] {};
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 2;
  const double playing = coreShare(seconds);

  form.GameOver();
  if (form.gameState() != "GameOver" || !form.TmrColors->isActive()) return 2;
  for (int i = 0; i < 5; ++i)
    if (!form.revealed(i)) return 2;
  const double flicker = coreShare(seconds);

  std::printf("%d s each: running game %.2f%% of one core, game over with five flickering circles %.2f%%\n",
              seconds, playing * 100, flicker * 100);
  const bool ok = flicker < 0.05;
  std::printf("%s (limit 5%%)\n", ok ? "within limit" : "OVER LIMIT");
  return ok ? 0 : 1;
}
