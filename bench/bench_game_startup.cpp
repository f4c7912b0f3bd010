// Game start-up (Form_Load to the first pair shown, offscreen) on 10 and on 10,000 pairs
// of five rectangles each. The larger database may cost at most 1.5 times the smaller,
// and the whole run at most 150 MiB of memory.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_folders.h"
#include "game/form1.h"
#include "toolkit/scripted_dialogs.h"

namespace {
constexpr int kRounds = 9;

double startUpMs(const QString& appDir) {
  toolkit::ScriptedDialogs dialogs;
  const auto t0 = std::chrono::steady_clock::now();
  game::Form1 form(appDir, 12345, dialogs);
  const auto t1 = std::chrono::steady_clock::now();
  if (!form.startedOk() || !form.currentPairId() || !dialogs.calls.empty()) {
    std::fprintf(stderr, "start-up did not show a pair in %s\n", qPrintable(appDir));
    std::exit(2);
  }
  return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vobrel");

  const bench::BenchFolder small(10);
  const bench::BenchFolder large(10000);
  startUpMs(small.path());  // fonts, artwork and the picture readers warm up once
  startUpMs(large.path());
  std::vector<double> smallMs, largeMs;
  for (int i = 0; i < kRounds; ++i) {
    smallMs.push_back(startUpMs(small.path()));
    largeMs.push_back(startUpMs(large.path()));
  }
  const double s = median(smallMs), l = median(largeMs), ratio = l / s, peak = bench::peakMemoryMiB();
  std::printf("start-up, median of %d: 10 pairs %.2f ms, 10000 pairs %.2f ms\n", kRounds, s, l);
  std::printf("ratio %.3f (limit 1.5), peak memory %.1f MiB (limit 150)\n", ratio, peak);
  const bool ok = ratio < 1.5 && peak < 150;
  std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
  return ok ? 0 : 1;
}
