// The arithmetic of the three-phase window: the samples of the phase voltages
// and currents of each component, the power read-outs and the resultant sums.
// Samples are twips from a plot's axis (5 twips a volt, 20 an ampere). Every
// function keeps the order of operations the window has always used: the
// drawings and read-outs depend on it to the last bit.
#pragma once

#include <array>
#include <optional>

#include "core/angles.hpp"

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

// ---- The sweeps ----
//
// Each walk gives every pass of a drawing to `visit`, which draws and pauses,
// and returns the number of passes. Where a window reads its fields inside a
// sweep, the walk asks `supply` for them once, at the pass where they were
// first read: a field that is not a number then stops the drawing after the
// same points.

// Where the curves start, and the axes of the upper and lower plots.
inline constexpr double kLeft = 1000;
inline constexpr double kUpperAxis = 2000, kLowerAxis = 3200;

// The upper plot: the loop value t falls from `start` to 0 by 0.01 while x
// grows from kLeft by `step`; visit(t, x).
template <class Visit>
int upperSweep(double start, double step, Visit&& visit) {
  int passes = 0;
  double x = kLeft;
  for (double t = start; t >= 0; t += -0.01, ++passes) {
    visit(t, x);
    x = x + step;
  }
  return passes;
}

// The fundamental's passes run over one period of 6.2832, 6 twips apart.
inline constexpr double kFundamentalStep = 6;

// The three phase voltages of the fundamental at t, on the upper axis.
Phases voltagesAt(const Phases& volts, double t);

// The fundamental's currents as typed: only R takes its angle.
struct Currents {
  Phases amps;
  double degreesR;
};
// The three phase currents at t, on the upper axis.
Phases currentsAt(const Currents& c, double t);

// The fundamental's voltages from the whole volts captured: visit(x, y).
template <class Visit>
int voltageSweep(const Phases& volts, Visit&& visit) {
  return upperSweep(kPeriod, kFundamentalStep, [&](double t, double x) { visit(x, voltagesAt(volts, t)); });
}

// The voltages and then the currents of each pass: volts(x, y), currents(x, y).
// The currents' fields are read after the first pass's voltages.
template <class Supply, class Volts, class Amps>
int voltageAndCurrentSweep(const Phases& volts, Supply&& supply, Volts&& drawVolts, Amps&& drawCurrents) {
  std::optional<Currents> c;
  return upperSweep(kPeriod, kFundamentalStep, [&](double t, double x) {
    drawVolts(x, voltagesAt(volts, t));
    if (!c) c = supply();
    drawCurrents(x, currentsAt(*c, t));
  });
}

// The currents alone: visit(x, y).
template <class Visit>
int currentSweep(const Currents& c, Visit&& visit) {
  return upperSweep(kPeriod, kFundamentalStep, [&](double t, double x) { visit(x, currentsAt(c, t)); });
}

// The fields the power read-outs are worked from, as typed (the voltages not
// rounded to whole volts).
struct PowerFields {
  Phases amps, volts, degrees;
};
// The three powers of each phase.
struct PowerReadOut {
  Phases apparent, active, reactive;
};

// The fundamental's voltages with its powers: at each pass draw(x, y), then
// readOut(r) with the powers summed so far, which grow while the curves are
// drawn. The power fields are read after the first pass's points. Returns the
// last read-out.
template <class Supply, class Draw, class ReadOut>
PowerReadOut powerSweep(const Phases& volts, Supply&& supply, Draw&& draw, ReadOut&& readOut) {
  std::optional<PowerFields> f;
  Phases apparent{};
  PowerReadOut r{};
  upperSweep(kPeriod, kFundamentalStep, [&](double t, double x) {
    draw(x, voltagesAt(volts, t));
    if (!f) f = supply();
    for (Phase p : {R, S, T}) {
      apparent[p] = apparent[p] + apparentStep(f->amps[p], f->volts[p]);
      r.apparent[p] = apparent[p];
      r.active[p] = active(apparent[p], f->degrees[p]);
      r.reactive[p] = reactive(apparent[p], f->degrees[p]);
    }
    readOut(r);
  });
  return r;
}

// A harmonic component's fields as typed, per phase.
struct ComponentFields {
  Phases volts, degrees;
};
// The three phase voltages of a component at t (its own time scale), on the upper axis.
Phases componentAt(const ComponentFields& c, double t);

// A harmonic component: `order` periods of `period` over the stretch of one
// fundamental period: visit(x, y). Its fields are read at the first pass, so
// an order that draws nothing reads none.
template <class Supply, class Visit>
int componentSweep(double order, double period, Supply&& supply, Visit&& visit) {
  std::optional<ComponentFields> c;
  return upperSweep(sweepStart(order, period), sweepStep(order), [&](double t, double x) {
    if (!c) c = supply();
    visit(x, componentAt(*c, t));
  });
}

// The lower plot: t falls from one turn to 0 by 0.001 while x grows by 0.6,
// over the same stretch as the upper curves; visit(t, x).
template <class Visit>
int lowerSweep(Visit&& visit) {
  int passes = 0;
  double x = kLeft;
  for (double t = kTurn; t > -0.001; t = t - 0.001, ++passes) {
    visit(t, x);
    x = x + 0.6;
  }
  return passes;
}

// The neutral current of the components drawn, 20 twips an ampere: visit(x, y).
template <class Visit>
int neutralSweep(const Terms& currents, Visit&& visit) {
  return lowerSweep([&](double t, double x) { visit(x, neutral(resultantTerms(currents, 20, t)) + kLowerAxis); });
}

// The resultant phase voltages, 5 twips a volt: visit(x, y) with R, S and T.
template <class Visit>
int resultantSweep(const Terms& volts, Visit&& visit) {
  return lowerSweep([&](double t, double x) {
    const Components v = resultantTerms(volts, 5, t);
    visit(x, Phases{resultant(kLowerAxis, v, R), resultant(kLowerAxis, v, S), resultant(kLowerAxis, v, T)});
  });
}

}  // namespace fv::senoidet
