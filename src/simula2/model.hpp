// The arithmetic and geometry of simulation 2: where the two cables lie in
// the trough, how far apart they are, the voltage the power cable (cable 2)
// induces in the signal cable (cable 1) and the rings of its field.
// Twips of Picture2, y down; the trough's floor is at y 5000.
#pragma once

#include <cmath>
#include <cstdint>

#include "simula2/simula2_field.hpp"

namespace fv::simula2 {

inline constexpr double kTwipsPerMm = 42;

// A length in millimetres, in twips.
double twips(double mm);

// The trough sizes the bars can set, in millimetres: 12.5 to 250 wide, 1 to
// 100 high (at 0 the height bar writes no number). A typed size beyond them
// would collapse or mirror the trough and give readings with no meaning.
struct Span {
  double least, most;
  bool holds(double mm) const { return least <= mm && mm <= most; }
};
inline constexpr Span kWidthMm{12.5, 250};
inline constexpr Span kHeightMm{1, 100};

// The width bar: 2.5 mm per step, worked as step × 250 / 100.
double widthOfBar(int step);
// The voltage bar: 5.5 V per step, worked as step × 550 / 100 (exact for
// every whole step, as step × 5.5 is).
double voltsOfBar(int step);

struct Point {
  double x, y;
};

// The cables for a trough W twips wide and H high. Cable 1 moves left from
// x 8400 and cable 2 right from x 8600, by 0.9 of W × across / 200; both
// rise from the floor by H × up / 100.
Point cable1(double W, double H, int across, int up);
Point cable2(double W, double H, int across, int up);

// Millimetres between the two cable centres.
double distance(Point c1, Point c2);

// How high cable 1 lies above the floor, in twips, plus one: what the open
// trough's walls weigh in its induced voltage.
double heightAboveFloor(Point c1);

// The outline of a trough: its walls, top edge, floor and divider.
struct Walls {
  double left, right, top, floor, divider;
};
Walls walls(double W, double H);

enum class Trough { open, closed };
enum class Material { plastic, steel, aluminium };

// The field reaches cable 1 only when it has a ring: when the first ring,
// radius 100, lies within 50 × I × 2.
bool hasRings(double amps);

// The voltage induced in cable 1, in millivolts: e = V × I / (D × D) × 2
// weakened by the trough's material, e × 500 / shield, plus for steel and
// aluminium a term for the walls: e × h1 × factor in the open trough (h1 from
// heightAboveFloor), (e × 250 / 42) × factor in the closed one. Each product
// is worked in the order written, as the published read-outs were.
double inducedVoltage(Trough t, Material m, double volts, double amps, double mm, double h1);

// Where a point of the field lies, for the colours of an open steel or
// aluminium trough: in the free column over the right compartment, behind a
// wall or under the floor, or beside the trough above its walls.
enum class Shade { free, screened, above };
Shade openShade(double x, double y, double W, double H);

// Strictly inside the right compartment of the closed trough.
bool inRightCompartment(double x, double y, double W, double H);

// Picture2 in twips, and how far beyond its edges a point can still leave a
// mark (a point is one pixel wide, several twips when the window is shrunk).
inline constexpr double kPictureWidth = 14655;
inline constexpr double kPictureHeight = 9495;
inline constexpr double kMargin = 600;
// Ring radii grow by whole twips and stay exact up to here; a ring farther
// off than this cannot be placed on the picture to the twip.
inline constexpr double kExactRadius = 4503599627370496.0;  // 2^52

// The field of cable 2 at `c`: rings of radius 100, 100 + step, ... while
// r < 50 I 2, each traced as 631 points at angle theta, which starts at 4.75
// once and falls by 0.01 after every point, so that each ring starts where
// the previous one ended. plot(x, y) gets every point that can show on the
// picture; rings that cannot reach it are not traced, but theta moves on
// over them exactly as if they were. Returns the number of points plotted.
template <class Plot>
std::int64_t traceField(Point c, double amps, double step, Plot&& plot) {
  const Reach seen = reach(c.x, c.y, kPictureWidth, kPictureHeight, kMargin);
  std::int64_t n = 0;
  double theta = kThetaStart;
  double r = 100;
  while (r < 50 * amps * 2) {
    // This ring and all larger ones enclose the whole picture.
    if (r > seen.farthest) return n;
    if (r < seen.nearest) {
      if (seen.nearest > kExactRadius) return n;
      const double rings = std::ceil((seen.nearest - r) / step);
      theta = thetaAfter(theta, static_cast<std::int64_t>(rings) * kPointsPerRing);
      r += rings * step;
      continue;
    }
    for (int k = 0; k < kPointsPerRing; ++k, ++n) {
      plot(c.x + r * std::sin(theta), c.y + r * std::cos(theta));
      theta -= kThetaStep;
    }
    r += step;
  }
  return n;
}

// ---- The walks of the drawing ----
//
// Each gives every circle, line or point to `visit` in drawing order and
// returns how many it gave; the window's visitor only draws.

// A cable is a disc of concentric circles of radius 10, 13, ... 97: visit(r).
template <class Visit>
int cableDisc(Visit&& visit) {
  int n = 0;
  for (double r = 10; r < 100; r += 3, ++n) visit(r);
  return n;
}

// A straight stroke of the outline.
struct Segment {
  double x1, y1, x2, y2;
};

// The outline of a trough in six passes 10 twips apart, pass k (0 to 5) at
// a = 10 (k + 1): the floor, in the closed trough the lid (from top - 40 to
// top + 10), then the left wall, the right wall and the divider; visit(k, s).
template <class Visit>
int outline(Trough t, double W, double H, Visit&& visit) {
  const Walls w = walls(W, H);
  int n = 0;
  const auto stroke = [&](int k, const Segment& s) {
    visit(k, s);
    ++n;
  };
  for (int k = 0; k <= 5; ++k) {
    const int a = 10 * (k + 1);
    stroke(k, {w.left + 10, w.floor + a, w.right + 60, w.floor + a});
    if (t == Trough::closed) stroke(k, {w.left + 10, w.top + a - 50, w.right + 60, w.top + a - 50});
    stroke(k, {w.left + a, w.top, w.left + a, w.floor + 20});
    stroke(k, {w.right + a, w.top, w.right + a, w.floor + 20});
    stroke(k, {w.divider + a, w.top, w.divider + a, w.floor + 20});
  }
  return n;
}

// The rings of the open trough's field are 30 twips apart, the closed one's 25.
inline constexpr double kOpenRingStep = 30, kClosedRingStep = 25;

// The open trough's field: plot(x, y, shade), where the shade says where the
// point lies (always free through plastic, which screens nothing).
template <class Plot>
std::int64_t openField(Point c, double amps, double W, double H, Material m, Plot&& plot) {
  return traceField(c, amps, kOpenRingStep, [&](double x, double y) {
    plot(x, y, m == Material::plastic ? Shade::free : openShade(x, y, W, H));
  });
}

// The closed trough's field: plot(x, y, inside), inside when the point lies
// strictly inside the right compartment.
template <class Plot>
std::int64_t closedField(Point c, double amps, double W, double H, Plot&& plot) {
  return traceField(c, amps, kClosedRingStep, [&](double x, double y) { plot(x, y, inRightCompartment(x, y, W, H)); });
}

}  // namespace fv::simula2
