// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The time bar: the time left of a pair, held as a width in twips (15 to a pixel). A full
// bar is 60 steps; a clock tick costs one step, every rectangle a click misses two.
namespace game {

enum class BarColour { Blue, Green, Red };

class TimeBar {
 public:
  static constexpr int kStepsPerBar = 60;
  // The old window designs' unit: 1440 to the inch, so 15 to a pixel at 96 dots per inch.
  static constexpr double kTwipsPerPixel = 15.0;

  explicit TimeBar(int fullWidth) : full_(fullWidth), width_(fullWidth) {}

  int fullWidth() const { return full_; }
  double width() const { return width_; }
  double step() const { return full_ / static_cast<double>(kStepsPerBar); }
  BarColour colour() const { return colour_; }
  // The width the label shows, in whole pixels.
  int pixelWidth() const;

  // Takes k steps off. Returns false, changing nothing, when that would leave less than
  // nothing: the time is up. Exactly nothing left is still allowed.
  bool deduct(int steps);
  // Full again, and blue.
  void refill();
  // Used up at game over.
  void empty() { width_ = 0.0; }
  void setWidth(double twips) { width_ = twips; }

  // Points for finishing a pair: whole part of the width left / 60; 90 for a full bar.
  int bonus() const;

 private:
  void applyColourRule();
  int full_;
  double width_;
  BarColour colour_ = BarColour::Blue;
};

}  // namespace game
