#include "drawing/sinegrid.hpp"

#include "drawing/palette.hpp"
#include "drawing/surface.hpp"

namespace fv {

const SineGrid& upperSineGrid() {
  static const SineGrid g{2000, 4700, 4700, {1500, 2500, 1000, 3000, 500, 3500, 0, 4000}};
  return g;
}

void drawSineGrid(Surface& s, const SineGrid& g) {
  s.line(100, g.axis, 9000, g.axis, pal::green);
  s.line(1000, 50, 1000, g.axisBottom, pal::green);
  for (int k = 0; k <= 7; ++k) s.line(1475 + 475 * k, 50, 1475 + 475 * k, g.gridBottom, pal::gridGrey);
  for (int y : g.rows) s.line(100, y, 10000, y, pal::gridGrey);
}

}  // namespace fv
