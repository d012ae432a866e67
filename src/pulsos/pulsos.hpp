// The pulse harmonics window: a slow sinusoid on a small time grid and two
// resultant curves on a large one.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/form.hpp"

namespace fv {

// Creates the HarmonicasPulsos window.
std::unique_ptr<Form> makeHarmonicasPulsos(App& app);

// The constants of one time grid (the small one on Picture1, the large one
// on Picture3).
struct TimeGrid {
  int axisY;          // horizontal axis, also the centre Y0 of the horizontal grid
  int bottom;         // last y of the axis and of the vertical grid lines
  int gridLimit;      // Ya: horizontal grid pairs are added while a < Ya
  int markerBottom;   // last y of the marker lines
  bool markersFirst;  // marker lines before the horizontal grid (else after)
};

class HarmonicasPulsos : public Form {
  Q_OBJECT
 public:
  explicit HarmonicasPulsos(App& app);

  void Inicio_Click();
  void resultante_Click();
  void resultante2_Click();
  void FIM_Click();

  // The order n and amplitude A of the second term of the resultants,
  // 10·A·sin(n·t). No control sets them and Inicio resets them, so they stay 0.
  std::int16_t n = 0;
  std::int16_t A = 0;

  static constexpr Color kAxis = RGB(0, 255, 0);
  static constexpr Color kGrid = RGB(50, 50, 50);
  static constexpr Color kMarker = RGB(107, 161, 61);
  static constexpr Color kBlue = RGB(0, 0, 255);
  static constexpr Color kWhite = RGB(255, 255, 255);

  static constexpr TimeGrid kSmallGrid{2000, 4700, 4000, 4700, true};
  static constexpr TimeGrid kLargeGrid{3200, 6700, 6000, 10000, false};

 private:
  // Draws the grid's axes, vertical grid, horizontal grid and marker lines.
  static void drawTimeGrid(Surface& s, const TimeGrid& g);
  // Plots 3200 + 1500·sin t + 10·A·sin(n·t) on Picture3 in the given colour,
  // 6301 points from t = 6.3 down to 0.
  void plotResultant(Color c);
};

}  // namespace fv
