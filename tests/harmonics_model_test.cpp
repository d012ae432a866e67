// The analysis figures against their closed forms and against brute-force sampling.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "core/harmonics.hpp"

using namespace fv::harmonics;
namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// NaN means "must be NaN".
void expectFigure(double want, double got, double tol, const char* what) {
  if (std::isnan(want))
    EXPECT_TRUE(std::isnan(got)) << what << " = " << got;
  else
    EXPECT_NEAR(got, want, tol) << what;
}
}  // namespace

TEST(HarmonicsModel, SinglePhaseTotals) {
  struct Case {
    const char* name;
    std::vector<Component> c;
    double vRms, thdV, thdI, pf, dpf, vCrest;
  };
  const double c30 = std::cos(kPi / 6);
  const Case cases[] = {
      {"150 V with 50 V third", {{1, 150, 0, 10, 0}, {3, 50, 0, 0, 0}}, 111.803, 1.0 / 3, 0, 150.0 / 158.114, 1, kNaN},
      {"pure fundamental, 30 degrees", {{1, 100, 30, 10, 0}}, 70.711, 0, 0, c30, c30, kSqrt2},
      {"one order typed twice adds as phasors", {{1, 100, 0, 10, 0}, {1, 100, 90, 10, 90}}, 100, 0, 0, 1, 1, kSqrt2},
      {"1.5 counts in RMS, not in THD", {{1, 100, 0, 0, 0}, {1.5, 100, 0, 0, 0}}, 100, 0, kNaN, kNaN, kNaN, kNaN},
      {"no fundamental", {{3, 100, 0, 1, 0}}, 70.711, kNaN, kNaN, 1, kNaN, kSqrt2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Totals t = analyse(c.c).totals;
    expectFigure(c.vRms, t.vRms, 1e-3, "vRms");
    expectFigure(c.thdV, t.thdV, 1e-9, "thdV");
    expectFigure(c.thdI, t.thdI, 1e-9, "thdI");
    expectFigure(c.pf, t.pf, 1e-4, "pf");
    expectFigure(c.dpf, t.dpf, 1e-4, "dpf");
    if (!std::isnan(c.vCrest)) expectFigure(c.vCrest, t.vCrest, 1e-3 * c.vCrest, "vCrest");
  }
  const Analysis twice = analyse(cases[2].c);
  ASSERT_EQ(twice.orders.size(), 1u);
  EXPECT_NEAR(twice.orders[0].vPeak, 100 * kSqrt2, 1e-9);
  EXPECT_NEAR(twice.orders[0].vAngle, 45, 1e-9);
}

// The sampled peaks must match a dense brute-force scan of the waveform over its whole period.
TEST(HarmonicsModel, SampledPeaksFollowTheCommonPeriod) {
  const std::vector<std::vector<Component>> mixes = {
      {{1, 100, 0, 10, 0}, {3, 40, 180, 5, 60}, {5, 20, 30, 2, 0}},
      {{1, 100, 0, 10, 0}, {1.5, 60, 70, 8, 200}},  // its peak lies in the second period
      {{1, 100, 0, 10, 0}, {2.7, 60, 10, 8, 100}},
      {{1, 10, 0, 1, 0}, {2, 10, 0, 1, 0}, {3, 10, 0, 1, 0}, {4, 10, 0, 1, 0}, {40, 10, 0, 1, 0}},
  };
  for (const auto& m : mixes) {
    double vMax = 0, iMax = 0;
    for (int k = 0; k < 400000; ++k) {
      const double wt = 2 * kPi * kLongSpanPeriods * k / 400000;
      vMax = std::max(vMax, std::abs(voltageAt(m, wt)));
      iMax = std::max(iMax, std::abs(currentAt(m, wt)));
    }
    const Totals t = analyse(m).totals;
    EXPECT_NEAR(t.vPeak, vMax, 1e-3 * vMax);
    EXPECT_NEAR(t.iPeak, iMax, 1e-3 * iMax);
    EXPECT_NEAR(t.vCrest, t.vPeak / t.vRms, 1e-12);
  }
}

TEST(HarmonicsModel, PowerSignsFollowPhi) {
  // α, β, P, Q
  const double cases[][4] = {
      {30, 0, 433.01, 250}, {0, 30, 433.01, -250}, {150, 0, -433.01, 250}, {-165, 165, 433.01, 250}};
  for (const auto& c : cases) {
    const OrderFigures f = analyse({{1, 100, c[0], 10, c[1]}}).orders.at(0);
    EXPECT_NEAR(f.p, c[2], 0.01) << c[0] << " " << c[1];
    EXPECT_NEAR(f.q, c[3], 0.01) << c[0] << " " << c[1];
  }
}

TEST(HarmonicsModel, NeutralCurrentOfBalancedPhases) {
  const std::vector<Component> one = {{1, 100, 0, 10, -20}, {3, 20, 0, 5, 40}};
  const ThreePhase r = analyseThreePhase({one, one, one});
  ASSERT_EQ(r.neutral.size(), 2u);
  EXPECT_EQ(r.neutral[0].current.magnitude, 0);  // the fundamentals cancel exactly
  EXPECT_NEAR(r.neutral[1].current.magnitude, 15, 1e-12);
  EXPECT_NEAR(r.neutral[1].current.angle, 40, 1e-9);
  EXPECT_EQ(r.neutral[1].sequence, Sequence::Zero);
  EXPECT_NEAR(r.neutralRms, 15 / kSqrt2, 1e-9);
  const ThreePhase third = analyseThreePhase({{{{3, 0, 0, 5, 0}}, {{3, 0, 0, 5, 0}}, {{3, 0, 0, 5, 0}}}});
  EXPECT_NEAR(third.neutralRms, 3 * third.phaseRms, 1e-12);
  // S lags R by h·120°: 120 for the fundamental, 240 (= +120) for the second.
  EXPECT_NEAR(r.phase[1].orders[0].iAngle, -140, 1e-9);
  EXPECT_NEAR(shiftedCurrent({2, 0, 0, 1, 0}, 1).angle, 120, 1e-9);
  EXPECT_NEAR(shiftedCurrent({1, 0, 0, 1, 0}, 2).angle, 120, 1e-9);
  const Sequence s[] = {Sequence::Positive, Sequence::Negative, Sequence::Zero};
  for (int h = 1; h <= 9; ++h) EXPECT_EQ(sequenceOf(h), s[(h - 1) % 3]) << h;
  EXPECT_EQ(sequenceOf(1.5), Sequence::None);
}

TEST(HarmonicsModel, PulseTrainSeries) {
  const PulseTrain half{10, 0.5};
  EXPECT_NEAR(pulseCoefficient(half, 1), 20 / kPi, 1e-12);
  for (int h : {2, 4, 10}) EXPECT_NEAR(pulseCoefficient(half, h), 0, 1e-12);
  EXPECT_NEAR(pulseCoefficient(half, 3), 20 / (3 * kPi), 1e-12);
  EXPECT_NEAR(pulseThd(half), 0.4834, 1e-4);
  EXPECT_EQ(pulseAt(half, 0), 10);
  EXPECT_EQ(pulseAt(half, kPi * 0.9), 0);
  double last = 1e9;
  for (int n : {1, 3, 5, 11, 51, 201}) {
    const PartialError e = partialSumError(half, n);
    EXPECT_LT(e.rms, last) << n;
    last = e.rms;
  }
  EXPECT_NEAR(partialSumError(half, 401).maxDeviation / 10, 0.0895, 0.006);  // Gibbs
  // The Parseval distance agrees with the sampled partial sum (which checks its phase).
  const PulseTrain narrow{4, 0.3};
  double sq = 0;
  for (int k = 0; k < 100000; ++k) {
    const double x = 2 * kPi * (k + 0.5) / 100000;
    sq += std::pow(partialSumAt(narrow, 5, x) - pulseAt(narrow, x), 2) / 100000;
  }
  EXPECT_NEAR(partialSumError(narrow, 5).rms, std::sqrt(sq), 1e-3);
  // Every row of the one-pass table is the largest deviation of its own partial sum.
  const std::vector<PartialError> rows = partialSumErrors(narrow, 9);
  for (int h = 1; h <= 9; ++h) {
    double worst = 0;
    for (int k = 0; k < kPartialSamples; ++k) {
      const double x = -kPi + 2 * kPi * (k + 0.5) / kPartialSamples, edge = kPi * 0.3;
      if (std::min(std::abs(std::remainder(x - edge, 2 * kPi)), std::abs(std::remainder(x + edge, 2 * kPi))) >=
          kPi / (2 * h))
        worst = std::max(worst, std::abs(partialSumAt(narrow, h, x) - pulseAt(narrow, x)));
    }
    EXPECT_EQ(rows[size_t(h - 1)].maxDeviation, worst) << h;
  }
}

TEST(HarmonicsModel, BadInputGivesDefinedResults) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::vector<Component>> dropped = {{{kNaN, 1, 0, 1, 0}}, {{0, 1, 0, 1, 0}},    {{-1, 1, 0, 1, 0}},
                                                       {{1, inf, 0, 1, 0}},  {{1, 1, kNaN, 1, 0}}, {}};
  for (const auto& c : dropped) {
    const Analysis a = analyse(c);
    EXPECT_TRUE(a.orders.empty());
    EXPECT_EQ(a.totals.vRms, 0);
    EXPECT_TRUE(std::isnan(a.totals.thdV) && std::isnan(a.totals.pf) && std::isnan(a.totals.vCrest));
    EXPECT_EQ(voltageAt(c, 1), 0);
    EXPECT_TRUE(analyseThreePhase({c, c, c}).neutral.empty());
  }
  EXPECT_TRUE(std::isnan(analyse({{1e12, 1, 0, 1, 0}}).totals.thdV));  // an absurd order still ends
  EXPECT_TRUE(std::isnan(shiftedCurrent({1, 1, 0, 1, 0}, 3).magnitude));
  EXPECT_EQ(sequenceOf(kNaN), Sequence::None);
  for (const PulseTrain& p : {PulseTrain{1, 0}, PulseTrain{1, 1}, PulseTrain{1, kNaN}, PulseTrain{inf, 0.5}}) {
    EXPECT_TRUE(std::isnan(pulseThd(p)) && std::isnan(pulseMean(p)) && std::isnan(partialSumAt(p, 3, 0)));
    EXPECT_TRUE(std::isnan(partialSumError(p, 3).rms));
  }
  const PulseTrain ok{1, 0.25};
  EXPECT_TRUE(std::isnan(pulseCoefficient(ok, 0)));
  EXPECT_EQ(partialSumAt(ok, -5, 1), 0.25);  // no terms: the mean
  EXPECT_EQ(partialSumAt(ok, 1 << 30, 1), partialSumAt(ok, kMaxPulseOrder, 1));
  EXPECT_EQ(partialSumError(ok, -5).rms, partialSumError(ok, 1).rms);
  EXPECT_TRUE(std::isnan(pulseAt(ok, inf)));
}
