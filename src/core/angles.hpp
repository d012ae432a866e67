// Angles as the program computes them. Its π is 3.1416: the read-outs
// students compare with their textbook were worked out with it, so every
// conversion between degrees and radians goes through here.
#pragma once

namespace fv {

constexpr double kPi = 3.1416;

// One period as the windows' sweeps run it: from 6.28 down to 0 (the
// resultants sample it by 0.001, the components by 0.01).
constexpr double kTurn = 6.28;

// Multiplies first, then divides: (degrees × 3.1416) / 180.
constexpr double radians(double degrees) { return degrees * kPi / 180; }
constexpr double degrees(double radians) { return radians * 180 / kPi; }

}  // namespace fv
