// The arithmetic and geometry of simulation 1: the two conductors of the
// cross-section, the voltage the load current induces between them and the
// field rings drawn around the second one, and the walks over the points and
// circles of both drawings. Twips, y down.
#pragma once

namespace fv::simula1 {

// The cross-section on the lower surface: conductor centres 1000 twips
// apart at 35 twips to the millimetre.
inline constexpr double kX1 = 7000, kX2 = 8000, kY = 2700;
inline constexpr double kTwipsPerMm = 35;

// Millimetres between the two conductor centres (28.5714...).
double conductorDistance();

// The induced voltage in millivolts, V × I / (d × d), worked in that order
// (V × I first) as the published read-outs were.
double inducedVoltage(double volts, double amps, double mm);

// What the far post of the cable shows in phase 1: 0.1 mV per ampere.
double farEndVoltage(double amps);

// The read-outs of phase 1: the spacing (under the cross-section), the
// voltage induced between the conductors, and the far post's voltage.
struct Phase1 {
  double spacing, induced, farEnd;
};
Phase1 phase1(double volts, double amps);

// Phase 3: the earth bar's current adds to the load's. The far post shows
// the induced voltage, the cross-section a tenth of it.
struct Phase3 {
  double tenth, induced;
};
Phase3 phase3(double volts, double amps, double earthAmps);

// A straight stroke of the drawing.
struct Segment {
  double x1, y1, x2, y2;
};

// The cable on the upper surface: two lines from x 100 to 10000.
inline constexpr Segment kCable[] = {{100, 1000, 10000, 1000}, {100, 1080, 10000, 1080}};
// Its end posts: a double line on the left, a single one on the right.
inline constexpr Segment kPosts[] = {{500, 1080, 500, 600}, {510, 1080, 510, 600}, {13500, 1080, 13500, 600}};
// The earth symbol under the earth bar: three double bars narrowing
// downwards, then the double stem.
inline constexpr Segment kEarthSymbol[] = {
    {3500, 3300, 4000, 3300}, {3500, 3310, 4000, 3310}, {3600, 3400, 3900, 3400}, {3600, 3420, 3900, 3420},
    {3700, 3500, 3800, 3500}, {3700, 3510, 3800, 3510}, {3750, 3000, 3750, 3510}, {3740, 3000, 3740, 3510},
};

// ---- The walks ----
//
// Each gives every point, circle or ring of a drawing to `visit`, in drawing
// order, and returns how many it gave. The window's visitor only draws (and,
// in the animations, pauses).

// A band filled point by point: strokes every 10 twips along one axis from
// `from` while short of `to` (either way), each stroke a point every twip
// from `across` to `acrossTo` on the other axis; visit(x, y).
struct Band {
  bool columns;  // strokes are columns at x (else rows at y)
  int from, to, step;
  int across, acrossTo;
};
template <class Visit>
int fill(const Band& b, Visit&& visit) {
  int n = 0;
  for (int s = b.from; b.step > 0 ? s < b.to : s > b.to; s += b.step)
    for (int a = b.across; a <= b.acrossTo; ++a, ++n) b.columns ? visit(s, a) : visit(a, s);
  return n;
}

// The bar of phase 1, between the grey lines from x 200 on.
inline constexpr Band kCableBar{true, 200, 14000, 10, 1000, 1080};
// The earth path of phase 2: down the left post, along the bottom, up the
// right post.
inline constexpr Band kEarthPath[] = {
    {false, 1080, 3000, 10, 500, 580},
    {true, 500, 13500, 10, 3000, 3080},
    {false, 3080, 1080, -10, 13420, 13500},
};

// A row of circles of radius 50 every 100 twips, as the current moves.
inline constexpr double kMarkerRadius = 50;
struct Row {
  bool across;  // moving along x at y `at` (else along y at x `at`)
  int at, from, to, step;
};
template <class Visit>
int walk(const Row& r, Visit&& visit) {
  int n = 0;
  for (int s = r.from; r.step > 0 ? s < r.to : s > r.to; s += r.step, ++n) r.across ? visit(s, r.at) : visit(r.at, s);
  return n;
}

// The marker of phase 1 along the cable.
inline constexpr Row kMarker{true, 950, 200, 14000, 100};
// The current of phase 3: down the left riser, along the earth bar, up the
// right riser, back under the cable (all green), then along the whole cable
// in the marker's colour.
inline constexpr Row kEarthCurrent[] = {
    {false, 650, 1080, 2900, 100},
    {true, 2900, 600, 13300, 100},
    {false, 13300, 2900, 1080, -100},
    {true, 1150, 13300, 600, -100},
};
inline constexpr Row kCableCurrent{true, 950, 200, 14500, 100};

// Each conductor is a disc of circles of radius 10, 13, ... 97, the first
// conductor's before the second's; visit(conductor 0 or 1, x, y, r).
template <class Visit>
int conductors(Visit&& visit) {
  int n = 0;
  for (int c = 0; c < 2; ++c)
    for (int r = 10; r < 100; r += 3, ++n) visit(c, c == 0 ? kX1 : kX2, kY, r);
  return n;
}

// The field rings around the second conductor: radii 120, 160, ... below 50
// twips per ampere. A ring larger than the distance to the surface's farthest
// corner (plus a pen width) lies wholly outside it and is left out, so a huge
// current neither hangs the window nor fills it with unseen rings; visit(r).
double outermostRing();
template <class Visit>
int fieldRings(double amps, Visit&& visit) {
  const double edge = 50 * amps, outermost = outermostRing();
  int n = 0;
  for (double r = 120; r < edge && r <= outermost; r += 40, ++n) visit(r);
  return n;
}

}  // namespace fv::simula1
