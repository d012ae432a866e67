// The single-phase window's arithmetic: points worked out by hand (with the
// textbook pi, so to a few decimals), and the read-outs the window publishes.
#include <gtest/gtest.h>

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
struct Wave {
  double volts, vDeg, amps, iDeg;
};

Components components(double t, double n, std::optional<Wave> f, std::optional<Wave> h2, std::optional<Wave> h3,
                      std::optional<Wave> hi, std::optional<Wave> hn) {
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
    std::optional<Wave> f, h2, h3, hi, hn;
    double volts, amps, power;
  };
  const double q = kPiTrue / 2;
  const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0);
  // Currents sum five times each; the power weighs the fundamental's by 10,
  // the others' by their order.
  // clang-format off
  const Case cases[] = {
      {"nothing drawn", 1, 6, {}, {}, {}, {}, {}, 0, 0, 0},
      {"fundamental", q, 6, Wave{150, 0, 10, 60}, {}, {}, {}, {}, 1500, 25, 75000},
      {"second", q / 2, 6, {}, Wave{50, -30, 5, 30}, {}, {}, {}, 250 * r3, 12.5 * r3, 3750},
      {"third", q / 3, 6, {}, {}, Wave{50, 30, 5, -60}, {}, {}, 250 * r3, 12.5, 1875 * r3},
      {"inter", q / 1.5, 6, {}, {}, {}, Wave{80, 0, 20, 45}, {}, 800, 50 * r2, 12000 * r2},
      {"n-th at 10 twips a volt", q / 6, 6, {}, {}, {}, {}, Wave{100, 0, 10, -30}, 1000, 25 * r3, 30000 * r3},
      {"second and third", q, 6, {}, Wave{50, 30, 5, 90}, Wave{50, 0, 5, 60}, {}, {}, -750, -37.5, 13125},
      {"all five", q, 6, Wave{150, 0, 10, 0}, Wave{50, 30, 5, 90}, Wave{50, 0, 5, 60}, Wave{80, 0, 20, 45}, Wave{100, 0, 10, 90}, 750 + 400 * r2, -37.5, 22.5 * (750 + 400 * r2)},
  };
  // clang-format on
  for (const Case& c : cases) {
    const Resultant r = resultant(components(c.t, c.n, c.f, c.h2, c.h3, c.hi, c.hn), c.n);
    expectNear(r.volts, c.volts, c.what);
    expectNear(r.amps, c.amps, c.what);
    expectNear(r.power, c.power, c.what);
  }
}

// The read-outs the window shows with its fields as they open (and a few
// changes), summed over each component's loop as its handler does.
TEST(SenoideModel, ReadOutsOfTheComponentsAndTheResultant) {
  struct Case {
    const char* what;
    Sweep sweep;
    std::function<double(double)> power;
    int points;
    double readout, tolerance;
  };
  auto fundamental = [](double amps, double deg) {
    return [=](double t) {
      const double v = fundamentalVoltage(t, 150);
      return fundamentalPower(v, fundamentalCurrent(t, amps, radians(deg)));
    };
  };
  // clang-format off
  const Case cases[] = {
      {"fundamental", fundamentalSweep(), fundamental(10, 0), 629, 471.2, 0.05},
      {"fundamental, current at 90", fundamentalSweep(), fundamental(10, 90), 629, 300, 0.05},
      {"fundamental, 20 A", fundamentalSweep(), fundamental(20, 0), 629, 942.5, 0.05},
      {"second", secondSweep(0), [](double t) { return harmonicPower(second(t, 50, 0, 5, 0, 0)); }, 1261, 15.7, 0.05},
      {"third", thirdSweep(0), [](double t) { return harmonicPower(third(t, 50, 0, 5, 0)); }, 1884, 23.6, 0.05},
      {"inter", interSweep(), [](double t) { return harmonicPower(inter(t, 80, 20, 0)); }, 943, 75.4, 0.05},
      {"n-th, order 6", nthSweep(6), [](double t) { return harmonicPower(nth(t, 100, 10, 0)); }, 3780, 94.2497495459564, 1e-12},
  };
  // clang-format on
  for (const Case& c : cases) {
    double S = 0, x = 1000;
    int points = 0;
    for (double t = c.sweep.from; t >= c.sweep.to; t += -kStep, x += c.sweep.dx, ++points) S += c.power(t);
    EXPECT_EQ(points, c.points) << c.what;
    EXPECT_NEAR(x - c.sweep.dx, 4773, 8) << c.what << ": the last point, at the fundamental's width";
    EXPECT_NEAR(powerReadout(S), c.readout, c.tolerance) << c.what;
  }

  // The resultant of the fundamental alone, and with the third.
  for (const bool withThird : {false, true}) {
    double S = 0;
    for (double t = 6.28; t > -0.00001; t = t - 0.001) {
      Components c;
      c.fundamental = resultantFundamental(t, 150, 10, 0);
      if (withThird) c.third = resultantThird(t, 50, 0, 5, 0);
      S = S + resultant(c, 0).power;
    }
    EXPECT_NEAR(resultantReadout(S), withThird ? 494.8 : 471.2, 0.05) << withThird;
  }
}

}  // namespace
}  // namespace fv::senoide
