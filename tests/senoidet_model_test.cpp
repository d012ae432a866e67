// The three-phase window's arithmetic: samples worked out by hand (with the
// program's pi of 3.1416, so to a few decimals), the read-outs and drawings
// the window publishes, and the order of its sums.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "senoidet/model.hpp"

namespace fv::senoidet {
namespace {

constexpr double kQuarter = 3.1416 / 2;

TEST(SenoideTModel, SamplesOfThePhasesWithTheirAngles) {
  struct Case {
    const char* what;
    double got, want;
  };
  // clang-format off
  const Case cases[] = {
      {"fundamental R starts on the axis",          fundamentalVolts(R, 300, kPeriod), 0},
      {"fundamental S, 5 twips a volt",             fundamentalVolts(S, 300, 2.1 + kQuarter), 1500},
      {"fundamental T",                             fundamentalVolts(T, 300, 4.2 - kQuarter), -1500},
      {"2nd R at 90 degrees",                       componentVolts(R, 40, 90, 0), 200},
      {"2nd S at 90: its own lag, not doubled",     componentVolts(S, 40, 90, 2.1), 200},
      {"3rd T at -30",                              componentVolts(T, 50, -30, 4.2 + 3.1416 / 6), 0},
      {"inter R at 45",                             componentVolts(R, 60, 45, 0), 300 * std::sqrt(0.5)},
      {"N-th T at 180",                             componentVolts(T, 70, 180, 4.2 + kQuarter), -350},
      {"current R takes its angle, 20 twips an A",  currentR(15, 90, 0), 300},
      {"current S lags a third of 6.2832",          currentLagging(S, 15, 6.2832 / 3 + kQuarter), 300},
      {"current T lags two thirds",                 currentLagging(T, 5, 12.5664 / 3 - kQuarter), -100},
      {"resultant, fundamental S at 45",            resultantTerm(S, 5, 300, 1, 45, 2.1), 1500 * std::sqrt(0.5)},
      {"resultant, 2nd S: the order scales t-lag",  resultantTerm(S, 5, 40, 2, 0, 2.1 + 3.1416 / 4), 200},
      {"resultant, 3rd T at 30",                    resultantTerm(T, 20, 5, 3, 30, 4.2), 50},
      {"resultant, inter R at -90",                 resultantTerm(R, 20, 5, 1.5, -90, 0), -100},
      {"resultant, N-th (6) R at 90",               resultantTerm(R, 5, 70, 6, 90, 3.1416 / 3), 350},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_NEAR(c.got, c.want, 0.03) << c.what;
}

// A read-out as the window writes it, to a tenth.
double tenths(double x) { return std::round(x * 10) / 10; }

// The fundamental's read-outs after its 629 passes (the figures the window
// shows and its help page quotes), worked from the fields as typed while the
// curves take the whole volts.
TEST(SenoideTModel, PowerSweep) {
  struct Case {
    double amps, volts, degrees;
    double apparent, active, reactive;
  };
  const Case cases[] = {
      {15, 300, 30, 28.3, 24.5, 14.2},  //
      {15, 300, 60, 28.3, 14.2, 24.5},  //
      {15, 300.5, 0, 28.4, 28.4, 0},    //
      {15, 300, -90, 28.3, 0, -28.3},   //
      {5, 40, 180, 1.3, -1.3, 0},       //
  };
  for (const Case& c : cases) {
    int readOuts = 0;
    const Phases a{c.amps, c.amps, c.amps}, v{c.volts, c.volts, c.volts}, g{c.degrees, c.degrees, c.degrees};
    const PowerReadOut r = powerSweep(
        Phases{300, 300, 300},
        [&] {
          return PowerFields{a, v, g};
        },
        [](double, const Phases&) {}, [&](const PowerReadOut&) { ++readOuts; });
    EXPECT_EQ(readOuts, 629);
    EXPECT_EQ(tenths(r.apparent[S]), c.apparent) << c.degrees;
    EXPECT_EQ(tenths(r.active[T]), c.active) << c.degrees;
    EXPECT_EQ(tenths(r.reactive[R]), c.reactive) << c.degrees;
  }
}

// Each sweep's passes and phase R's first and last point: every curve spans
// the stretch of one fundamental period (x from 1000 to about 4768). The
// harmonics start a little off the axis: order × 6.28 falls short of whole periods.
TEST(SenoideTModel, Sweeps) {
  struct Walked {
    int passes = 0, visits = 0;
    double lastX = 0, firstY = 0;
    void operator()(double x, const Phases& y) {
      if (visits++ == 0) firstY = y[R];
      lastX = x;
    }
  };
  auto walk = [](auto&& sweep) {
    Walked w;
    w.passes = sweep([&](double x, const auto& y) {
      if constexpr (std::is_same_v<std::decay_t<decltype(y)>, double>)
        w(x, {y, y, y});
      else
        w(x, y);
    });
    return w;
  };
  const auto fields = [] { return ComponentFields{{50, 50, 50}, {}}; };
  auto component = [&](double order, double period) {
    return walk([&](auto&& v) { return componentSweep(order, period, fields, v); });
  };
  Terms third;
  third[Third] = Term{3, {5, 5, 5}, {0, 0, 0}};
  struct Case {
    const char* what;
    Walked w;
    int passes;
    double lastX, firstY;
  };
  // clang-format off
  const Case cases[] = {
      {"voltages: R starts on the axis", walk([](auto&& v) { return voltageSweep({300, 300, 300}, v); }),       629,  4768, 2000},
      {"currents: R at 90 degrees",      walk([](auto&& v) { return currentSweep({{15, 15, 15}, 90}, v); }),    629,  4768, 2300},
      {"2nd",                            component(2, kTurn),                                                  1257, 4768, 1998.4},
      {"3rd",                            component(3, kTurn),                                                  1884, 4766, 1997.6},
      {"inter",                          component(1.5, kTurn),                                                943,  4768, 2001.2},
      {"6th, on a period of 6.3",        component(6, 6.3),                                                    3780, 4779, 2025.2},
      {"a negative order draws nothing", component(-3, 6.3),                                                   0,    0,    0},
      {"neutral: the 3rd's phases add",  walk([&](auto&& v) { return neutralSweep(third, v); }),               6281, 4768, 3192.1},
      {"resultant: the 3rd alone",       walk([&](auto&& v) { return resultantSweep(third, v); }),             6281, 4768, 3199.8},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_EQ(c.w.passes, c.passes) << c.what;
    EXPECT_EQ(c.w.visits, c.passes) << c.what;
    EXPECT_NEAR(c.w.lastX, c.lastX, 0.01) << c.what;
    EXPECT_NEAR(c.w.firstY, c.firstY, 0.05) << c.what;
  }
}

// Fields read inside a sweep are read once, where the first pass needs them:
// the powers' and the currents' after the first voltages are drawn (so a bad
// field stops the drawing after them); a component's only if it has a pass.
TEST(SenoideTModel, FieldsAreReadOnceWhereTheFirstPassNeedsThem) {
  int drawn = 0, reads = 0, drawnWhenRead = -1;
  const auto count = [&](double, const Phases&) { ++drawn; };
  const auto read = [&](auto fields) { return [&, fields] { return ++reads, drawnWhenRead = drawn, fields; }; };
  powerSweep(Phases{}, read(PowerFields{}), count, [](const PowerReadOut&) {});
  EXPECT_EQ(drawnWhenRead, 1);
  drawn = 0;
  voltageAndCurrentSweep(Phases{}, read(Currents{}), count, [](double, const Phases&) {});
  EXPECT_EQ(drawnWhenRead, 1);
  EXPECT_EQ(drawn, 629);
  componentSweep(-1, kTurn, read(ComponentFields{}), count);
  EXPECT_EQ(reads, 2);
}

// The largest neutral current of one component drawn alone, its three phases
// of `amps` at the given angles.
double neutralPeak(ComponentId k, double order, double amps, Phases degrees) {
  Terms terms;
  terms[k] = Term{order, {amps, amps, amps}, degrees};
  double peak = 0;
  neutralSweep(terms, [&](double, double y) { peak = std::max(peak, std::fabs(y - kLowerAxis)); });
  return peak;
}

TEST(SenoideTModel, NeutralCurrent) {
  struct Case {
    const char* what;
    double peak, low, high;
  };
  // clang-format off
  const Case cases[] = {
      {"fundamental nearly cancels: 300 · 0.0097", neutralPeak(Fundamental, 1, 15, {0, 0, 0}), 2, 4},
      {"2nd nearly cancels",                       neutralPeak(Second, 2, 5, {0, 0, 0}), 1, 3},
      {"3rd spread by its angles cancels",         neutralPeak(Third, 3, 5, {0, 120, 240}), 2, 4},
      {"inter: S cancels R, T is left",            neutralPeak(Inter, 1.5, 5, {0, 0, 0}), 95, 101},
      {"fundamental with S and T turned back",     neutralPeak(Fundamental, 1, 15, {0, 120, 240}), 895, 901},
  };
  // clang-format on
  for (const Case& c : cases) {
    EXPECT_GE(c.peak, c.low) << c.what;
    EXPECT_LE(c.peak, c.high) << c.what;
  }
}

// The sums add in a fixed order, which the drawings keep to the last bit:
// the neutral adds the T's, then the S's, then the R's; a resultant starts from y0.
TEST(SenoideTModel, OrderOfTheSums) {
  Components v{};
  v[Fundamental][R] = 1e16;
  v[Fundamental][T] = 1;
  v[Second][T] = 1;
  EXPECT_EQ(neutral(v), 1e16 + 2);
  v[Fundamental][R] = 1;
  v[Second][R] = 1;
  EXPECT_EQ(resultant(1e16, v, R), 1e16);
}

}  // namespace
}  // namespace fv::senoidet
