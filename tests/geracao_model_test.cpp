// The generation window's figures: hand-worked values and the read-outs the
// window publishes.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/angles.hpp"
#include "core/numtext.hpp"
#include "geracao/model.hpp"

using namespace fv;
using namespace fv::geracao;

namespace {

const double kHalfPi = std::acos(0.0);

std::string shown(double v, const char* pattern) { return numtext::format(v, pattern, '.').value_or("?"); }

}  // namespace

// What the angle, power factor and power fields read for a scroll bar position.
TEST(GeracaoModel, ReadOutsOfTheScrollBar) {
  struct Case {
    int scroll;
    const char *angle, *factor, *apparent, *active, *reactive;
  };
  const Case cases[] = {
      {0, ".", "1.", "720.", "720.", "."},
      {1, ".57", "1.", "720.", "720.", "7.2"},
      {37, "21.2", ".932", "720.", "671.3", "260.4"},
      {50, "28.65", ".878", "720.", "631.9", "345.2"},
      {100, "57.3", ".54", "720.", "389.", "605.9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scroll);
    const double fi = phaseAngle(c.scroll);
    const Powers p = powers(fi);
    EXPECT_EQ(shown(degrees(fi), "##.##"), c.angle);
    EXPECT_EQ(shown(powerFactor(fi), "#.###"), c.factor);
    EXPECT_EQ(shown(p.apparent, "##.#"), c.apparent);
    EXPECT_EQ(shown(p.active, "##.#"), c.active);
    EXPECT_EQ(shown(p.reactive, "##.#"), c.reactive);
  }
}

TEST(GeracaoModel, CurveSamples) {
  struct Case {
    const char* what;
    double got, want;
  };
  const double h = kHalfPi;
  const Case cases[] = {
      {"voltage at 0", voltageY(0), 2000},
      {"voltage at a quarter turn", voltageY(h), 3200},
      {"voltage at three quarters", voltageY(3 * h), 800},
      {"trail a fifth behind", trailY(h - 0.2), 3200},
      {"current in phase", currentY(h, 0), 2600},
      {"current a quarter ahead", currentY(0, h), 2600},
      {"power at a zero of the voltage", powerY(0, 0.7), 4000},
      {"power at its peak in phase", powerY(h, 0), 4000 - 1200.0 * 600 / 400},
      {"power in quadrature", powerY(h / 2, h), 4000 - 1200.0 * 600 / 2 / 400},
      {"power in opposition, its magnitude", powerY(h, 2 * h), 4000 - 1200.0 * 600 / 400},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.got, c.want, 1e-6) << c.what;
}

TEST(GeracaoModel, GeneratorAndTriangleGeometry) {
  struct Case {
    const char* what;
    Point got, want;
  };
  const double h = kHalfPi;
  const Case cases[] = {
      {"mark down", rotorMark(0, 1300), {2000, 3200}},
      {"mark right", rotorMark(h, 1300), {3300, 1900}},
      {"mark inner point", rotorMark(h, kMarkRadii[3]), {2000 + 1222, 1900}},
      {"triangle flat", triangleCorner(0), {2800, 2500}},
      {"triangle upright", triangleCorner(h), {300, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(c.got.x, c.want.x, 1e-6) << c.what;
    EXPECT_NEAR(c.got.y, c.want.y, 1e-6) << c.what;
  }
  // The rotor starts at the left of the rim; the hypotenuse is always 2500.
  EXPECT_LT(rotorMark(4.75, 1300).x, 710);
  const Point c = triangleCorner(1);
  EXPECT_NEAR(std::hypot(c.x - kTriangleOrigin.x, c.y - kTriangleOrigin.y), 2500, 1e-9);
}

TEST(GeracaoModel, PulseTrainHasFourPulsesOnALevelLine) {
  std::vector<double> leading, trailing;
  int points[4] = {};
  double lastLevel = 0;
  const double end = pulseTrain([&](double x, double y, PulsePart part) {
    ++points[int(part)];
    if (part == PulsePart::LeadingEdge && y == 1100) leading.push_back(x);
    if (part == PulsePart::TrailingEdge && y == 1800) trailing.push_back(x);
    if (part == PulsePart::Level) lastLevel = x;
  });
  EXPECT_EQ(leading, (std::vector<double>{1499.5, 2499.5, 3499.5, 4499.5}));
  EXPECT_EQ(trailing, (std::vector<double>{2000, 3000, 4000, 5000}));
  EXPECT_EQ(points[int(PulsePart::LeadingEdge)], 4 * 1401);
  EXPECT_EQ(points[int(PulsePart::Bottom)], 4 * 1001);
  EXPECT_EQ(points[int(PulsePart::TrailingEdge)], 4 * 1401);
  EXPECT_EQ(lastLevel, 5000);
  EXPECT_EQ(end, 5000.5);
}

// The generator's steps: 631 of them, x 6 twips apart; with a phase angle the
// phase mark shows until the current first dips below the axis.
TEST(GeracaoModel, GeneratorSteps) {
  struct Case {
    std::optional<double> fi;
    int marks;  // steps with the phase mark
  };
  // t starts at 6.3, a little past a whole turn: in phase, the current is
  // above the axis for two steps.
  const Case cases[] = {{std::nullopt, 0}, {0, 2}, {kHalfPi, 159}, {-0.5, 0}};
  for (const Case& c : cases) {
    int steps = 0, marks = 0, curves = 0;
    double lastX = 0;
    const double end = generatorSteps(c.fi, [&](const Step& s) {
      ++steps;
      lastX = s.x;
      curves += s.curves.has_value();
      marks += s.curves && s.curves->phaseMark;
    });
    EXPECT_EQ(steps, 631);
    EXPECT_EQ(curves, c.fi ? 631 : 0);
    EXPECT_EQ(marks, c.marks) << c.fi.value_or(-1);
    EXPECT_EQ(lastX, 1000 + 630 * 6);
    EXPECT_EQ(end, lastX + 6);
  }
}
