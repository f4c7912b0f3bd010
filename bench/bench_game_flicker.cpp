// SPDX-License-Identifier: GPL-2.0-or-later
// CPU time of the game over some seconds (10 unless given) of a plain running game, and
// of the same in the state "GameOver" with five revealed circles flickering; then of a
// bare window repainting the same five squares as often, which is what any repaint of
// them costs on this platform. A second argument names an application folder to play on
// instead of a made-up one.
//
// Without a display the window system is left out (offscreen), and the flicker must take
// under 1% of one core. On a display (under xvfb-run, say) every repaint also costs a
// round trip to the display server: there the flicker must stay within a quarter of a
// point of the bare window's figure.
#include <time.h>

#include <QApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_folders.h"
#include "game/form1.h"
#include "support/scripted_dialogs.h"
#include "toolkit/overlay_shape.h"
#include "toolkit/picture_area.h"

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

// A window that only fills the squares it is asked to repaint, a new grey each time.
class BareWindow : public QWidget {
 public:
  BareWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
  int shade = 0;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    for (const QRect& r : e->region()) p.fillRect(r, QColor(shade, shade, shade));
  }
};

double bareRepaintShare(QSize size, const std::vector<QRect>& squares, int interval, int seconds) {
  BareWindow window;
  window.resize(size);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return -1;
  QTimer ticks;
  ticks.setInterval(interval);
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    window.shade = (window.shade + 37) % 256;
    for (const QRect& r : squares) window.update(r);
  });
  ticks.start();
  return coreShare(seconds);
}
}  // namespace

int main(int argc, char** argv) {
  const bool display = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !display) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
  const bool shortRun = bench::shortRun(argc, argv);
  const int seconds = shortRun ? 1 : argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const bench::BenchFolder folder(10);
  const QString appDir = argc > 2 && !shortRun ? QString::fromLocal8Bit(argv[2]) : folder.path();
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
  std::vector<QRect> squares;
  for (int i = 0; i < 5; ++i) {
    if (!form.revealed(i)) return 2;
    const QRect square = form.Diff[i]->squareInPicture().translated(form.Image2->pictureOrigin());
    squares.push_back(QRect(form.Image2->mapTo(&form, square.topLeft()), square.size()));
  }
  const double flicker = coreShare(seconds);
  form.TmrColors->stop();
  form.hide();
  const double bare = bareRepaintShare(form.size(), squares, form.TmrColors->interval(), seconds);

  std::printf(
      "%d s each on the %s platform: running game %.2f%% of one core, game over with five flickering circles %.2f%%"
      " (%.0f colour changes a second)\n",
      seconds, qPrintable(QGuiApplication::platformName()), playing * 100, flicker * 100,
      colourTicks / double(seconds));
  std::printf(
      "a bare window repainting the same five squares as often: %.2f%%; the game's own share above it: %.2f%%\n",
      bare * 100, (flicker - bare) * 100);
  if (shortRun) {
    std::printf("short run: limit not judged\n");
    return 0;
  }
  const bool ok = offscreen ? flicker < 0.01 : flicker < bare + 0.0025;
  std::printf("%s (limit: %s)\n", ok ? "within limit" : "OVER LIMIT",
              offscreen ? "1% of a core" : "the bare window's share plus a quarter of a point");
  return ok ? 0 : 1;
}
