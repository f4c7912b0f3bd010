// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Application folders for the benchmarks: an images.mdb of n pairs with five rectangles
// each, all pairs sharing one picture pair of the game's largest size.
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <vector>

namespace bench {

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

// Shows the window and returns once it is on screen and painted.
void showPainted(QWidget& window);

// Milliseconds from one moment to another.
double millisBetween(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to);

// Prints a series of start-ups on 10 and on 10,000 pairs: their medians and the ratio.
void printStartUpRow(const char* what, const std::vector<double>& small, const std::vector<double>& large,
                     const char* limit = "");

}  // namespace bench
