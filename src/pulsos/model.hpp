// The pulse harmonics window's figures: the time grids of its two surfaces
// and the samples of its curves. Twips, y down.
#pragma once

#include <functional>
#include <vector>

namespace fv::pulsos {

// The constants of one time grid (the small one on Picture1, the large one
// on Picture3).
struct TimeGrid {
  int axisY;          // horizontal axis, also the centre of the horizontal grid
  int bottom;         // last y of the vertical axis and of the vertical grid lines
  int gridLimit;      // horizontal grid pairs are added while the lower one is above this
  int markerBottom;   // last y of the marker lines
  bool markersFirst;  // marker lines before the horizontal grid (else after)
};
inline constexpr TimeGrid kSmallGrid{2000, 4700, 4000, 4700, true};
inline constexpr TimeGrid kLargeGrid{3200, 6700, 6000, 10000, false};

// One straight line of a grid, drawn as points one twip apart with both ends
// included.
struct GridLine {
  enum Role { Axis, Grid, Marker };
  bool across;  // horizontal: y = at, x from..to; else x = at, y from..to
  int at, from, to;
  Role role;
  bool operator==(const GridLine&) const = default;
};

// The lines of a time grid in drawing order: the horizontal and the vertical
// axis; vertical lines every 475 twips from 1475 while x < 7000; the
// horizontal grid in pairs around the axis, the one below first; and the
// marker lines at 2900 and 4800, before or after the horizontal grid.
std::vector<GridLine> timeGridLines(const TimeGrid& g);

// Every point of a time grid, line by line in drawing order, each line from
// its first coordinate to its last.
void walkTimeGrid(const TimeGrid& g, const std::function<void(int x, int y, GridLine::Role role)>& plot);

// The slow sinusoid of the small grid at loop value t.
double sinusoidY(double t);
// The resultant of the large grid at loop value t: 3200 + 1500·sin t +
// 10·A·sin(n·t), summed left to right.
double resultantY(double t, int n, int a);

// The curves as their buttons draw them, point by point from x = 1000.
using PlotCurve = std::function<void(double x, double y)>;
// The sinusoid: t from 6.3 down by 0.01 while t >= 0 (631 points), x by 6.
void walkSinusoid(const PlotCurve& plot);
// The resultant: t from 6.3 down by 0.001 while t > -0.001 (6301 points),
// x by 0.6.
void walkResultant(int n, int a, const PlotCurve& plot);

}  // namespace fv::pulsos
