// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/check_program.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <thread>

#include "pair_check/json_report.h"
#include "pair_check/parallel_check.h"
#include "pair_check/problem_texts.h"
#include "storage/app_folders.h"
#include "storage/data_folder.h"
#include "toolkit/database_messages.h"
#include "toolkit/failure_reasons.h"

namespace pair_check {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

// The pairs to check, or a message on err and nothing.
std::optional<std::vector<picture_db::PairWithDifferences>> readPairs(const CheckArguments& args, const QString& appDir,
                                                                      QTextStream& err) {
  const QString dbPath = q(storage::databasePath(appDir.toStdString()));
  if (!QFileInfo::exists(dbPath)) {
    err << toolkit::missingDatabaseMessage(dbPath) << Qt::endl;
    return std::nullopt;
  }
  try {
    picture_db::Database db = picture_db::Database::openReadOnly(dbPath.toStdString());
    if (!args.pair) return picture_db::allPairsWithDifferences(db);
    std::optional<picture_db::PairWithDifferences> one = picture_db::pairWithDifferences(db, *args.pair);
    if (!one) {
      err << QStringLiteral("Nel database %1 non c'è la coppia numero %2.").arg(dbPath).arg(*args.pair) << Qt::endl;
      return std::nullopt;
    }
    return std::vector<picture_db::PairWithDifferences>{*one};
  } catch (const std::exception& e) {
    err << toolkit::unopenableDatabaseMessage(dbPath, toolkit::failureReason(e)) << Qt::endl;
    return std::nullopt;
  }
}

void writeText(const std::vector<picture_db::PairWithDifferences>& pairs, const std::vector<PairReport>& reports,
               QTextStream& out) {
  size_t unsound = 0, problems = 0;
  for (size_t i = 0; i < pairs.size(); ++i) {
    const picture_db::PictureRecord& pair = pairs[i].pair;
    if (!reports[i].sound()) ++unsound;
    for (const Problem& p : reports[i].problems) {
      ++problems;
      out << QStringLiteral("Coppia %1 (%2, %3): %4")
                 .arg(pair.id)
                 .arg(q(pair.original), q(pair.copy), problemText(p, reports[i], q(pair.original), q(pair.copy)))
          << '\n';
    }
  }
  out << QStringLiteral("Coppie controllate: %1; corrette: %2; con problemi: %3 (problemi in tutto: %4).")
             .arg(pairs.size())
             .arg(pairs.size() - unsound)
             .arg(unsound)
             .arg(problems)
      << Qt::endl;
}

void writeJson(const std::vector<picture_db::PairWithDifferences>& pairs, const std::vector<PairReport>& reports,
               QTextStream& out) {
  QJsonArray list;
  for (size_t i = 0; i < pairs.size(); ++i) list.append(pairJson(pairs[i].pair, reports[i]));
  out << QJsonDocument(QJsonObject{{"pairs", list}}).toJson(QJsonDocument::Indented);
  out.flush();
}
}  // namespace

QString defaultDataFolder(const QString& programDir) {
  try {
    const storage::DataFolderChoice choice = storage::decideDataFolder(programDir.toStdString());
    return q(choice.fillFromDelivered ? choice.delivered : choice.folder);
  } catch (const std::exception&) {
    return programDir;  // no home folder: the programs could only use their own
  }
}

int runCheck(const CheckArguments& args, const QString& appDir, QTextStream& out, QTextStream& err, bool showProgress) {
  const std::optional<std::vector<picture_db::PairWithDifferences>> pairs = readPairs(args, appDir, err);
  if (!pairs) return exit_code::kCannotCheck;
  const int threads = args.threads > 0 ? args.threads : int(std::max(1u, std::thread::hardware_concurrency()));
  std::function<void(size_t)> progress;
  if (showProgress && pairs->size() > kProgressAbove) {
    progress = [&err, total = pairs->size()](size_t done) {
      err << QStringLiteral("\rCoppie controllate: %1 di %2").arg(done).arg(total);
      if (done == total) err << '\n';
      err.flush();
    };
  }
  const std::vector<PairReport> reports = checkPairsInParallel(appDir.toStdString(), *pairs, threads, progress);
  if (args.json) {
    writeJson(*pairs, reports, out);
  } else {
    writeText(*pairs, reports, out);
  }
  const bool sound = std::all_of(reports.begin(), reports.end(), [](const PairReport& r) { return r.sound(); });
  return sound ? exit_code::kAllSound : exit_code::kProblems;
}

}  // namespace pair_check
