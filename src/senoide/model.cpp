#include "senoide/model.hpp"

#include <cmath>

#include "core/angles.hpp"

namespace fv::senoide {

Sweep fundamentalSweep() { return {kTurn, 0, 6}; }

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

// ---- Walks

namespace {

constexpr double kLeft = 1000;

// A harmonic's sweep: t by repeated addition of -kStep, x by repeated addition of dx.
template <class At>
double walkHarmonic(const Sweep& s, At at, const PlotComponent& plot) {
  double x = kLeft, S = 0;
  for (double t = s.from; t >= s.to; t += -kStep) {
    const Point pt = at(t);
    const double p = harmonicPower(pt);
    plot(x, pt.v, p);
    S = S + p;
    x = x + s.dx;
  }
  return powerReadout(S);
}

}  // namespace

double walkFundamental(double volts, double amps, double angle, const PlotComponent& plot) {
  const Sweep s = fundamentalSweep();
  double x = kLeft, S = 0;
  for (double t = s.from; t >= s.to; t += -kStep) {
    const double v = fundamentalVoltage(t, volts);
    const double p = fundamentalPower(v, fundamentalCurrent(t, amps, angle));
    plot(x, v, p / 10);
    S = S + p;
    x = x + s.dx;
  }
  return powerReadout(S);
}

// The voltage angle starts the sweep and shifts the sine; the current angle
// enters twice.
double walkSecond(double volts, double vAngle, double amps, double iAngle, const PlotComponent& plot) {
  return walkHarmonic(
      secondSweep(vAngle), [&](double t) { return second(t, volts, vAngle, amps, iAngle, iAngle); }, plot);
}

double walkThird(double volts, double vAngle, double amps, double iAngle, const PlotComponent& plot) {
  return walkHarmonic(
      thirdSweep(vAngle), [&](double t) { return third(t, volts, vAngle, amps, iAngle); }, plot);
}

double walkInter(double volts, double amps, double angle, const PlotComponent& plot) {
  return walkHarmonic(
      interSweep(), [&](double t) { return inter(t, volts, amps, angle); }, plot);
}

double walkNth(int n, double volts, double amps, double angle, const PlotComponent& plot) {
  return walkHarmonic(
      nthSweep(n), [&](double t) { return nth(t, volts, amps, angle); }, plot);
}

double walkResultant(const Drawn& d, const PlotResultant& plot) {
  double x = kLeft, t = kTurn, S = 0;
  Components c;
  while (t > -0.00001) {
    if (const auto& w = d.fundamental) c.fundamental = resultantFundamental(t, w->volts, w->amps, w->iAngle);
    if (const auto& w = d.second) c.second = resultantSecond(t, w->volts, w->vAngle, w->amps, w->iAngle);
    if (const auto& w = d.third) c.third = resultantThird(t, w->volts, w->vAngle, w->amps, w->iAngle);
    if (const auto& w = d.inter) c.inter = resultantInter(t, w->volts, w->amps, w->iAngle);
    if (const auto& w = d.nth) c.nth = resultantNth(t, d.n, w->volts, w->amps, w->iAngle);
    const Resultant r = resultant(c, d.n);
    S = S + r.power;
    plot(x, r, resultantReadout(S));
    x = x + 6.0 / 10;
    t = t - 0.001;
  }
  return resultantReadout(S);
}

}  // namespace fv::senoide
