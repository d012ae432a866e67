// The arithmetic of the three-phase window: the samples of the phase voltages
// and currents of each component, the power read-outs and the resultant sums.
// Samples are twips from a plot's axis (5 twips a volt, 20 an ampere). Every
// function keeps the order of operations the window has always used: the
// drawings and read-outs depend on it to the last bit.
#pragma once

#include <array>
#include <optional>

namespace fv::senoidet {

enum Phase { R, S, T };

// One value per phase, R, S, T.
using Phases = std::array<double, 3>;

// The components of the window, in this order.
enum ComponentId { Fundamental, Second, Third, Inter, Nth };

// One set of phase values per component; 0 for one not drawn.
using Components = std::array<Phases, 5>;

// How far the loop value of S and T runs behind R's: about a third and two
// thirds of a period of 6.3.
inline constexpr Phases kLag{0, 2.1, 4.2};

// The drawings of the fundamental: one period, the loop value falling from
// here to 0 by 0.01.
inline constexpr double kPeriod = 6.2832;

// The highest order the N-th harmonic button draws (a 12 s animation):
// higher orders only fill a solid band, and very high ones would keep the
// window busy for hours.
inline constexpr double kMaxOrder = 50;

// ---- The upper plot ----

// The fundamental voltage of a phase, from its whole volts as captured; the
// angle fields do not enter: 5 · volts · sin(t − lag).
double fundamentalVolts(Phase p, double volts, double t);

// A phase of a harmonic component, t on the component's own time scale (so
// that its lag is a third of its own period): 5 · volts · sin((t − lag) + angle).
double componentVolts(Phase p, double volts, double degrees, double t);

// The current of phase R: 20 · (amps · sin(t + angle)).
double currentR(double amps, double degrees, double t);
// The current of phase S or T, which lag a third and two thirds of 6.2832
// whatever their angle fields say: 20 · (amps · sin(t − lag)).
double currentLagging(Phase p, double amps, double t);

// Where the loop value of a component's curves starts: `order` periods of
// `period` (6.28 for the fixed orders, 6.3 for the N-th). The x of a pass
// then advances 6 / order twips, so that every component spans the stretch
// of one fundamental period.
constexpr double sweepStart(double order, double period) { return order * period; }
constexpr double sweepStep(double order) { return 6 / order; }

// ---- The power read-outs ----

// What one pass of the fundamental adds to a phase's apparent power:
// amps · volts / 100000. The read-outs grow while the curves are drawn.
double apparentStep(double amps, double volts);
// The active and reactive parts of an apparent power: S · cos, S · sin of the angle.
double active(double apparent, double degrees);
double reactive(double apparent, double degrees);

// ---- The resultants (lower plot) ----

// A phase of a component in the resultants: scale · amplitude ·
// sin(order · (t − lag) + angle). Here, unlike the upper plot, the order
// multiplies the lag. The fundamental is order 1.
double resultantTerm(Phase p, double scale, double amplitude, double order, double degrees, double t);

// A component as the resultants take it, its fields read once before the
// sweep: its order and, per phase, its amplitude (volts or amps) and angle.
struct Term {
  double order;
  Phases amplitude;
  Phases degrees;
};

// The components that enter the resultants, by ComponentId; none for one not drawn.
using Terms = std::array<std::optional<Term>, 5>;

// The phases of every component at loop value t, each by resultantTerm; 0 for
// a component not drawn.
Components resultantTerms(const Terms& terms, double scale, double t);

// The neutral current, the sum of every phase of every component: the
// components of T are added first, then those of S, then those of R.
double neutral(const Components& i);

// The y of a phase's resultant: y0, then each component added in turn.
double resultant(double y0, const Components& v, Phase p);

}  // namespace fv::senoidet
