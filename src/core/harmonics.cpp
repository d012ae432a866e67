#include "core/harmonics.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace fv::harmonics {

namespace {

// The textbook π, not the windows' 3.1416: these figures are checked against closed forms.
constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSameOrder = 1e-9;
using Cx = std::complex<double>;

bool usable(const Component& c) {
  return std::isfinite(c.order) && c.order > 0 && std::isfinite(c.vPeak) && std::isfinite(c.vAngle) &&
         std::isfinite(c.iPeak) && std::isfinite(c.iAngle);
}

bool whole(double order) { return std::abs(order - std::round(order)) < kSameOrder; }

// Into (-180, 180]; reducing before converting keeps 360° and 120° steps exact.
double normalDegrees(double deg) {
  double a = std::fmod(deg, 360.0);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

Cx phasor(double peak, double deg) {
  const double r = normalDegrees(deg) * kPi / 180;
  return {peak * std::cos(r), peak * std::sin(r)};
}

// A phasor sum as magnitude and angle; what is left of parts that cancel is zero.
Phasor polar(Cx sum, double partsMagnitude) {
  if (std::abs(sum) <= 1e-12 * partsMagnitude) return {0, 0};
  return {std::abs(sum), normalDegrees(std::arg(sum) * 180 / kPi)};
}

// The usable components of one order summed as phasors.
struct Bin {
  double order;
  Cx v, i;
  double vParts = 0, iParts = 0;
  int count = 0;
  Component first{};
};

std::vector<Bin> bins(const std::vector<Component>& components) {
  std::vector<Component> ok;
  for (const Component& c : components)
    if (usable(c)) ok.push_back(c);
  std::stable_sort(ok.begin(), ok.end(), [](const Component& a, const Component& b) { return a.order < b.order; });
  std::vector<Bin> out;
  for (const Component& c : ok) {
    if (out.empty() || c.order - out.back().order >= kSameOrder) out.push_back({c.order, {}, {}, 0, 0, 0, c});
    Bin& b = out.back();
    b.v += phasor(c.vPeak, c.vAngle);
    b.i += phasor(c.iPeak, c.iAngle);
    b.vParts += std::abs(c.vPeak);
    b.iParts += std::abs(c.iPeak);
    ++b.count;
  }
  return out;
}

// A lone component keeps its typed figures exactly; a sum goes through its phasor.
void peakAndAngle(const Bin& b, bool voltage, double& peak, double& angle) {
  const double p = voltage ? b.first.vPeak : b.first.iPeak;
  if (b.count == 1 && p >= 0) {
    peak = p;
    angle = normalDegrees(voltage ? b.first.vAngle : b.first.iAngle);
    return;
  }
  const Phasor f = voltage ? polar(b.v, b.vParts) : polar(b.i, b.iParts);
  peak = f.magnitude;
  angle = f.angle;
}

// The largest |Im(Σ phasor_j · e^{i h_j θ})| over θ in [0, span): n samples, the rotation of
// each order advanced by one multiplication a step, then the best sample refined.
double sampledPeak(const std::vector<Bin>& b, bool voltage, double span, int n) {
  if (b.empty()) return 0;
  const double step = span / n;
  std::vector<Cx> turn(b.size()), at(b.size());
  for (size_t j = 0; j < b.size(); ++j) {
    turn[j] = std::polar(1.0, b[j].order * step);
    at[j] = voltage ? b[j].v : b[j].i;
  }
  double best = -1;
  int bestK = 0;
  for (int k = 0; k < n; ++k) {
    double s = 0;
    for (size_t j = 0; j < b.size(); ++j) {
      s += at[j].imag();
      at[j] *= turn[j];
    }
    if (std::abs(s) > best) best = std::abs(s), bestK = k;
  }
  const auto value = [&](double t) {
    double s = 0;
    for (const Bin& x : b) s += ((voltage ? x.v : x.i) * std::polar(1.0, x.order * t)).imag();
    return std::abs(s);
  };
  // Golden section between the neighbours of the best sample, where |wave| has one maximum.
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = (bestK - 1) * step, hi = (bestK + 1) * step;
  for (int it = 0; it < 40; ++it) {
    const double a = hi - g * (hi - lo), c = lo + g * (hi - lo);
    if (value(a) < value(c))
      lo = a;
    else
      hi = c;
  }
  return std::max(best, value((lo + hi) / 2));
}

double waveAt(const std::vector<Component>& components, double wt, bool voltage) {
  double s = 0;
  for (const Component& c : components) {
    if (!usable(c)) continue;
    s += voltage ? c.vPeak * std::sin(c.order * wt + c.vAngle * kPi / 180)
                 : c.iPeak * std::sin(c.order * wt + c.iAngle * kPi / 180);
  }
  return s;
}

}  // namespace

Analysis analyse(const std::vector<Component>& components) {
  const std::vector<Bin> b = bins(components);
  Analysis a;
  double v2 = 0, i2 = 0, vh2 = 0, ih2 = 0;
  const OrderFigures* fundamental = nullptr;
  Totals& t = a.totals;
  t.p = 0;
  for (const Bin& x : b) {
    OrderFigures f{};
    f.order = x.order;
    peakAndAngle(x, true, f.vPeak, f.vAngle);
    peakAndAngle(x, false, f.iPeak, f.iAngle);
    f.vRms = f.vPeak / kSqrt2;
    f.iRms = f.iPeak / kSqrt2;
    const double phi = normalDegrees(f.vAngle - f.iAngle) * kPi / 180;
    f.p = f.vRms * f.iRms * std::cos(phi);
    f.q = f.vRms * f.iRms * std::sin(phi);
    f.harmonic = whole(x.order) && x.order > 1.5;
    v2 += f.vRms * f.vRms;
    i2 += f.iRms * f.iRms;
    if (f.harmonic) vh2 += f.vRms * f.vRms, ih2 += f.iRms * f.iRms;
    t.p += f.p;
    a.orders.push_back(f);
  }
  for (const OrderFigures& f : a.orders)
    if (std::abs(f.order - 1) < kSameOrder) fundamental = &f;

  t.vRms = std::sqrt(v2);
  t.iRms = std::sqrt(i2);
  // A fundamental of zero amplitude leaves THD as undefined as a missing one.
  t.thdV = fundamental && fundamental->vRms > 0 ? std::sqrt(vh2) / fundamental->vRms : kNaN;
  t.thdI = fundamental && fundamental->iRms > 0 ? std::sqrt(ih2) / fundamental->iRms : kNaN;
  t.s = t.vRms * t.iRms;
  t.pf = t.s > 0 ? t.p / t.s : kNaN;
  t.dpf = fundamental && fundamental->vPeak > 0 && fundamental->iPeak > 0
              ? std::cos(normalDegrees(fundamental->vAngle - fundamental->iAngle) * kPi / 180)
              : kNaN;

  // The common period: one turn for whole orders, two with halves (1.5), a long span otherwise.
  double periods = 1, highest = 0;
  for (const Bin& x : b) {
    highest = std::max(highest, x.order);
    if (!whole(x.order)) periods = std::max(periods, whole(2 * x.order) ? 2.0 : double(kLongSpanPeriods));
  }
  const double wanted = std::ceil(kSamplesPerOrderPeriod * std::min(highest, 1e6) * periods);
  const int n = int(std::clamp(wanted, double(kMinSamples), double(kMaxSamples)));
  t.vPeak = sampledPeak(b, true, 2 * kPi * periods, n);
  t.iPeak = sampledPeak(b, false, 2 * kPi * periods, n);
  t.vCrest = t.vRms > 0 ? t.vPeak / t.vRms : kNaN;
  t.iCrest = t.iRms > 0 ? t.iPeak / t.iRms : kNaN;
  return a;
}

double voltageAt(const std::vector<Component>& c, double wt) { return waveAt(c, wt, true); }
double currentAt(const std::vector<Component>& c, double wt) { return waveAt(c, wt, false); }

Sequence sequenceOf(double order) {
  if (!std::isfinite(order) || order < 1 - kSameOrder || !whole(order)) return Sequence::None;
  switch (int(std::fmod(std::round(order), 3.0))) {
    case 1:
      return Sequence::Positive;
    case 2:
      return Sequence::Negative;
    default:
      return Sequence::Zero;
  }
}

Phasor shiftedCurrent(const Component& c, int phase) {
  if (!usable(c) || phase < 0 || phase > 2) return {kNaN, kNaN};
  return polar(phasor(c.iPeak, c.iAngle - std::fmod(phase * c.order * 120, 360.0)), std::abs(c.iPeak));
}

ThreePhase analyseThreePhase(const std::array<std::vector<Component>, 3>& phases) {
  ThreePhase r;
  std::vector<Component> all;  // every phase's components with their shift, for the neutral
  for (int k = 0; k < 3; ++k) {
    std::vector<Component> shifted;
    for (Component c : phases[k]) {
      const double by = std::fmod(k * c.order * 120, 360.0);
      c.vAngle -= by;
      c.iAngle -= by;
      shifted.push_back(c);
    }
    r.phase[k] = analyse(shifted);
    all.insert(all.end(), shifted.begin(), shifted.end());
  }
  double n2 = 0;
  for (const Bin& x : bins(all)) {
    const Phasor in = polar(x.i, x.iParts);
    const double rms = in.magnitude / kSqrt2;
    r.neutral.push_back({x.order, sequenceOf(x.order), in, rms});
    n2 += rms * rms;
  }
  r.neutralRms = std::sqrt(n2);
  r.phaseRms = r.phase[0].totals.iRms;
  return r;
}

namespace {

bool usable(const PulseTrain& p) { return std::isfinite(p.amplitude) && p.duty > 0 && p.duty < 1; }

// The signed coefficient of cos(hωt) of the train centred on ωt = 0.
double cosineTerm(const PulseTrain& p, int h) { return 2 * p.amplitude / (h * kPi) * std::sin(h * kPi * p.duty); }

// mean + Σ_{h≤n} a_h cos(hx), the cosines by the recurrence cos((h+1)x) = 2cos x·cos hx − cos((h−1)x).
double seriesAt(double mean, const std::vector<double>& a, double x) {
  const double c1 = std::cos(x);
  double prev = 1, cur = c1, s = mean;
  for (size_t h = 1; h < a.size(); ++h) {
    s += a[h] * cur;
    const double next = 2 * c1 * cur - prev;
    prev = cur;
    cur = next;
  }
  return s;
}

std::vector<double> terms(const PulseTrain& p, int n) {
  std::vector<double> a(size_t(n) + 1, 0.0);
  for (int h = 1; h <= n; ++h) a[size_t(h)] = cosineTerm(p, h);
  return a;
}

}  // namespace

double pulseMean(const PulseTrain& p) { return usable(p) ? p.amplitude * p.duty : kNaN; }
double pulseRms(const PulseTrain& p) { return usable(p) ? std::abs(p.amplitude) * std::sqrt(p.duty) : kNaN; }

double pulseCoefficient(const PulseTrain& p, int h) {
  if (!usable(p) || h < 1) return kNaN;
  return std::abs(cosineTerm(p, h));
}

double pulseThd(const PulseTrain& p) {
  if (!usable(p)) return kNaN;
  const double c1 = pulseCoefficient(p, 1);
  if (!(c1 > 0)) return kNaN;
  const double m = pulseMean(p), r = pulseRms(p);
  return std::sqrt(std::max(0.0, r * r - m * m - c1 * c1 / 2)) / (c1 / kSqrt2);
}

double pulseAt(const PulseTrain& p, double wt) {
  if (!usable(p) || !std::isfinite(wt)) return kNaN;
  return std::abs(std::remainder(wt, 2 * kPi)) <= kPi * p.duty ? p.amplitude : 0;
}

double partialSumAt(const PulseTrain& p, int n, double wt) {
  if (!usable(p) || !std::isfinite(wt)) return kNaN;
  return seriesAt(pulseMean(p), terms(p, std::clamp(n, 0, kMaxPulseOrder)), std::remainder(wt, 2 * kPi));
}

PartialError partialSumError(const PulseTrain& p, int n) {
  if (!usable(p)) return {kNaN, kNaN};
  return partialSumErrors(p, n).back();
}

std::vector<PartialError> partialSumErrors(const PulseTrain& p, int n) {
  n = std::clamp(n, 1, kMaxPulseOrder);
  if (!usable(p)) return std::vector<PartialError>(size_t(n), PartialError{kNaN, kNaN});
  const std::vector<double> a = terms(p, n);
  const double m = pulseMean(p), r = pulseRms(p);
  std::vector<PartialError> e(size_t(n), PartialError{0, -1});  // -1: no sample yet
  double left = r * r - m * m;
  for (int h = 1; h <= n; ++h) {
    left -= a[size_t(h)] * a[size_t(h)] / 2;
    e[size_t(h - 1)].rms = std::sqrt(std::max(0.0, left));
  }
  const double edge = kPi * p.duty;
  for (int k = 0; k < kPartialSamples; ++k) {
    const double x = -kPi + 2 * kPi * (k + 0.5) / kPartialSamples;
    const double d = std::min(std::abs(std::remainder(x - edge, 2 * kPi)), std::abs(std::remainder(x + edge, 2 * kPi)));
    const double train = pulseAt(p, x);
    // The sums grow term by term in the order seriesAt adds them, so each row is
    // what partialSumAt gives for its order.
    const double c1 = std::cos(x);
    double prev = 1, cur = c1, s = m;
    for (int h = 1; h <= n; ++h) {
      s += a[size_t(h)] * cur;
      const double next = 2 * c1 * cur - prev;
      prev = cur;
      cur = next;
      if (d >= kPi / (2 * h))
        e[size_t(h - 1)].maxDeviation = std::max(e[size_t(h - 1)].maxDeviation, std::abs(s - train));
    }
  }
  // A sum so short that every sample lies near a jump has no deviation to show
  // (order 1 of a 50 % train): say so instead of 0.
  for (PartialError& row : e)
    if (row.maxDeviation < 0) row.maxDeviation = kNaN;
  return e;
}

}  // namespace fv::harmonics
