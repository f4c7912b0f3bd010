// SPDX-License-Identifier: GPL-2.0-or-later
// The pair check: one 380 x 436 JPEG pair and one 4000 x 3000 JPEG pair, loaded from disk
// and compared (median of several rounds), a round of real photographs re-saved with two
// changes, and vobrel-check over 2,000 pairs on one thread and on one per core, in turns.
// Prints the figures; run on demand.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

#include <sys/resource.h>

#include "bench/bench_folders.h"
#include "pair_check/stored_pair.h"
#include "storage/app_folders.h"
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
  std::filesystem::create_directory(storage::imagesDir(app));
  picture_db::Database db = picture_db::Database::createNew(storage::databasePath(app));
  picture_db::createSchema(db);
  return app;
}

picture_db::PairWithDifferences writePair(const std::string& app, QSize size, int variant) {
  const auto [original, copy] = scene(size, variant);
  const std::string stem = "coppia" + std::to_string(variant);
  original.save(QString::fromStdString(storage::picturePath(app, stem + ".jpg")), "JPEG", 75);
  copy.save(QString::fromStdString(storage::picturePath(app, stem + "_C.jpg")), "JPEG", 75);
  return {{variant, stem + ".jpg", stem + "_C.jpg"}, {}};
}

struct CheckRun {
  double ms = 0;
  double cpuMs = 0;     // user and system time of the program
  long pageFaults = 0;  // minor and major
};

// Runnable threads of the whole machine over the last minute.
double loadAverage() {
  double load[1] = {0};
  return getloadavg(load, 1) == 1 ? load[0] : 0;
}

// The children's totals grow by what the one program just waited for used.
CheckRun runCheck(const QString& program, const std::string& app, int threads) {
  rusage before{}, after{};
  getrusage(RUSAGE_CHILDREN, &before);
  QElapsedTimer t;
  t.start();
  QProcess p;
  p.start(program, {QString::fromStdString(app), "--threads", QString::number(threads)});
  p.waitForFinished(-1);
  CheckRun run;
  run.ms = t.nsecsElapsed() / 1e6;
  getrusage(RUSAGE_CHILDREN, &after);
  auto ms = [](const timeval& tv) { return tv.tv_sec * 1e3 + tv.tv_usec / 1e3; };
  run.cpuMs = ms(after.ru_utime) - ms(before.ru_utime) + ms(after.ru_stime) - ms(before.ru_stime);
  run.pageFaults = (after.ru_minflt - before.ru_minflt) + (after.ru_majflt - before.ru_majflt);
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() > 1) {
    std::fprintf(stderr, "vobrel-check failed: %s\n", p.readAllStandardError().constData());
    std::exit(2);
  }
  return run;
}

// Each photograph of the test corpus against a copy with two painted changes, saved
// again at quality 75 as an author would: the time a pair, and how many pairs show
// exactly their two changes.
void realPhotoRound(const std::string& app) {
  const QDir photos(QStringLiteral(VOBREL_PHOTO_DIR));
  std::vector<picture_db::PairWithDifferences> pairs;
  for (const QString& name : photos.entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
    const std::string stem = "foto_" + name.section('.', 0, 0).toStdString();
    QFile::copy(photos.filePath(name), QString::fromStdString(storage::picturePath(app, stem + ".jpg")));
    QImage copy(photos.filePath(name));
    QPainter p(&copy);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRect(60, 60, 50, 40));
    p.setBrush(QColor(30, 60, 200));
    p.drawEllipse(QRect(240, 300, 44, 60));
    p.end();
    copy.save(QString::fromStdString(storage::picturePath(app, stem + "_C.jpg")), "JPEG", 75);
    pairs.push_back({{int(pairs.size()), stem + ".jpg", stem + "_C.jpg"}, {}});
  }
  int exact = 0;
  std::vector<double> ms;
  for (const auto& pair : pairs) {
    size_t found = 0;
    ms.push_back(bench::medianMs(5, [&] { found = pair_check::checkStoredPair(app, pair).differences.size(); }));
    exact += found == 2 ? 1 : 0;
  }
  std::sort(ms.begin(), ms.end());
  std::printf(
      "real photographs re-saved at quality 75: %zu pairs, median %.2f ms a pair, %d with exactly their 2 changes\n",
      pairs.size(), ms.empty() ? 0.0 : ms[ms.size() / 2], exact);
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
  const double smallMs = bench::medianMs(
      shortRun ? 1 : 15, [&] { found = pair_check::checkStoredPair(folder, small).differences.size(); });
  std::printf("380 x 436 JPEG pair: %.2f ms (median of 15; goal under 15 ms), %zu differences\n", smallMs, found);
  const double largeMs =
      bench::medianMs(shortRun ? 1 : 5, [&] { found = pair_check::checkStoredPair(folder, large).differences.size(); });
  std::printf("%d x %d JPEG pair: %.1f ms (goal under 400 ms at 4000 x 3000), %zu differences\n", largeSize.width(),
              largeSize.height(), largeMs, found);
  const double loadMs = bench::medianMs(shortRun ? 1 : 5, [&] {
    pair_check::loadSide(folder, large.pair.original);
    pair_check::loadSide(folder, large.pair.copy);
  });
  std::printf("  reading and decoding both pictures one after the other: %.1f ms\n", loadMs);
  realPhotoRound(folder);

  // 2,000 pairs over 20 distinct picture pairs of the game's size.
  const int pairs = shortRun ? 20 : 2000;
  {
    picture_db::Database db = picture_db::Database::openExisting(storage::databasePath(folder));
    db.inTransaction([&] {
      for (int variant = 10; variant < 30; ++variant) writePair(folder, QSize(380, 436), variant);
      for (int id = 1000; id < 1000 + pairs; ++id) {
        const int variant = 10 + id % 20;
        const std::string stem = "coppia" + std::to_string(variant);
        picture_db::addPicture(db, id, stem + ".jpg", stem + "_C.jpg");
      }
    });
  }
  const QString program = QStringLiteral(VOBREL_CHECK_PROGRAM);
  const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
  runCheck(program, folder, cores);  // warms the file cache
  // Other programs share the cores: one thread and all of them take turns, and the
  // quickest run of each tells what the program does on a quiet machine.
  std::printf("vobrel-check over %d pairs, 1 thread against %d (load average %.2f):\n", pairs, cores, loadAverage());
  CheckRun one, all;
  for (int round = 0; round < (shortRun ? 1 : 3); ++round) {
    const CheckRun o = runCheck(program, folder, 1);
    const CheckRun a = runCheck(program, folder, cores);
    std::printf("  round %d: %.0f ms against %.0f ms, speed-up %.2f; CPU time %.0f ms against %.0f ms\n", round + 1,
                o.ms, a.ms, o.ms / a.ms, o.cpuMs, a.cpuMs);
    if (round == 0 || o.ms < one.ms) one = o;
    if (round == 0 || a.ms < all.ms) all = a;
  }
  std::printf(
      "  quickest: %.0f ms on 1 thread (%.2f ms a pair), %.0f ms on %d threads: "
      "speed-up %.2f (goal at least 1.7 on two cores)\n",
      one.ms, one.ms / pairs, all.ms, cores, one.ms / all.ms);
  std::printf("  CPU time %.0f ms against %.0f ms (%.2f times), page faults %ld against %ld\n", one.cpuMs, all.cpuMs,
              all.cpuMs / one.cpuMs, one.pageFaults, all.pageFaults);
  // Below the number of threads, the others' programs had the rest of the cores.
  std::printf("  cores kept busy: %.2f against %.2f\n", one.cpuMs / one.ms, all.cpuMs / all.ms);
  return 0;
}
