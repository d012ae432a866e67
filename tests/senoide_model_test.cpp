// The single-phase window's arithmetic: points worked out by hand (with the
// textbook pi, so to a few decimals), and the read-outs the window publishes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "core/angles.hpp"
#include "senoide/model.hpp"

namespace fv::senoide {
namespace {

constexpr double kPiTrue = 3.14159265358979323846;

// Close to a hand-worked figure: the program's pi is 3.1416.
void expectNear(double got, double want, const char* what) {
  EXPECT_NEAR(got, want, 0.01 + 1e-4 * std::fabs(want)) << what;
}

// A point and its power as plotted: a tenth of |v × i|.
struct Plotted {
  Point point;
  double power;
};
Plotted fundamental(double t, double volts, double amps, double angle) {
  const double v = fundamentalVoltage(t, volts), i = fundamentalCurrent(t, amps, angle);
  return {{v, i}, fundamentalPower(v, i) / 10};
}
Plotted harmonic(Point p) { return {p, harmonicPower(p)}; }

TEST(SenoideModel, PointsOfTheComponentsDrawnAlone) {
  struct Case {
    const char* what;
    Plotted got;
    Point want;
    double power;
  };
  const double q = kPiTrue / 2;
  // clang-format off
  const Case cases[] = {
      {"fundamental, 10 twips a volt", fundamental(q, 150, 10, radians(60)), {1500, 5}, 750},
      {"second: its current angle counts twice", harmonic(second(0, 50, radians(90), 5, radians(45), radians(45))), {500, 5}, 250},
      {"second: the angle now and the one at the start", harmonic(second(0, 50, 0, 5, radians(60), radians(30))), {0, 5}, 0},
      {"third: its angles turned into radians once more", harmonic(third(q, 50, q, 5, 0)), {500 * std::cos(q * kPiTrue / 180), 5}, 249.9},
      {"third: the current angle counts twice", harmonic(third(0, 50, 0, 5, kPiTrue / 4)), {0, 5 * std::sin(kPiTrue / 4 * (1 + kPiTrue / 180))}, 0},
      {"inter", harmonic(inter(q, 80, 20, radians(90))), {800, 0}, 0},
      {"n-th: 5 twips a volt", harmonic(nth(q, 100, 10, radians(-60))), {500, 5}, 250},
  };
  // clang-format on
  for (const Case& c : cases) {
    expectNear(c.got.point.v, c.want.v, c.what);
    expectNear(c.got.point.i, c.want.i, c.what);
    expectNear(c.got.power, c.power, c.what);
  }
}

// One harmonic component: volts, voltage angle and amperes, current angle (degrees).
struct WaveDeg {
  double volts, vDeg, amps, iDeg;
};

Components components(double t, double n, std::optional<WaveDeg> f, std::optional<WaveDeg> h2,
                      std::optional<WaveDeg> h3, std::optional<WaveDeg> hi, std::optional<WaveDeg> hn) {
  Components c;
  if (f) c.fundamental = resultantFundamental(t, f->volts, f->amps, radians(f->iDeg));
  if (h2) c.second = resultantSecond(t, h2->volts, radians(h2->vDeg), h2->amps, radians(h2->iDeg));
  if (h3) c.third = resultantThird(t, h3->volts, radians(h3->vDeg), h3->amps, radians(h3->iDeg));
  if (hi) c.inter = resultantInter(t, hi->volts, hi->amps, radians(hi->iDeg));
  if (hn) c.nth = resultantNth(t, n, hn->volts, hn->amps, radians(hn->iDeg));
  return c;
}

TEST(SenoideModel, ResultantAtAPoint) {
  struct Case {
    const char* what;
    double t, n;
    std::optional<WaveDeg> f, h2, h3, hi, hn;
    double volts, amps, power;
  };
  const double q = kPiTrue / 2;
  const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0);
  // Currents sum five times each; the power weighs the fundamental's by 10,
  // the others' by their order.
  // clang-format off
  const Case cases[] = {
      {"nothing drawn", 1, 6, {}, {}, {}, {}, {}, 0, 0, 0},
      {"fundamental", q, 6, WaveDeg{150, 0, 10, 60}, {}, {}, {}, {}, 1500, 25, 75000},
      {"second", q / 2, 6, {}, WaveDeg{50, -30, 5, 30}, {}, {}, {}, 250 * r3, 12.5 * r3, 3750},
      {"third", q / 3, 6, {}, {}, WaveDeg{50, 30, 5, -60}, {}, {}, 250 * r3, 12.5, 1875 * r3},
      {"inter", q / 1.5, 6, {}, {}, {}, WaveDeg{80, 0, 20, 45}, {}, 800, 50 * r2, 12000 * r2},
      {"n-th at 10 twips a volt", q / 6, 6, {}, {}, {}, {}, WaveDeg{100, 0, 10, -30}, 1000, 25 * r3, 30000 * r3},
      {"second and third", q, 6, {}, WaveDeg{50, 30, 5, 90}, WaveDeg{50, 0, 5, 60}, {}, {}, -750, -37.5, 13125},
      {"all five", q, 6, WaveDeg{150, 0, 10, 0}, WaveDeg{50, 30, 5, 90}, WaveDeg{50, 0, 5, 60}, WaveDeg{80, 0, 20, 45}, WaveDeg{100, 0, 10, 90}, 750 + 400 * r2, -37.5, 22.5 * (750 + 400 * r2)},
  };
  // clang-format on
  for (const Case& c : cases) {
    const Resultant r = resultant(components(c.t, c.n, c.f, c.h2, c.h3, c.hi, c.hn), c.n);
    expectNear(r.volts, c.volts, c.what);
    expectNear(r.amps, c.amps, c.what);
    expectNear(r.power, c.power, c.what);
  }
}

// What a walk handed to its plot: how many points, the first and the last.
struct Walked {
  int points = 0;
  double firstX = 0, firstV = 0, lastX = 0, readout = 0;
};
Walked walked(const std::function<double(const PlotComponent&)>& walk) {
  Walked w;
  w.readout = walk([&](double x, double v, double p) {
    EXPECT_GE(p, 0) << "the power is plotted above the axis";
    if (w.points++ == 0) w.firstX = x, w.firstV = v;
    w.lastX = x;
  });
  return w;
}

// Each component with the fields as the window opens (and a few changes):
// its points, span and read-out. Every one spans the fundamental's width.
TEST(SenoideModel, ComponentWalks) {
  struct Case {
    const char* what;
    Walked got;
    int points;
    double firstV, readout, tolerance;
  };
  const double a90 = radians(90);
  // clang-format off
  const Case cases[] = {
      {"fundamental", walked([](auto& p) { return walkFundamental(150, 10, 0, p); }), 629, std::sin(6.28) * 1500, 471.2, 0.05},
      {"fundamental, current at 90", walked([](auto& p) { return walkFundamental(150, 10, radians(90), p); }), 629, std::sin(6.28) * 1500, 300, 0.05},
      {"second", walked([](auto& p) { return walkSecond(50, 0, 5, 0, p); }), 1261, std::sin(12.6) * 500, 15.7, 0.05},
      {"second, voltage at 90: half a period on, a quarter from the current", walked([&](auto& p) { return walkSecond(50, a90, 5, 0, p); }), 1261, -std::sin(12.6) * 500, 15.7 * 2 / kPiTrue, 0.05},
      {"third", walked([](auto& p) { return walkThird(50, 0, 5, 0, p); }), 1884, std::sin(18.84) * 500, 23.6, 0.05},
      {"inter", walked([](auto& p) { return walkInter(80, 20, 0, p); }), 943, std::sin(9.42) * 800, 75.4, 0.05},
      {"n-th, order 6, 5 twips a volt", walked([](auto& p) { return walkNth(6, 100, 10, 0, p); }), 3780, std::sin(37.8) * 500, 94.2497495459564, 1e-12},
      {"n-th, order 1", walked([](auto& p) { return walkNth(1, 100, 10, 0, p); }), 631, std::sin(6.3) * 500, 15.7, 0.05},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got.points, c.points);
    EXPECT_EQ(c.got.firstX, 1000);
    EXPECT_NEAR(c.got.firstV, c.firstV, 1);
    EXPECT_NEAR(c.got.lastX, 4773, 8);
    EXPECT_NEAR(c.got.readout, c.readout, c.tolerance);
  }
}

TEST(SenoideModel, ResultantWalk) {
  struct Case {
    const char* what;
    Drawn drawn;
    double highestVolts, readout;
  };
  const Wave fundamental{150, 0, 10, 0}, third{50, 0, 5, 0}, nth{100, 0, 10, 0};
  // clang-format off
  const Case cases[] = {
      {"nothing drawn: flat on the axis", {}, 0, 0},
      {"fundamental", {fundamental, {}, {}, {}, {}, 0}, 1500, 471.2},
      {"fundamental and third, highest at 45 degrees", {fundamental, {}, third, {}, {}, 0}, 2000 * std::sqrt(0.5), 494.8},
      {"n-th of order 6 at 10 twips a volt, weighed 6", {{}, {}, {}, {}, nth, 6}, 1000, 6281 * 30000 / 1e6},
      {"an order without its component weighs nothing", {fundamental, {}, {}, {}, {}, 6}, 1500, 471.2},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int points = 0;
    double lastX = 0, highestVolts = 0, shown = -1;
    const double readout = walkResultant(c.drawn, [&](double x, const Resultant& r, double soFar) {
      EXPECT_GE(soFar, shown) << "the read-out only grows";
      shown = soFar;
      highestVolts = std::max(highestVolts, r.volts);
      lastX = x;
      ++points;
    });
    EXPECT_EQ(points, 6281);
    EXPECT_NEAR(lastX, 4768, 0.01);
    EXPECT_EQ(shown, readout);
    EXPECT_NEAR(readout, c.readout, 0.1);
    EXPECT_NEAR(highestVolts, c.highestVolts, 0.5);
  }
}

}  // namespace
}  // namespace fv::senoide
