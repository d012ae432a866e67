// The pulse harmonics window's figures: the order of its grid lines and the
// samples of its curves, worked by hand.
#include <gtest/gtest.h>

#include <cmath>
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
