// The arithmetic of the single-phase window: the points of each component,
// their powers and the resultant. Voltages come out in twips above the axis
// (10 per volt), currents in amperes. Every function keeps the order of
// operations that gives the published read-outs; reorder nothing.
#pragma once

#include <functional>
#include <optional>

namespace fv::senoide {

// A point of a component: its voltage (twips above the axis) and its current.
struct Point {
  double v = 0;
  double i = 0;
};

// The loop of a component drawn on its own: t runs from `from` down to `to`
// by kStep while x runs right from 1000 by `dx`, so the sine is seen to start
// on the axis and rise.
struct Sweep {
  double from;
  double to;
  double dx;
};
inline constexpr double kStep = 0.01;

// The highest order of the n-th harmonic: its pause divides by 3 × n as a
// 16-bit whole number.
inline constexpr int kHighestOrder = 10922;

// ---- Components drawn on their own.

// The fundamental: one period, 6 twips a step.
Sweep fundamentalSweep();
// Its voltage, sin(t) × V × 10, apart from the current: the window draws it
// before it reads the current's angle.
double fundamentalVoltage(double t, double volts);
// Its current, sin(angle + t) × I.
double fundamentalCurrent(double t, double amps, double angle);
// Its power at a point, |v × i|; its plot shows a tenth of it.
double fundamentalPower(double v, double i);

// The second harmonic: two periods starting at the voltage angle (in
// radians), 3 twips a step. Starting there shifts the voltage once more, and
// the current's angle is added twice: sin(vAngle + t) × V × 10 and
// sin(iAngle + (iStartAngle + t)) × I, iStartAngle read before the loop.
Sweep secondSweep(double vAngle);
Point second(double t, double volts, double vAngle, double amps, double iAngle, double iStartAngle);

// The third harmonic: three periods from its voltage angle, 2 twips a step.
// Its angles (in radians) are converted into radians once more in the sine:
// sin(t + radians(a)) × V × 10 and sin((t + b) + radians(b)) × I.
Sweep thirdSweep(double vAngle);
Point third(double t, double volts, double vAngle, double amps, double iAngle);

// The inter-harmonic of order 1.5: one and a half periods over the
// fundamental's width. sin(t) × V × 10 and sin(angle + t) × I.
Sweep interSweep();
Point inter(double t, double volts, double amps, double angle);

// The harmonic of order n: n periods over the fundamental's width, its
// voltage at half the scale of the others: sin(t) × (V × 5) and sin(angle + t) × I.
Sweep nthSweep(int n);
Point nth(double t, double volts, double amps, double angle);

// The power of a harmonic at a point, as plotted and summed: |i × v| / 10.
double harmonicPower(Point p);

// The read-out of a component: the sum of its powers over 10000.
double powerReadout(double sum);

// ---- The resultant, sampled by t from 6.28 down by 0.001.

// Each component as the resultant takes it at t, angles in radians: a
// component of order h is sin(vAngle + h × t) × 10 × V and
// sin(iAngle + h × t) × I. Only the second and third have a voltage angle.
Point resultantFundamental(double t, double volts, double amps, double iAngle);
// The second multiplies its voltage in the other order: sin(vAngle + 2t) × V × 10.
Point resultantSecond(double t, double volts, double vAngle, double amps, double iAngle);
Point resultantThird(double t, double volts, double vAngle, double amps, double iAngle);
Point resultantInter(double t, double volts, double amps, double iAngle);
// The n-th harmonic, its voltage at 10 twips per volt like the others (drawn at 5).
Point resultantNth(double t, double n, double volts, double amps, double iAngle);

// The components at one point; a component not drawn since the last
// resultant stays 0.
struct Components {
  Point fundamental, second, third, inter, nth;
};

// The resultant at one point: the voltages summed, the currents summed five
// times each, and the power |weighted currents × voltage|, each current
// weighted by its order but the fundamental's, by 10.
struct Resultant {
  double volts;
  double amps;
  double power;
};
// `n` is the order of the n-th harmonic, its weight.
Resultant resultant(const Components& c, double n);

// The resultant's read-out: the sum of its powers over 1000000.
double resultantReadout(double sum);

// ---- Walks. Each runs a sweep and hands every point, in drawing order, to
// `plot`, which draws and pauses; the walk returns the read-out. Every sweep
// starts at x = 1000.

// A point of a component drawn on its own: x, the voltage (twips above the
// axis) and the power as plotted (twips above the axis).
using PlotComponent = std::function<void(double x, double volts, double power)>;

// The fundamental (angle in radians): 629 points from t = 6.28, x by 6. It
// plots a tenth of |v × i| but sums the whole.
double walkFundamental(double volts, double amps, double angle, const PlotComponent& plot);
// The four harmonics (angles in radians, as each takes them above), which
// plot and sum harmonicPower().
double walkSecond(double volts, double vAngle, double amps, double iAngle, const PlotComponent& plot);
double walkThird(double volts, double vAngle, double amps, double iAngle, const PlotComponent& plot);
double walkInter(double volts, double amps, double angle, const PlotComponent& plot);
// Order n >= 1.
double walkNth(int n, double volts, double amps, double angle, const PlotComponent& plot);

// A component as the resultant takes it, angles in radians (the fundamental,
// the inter-harmonic and the n-th have no voltage angle).
struct Wave {
  double volts = 0, vAngle = 0, amps = 0, iAngle = 0;
};
// The components drawn since the last resultant; those left out count 0.
// `n` is the order of the n-th harmonic and its weight, taken even when the
// n-th is left out.
struct Drawn {
  std::optional<Wave> fundamental, second, third, inter, nth;
  double n = 0;
};
// The resultant: t from 6.28 down by 0.001 while t > -0.00001 (6281 points),
// x by 0.6. `plot` gets the read-out so far with each point, since the window
// shows it growing.
using PlotResultant = std::function<void(double x, const Resultant& r, double readout)>;
double walkResultant(const Drawn& d, const PlotResultant& plot);

}  // namespace fv::senoide
