// The arithmetic and geometry of simulation 1: the two conductors of the
// cross-section, the voltage the load current induces between them and the
// field rings drawn around the second one. Twips, y down.
#pragma once

#include <vector>

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

// The field rings around the second conductor: radii 120, 160, ... below
// 50 twips per ampere. A ring larger than the distance to the surface's
// farthest corner (plus a pen width) lies wholly outside it and is left out,
// so a huge current neither hangs the window nor fills it with unseen rings.
std::vector<double> fieldRings(double amps);

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

}  // namespace fv::simula1
