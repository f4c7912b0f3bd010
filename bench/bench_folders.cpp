// SPDX-License-Identifier: GPL-2.0-or-later
#include "bench/bench_folders.h"

#include <sys/resource.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/hall_of_fame.h"
#include "picture_db/schema.h"

namespace bench {

namespace {
QImage scene(QColor sky) {
  QImage img(380, 436, QImage::Format_RGB32);
  img.fill(sky);
  QPainter p(&img);
  p.fillRect(0, 300, 380, 136, QColor(60, 140, 60));
  p.setBrush(QColor(200, 60, 40));
  p.drawRect(80, 180, 140, 120);
  p.setBrush(QColor(250, 220, 60));
  p.drawEllipse(290, 40, 60, 60);
  return img;
}
}  // namespace

BenchFolder::BenchFolder(int pairs) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  const std::string app = dir_.path().toStdString();
  QDir().mkpath(QString::fromStdString(storage::imagesDir(app)));
  scene(QColor(150, 200, 250)).save(QString::fromStdString(storage::picturePath(app, "scene.bmp")), "BMP");
  scene(QColor(160, 205, 250)).save(QString::fromStdString(storage::picturePath(app, "scene_C.bmp")), "BMP");
  picture_db::Database db = picture_db::Database::createNew(storage::databasePath(app));
  picture_db::createSchema(db);
  db.inTransaction([&] {
    for (int id = 1; id <= pairs; ++id) {
      picture_db::addPicture(db, id, "scene.bmp", "scene_C.bmp");
      for (int r = 0; r < 5; ++r) picture_db::addDifference(db, id, 10 + 70 * r, 20, 60 + 70 * r, 80);
    }
  });
  for (int i = 0; i < 10; ++i) picture_db::enterHallOfFame(db, "Giocatore", 100 - 10 * i);
}

bool shortRun(int argc, char** argv) {
  return (argc > 1 && std::strcmp(argv[1], "--short") == 0) || !qEnvironmentVariableIsEmpty("VOBREL_BENCH_SHORT");
}

double peakMemoryMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;  // KiB on Linux
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double medianMs(int rounds, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ms.push_back(millisBetween(start, std::chrono::steady_clock::now()));
  }
  return median(ms);
}

void showPainted(QWidget& window) {
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) QCoreApplication::processEvents();
  window.repaint();
}

double millisBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void printStartUpRow(const char* what, const std::vector<double>& small, const std::vector<double>& large,
                     const char* limit) {
  std::printf("%-24s %7.2f ms  %8.2f ms   %.3f%s\n", what, median(small), median(large), median(large) / median(small),
              limit);
}

StartUpSeries timeStartUps(int rounds, const std::function<StartUpTiming(const QString& appDir, int pairs)>& startUp) {
  const BenchFolder small(10);
  const BenchFolder large(10000);
  // Fonts, artwork and the picture readers warm up once.
  startUp(small.path(), 10);
  startUp(large.path(), 10000);
  StartUpSeries series;
  for (int i = 0; i < rounds; ++i) {
    const StartUpTiming s = startUp(small.path(), 10), l = startUp(large.path(), 10000);
    series.smallLoad.push_back(s.loadMs);
    series.smallShown.push_back(s.shownMs);
    series.largeLoad.push_back(l.loadMs);
    series.largeShown.push_back(l.shownMs);
  }
  return series;
}

int runStartUpBenchmark(int& argc, char** argv, const StartUpBenchmark& what,
                        const std::function<StartUpTiming(const QString& appDir, int pairs)>& startUp) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const bool isShort = shortRun(argc, argv);
  const int rounds = isShort ? 2 : 21;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");

  const StartUpSeries t = timeStartUps(rounds, startUp);
  const double ratio = median(t.largeShown) / median(t.smallShown);
  const double peak = peakMemoryMiB();
  std::printf("median of %d rounds       10 pairs   10000 pairs   ratio\n", rounds);
  printStartUpRow(what.loadStep, t.smallLoad, t.largeLoad);
  printStartUpRow("to the first pair shown", t.smallShown, t.largeShown, " (limit 1.2)");
  if (what.memoryLimitMiB > 0) {
    std::printf("peak memory %.1f MiB (limit %.0f)\n", peak, what.memoryLimitMiB);
  } else {
    std::printf("peak memory %.1f MiB\n", peak);
  }
  if (isShort) {
    std::printf("short run: limits not judged\n");
    return 0;
  }
  const bool ok = ratio <= 1.2 && (what.memoryLimitMiB <= 0 || peak < what.memoryLimitMiB);
  std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
  return ok ? 0 : 1;
}

}  // namespace bench
