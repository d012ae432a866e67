#include "pulsos/model.hpp"

#include <cmath>

namespace fv::pulsos {

std::vector<GridLine> timeGridLines(const TimeGrid& g) {
  std::vector<GridLine> lines = {{true, g.axisY, 100, 10000, GridLine::Axis},
                                 {false, 1000, 50, g.bottom, GridLine::Axis}};
  int x = 1475;
  do {
    lines.push_back({false, x, 50, g.bottom, GridLine::Grid});
    x = x + 475;
  } while (x < 7000);

  auto horizontalGrid = [&] {
    int below = g.axisY, above = g.axisY;
    while (below < g.gridLimit) {
      below = below + 500;
      lines.push_back({true, below, 100, 10000, GridLine::Grid});
      above = above - 500;
      lines.push_back({true, above, 100, 10000, GridLine::Grid});
    }
  };
  auto markers = [&] {
    lines.push_back({false, 2900, 50, g.markerBottom, GridLine::Marker});
    lines.push_back({false, 4800, 50, g.markerBottom, GridLine::Marker});
  };
  if (g.markersFirst) {
    markers();
    horizontalGrid();
  } else {
    horizontalGrid();
    markers();
  }
  return lines;
}

double sinusoidY(double t) { return 2000 + 1500 * std::sin(t); }

double resultantY(double t, int n, int a) { return 3200 + 1500 * std::sin(t) + 10.0 * a * std::sin(n * t); }

}  // namespace fv::pulsos
