#include "senoide/model.hpp"

#include <cmath>

#include "core/angles.hpp"

namespace fv::senoide {

Sweep fundamentalSweep() { return {6.28, 0, 6}; }

double fundamentalVoltage(double t, double volts) { return std::sin(t) * volts * 10; }

double fundamentalCurrent(double t, double amps, double angle) { return std::sin(angle + t) * amps; }

double fundamentalPower(double v, double i) { return std::fabs(v * i); }

// The loop ends at vAngle + 0, which is vAngle itself.
Sweep secondSweep(double vAngle) { return {vAngle + 12.6, vAngle + 0, 3}; }

Point second(double t, double volts, double vAngle, double amps, double iAngle, double iStartAngle) {
  return {std::sin(vAngle + t) * volts * 10, std::sin(iAngle + (iStartAngle + t)) * amps};
}

Sweep thirdSweep(double vAngle) { return {vAngle + 18.84, vAngle, 2}; }

Point third(double t, double volts, double vAngle, double amps, double iAngle) {
  return {std::sin(t + radians(vAngle)) * volts * 10, std::sin((t + iAngle) + radians(iAngle)) * amps};
}

Sweep interSweep() { return {9.42, 0, 6 / 1.5}; }

Point inter(double t, double volts, double amps, double angle) {
  return {std::sin(t) * volts * 10, std::sin(angle + t) * amps};
}

Sweep nthSweep(int n) { return {n * 6.3, 0, 6.0 / n}; }

// The voltage's scale, V × 5, is worked out before the sine multiplies it.
Point nth(double t, double volts, double amps, double angle) {
  return {std::sin(t) * (volts * 5.0), std::sin(angle + t) * amps};
}

double harmonicPower(Point p) { return std::fabs(p.i * p.v) / 10; }

double powerReadout(double sum) { return sum / 10000; }

namespace {

// A component of order h. With no voltage angle, 0 + h × t is h × t itself:
// the fundamental is sin(t) × 10 × V.
Point component(double t, double order, double volts, double vAngle, double amps, double iAngle) {
  return {std::sin(vAngle + order * t) * 10 * volts, std::sin(iAngle + order * t) * amps};
}

}  // namespace

Point resultantFundamental(double t, double volts, double amps, double iAngle) {
  return component(t, 1, volts, 0, amps, iAngle);
}

Point resultantSecond(double t, double volts, double vAngle, double amps, double iAngle) {
  return {std::sin(vAngle + 2 * t) * volts * 10, std::sin(iAngle + 2 * t) * amps};
}

Point resultantThird(double t, double volts, double vAngle, double amps, double iAngle) {
  return component(t, 3, volts, vAngle, amps, iAngle);
}

Point resultantInter(double t, double volts, double amps, double iAngle) {
  return component(t, 1.5, volts, 0, amps, iAngle);
}

Point resultantNth(double t, double n, double volts, double amps, double iAngle) {
  return component(t, n, volts, 0, amps, iAngle);
}

// The sums run in these orders; the fundamental's current weighs 10.
Resultant resultant(const Components& c, double n) {
  const double volts = c.nth.v + c.inter.v + c.third.v + c.second.v + c.fundamental.v;
  const double amps = 5 * c.fundamental.i + 5 * c.second.i + 5 * c.third.i + 5 * c.inter.i + 5 * c.nth.i;
  const double weighted = 10 * c.fundamental.i + 2 * c.second.i + 3 * c.third.i + 1.5 * c.inter.i + n * c.nth.i;
  return {volts, amps, std::fabs(weighted * volts)};
}

double resultantReadout(double sum) { return sum / 1000000; }

}  // namespace fv::senoide
