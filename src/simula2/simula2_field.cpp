#include "simula2/simula2_field.hpp"

#include <algorithm>
#include <cmath>

namespace fv::simula2 {

double thetaAfter(double theta, std::int64_t n) {
  constexpr std::int64_t kBinade = std::int64_t(1) << 53;  // ulps in one binade
  while (n > 0) {
    if (theta > -1.0) {
      // Near zero the spacing of doubles changes quickly: step one by one.
      theta -= kThetaStep;
      --n;
      continue;
    }
    // theta <= -1 and falling: inside one binade every subtraction rounds to
    // the same whole number of ulps (0.01 is never half an ulp there), so
    // many of them can be taken at once as long as the result stays inside.
    int e = 0;
    std::frexp(-theta, &e);  // -theta in [2^(e-1), 2^e)
    const double ulp = std::ldexp(1.0, e - 53);
    const auto j = static_cast<std::int64_t>(std::nearbyint(kThetaStep / ulp));
    if (j == 0) break;  // a step no longer moves theta
    const auto m = static_cast<std::int64_t>(-theta / ulp);
    const std::int64_t room = (kBinade - 2 - j - m) / j;
    if (room <= 0) {
      theta -= kThetaStep;  // the step that crosses into the next binade
      --n;
      continue;
    }
    const std::int64_t k = std::min(room, n);
    theta = -static_cast<double>(m + k * j) * ulp;
    n -= k;
  }
  return theta;
}

Reach reach(double cx, double cy, double w, double h, double margin) {
  const double dx = std::max({0.0, -cx, cx - w});
  const double dy = std::max({0.0, -cy, cy - h});
  const double fx = std::max(std::fabs(cx), std::fabs(cx - w));
  const double fy = std::max(std::fabs(cy), std::fabs(cy - h));
  return {std::hypot(dx, dy) - margin, std::hypot(fx, fy) + margin};
}

}  // namespace fv::simula2
