// The field of cable 2: rings of points around its centre, traced with one
// running angle that falls by 0.01 after every point.
#pragma once

#include <cstdint>

namespace fv::simula2 {

// Each ring is traced by a counter running from 6.3 down to 0 in steps of
// 0.01: 631 points.
inline constexpr int kPointsPerRing = 631;
// The running angle starts here, once for the whole field.
inline constexpr double kThetaStart = 4.75;
inline constexpr double kThetaStep = 0.01;

// The angle after `n` more points: exactly what n subtractions of 0.01 give,
// rounding included, without doing them one by one.
double thetaAfter(double theta, std::int64_t n);

// How far from a centre a ring can show on a surface of w x h twips: a ring
// of radius r can leave a mark only when nearest <= r <= farthest.
struct Reach {
  double nearest;
  double farthest;
};
Reach reach(double cx, double cy, double w, double h, double margin);

}  // namespace fv::simula2
