#include "simula1/model.hpp"

#include <algorithm>
#include <cmath>

namespace fv::simula1 {

namespace {

// The lower surface in twips.
constexpr double kSurfaceW = 14535, kSurfaceH = 4335;

}  // namespace

double conductorDistance() { return (kX2 - kX1) / kTwipsPerMm; }

double inducedVoltage(double volts, double amps, double mm) { return volts * amps / (mm * mm); }

double farEndVoltage(double amps) { return amps * 0.1; }

Phase1 phase1(double volts, double amps) {
  const double d = conductorDistance();
  return {d, inducedVoltage(volts, amps, d), farEndVoltage(amps)};
}

Phase3 phase3(double volts, double amps, double earthAmps) {
  const double d = conductorDistance();
  return {inducedVoltage(volts, amps + earthAmps, d) / 10, inducedVoltage(volts, amps + earthAmps, d)};
}

double outermostRing() {
  static const double r = std::hypot(std::max(kX2, kSurfaceW - kX2), std::max(kY, kSurfaceH - kY)) + 15;
  return r;
}

}  // namespace fv::simula1
