// The pulse harmonics window's figures: the order of its grid lines and the
// samples of its curves, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "pulsos/model.hpp"

using namespace fv::pulsos;

TEST(PulsosModel, TimeGridsInDrawingOrder) {
  struct Case {
    const char* name;
    TimeGrid grid;
    std::vector<int> rows;  // y of the horizontal grid, in order
    bool markersBeforeRows;
    int markerBottom;
  };
  const Case cases[] = {
      {"small", kSmallGrid, {2500, 1500, 3000, 1000, 3500, 500, 4000, 0}, true, 4700},
      {"large", kLargeGrid, {3700, 2700, 4200, 2200, 4700, 1700, 5200, 1200, 5700, 700, 6200, 200}, false, 10000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<GridLine> lines = timeGridLines(c.grid);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (GridLine{true, c.grid.axisY, 100, 10000, GridLine::Axis}));
    EXPECT_EQ(lines[1], (GridLine{false, 1000, 50, c.grid.bottom, GridLine::Axis}));
    std::vector<int> verticals, rows, markers;
    size_t firstRow = 0, firstMarker = 0;
    for (size_t i = 2; i < lines.size(); ++i) {
      const GridLine& l = lines[i];
      if (l.role == GridLine::Marker) {
        if (markers.empty()) firstMarker = i;
        markers.push_back(l.at);
        EXPECT_EQ(l.to, c.markerBottom);
      } else if (l.across) {
        if (rows.empty()) firstRow = i;
        rows.push_back(l.at);
      } else {
        EXPECT_TRUE(rows.empty() && markers.empty()) << "verticals come right after the axes";
        verticals.push_back(l.at);
        EXPECT_EQ(l.to, c.grid.bottom);
      }
    }
    // Every 475 twips from 1475 while under 7000; markers on the 4th and 8th.
    EXPECT_EQ(verticals, (std::vector<int>{1475, 1950, 2425, 2900, 3375, 3850, 4325, 4800, 5275, 5750, 6225, 6700}));
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(markers, (std::vector<int>{2900, 4800}));
    EXPECT_EQ(firstMarker < firstRow, c.markersBeforeRows);
  }
}

TEST(PulsosModel, CurveSamples) {
  struct Case {
    double t;
    int n, a;
    double resultant, sinusoid;
  };
  const double h = std::acos(0.0);
  const Case cases[] = {
      {0, 5, 7, 3200, 2000},
      {h, 0, 0, 4700, 3500},
      {h, 3, 20, 4700 - 200, 3500},
      {h / 3, 2, 10, 3200 + 750 + 100 * std::sqrt(3.0) / 2, 2750},
      {3 * h, 1, -10, 3200 - 1500 + 100, 500},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(resultantY(c.t, c.n, c.a), c.resultant, 1e-9) << c.t << " " << c.n << " " << c.a;
    EXPECT_NEAR(sinusoidY(c.t), c.sinusoid, 1e-9) << c.t;
  }
}

TEST(PulsosModel, WalksOfTheCurvesAndGrids) {
  struct Curve {
    const char* what;
    std::function<void(const PlotCurve&)> walk;
    int points;
    double firstY, lastX, lastY;
  };
  const Curve curves[] = {
      {"sinusoid", walkSinusoid, 631, 2000 + 1500 * std::sin(6.3), 4780, 2000},
      {"resultant", [](const PlotCurve& p) { walkResultant(0, 0, p); }, 6301, 3200 + 1500 * std::sin(6.3), 4780, 3200},
      {"resultant with a second term", [](const PlotCurve& p) { walkResultant(2, 10, p); }, 6301,
       3200 + 1500 * std::sin(6.3) + 100 * std::sin(12.6), 4780, 3200},
  };
  for (const Curve& c : curves) {
    SCOPED_TRACE(c.what);
    std::vector<std::pair<double, double>> got;
    c.walk([&](double x, double y) { got.emplace_back(x, y); });
    ASSERT_EQ(int(got.size()), c.points);
    EXPECT_EQ(got.front().first, 1000);
    EXPECT_NEAR(got.front().second, c.firstY, 1e-9);
    EXPECT_NEAR(got.back().first, c.lastX, 0.01);
    EXPECT_NEAR(got.back().second, c.lastY, 0.2);
  }

  // Grids: points by role, and the last one, where the window's text starts.
  struct Grid {
    TimeGrid grid;
    int axis, lines, markers;
    int lastX, lastY;
  };
  for (const Grid& g : {Grid{kSmallGrid, 9901 + 4651, 12 * 4651 + 8 * 9901, 2 * 4651, 10000, 0},
                        Grid{kLargeGrid, 9901 + 6651, 12 * 6651 + 12 * 9901, 2 * 9951, 4800, 10000}}) {
    int counts[3] = {0, 0, 0}, lastX = 0, lastY = 0;
    walkTimeGrid(g.grid, [&](int x, int y, GridLine::Role role) {
      ++counts[role];
      lastX = x, lastY = y;
    });
    EXPECT_EQ(counts[GridLine::Axis], g.axis);
    EXPECT_EQ(counts[GridLine::Grid], g.lines);
    EXPECT_EQ(counts[GridLine::Marker], g.markers);
    EXPECT_EQ(lastX, g.lastX);
    EXPECT_EQ(lastY, g.lastY);
  }
}
