#include "simula1/model.hpp"

#include <algorithm>
#include <cmath>

namespace fv::simula1 {

namespace {

// The lower surface in twips.
constexpr double kSurfaceW = 14535, kSurfaceH = 4335;

constexpr double kFirstRing = 120, kRingStep = 40;
constexpr double kTwipsPerAmp = 50;

}  // namespace

double conductorDistance() { return (kX2 - kX1) / kTwipsPerMm; }

double inducedVoltage(double volts, double amps, double mm) { return volts * amps / (mm * mm); }

double farEndVoltage(double amps) { return amps * 0.1; }

std::vector<double> fieldRings(double amps) {
  static const double outermost = std::hypot(std::max(kX2, kSurfaceW - kX2), std::max(kY, kSurfaceH - kY)) + 15;
  const double edge = kTwipsPerAmp * amps;
  std::vector<double> radii;
  for (double r = kFirstRing; r < edge && r <= outermost; r += kRingStep) radii.push_back(r);
  return radii;
}

}  // namespace fv::simula1
