// SPDX-License-Identifier: GPL-2.0-or-later
// The pair check: one 380 x 436 JPEG pair and one 4000 x 3000 JPEG pair, loaded from disk
// and compared (median of several rounds), and vobrel-check over 2,000 pairs on one
// thread against one per core. Prints the figures; run on demand.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "bench/bench_folders.h"
#include "pair_check/stored_pair.h"
#include "picture_db/app_folders.h"
#include "picture_db/editor_queries.h"
#include "picture_db/schema.h"

namespace {

// A scene with detail everywhere (stripes and discs), and five changes in the copy.
std::pair<QImage, QImage> scene(QSize size, int variant) {
  QImage original(size, QImage::Format_RGB32);
  original.fill(QColor(200, 215, 235));
  QPainter p(&original);
  p.setRenderHint(QPainter::Antialiasing);
  const int unit = std::max(1, size.width() / 38);
  for (int k = -size.height(); k < size.width(); k += 3 * unit) {
    p.fillRect(QRect(k, 0, unit, size.height()), QColor(120 + variant % 60, 160, 110));
  }
  for (int i = 0; i < 40; ++i) {
    p.setBrush(QColor::fromHsv((i * 37 + variant * 11) % 360, 180, 200));
    p.drawEllipse(QPoint((i * 97) % size.width(), (i * 61) % size.height()), 2 * unit, 2 * unit);
  }
  p.end();
  QImage copy = original.copy();
  QPainter c(&copy);
  for (int i = 0; i < 5; ++i) {
    c.fillRect(QRect(size.width() * (1 + 3 * (i % 3)) / 10, size.height() * (1 + 2 * i) / 11, 3 * unit, 2 * unit),
               QColor::fromHsv(i * 70, 255, 160));
  }
  return {original, copy};
}

std::string prepareFolder(const QTemporaryDir& dir) {
  const std::string app = dir.path().toStdString();
  std::filesystem::create_directory(picture_db::imagesDir(app));
  picture_db::Database db = picture_db::Database::createNew(picture_db::databasePath(app));
  picture_db::createSchema(db);
  return app;
}

picture_db::PairWithDifferences writePair(const std::string& app, QSize size, int variant) {
  const auto [original, copy] = scene(size, variant);
  const std::string stem = "coppia" + std::to_string(variant);
  original.save(QString::fromStdString(picture_db::picturePath(app, stem + ".jpg")), "JPEG", 75);
  copy.save(QString::fromStdString(picture_db::picturePath(app, stem + "_C.jpg")), "JPEG", 75);
  return {{variant, stem + ".jpg", stem + "_C.jpg"}, {}};
}

double medianMs(int rounds, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    QElapsedTimer t;
    t.start();
    work();
    ms.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

double runCheckMs(const QString& program, const std::string& app, int threads) {
  QElapsedTimer t;
  t.start();
  QProcess p;
  p.start(program, {QString::fromStdString(app), "--threads", QString::number(threads)});
  p.waitForFinished(-1);
  const double ms = t.nsecsElapsed() / 1e6;
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() > 1) {
    std::fprintf(stderr, "vobrel-check failed: %s\n", p.readAllStandardError().constData());
    std::exit(2);
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const bool shortRun = bench::shortRun(argc, argv);
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const std::string folder = prepareFolder(dir);

  const auto small = writePair(folder, QSize(380, 436), 1);
  const QSize largeSize = shortRun ? QSize(400, 300) : QSize(4000, 3000);
  const auto large = writePair(folder, largeSize, 2);
  size_t found = 0;
  const double smallMs =
      medianMs(shortRun ? 1 : 15, [&] { found = pair_check::checkStoredPair(folder, small).differences.size(); });
  std::printf("380 x 436 JPEG pair: %.2f ms (median of 15; goal under 15 ms), %zu differences\n", smallMs, found);
  const double largeMs =
      medianMs(shortRun ? 1 : 5, [&] { found = pair_check::checkStoredPair(folder, large).differences.size(); });
  std::printf("%d x %d JPEG pair: %.1f ms (goal under 400 ms at 4000 x 3000), %zu differences\n", largeSize.width(),
              largeSize.height(), largeMs, found);
  const double loadMs = medianMs(shortRun ? 1 : 5, [&] {
    pair_check::loadSide(folder, large.pair.original);
    pair_check::loadSide(folder, large.pair.copy);
  });
  std::printf("  of which reading and decoding both pictures one after the other: %.1f ms\n", loadMs);

  // 2,000 pairs over 20 distinct picture pairs of the game's size.
  {
    picture_db::Database db = picture_db::Database::openExisting(picture_db::databasePath(folder));
    db.inTransaction([&] {
      for (int variant = 10; variant < 30; ++variant) writePair(folder, QSize(380, 436), variant);
      for (int id = 1000; id < (shortRun ? 1020 : 3000); ++id) {
        const int variant = 10 + id % 20;
        const std::string stem = "coppia" + std::to_string(variant);
        picture_db::addPicture(db, id, stem + ".jpg", stem + "_C.jpg");
      }
    });
  }
  const int pairs = shortRun ? 22 : 2002;
  const QString program = QStringLiteral(VOBREL_CHECK_PROGRAM);
  const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
  runCheckMs(program, folder, cores);  // warms the file cache
  const double one = runCheckMs(program, folder, 1);
  const double all = runCheckMs(program, folder, cores);
  std::printf(
      "vobrel-check over %d pairs: %.0f ms on 1 thread (%.2f ms a pair), %.0f ms on %d threads: "
      "speed-up %.2f (goal at least 1.7 on two cores)\n",
      pairs, one, one / pairs, all, cores, one / all);
  return 0;
}
