#include "senoidet/model.hpp"

#include <cmath>

#include "core/angles.hpp"

namespace fv::senoidet {

namespace {

// The lags of the phase currents S and T.
constexpr Phases kCurrentLag{0, 6.2832 / 3, 12.5664 / 3};

}  // namespace

double fundamentalVolts(Phase p, double volts, double t) { return 5 * volts * std::sin(t - kLag[p]); }

double componentVolts(Phase p, double volts, double degrees, double t) {
  return 5 * volts * std::sin((t - kLag[p]) + radians(degrees));
}

double currentR(double amps, double degrees, double t) { return 20 * (amps * std::sin(t + radians(degrees))); }

double currentLagging(Phase p, double amps, double t) { return 20 * (amps * std::sin(t - kCurrentLag[p])); }

Phases voltagesAt(const Phases& volts, double t) {
  Phases y;
  for (Phase p : {R, S, T}) y[p] = fundamentalVolts(p, volts[p], t) + kUpperAxis;
  return y;
}

Phases currentsAt(const Currents& c, double t) {
  return {currentR(c.amps[R], c.degreesR, t) + kUpperAxis, currentLagging(S, c.amps[S], t) + kUpperAxis,
          currentLagging(T, c.amps[T], t) + kUpperAxis};
}

Phases componentAt(const ComponentFields& c, double t) {
  Phases y;
  for (Phase p : {R, S, T}) y[p] = kUpperAxis + componentVolts(p, c.volts[p], c.degrees[p], t);
  return y;
}

double apparentStep(double amps, double volts) { return amps * volts / 100000; }

double active(double apparent, double degrees) { return apparent * std::cos(radians(degrees)); }

double reactive(double apparent, double degrees) { return apparent * std::sin(radians(degrees)); }

double resultantTerm(Phase p, double scale, double amplitude, double order, double degrees, double t) {
  return scale * amplitude * std::sin(order * (t - kLag[p]) + radians(degrees));
}

Components resultantTerms(const Terms& terms, double scale, double t) {
  Components v{};
  for (std::size_t k = 0; k < terms.size(); ++k)
    if (const auto& c = terms[k])
      for (Phase p : {R, S, T}) v[k][p] = resultantTerm(p, scale, c->amplitude[p], c->order, c->degrees[p], t);
  return v;
}

double neutral(const Components& i) {
  return (i[0][T] + i[1][T] + i[2][T] + i[3][T] + i[4][T]) + (i[0][S] + i[1][S] + i[2][S] + i[3][S] + i[4][S]) +
         (i[0][R] + i[1][R] + i[2][R] + i[3][R] + i[4][R]);
}

double resultant(double y0, const Components& v, Phase p) {
  return y0 + v[0][p] + v[1][p] + v[2][p] + v[3][p] + v[4][p];
}

}  // namespace fv::senoidet
