// The figures of a harmonics lesson for the waveforms typed in the single-phase,
// three-phase and pulse windows: spectrum, phasors, THD, true RMS, power
// factors, crest factor, neutral current. Textbook definitions in SI units.
// Amplitudes are PEAK values (the windows draw sin × V) and angles DEGREES.
//
// Unlike the windows, which use 3.1416 so their read-outs match the published
// ones, these are textbook values and use the real π.
//
// Bad input never throws or hangs: a component with a non-finite field or an
// order ≤ 0 is left out of every sum and list; figures that cannot be defined
// are NaN; see each function for its own bounds.
#pragma once

#include <array>
#include <vector>

namespace fv::harmonics {

constexpr double kSqrt2 = 1.4142135623730951;

// One component as a window gives it: order (1, 2, 3, 1.5, n), peak values, angles in degrees.
// The voltage is Vp·sin(h·ωt + α), the current Ip·sin(h·ωt + β).
struct Component {
  double order;
  double vPeak;
  double vAngle;
  double iPeak;
  double iAngle;
};

// One order after components of the same order were summed as phasors.
struct OrderFigures {
  double order;
  double vPeak, vRms, vAngle;  // angle in degrees, (-180, 180]
  double iPeak, iRms, iAngle;
  double p, q;    // W and var: Vrms·Irms·cos φ, Vrms·Irms·sin φ, φ = α − β
  bool harmonic;  // a whole order ≥ 2 (counts in THD); 1.5 is an inter-harmonic
};

struct Totals {
  double vRms, iRms;     // true RMS: √(Σ rms²) over every order (distinct frequencies)
  double thdV, thdI;     // √(Σ_harmonic rms²) / rms of order 1; NaN without a fundamental
  double p, s, pf, dpf;  // P = Σ p; S = Vrms·Irms; pf = P/S (NaN when S = 0); dpf = cos φ₁ (NaN without fundamental)
  double vCrest, iCrest;  // peak of the sampled waveform / true RMS (NaN when RMS = 0)
  double vPeak, iPeak;    // the sampled peaks themselves (largest |value|)
};

struct Analysis {
  std::vector<OrderFigures> orders;  // ascending
  Totals totals;
};

// Orders whose values differ by less than 1e-9 are the same order. The peaks are
// sampled over the common period: one fundamental period when every order is whole,
// two when the others are multiples of ½ (1.5), kLongSpanPeriods periods otherwise.
// The span gets kSamplesPerOrderPeriod points a period of the highest order (at least
// kMinSamples, at most kMaxSamples), so a sinusoid's peak is missed by under 0.03 %;
// the best sample is then refined between its neighbours.
constexpr int kLongSpanPeriods = 20;
constexpr int kSamplesPerOrderPeriod = 128;
constexpr int kMinSamples = 4096;
constexpr int kMaxSamples = 1 << 17;
Analysis analyse(const std::vector<Component>& components);

// The waveform at ωt (radians), for crest factors and for drawing; bad components are skipped.
double voltageAt(const std::vector<Component>& c, double wt);
double currentAt(const std::vector<Component>& c, double wt);

// Three phases R, S, T. Each phase's component of order h is shifted by the textbook
// h × 120° (S lags R by h·120°, T by h·240°) on top of its typed angles.
enum class Sequence { Positive, Negative, Zero, None };  // None: not a whole order
Sequence sequenceOf(double order);                       // h mod 3: 1 → +, 2 → −, 0 → zero

struct Phasor {
  double magnitude;  // peak
  double angle;      // degrees, (-180, 180]
};

struct NeutralOrder {
  double order;
  Sequence sequence;
  Phasor current;
  double rms;
};

struct ThreePhase {
  Analysis phase[3];                  // R, S, T
  std::vector<NeutralOrder> neutral;  // per order, ascending: the phasor sum of the three currents
  double neutralRms;                  // true RMS of the neutral current
  double phaseRms;                    // true RMS of phase R's current (for the ratio)
};

// `phases[k]` are the components of phase k as typed (angles WITHOUT the h·120° shift).
// A non-whole order shifts by h·120° too (the same time delay of a third of a period).
ThreePhase analyseThreePhase(const std::array<std::vector<Component>, 3>& phases);

// Where each phase's order-h current phasor points once shifted (for the phasor diagram):
// angle β − phase·h·120°. NaN figures for a bad component or a phase outside 0..2.
Phasor shiftedCurrent(const Component& c, int phase);  // phase 0, 1, 2

// A unipolar pulse train: 0 or A, on for a fraction `duty` (0 < duty < 1) of each period.
// The pulse is centred on ωt = 0 (on while |ωt| < πD, modulo 2π), so the train is even
// and its series is A·D + Σ (2A/(hπ))·sin(hπD)·cos(hωt).
// A train with a non-finite amplitude or a duty outside (0, 1) gives NaN everywhere.
struct PulseTrain {
  double amplitude;
  double duty;
};

// Partial sums stop at this order.
constexpr int kMaxPulseOrder = 500;

double pulseMean(const PulseTrain& p);                // A·D
double pulseRms(const PulseTrain& p);                 // A·√D
double pulseCoefficient(const PulseTrain& p, int h);  // peak of order h: (2A/(hπ))·|sin(hπD)|; NaN for h < 1
double pulseThd(const PulseTrain& p);            // √(RMS² − mean² − c₁²/2) / (c₁/√2); NaN when c₁ = 0
double pulseAt(const PulseTrain& p, double wt);  // A on the pulse (edges included), 0 off it
double partialSumAt(const PulseTrain& p, int n, double wt);  // mean + Σ_{h≤n} terms; n clamped to 0..kMaxPulseOrder

// How far the partial sum up to order n is from the train: its RMS distance, by Parseval
// (√(RMS² − mean² − Σ_{h≤n} c_h²/2)), and the largest |sum − train| found by sampling
// kPartialSamples points of a period, leaving out those nearer an edge than π/(2n):
// there every sum is still crossing the jump, half of it away from the train. What is
// left is the ripple and the Gibbs overshoot, which stays about 9 % of the jump;
// NaN when every sample lies that near an edge (order 1 of a 50 % train).
// n is clamped to 1..kMaxPulseOrder.
constexpr int kPartialSamples = 16384;
struct PartialError {
  double rms;
  double maxDeviation;
};
PartialError partialSumError(const PulseTrain& p, int n);
// The same for every partial sum of order 1..n at once (element h − 1 is order h), in one
// pass over the samples: a table of n rows costs about what one row does.
std::vector<PartialError> partialSumErrors(const PulseTrain& p, int n);

}  // namespace fv::harmonics
