// The generation window's figures: the turning generator, the voltage and
// current curves with their instantaneous power, the three powers and the
// power triangle. Twips, y down.
#pragma once

#include <array>
#include <functional>
#include <optional>

namespace fv::geracao {

struct Point {
  double x, y;
};

// Centre of the generator on its surface.
inline constexpr double kCx = 2000, kCy = 1900;

// The generator is drawn as circles every 5 twips: core, ring and rim.
struct Band {
  int from, to;  // radii, both included
};
inline constexpr Band kCore{10, 900}, kRing{900, 1200}, kRim{1200, 1300};

// The rotor mark is four points on one radius, from the rim inwards.
inline constexpr double kMarkRadii[] = {1300, 0.98 * 1300, 0.96 * 1300, 0.94 * 1300};
// The point of the mark at radius r when the rotor stands at angle a.
Point rotorMark(double a, double r);

// The grid lines of the waveform surface at 0° to 360°, where the degree
// scale under the surface names them.
inline constexpr int kDegreeLines[] = {1000, 1476, 1952, 2428, 2904, 3380, 3856, 4332, 4810};

// The voltage at time t, and the magenta trail a fifth of a radian behind it.
double voltageY(double t);
double trailY(double t);
// The current, half the voltage's swing, shifted by the phase angle fi.
double currentY(double t, double fi);
// The instantaneous power |v·i| drawn up from the power axis at 4000:
// the product is taken as 1200·sin t·600·sin(t + fi), left to right.
double powerY(double t, double fi);

// The phase angle in radians for the scroll bar's value (0 to 100).
double phaseAngle(int scrollValue);

// The three powers, in thousands, of a voltage of 1200 and a current of 600
// at angle fi; each is (1200 × 600) × factor / 1000 in that order, as the
// read-outs were worked out.
struct Powers {
  double apparent, active, reactive;
};
Powers powers(double fi);
// The power factor, cos fi.
double powerFactor(double fi);

// The power triangle: active along the base from (300, 2500), reactive
// upwards, apparent the hypotenuse. The corner where the last two meet.
inline constexpr Point kTriangleOrigin{300, 2500};
Point triangleCorner(double fi);

// One step of the turning generator, and of the curves when they are drawn.
struct Step {
  double t, x;                  // the loop value and the x of the curves
  std::array<Point, 4> mark;    // the rotor mark, from the rim inwards
  std::array<Point, 4> erased;  // the mark of ten steps before, erased
  double voltage, trail;        // y of the voltage point and of its trail
  // The curves at phase angle fi, when asked for: the current, whether the
  // phase mark shows on the axis (until the current first dips below it),
  // and the instantaneous power.
  struct Curves {
    double current;
    bool phaseMark;
    double power;
  };
  std::optional<Curves> curves;
};

// The 631 steps of the generator: t falls from 6.3 to 0 by 0.01 while the
// rotor turns clockwise from 4.75 by 0.01 radians and x grows from 1000 by
// 6; visit(step). With a phase angle, each step carries its curves. Returns
// the x after the last step.
double generatorSteps(std::optional<double> fi, const std::function<void(const Step&)>& visit);

// The pulse train of the pulse button, point by point in drawing order:
// a level line at 1100 from x 1000 to 5000, broken every 500 twips by a
// pulse 500 twips wide down to 1800. Points are half a twip apart. Returns
// the x where the train stops.
enum class PulsePart { Level, LeadingEdge, Bottom, TrailingEdge };
double pulseTrain(const std::function<void(double x, double y, PulsePart part)>& point);

}  // namespace fv::geracao
