// Simulation 2's geometry and arithmetic, with the cables at different
// heights and positions.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/numtext.hpp"
#include "simula2/model.hpp"

namespace fv::simula2 {
namespace {

std::string shown(double v, const char* pattern) { return numtext::format(v, pattern, '.').value_or("none"); }

// The default trough: 73 mm wide, 23 mm high.
constexpr double kW = 73 * 42, kH = 23 * 42;

// Bars of cable 1 (across, up) and of cable 2, the centres worked by hand,
// the distance and the voltages of 220 V and 40 A, open then closed.
struct Case {
  int across1, up1, across2, up2;
  Point one, two;
  const char* mm;
  const char *openPlastic, *openSteel, *openAluminium, *closedSteel, *closedAluminium;
};
// clang-format off
const Case kCases[] = {
    {50, 50, 50, 50, {7710.15, 4517},   {9289.85, 4517},   "37.61", "6220.596", "3712.452", "2157.303", "519.864", "148.85"},
    {20, 80, 70, 10, {8124.06, 4227.2}, {9565.79, 4903.4}, "37.91", "6121.542", "4008.141", "2477.755", "511.586", "146.48"},
    {90, 5,  10, 95, {7158.27, 4951.7}, {8737.97, 4082.3}, "42.93", "4774.447", "2434.3",   "1240.688", "399.007", "114.246"},
    {0, 100, 100, 0, {8400, 4034},      {9979.7, 5000},    "44.09", "4527.552", "3139.404", "2007.516", "378.374", "108.338"},
};
// clang-format on

TEST(Simula2Model, CablesDistanceAndInducedVoltage) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::Message() << c.across1 << "," << c.up1 << " / " << c.across2 << "," << c.up2);
    const Point one = cable1(kW, kH, c.across1, c.up1), two = cable2(kW, kH, c.across2, c.up2);
    EXPECT_NEAR(one.x, c.one.x, 1e-9);
    EXPECT_NEAR(one.y, c.one.y, 1e-9);
    EXPECT_NEAR(two.x, c.two.x, 1e-9);
    EXPECT_NEAR(two.y, c.two.y, 1e-9);
    const double D = distance(one, two), h1 = heightAboveFloor(one);
    EXPECT_EQ(shown(D, "##.##"), c.mm);
    auto volts = [&](Trough t, Material m) { return shown(inducedVoltage(t, m, 220, 40, D, h1), "##.###"); };
    EXPECT_EQ(volts(Trough::open, Material::plastic), c.openPlastic);
    EXPECT_EQ(volts(Trough::closed, Material::plastic), c.openPlastic);
    EXPECT_EQ(volts(Trough::open, Material::steel), c.openSteel);
    EXPECT_EQ(volts(Trough::open, Material::aluminium), c.openAluminium);
    EXPECT_EQ(volts(Trough::closed, Material::steel), c.closedSteel);
    EXPECT_EQ(volts(Trough::closed, Material::aluminium), c.closedAluminium);
  }
  // The voltage bar at 100 gives 550 V; twice 220 V doubles the result.
  const double D = distance(cable1(kW, kH, 50, 50), cable2(kW, kH, 50, 50));
  EXPECT_EQ(shown(inducedVoltage(Trough::open, Material::plastic, voltsOfBar(100), 40, D, 0), "##.###"), "15551.491");
  EXPECT_EQ(shown(inducedVoltage(Trough::open, Material::plastic, 440, 40, D, 0), "##.###"), "12441.193");
}

TEST(Simula2Model, BarsAndTheOutline) {
  EXPECT_EQ(widthOfBar(29), 72.5);
  EXPECT_EQ(voltsOfBar(40), 220);
  EXPECT_EQ(twips(73), 3066);
  const Walls w = walls(kW, kH);
  EXPECT_EQ(w.left + 10, 6907);
  EXPECT_EQ(w.right + 60, 10093);
  EXPECT_EQ(w.top, 4034);
  EXPECT_EQ(w.divider, (6897 + 10033) / 2.0);
  EXPECT_FALSE(hasRings(1));
  EXPECT_TRUE(hasRings(1.001));
}

TEST(Simula2Model, WhereAFieldPointLies) {
  // The default trough: the divider at x 8500, the right wall at 10033, the
  // floor at 5100, its walls 966 high (the top rule at 5100 - 966 = 4134).
  struct Case {
    double x, y;
    Shade open;
    bool inside;
  };
  // clang-format off
  const Case cases[] = {
      {9000,  4500, Shade::free,     true},   // the right compartment
      {9000,  3000, Shade::free,     false},  // above it
      {8500,  4500, Shade::free,     false},  // on the divider
      {10033, 4500, Shade::free,     false},  // on the right wall
      {9000,  5100, Shade::free,     false},  // on the floor
      {8000,  4500, Shade::screened, false},  // the left compartment
      {11000, 4500, Shade::screened, false},  // beside the right wall
      {9000,  5200, Shade::screened, false},  // under the floor
      {8000,  5200, Shade::screened, false},
      {8000,  4000, Shade::above,    false},
      {11000, 4100, Shade::above,    false},
      {9000,  4100, Shade::free,     true},   // above 4134 but below the closed top, 4034
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(openShade(c.x, c.y, kW, kH), c.open) << c.x << "," << c.y;
    EXPECT_EQ(inRightCompartment(c.x, c.y, kW, kH), c.inside) << c.x << "," << c.y;
  }
}

TEST(Simula2Model, RingsOfTheField) {
  struct Case {
    double amps;
    Material m;
    std::int64_t open, closed;  // points, 30 and 25 twips between rings
    size_t shades;              // of the open trough
    bool allInside;             // the closed trough's right compartment holds the whole field
  };
  // clang-format off
  const Case cases[] = {
      {40, Material::plastic,   130 * 631, 156 * 631, 1, false},  // 100 ... 3970 < 4000
      {40, Material::steel,     130 * 631, 156 * 631, 3, false},
      {3,  Material::aluminium, 7 * 631,   8 * 631,   1, true},   // up to 280 twips round the cable
      {1,  Material::plastic,   0,         0,         0, true},
  };
  // clang-format on
  const Point c2{9289.85, 4517};
  for (const Case& c : cases) {
    std::int64_t plotted = 0, inside = 0;
    std::set<Shade> shades;
    EXPECT_EQ(openField(c2, c.amps, kW, kH, c.m, [&](double, double, Shade s) { ++plotted, shades.insert(s); }),
              c.open);
    EXPECT_EQ(plotted, c.open) << c.amps;
    EXPECT_EQ(shades.size(), c.shades) << c.amps;
    EXPECT_EQ(closedField(c2, c.amps, kW, kH, [&](double, double, bool in) { inside += in; }), c.closed);
    EXPECT_EQ(inside == c.closed, c.allInside) << c.amps;
  }
}

// The cables' discs, and the outlines: six passes, the closed one with a lid
// as the second stroke of each pass.
TEST(Simula2Model, DiscsAndOutlines) {
  double last = 0;
  EXPECT_EQ(cableDisc([&](double r) { last = r; }), 30);
  EXPECT_EQ(last, 97);
  for (Trough t : {Trough::open, Trough::closed}) {
    std::vector<std::pair<int, Segment>> strokes;
    const int n = outline(t, kW, kH, [&](int k, const Segment& s) { strokes.push_back({k, s}); });
    const int perPass = t == Trough::open ? 4 : 5;
    ASSERT_EQ(n, 6 * perPass);
    ASSERT_EQ(int(strokes.size()), n);
    for (int i = 0; i < n; ++i) EXPECT_EQ(strokes[i].first, i / perPass);
    const Segment floor = strokes[0].second, divider = strokes.back().second;
    EXPECT_EQ(floor.y1, 5110);
    EXPECT_EQ(divider.x1, 8465 + 60);  // the last pass of the divider
    if (t == Trough::closed) {
      EXPECT_EQ(strokes[1].second.y1, 4034 - 40);
      EXPECT_EQ(strokes[n - 4].second.y1, 4034 + 10);
    }
  }
}

}  // namespace
}  // namespace fv::simula2
