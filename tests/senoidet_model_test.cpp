// The three-phase window's arithmetic: samples worked out by hand (with the
// program's pi of 3.1416, so to a few decimals), the read-outs and drawings
// the window publishes, and the order of its sums.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
// shows and its help page quotes).
TEST(SenoideTModel, PowerReadOuts) {
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
    double s = 0;
    for (int pass = 0; pass < 629; ++pass) s = s + apparentStep(c.amps, c.volts);
    EXPECT_EQ(tenths(s), c.apparent) << c.degrees;
    EXPECT_EQ(tenths(active(s, c.degrees)), c.active) << c.degrees;
    EXPECT_EQ(tenths(reactive(s, c.degrees)), c.reactive) << c.degrees;
  }
}

// The loop of each component's upper curves: its passes and the x of the
// last, over the stretch of one fundamental period (from 1000 to about 4768).
TEST(SenoideTModel, EveryComponentSpansOneFundamentalPeriod) {
  struct Case {
    double order, period;
    int passes;
    double lastX;
  };
  const Case cases[] = {{1, kPeriod, 629, 4768},
                        {2, 6.28, 1257, 4768},
                        {3, 6.28, 1884, 4766},
                        {1.5, 6.28, 943, 4768},
                        {6, 6.3, 3780, 4779}};
  for (const Case& c : cases) {
    int passes = 0;
    double x = 1000, last = 0;
    for (double t = sweepStart(c.order, c.period); t >= 0; t += -0.01, ++passes) {
      last = x;
      x = x + sweepStep(c.order);
    }
    EXPECT_EQ(passes, c.passes) << c.order;
    EXPECT_NEAR(last, c.lastX, 0.01) << c.order;
  }
}

// The largest neutral current of one component drawn alone, its three phases
// of `amps` at the given angles, over the resultants' loop.
double neutralPeak(ComponentId k, double order, double amps, Phases degrees) {
  Terms terms;
  terms[k] = Term{order, {amps, amps, amps}, degrees};
  double peak = 0;
  for (double t = 6.28; t > -0.001; t = t - 0.001)
    peak = std::max(peak, std::fabs(neutral(resultantTerms(terms, 20, t))));
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
      {"3rd: the three add up to 3 · 100",         neutralPeak(Third, 3, 5, {0, 0, 0}), 295, 301},
      {"3rd spread by its angles cancels",         neutralPeak(Third, 3, 5, {0, 120, 240}), 2, 4},
      {"inter: S cancels R, T is left",            neutralPeak(Inter, 1.5, 5, {0, 0, 0}), 95, 101},
      {"6th adds up like the 3rd",                 neutralPeak(Nth, 6, 5, {0, 0, 0}), 295, 301},
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
