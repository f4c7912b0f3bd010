// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Application folders for the benchmarks: an images.mdb of n pairs with five rectangles
// each, all pairs sharing one picture pair of the game's largest size.
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

// A short run ("--short" as the first argument, or VOBREL_BENCH_SHORT set) only proves
// that the benchmark still runs: few rounds, small data, no verdict on its figures.
bool shortRun(int argc, char** argv);

class BenchFolder {
 public:
  explicit BenchFolder(int pairs);
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// Peak resident memory of this process so far, in MiB.
double peakMemoryMiB();

// The middle value of a series of timings.
double median(std::vector<double> values);
// The middle time of `rounds` runs of the work, in milliseconds.
double medianMs(int rounds, const std::function<void()>& work);

// Shows the window and returns once it is on screen and painted.
void showPainted(QWidget& window);

// Milliseconds from one moment to another.
double millisBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to);

// How long a window's start-up took: built with its start-up done, and on screen painted.
struct StartUpTiming {
  double loadMs;
  double shownMs;
};

// Start-ups on 10 and on 10,000 pairs, alternating, after one of each to warm up.
struct StartUpSeries {
  std::vector<double> smallLoad, largeLoad, smallShown, largeShown;
};
StartUpSeries timeStartUps(int rounds, const std::function<StartUpTiming(const QString& appDir, int pairs)>& startUp);

// Prints a series of start-ups on 10 and on 10,000 pairs: their medians and the ratio.
void printStartUpRow(const char* what, const std::vector<double>& small, const std::vector<double>& large,
                     const char* limit = "");

// The start-up benchmark of one window, run from its main: start-ups on 10 and on 10,000
// pairs (two rounds in a short run), their medians and ratio (limit 1.2), and the peak
// memory, judged when memoryLimitMiB is above 0. Returns the program's exit status.
struct StartUpBenchmark {
  const char* loadStep;  // what the first timing covers
  double memoryLimitMiB = 0;
};
int runStartUpBenchmark(int& argc, char** argv, const StartUpBenchmark& what,
                        const std::function<StartUpTiming(const QString& appDir, int pairs)>& startUp);

}  // namespace bench
