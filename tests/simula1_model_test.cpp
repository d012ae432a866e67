// Simulation 1's arithmetic against the read-outs the window publishes, and
// its field rings.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

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
  const Phase3 earthed = phase3(220, 10, 10);  // 10 A on the earth bar
  EXPECT_EQ(shown(earthed.tenth), "0.539");
  EXPECT_EQ(shown(earthed.induced), "5.39");
  EXPECT_EQ(shown(farEndVoltage(10)), "1");
  EXPECT_EQ(shown(farEndVoltage(2.41)), "0.241");
  EXPECT_EQ(shown(farEndVoltage(1e15)), "100000000000000");
}

using P = std::pair<double, double>;

// Each walk of the drawings: how many points or circle centres it gives,
// the first and the last.
TEST(Simula1Model, WalksOfTheDrawings) {
  struct Case {
    const char* what;
    std::function<int(std::function<void(double, double)>)> walk;
    int count;
    P first, last;
  };
  auto band = [](const Band& b) { return [b](auto v) { return fill(b, v); }; };
  auto row = [](const Row& r) { return [r](auto v) { return walk(r, v); }; };
  // clang-format off
  const Case cases[] = {
      {"cable bar",         band(kCableBar),         1380 * 81, {200, 1000},   {13990, 1080}},
      {"left riser",        band(kEarthPath[0]),     192 * 81,  {500, 1080},   {580, 2990}},
      {"earth bar",         band(kEarthPath[1]),     1300 * 81, {500, 3000},   {13490, 3080}},
      {"right riser",       band(kEarthPath[2]),     200 * 81,  {13420, 3080}, {13500, 1090}},
      {"marker",            row(kMarker),            138,       {200, 950},    {13900, 950}},
      {"current down",      row(kEarthCurrent[0]),   19,        {650, 1080},   {650, 2880}},
      {"current along bar", row(kEarthCurrent[1]),   127,       {600, 2900},   {13200, 2900}},
      {"current up",        row(kEarthCurrent[2]),   19,        {13300, 2900}, {13300, 1100}},
      {"current back",      row(kEarthCurrent[3]),   127,       {13300, 1150}, {700, 1150}},
      {"current on cable",  row(kCableCurrent),      143,       {200, 950},    {14400, 950}},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::vector<P> seen;
    EXPECT_EQ(c.walk([&](double x, double y) { seen.push_back({x, y}); }), c.count) << c.what;
    ASSERT_EQ(int(seen.size()), c.count) << c.what;
    EXPECT_EQ(seen.front(), c.first) << c.what;
    EXPECT_EQ(seen.back(), c.last) << c.what;
  }
  std::vector<std::pair<int, double>> discs;  // the first conductor's 30 circles, then the second's
  EXPECT_EQ(conductors([&](int k, double x, double, double r) { discs.push_back({k, x + r}); }), 60);
  EXPECT_EQ(discs[29], std::pair(0, 7000.0 + 97));
}

TEST(Simula1Model, FieldRingsStopAtTheCurrentAndAtTheSurface) {
  struct Case {
    double amps;
    int count;
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
    double last = 0;
    EXPECT_EQ(fieldRings(c.amps, [&](double r) { last = r; }), c.count) << c.amps;
    EXPECT_EQ(last, c.last) << c.amps;
  }
}

}  // namespace
}  // namespace fv::simula1
