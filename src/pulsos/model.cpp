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

void walkTimeGrid(const TimeGrid& g, const std::function<void(int x, int y, GridLine::Role role)>& plot) {
  for (const GridLine& l : timeGridLines(g)) {
    for (int v = l.from; v <= l.to; ++v) {
      if (l.across)
        plot(v, l.at, l.role);
      else
        plot(l.at, v, l.role);
    }
  }
}

double sinusoidY(double t) { return 2000 + 1500 * std::sin(t); }

double resultantY(double t, int n, int a) { return 3200 + 1500 * std::sin(t) + 10.0 * a * std::sin(n * t); }

void walkSinusoid(const PlotCurve& plot) {
  double x = 1000;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    plot(x, sinusoidY(t));
    x = x + 6;
  }
}

void walkResultant(int n, int a, const PlotCurve& plot) {
  double x = 1000;
  double t = 6.3;
  const double step = 6.0 / 10.0;
  while (t > -0.001) {
    plot(x, resultantY(t, n, a));
    x = x + step;
    t = t - 0.001;
  }
}

}  // namespace fv::pulsos
