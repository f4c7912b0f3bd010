// SPDX-License-Identifier: GPL-2.0-or-later
// The pair maker: one 380 x 436 photo, a 12-megapixel JPEG (decoded at reduced size),
// and 100 photos on one thread against one per core. Prints the figures; run on demand.
// With --sheets FOLDER it also writes each made pair side by side, changes outlined, to
// look at.
#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <opencv2/core.hpp>
#include <vector>

#include "bench/bench_folders.h"
#include "pair_make/make_program.h"
#include "pair_make/pair_maker.h"
#include "toolkit/picture_memory.h"

namespace {

void writeSheet(const QString& photo, pair_make::Level level, const QString& folder) {
  const char* levelName[] = {"facile", "normale", "difficile"};
  QImage sheet(2 * pair_make::kFrameWidth + 10, pair_make::kFrameHeight, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QString name = QFileInfo(photo).completeBaseName() + "-" + levelName[int(level)];
  try {
    const pair_make::MadePair pair = pair_make::makePairFromPhoto(photo, level, 1);
    QPainter p(&sheet);
    p.drawImage(0, 0, pair.original);
    p.drawImage(pair_make::kFrameWidth + 10, 0, pair.copy);
    p.translate(pair_make::kFrameWidth + 10, 0);
    for (const pair_make::MadeChange& c : pair.changes) {
      p.setPen(QPen(Qt::yellow, 1));
      p.drawPolygon(c.outline);
      p.setPen(QPen(Qt::red, 1, Qt::DashLine));
      p.drawRect(QRectF(c.rect.x1, c.rect.y1, c.rect.x2 - c.rect.x1, c.rect.y2 - c.rect.y1));
      p.drawText(QPointF(c.rect.x1, c.rect.y1 - 2), pair_make::kindName(c.kind));
    }
    // The copy alone, unmarked, to judge the edits as a player sees them.
    pair.copy.save(folder + "/" + name + "-copy.png");
  } catch (const std::exception& e) {
    std::printf("%s: %s\n", qPrintable(name), e.what());
    return;
  }
  sheet.save(folder + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  // As vobrel-make-pair does.
  toolkit::keepPictureBuffers();
  QGuiApplication app(argc, argv);
  const bool shortRun = bench::shortRun(argc, argv);
  QStringList args = app.arguments().mid(1);
  args.removeAll(QStringLiteral("--short"));
  QString sheets;
  if (const int at = int(args.indexOf("--sheets")); at >= 0 && at + 1 < args.size()) {
    sheets = args[at + 1];
    args.remove(at, 2);
  }
  const QDir dir(args.isEmpty() ? QStringLiteral(VOBREL_PHOTOS_DIR) : args.front());
  QStringList photos;
  for (const QString& f : dir.entryList({"*.jpg", "*.jpeg", "*.png"}, QDir::Files, QDir::Name)) {
    photos << dir.filePath(f);
  }
  if (photos.isEmpty()) {
    std::fprintf(stderr, "Nessuna foto in %s\n", qPrintable(dir.path()));
    return 2;
  }
  if (!sheets.isEmpty()) {
    QDir().mkpath(sheets);
    for (const QString& photo : photos) {
      for (auto level : {pair_make::Level::Facile, pair_make::Level::Normale, pair_make::Level::Difficile}) {
        writeSheet(photo, level, sheets);
      }
    }
    return 0;
  }

  cv::setNumThreads(1);
  const double one = bench::medianMs(
      shortRun ? 1 : 5, [&] { pair_make::makePairFromPhoto(photos.front(), pair_make::Level::Normale, 1); });
  std::printf("one 380 x 436 photo:        %7.1f ms (goal < 500, one core)\n", one);

  QTemporaryDir temp;
  const QString big = temp.filePath("big.jpg");
  QImage(photos.front()).scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(big, "JPEG", 90);
  const double large =
      bench::medianMs(shortRun ? 1 : 3, [&] { pair_make::makePairFromPhoto(big, pair_make::Level::Normale, 1); });
  std::printf("one 4000 x 3000 JPEG:       %7.1f ms (goal < 1500)\n", large);

  QStringList hundred;
  const int many = shortRun ? 4 : 100;
  for (int i = 0; i < many; ++i) hundred << photos[i % photos.size()];
  // Wall time for the speed-up, processor time to see what the threads cost beside it
  // (on a machine shared with other work the wall time says less).
  QElapsedTimer t;
  t.start();
  std::clock_t cpu = std::clock();
  pair_make::makePairs(hundred, pair_make::Level::Normale, 1, 1);
  const double serial = t.nsecsElapsed() / 1e6, serialCpu = 1000.0 * (std::clock() - cpu) / CLOCKS_PER_SEC;
  t.restart();
  cpu = std::clock();
  pair_make::makePairs(hundred, pair_make::Level::Normale, 1, 0);
  const double parallel = t.nsecsElapsed() / 1e6, parallelCpu = 1000.0 * (std::clock() - cpu) / CLOCKS_PER_SEC;
  std::printf("%d photos, one thread:     %7.0f ms (processor %7.0f ms)\n", many, serial, serialCpu);
  std::printf("%d photos, every core:     %7.0f ms (processor %7.0f ms; speed-up %.2f, goal >= 1.7 on two cores)\n",
              many, parallel, parallelCpu, serial / parallel);
  return 0;
}
