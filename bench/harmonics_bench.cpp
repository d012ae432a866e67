// Timings of the analysis arithmetic: one analysis of five components (whole
// orders, with 1.5, with a non-half order), the three phases, and the pulse
// train's partial-sum error at small and at the largest order.
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/timing.hpp"
#include "core/harmonics.hpp"

using namespace fv::harmonics;
using fv::bench::Clock;

namespace {

void time(const char* what, const std::function<double()>& run) {
  std::vector<double> t;
  double sink = 0;
  for (int k = 0; k < 200; ++k) {
    const auto t0 = Clock::now();
    sink += run();
    t.push_back(fv::bench::ms(Clock::now() - t0));
  }
  std::printf("%-44s median %.3f ms, max %.3f ms  (%g)\n", what, fv::bench::median(t), fv::bench::maxOf(t), sink);
}

}  // namespace

int main() {
  const std::vector<Component> whole = {
      {1, 311, 0, 10, -30}, {3, 60, 180, 6, 20}, {5, 40, 0, 4, 0}, {7, 20, 10, 2, 0}, {9, 10, 0, 1, 0}};
  std::vector<Component> half = whole, odd = whole;
  half[4].order = 1.5;
  odd[4].order = 2.7;
  time("analyse, five whole orders", [&] { return analyse(whole).totals.vPeak; });
  time("analyse, five orders with 1.5", [&] { return analyse(half).totals.vPeak; });
  time("analyse, five orders with 2.7", [&] { return analyse(odd).totals.vPeak; });
  time("analyseThreePhase, five orders a phase", [&] { return analyseThreePhase({whole, whole, whole}).neutralRms; });
  time("partialSumError, n = 50", [] { return partialSumError({1, 0.3}, 50).maxDeviation; });
  time("partialSumError, n = 500", [] { return partialSumError({1, 0.3}, kMaxPulseOrder).maxDeviation; });
}
