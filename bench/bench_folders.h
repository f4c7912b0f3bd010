#pragma once
// Application folders for the benchmarks: an images.mdb of n pairs with five rectangles
// each, all pairs sharing one picture pair of the game's largest size.
#include <QString>
#include <QTemporaryDir>

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

}  // namespace bench
