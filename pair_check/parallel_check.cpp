// SPDX-License-Identifier: GPL-2.0-or-later
#include "pair_check/parallel_check.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <opencv2/core/utility.hpp>
#include <chrono>
#include <system_error>
#include <thread>

#include "pair_check/stored_pair.h"
#include "toolkit/failure_reasons.h"

namespace pair_check {

namespace {
class OpenCvThreads {
 public:
  explicit OpenCvThreads(int n) : previous_(cv::getNumThreads()) { cv::setNumThreads(n); }
  ~OpenCvThreads() { cv::setNumThreads(previous_); }
  OpenCvThreads(const OpenCvThreads&) = delete;
  OpenCvThreads& operator=(const OpenCvThreads&) = delete;

 private:
  int previous_;
};

// A check that throws is a problem of its pair, never the end of the run.
PairReport guarded(const PairCheck& checkOne, const picture_db::PairWithDifferences& pair) {
  QString why;
  try {
    return checkOne(pair);
  } catch (const std::exception& e) {
    why = toolkit::failureReason(e);
  } catch (...) {
    why = QStringLiteral("errore sconosciuto durante il controllo");
  }
  return checkPair({QImage(), why}, {QImage(), why}, rectsOf(pair.rects));
}
}  // namespace

std::vector<PairReport> checkPairsInParallel(const std::vector<picture_db::PairWithDifferences>& pairs, int threads,
                                             const PairCheck& checkOne,
                                             const std::function<void(size_t done)>& progress) {
  std::vector<PairReport> reports(pairs.size());
  // Qt works out the program's folder (where the metafile renderer lies) once and keeps it;
  // asked first from many threads at once, that would race.
  if (QCoreApplication::instance()) QCoreApplication::applicationDirPath();
  const size_t workers = std::min(pairs.size(), size_t(std::max(1, threads)));
  // The workers are the parallelism: OpenCV's own threads would only compete with them,
  // and the figures of one worker would not be those of one thread.
  const OpenCvThreads sequential(0);
  std::atomic<size_t> next{0}, done{0};
  auto work = [&] {
    for (size_t i = next++; i < pairs.size(); i = next++) {
      reports[i] = guarded(checkOne, pairs[i]);
      ++done;
    }
  };
  std::vector<std::thread> pool;
  // Without progress to show, the calling thread is one of the workers.
  for (size_t t = progress ? 0 : 1; t < workers; ++t) {
    try {
      pool.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the system has no more threads to give: fewer workers do it all
    }
  }
  if (progress && !pool.empty()) {
    while (done < pairs.size()) {
      progress(done);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    progress(done);
  } else {
    work();
    if (progress) progress(done);
  }
  for (std::thread& t : pool) t.join();
  return reports;
}

std::vector<PairReport> checkPairsInParallel(const std::string& appDir,
                                             const std::vector<picture_db::PairWithDifferences>& pairs, int threads,
                                             const std::function<void(size_t done)>& progress) {
  // A second thread for the other picture only when there are more threads than pairs:
  // otherwise every thread already has a pair of its own, and one thread means one.
  const bool sideBySide = size_t(std::max(1, threads)) > pairs.size();
  return checkPairsInParallel(
      pairs, threads,
      [&](const picture_db::PairWithDifferences& pair) { return checkStoredPair(appDir, pair, sideBySide); }, progress);
}

}  // namespace pair_check
