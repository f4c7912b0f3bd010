// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_make/make_program.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <mutex>
#include <opencv2/core.hpp>
#include <thread>

#include "pair_make/pair_maker.h"
#include "pair_make/pair_saving.h"
#include "storage/app_folders.h"
#include "picture_db/editor_queries.h"
#include "toolkit/database_messages.h"
#include "toolkit/failure_reasons.h"

namespace pair_make {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

QString sentence(const QString& reason) { return reason.endsWith('.') ? reason : reason + '.'; }

QJsonArray rectJson(const pair_check::Rect& r) { return {int(r.x1), int(r.y1), int(r.x2), int(r.y2)}; }
}  // namespace

std::vector<PhotoOutcome> makePairs(const QStringList& photos, Level level, std::uint64_t seed, int threads,
                                    const std::function<void(size_t)>& progress) {
  std::vector<PhotoOutcome> outcomes(size_t(photos.size()));
  if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::min(threads, int(photos.size()));
  // The photos are the work shared out; OpenCV's own threads would only compete.
  if (threads > 1) cv::setNumThreads(1);
  std::atomic<size_t> next{0};
  std::atomic<size_t> done{0};
  std::mutex progressLock;
  auto work = [&] {
    for (size_t i = next++; i < outcomes.size(); i = next++) {
      try {
        MadePair pair = makePairFromPhoto(photos[int(i)], level, seed);
        // The decoded pictures are not saved; the files' bytes are.
        pair.original = {};
        pair.copy = {};
        outcomes[i].pair = std::move(pair);
      } catch (const PhotoRefused& e) {
        outcomes[i].reason = QString::fromUtf8(e.what());
      } catch (const std::exception& e) {
        outcomes[i].reason = toolkit::failureReason(e);
      }
      const size_t n = ++done;
      if (progress) {
        std::lock_guard<std::mutex> lock(progressLock);
        progress(n);
      }
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) {
    try {
      pool.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads, not an abort
    }
  }
  work();
  for (std::thread& t : pool) t.join();
  return outcomes;
}

int runMakePair(const MakeArguments& args, const QString& dataDir, QTextStream& out, QTextStream& err,
                bool showProgress, int threads) {
  const QString dbPath = q(storage::databasePath(dataDir.toStdString()));
  if (!QFileInfo::exists(dbPath)) {
    err << toolkit::missingDatabaseMessage(dbPath) << Qt::endl;
    return make_exit::kFolderUnusable;
  }
  std::optional<picture_db::Database> db;
  try {
    db.emplace(picture_db::Database::openExisting(dbPath.toStdString()));
    picture_db::nextPairId(*db);  // the tables are there and readable
    storage::ensureFolders(dataDir.toStdString(), {storage::kImagesFolder});
  } catch (const std::exception& e) {
    err << toolkit::unopenableDatabaseMessage(dbPath, toolkit::failureReason(e)) << Qt::endl;
    return make_exit::kFolderUnusable;
  }

  std::function<void(size_t)> progress;
  if (showProgress && args.photos.size() > 1) {
    progress = [&err, total = args.photos.size()](size_t done) {
      err << QStringLiteral("\rFoto elaborate: %1 di %2").arg(done).arg(total);
      if (done == size_t(total)) err << '\n';
      err.flush();
    };
  }
  std::vector<PhotoOutcome> outcomes = makePairs(args.photos, args.level, args.seed, threads, progress);

  QJsonArray pairs, refused;
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const QString& photo = args.photos[int(i)];
    PhotoOutcome& o = outcomes[i];
    std::optional<SavedPair> saved;
    if (o.pair) {
      try {
        saved = savePair(*db, dataDir.toStdString(), photo, *o.pair, picture_db::nextPairId(*db));
      } catch (const std::exception& e) {
        o.reason = QStringLiteral("la coppia non si può salvare: %1").arg(toolkit::failureReason(e));
      }
    }
    if (!saved) {
      refused.append(QJsonObject{{"photo", photo}, {"reason", sentence(o.reason)}});
      if (!args.json) out << QStringLiteral("Foto %1 rifiutata: %2").arg(photo, sentence(o.reason)) << '\n';
      continue;
    }
    QJsonArray changes;
    for (const MadeChange& c : o.pair->changes) {
      changes.append(QJsonObject{{"kind", kindName(c.kind)}, {"rect", rectJson(c.rect)}});
    }
    pairs.append(QJsonObject{{"photo", photo},
                             {"id", saved->id},
                             {"original", q(saved->original)},
                             {"copy", q(saved->copy)},
                             {"changes", changes}});
    if (!args.json) {
      out << QStringLiteral("Coppia %1 da %2: Images/%3 e Images/%4")
                 .arg(saved->id)
                 .arg(photo, q(saved->original), q(saved->copy))
          << '\n';
    }
  }
  if (args.json) {
    out << QJsonDocument(QJsonObject{{"pairs", pairs}, {"refused", refused}}).toJson(QJsonDocument::Indented);
  }
  out.flush();
  return refused.isEmpty() ? make_exit::kAllMade : make_exit::kSomeRefused;
}

}  // namespace pair_make
