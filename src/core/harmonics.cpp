#include "core/harmonics.hpp"

#include <limits>

namespace fv::harmonics {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

Analysis analyse(const std::vector<Component>&) { return {}; }
double voltageAt(const std::vector<Component>&, double) { return kNaN; }
double currentAt(const std::vector<Component>&, double) { return kNaN; }
Sequence sequenceOf(double) { return Sequence::None; }
ThreePhase analyseThreePhase(const std::array<std::vector<Component>, 3>&) { return {}; }
Phasor shiftedCurrent(const Component&, int) { return {kNaN, kNaN}; }
double pulseMean(const PulseTrain&) { return kNaN; }
double pulseRms(const PulseTrain&) { return kNaN; }
double pulseCoefficient(const PulseTrain&, int) { return kNaN; }
double pulseThd(const PulseTrain&) { return kNaN; }
double pulseAt(const PulseTrain&, double) { return kNaN; }
double partialSumAt(const PulseTrain&, int, double) { return kNaN; }
PartialError partialSumError(const PulseTrain&, int) { return {kNaN, kNaN}; }

}  // namespace fv::harmonics
