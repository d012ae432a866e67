// Simulation 1's arithmetic against the read-outs the window publishes, and
// its field rings.
#include <gtest/gtest.h>

#include "core/numtext.hpp"
#include "simula1/model.hpp"

namespace fv::simula1 {
namespace {

std::string shown(double v) { return numtext::general(v, '.').value_or("none"); }

TEST(Simula1Model, ReadOutsAtTheConductorDistance) {
  const double d = conductorDistance();
  EXPECT_DOUBLE_EQ(d, 200.0 / 7);  // 1000 twips at 35 to the millimetre
  EXPECT_EQ(shown(d), "28.5714285714286");
  struct Case {
    double volts, amps;
    const char* induced;
  };
  // clang-format off
  const Case cases[] = {
      {220, 10,        "2.695"},
      {220, 20,        "5.39"},             // phase 3 with 10 A on the earth bar
      {220, 2.4,       "0.6468"},
      {-220, 2.41,     "-0.649495"},
      {0, 10,          "0"},
      {220, 1e15,      "269500000000000"},
      {220, 1e15 + 10, "269500000000003"},  // V × I first, then over d²
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(shown(inducedVoltage(c.volts, c.amps, d)), c.induced) << c.volts << " V " << c.amps;
  EXPECT_EQ(shown(inducedVoltage(220, 20, d) / 10), "0.539");
  EXPECT_EQ(shown(farEndVoltage(10)), "1");
  EXPECT_EQ(shown(farEndVoltage(2.41)), "0.241");
  EXPECT_EQ(shown(farEndVoltage(1e15)), "100000000000000");
}

TEST(Simula1Model, FieldRingsStopAtTheCurrentAndAtTheSurface) {
  struct Case {
    double amps;
    size_t count;
    double last;
  };
  // clang-format off
  const Case cases[] = {
      {10,    10,  480},   // 120 ... 480 < 500
      {20,    22,  960},
      {2.4,   0,   0},     // the first ring, 120, is not below 120
      {2.41,  1,   120},
      {0,     0,   0},
      {-5,    0,   0},
      {1e15,  209, 8440},  // the farthest corner is hypot(8000, 2700) = 8443.3 away, plus 15
      {1e300, 209, 8440},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::vector<double> r = fieldRings(c.amps);
    ASSERT_EQ(r.size(), c.count) << c.amps;
    if (c.count) {
      EXPECT_EQ(r.back(), c.last) << c.amps;
    }
  }
}

}  // namespace
}  // namespace fv::simula1
