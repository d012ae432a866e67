// The frame of the sine plots: a green time axis from x 100 to 9000 and a
// green vertical axis at x 1000, eight grey verticals every 475 twips from
// 1475 (one per 45 degrees of the period drawn 6 twips per 0.01 rad), and grey
// rows across the plot. Twips, y down.
#pragma once

#include <vector>

namespace fv {

class Surface;

struct SineGrid {
  double axis;            // y of the time axis
  double axisBottom;      // where the vertical axis ends
  double gridBottom;      // where the grey verticals end
  std::vector<int> rows;  // y of the grey rows, drawn in this order
};

// The voltage and current plots of the single- and three-phase windows:
// the axis at 2000, rows 500 twips apart from 0 to 4000.
const SineGrid& upperSineGrid();

void drawSineGrid(Surface& s, const SineGrid& g);

}  // namespace fv
