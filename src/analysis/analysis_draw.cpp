// The analysis window's pictures: the spectrum as bars, and the phasors (or,
// for a pulse train, the train and its partial sum). Lines are drawn three
// abreast and labels large, to be read on a projector.
#include <QRect>
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "analysis/analysis.hpp"

namespace fv {

using namespace harmonics;

namespace {

constexpr double kPi = std::numbers::pi;
// One pixel at zoom 1.
constexpr double kPx = 15;

// A line three pixels thick (at zoom 1; the pen grows with the zoom).
void thickLine(Surface& s, double x1, double y1, double x2, double y2, Color c) {
  const double len = std::hypot(x2 - x1, y2 - y1);
  const double nx = len > 0 ? -(y2 - y1) / len * kPx : 0, ny = len > 0 ? (x2 - x1) / len * kPx : 0;
  for (int k = -1; k <= 1; ++k) s.line(x1 + k * nx, y1 + k * ny, x2 + k * nx, y2 + k * ny, c);
}

void letter(Surface& s, double x, double y, const QString& text, Color c) {
  s.setForeColor(c);
  s.setCurrent(x, y);
  s.print(text);
}

// A filled bar from the bottom line up to `top`.
void bar(Surface& s, double left, double width, double bottom, double top, Color c) {
  for (double x = left; x < left + width; x += kPx) s.line(x, bottom, x, top, c);
}

}  // namespace

void AnalysisWindow::drawSpectrum(const std::vector<Bar>& bars, bool currents) {
  Surface& s = spectrum_;
  s.setFontSpec(font::bold96);
  constexpr double kW = 6120, left = 720, right = 120, top = 420, bottom = 3660 - 480;
  double most = 100;
  for (const Bar& b : bars) {
    if (std::isfinite(b.v)) most = std::max(most, b.v);
    if (currents && std::isfinite(b.i)) most = std::max(most, b.i);
  }
  const double full = std::ceil(most / 25) * 25;
  const auto y = [&](double pct) { return bottom - (bottom - top) * std::min(pct, full) / full; };
  // The scale: a row every quarter of the full height, labelled in %.
  for (int k = 0; k <= 4; ++k) {
    const double pct = full * k / 4;
    s.line(left, y(pct), kW - right, y(pct), k == 0 ? pal::black : pal::gridGrey);
    letter(s, 60, y(pct) - 120, QString::number(int(pct)) + QLatin1Char('%'), pal::black);
  }
  letter(s, left, 60, tx(QStringLiteral("Analysis.spectrum.v")), pal::blue);
  if (currents) letter(s, left + 2400, 60, tx(QStringLiteral("Analysis.spectrum.i")), pal::red);
  if (bars.empty()) return;
  const double slot = (kW - right - left) / double(bars.size());
  const double width = std::min(360.0, slot * (currents ? 0.38 : 0.7));
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const double mid = left + slot * (double(k) + 0.5);
    const Bar& b = bars[k];
    const double vLeft = currents ? mid - width - kPx : mid - width / 2;
    if (std::isfinite(b.v) && b.v > 0) bar(s, vLeft, width, bottom, y(b.v), pal::blue);
    if (currents && std::isfinite(b.i) && b.i > 0) bar(s, mid + kPx, width, bottom, y(b.i), pal::red);
    // Labels only where they fit: every order when few, else every few.
    const int every = std::max(1, int(std::ceil(450 / slot)));
    if (k % every == 0) letter(s, mid - 60 * b.label.size(), bottom + 60, b.label, pal::black);
  }
}

void AnalysisWindow::arrow(double x, double y, double length, double degrees, Color c, const QString& text) {
  const double a = degrees * kPi / 180;
  const double ex = x + length * std::cos(a), ty = y - length * std::sin(a);
  thickLine(phasors_, x, y, ex, ty, c);
  if (length > 200)
    for (double side : {150.0, -150.0}) {
      const double b = a + kPi + side / 180 * kPi * 0.17;
      thickLine(phasors_, ex, ty, ex + 200 * std::cos(b), ty - 200 * std::sin(b), c);
    }
  double lx = ex + 60 * std::cos(a) - 100, ly = ty - 60 * std::sin(a) - 150;
  auto taken = [&] {
    return std::any_of(labelsAt_.begin(), labelsAt_.end(),
                       [&](const QPointF& q) { return std::abs(q.x() - lx) < 420 && std::abs(q.y() - ly) < 240; });
  };
  for (int tries = 0; taken() && tries < 8; ++tries) ly += 240;
  labelsAt_.push_back({lx, ly});
  letter(phasors_, lx, ly, text, c);
}

namespace {

// The frame of a phasor diagram: two axes and the circle of the longest phasor.
void phasorFrame(Surface& s, double cx, double cy, double r) {
  s.line(cx - r - 120, cy, cx + r + 120, cy, pal::gridGrey);
  s.line(cx, cy - r - 120, cx, cy + r + 120, pal::gridGrey);
  s.circle(cx, cy, r, pal::gridGrey);
}

constexpr Color kOrderColours[] = {pal::blue, pal::red, pal::darkGreen, pal::orange, pal::violet, pal::teal};

}  // namespace

void AnalysisWindow::drawPhasors(const std::vector<Component>& components) {
  Surface& s = phasors_;
  labelsAt_.clear();
  s.setFontSpec(font::bold96);
  constexpr double cx = 3060, cy = 1980, r = 1500;
  phasorFrame(s, cx, cy, r);
  letter(s, 120, 60, tx(QStringLiteral("Analysis.phasors.single")), pal::black);
  const Analysis a = analyse(components);
  double vMax = 0, iMax = 0;
  for (const OrderFigures& o : a.orders) vMax = std::max(vMax, o.vPeak), iMax = std::max(iMax, o.iPeak);
  int k = 0;
  for (const OrderFigures& o : a.orders) {
    const Color c = kOrderColours[k++ % std::size(kOrderColours)];
    const QString h = orderText(o.order);
    if (vMax > 0 && std::isfinite(o.vPeak)) arrow(cx, cy, r * o.vPeak / vMax, o.vAngle, c, QStringLiteral("V") + h);
    // Currents at two thirds of the radius, so that V and I of one order stay apart.
    if (iMax > 0 && std::isfinite(o.iPeak))
      arrow(cx, cy, r * 0.66 * o.iPeak / iMax, o.iAngle, c, QStringLiteral("I") + h);
  }
}

void AnalysisWindow::drawThreePhasors(const AnalysisInput& in, double order) {
  Surface& s = phasors_;
  labelsAt_.clear();
  s.setFontSpec(font::bold96);
  constexpr double cx = 3060, cy = 1980, r = 1500;
  phasorFrame(s, cx, cy, r);
  letter(s, 120, 60, tx(QStringLiteral("Analysis.phasors.three")).arg(orderText(order)), pal::black);
  if (!std::isfinite(order)) return;
  // Each phase's currents of that order summed as phasors, then the neutral.
  std::complex<double> phase[3], neutral;
  bool any = false;
  for (int p = 0; p < 3; ++p)
    for (const Component& c : in.phases[p])
      if (c.order == order && std::isfinite(c.iPeak) && std::isfinite(c.iAngle)) {
        const Phasor f = shiftedCurrent(c, p);
        phase[p] += std::polar(f.magnitude, f.angle * kPi / 180);
        any = true;
      }
  if (!any) return;
  for (const auto& z : phase) neutral += z;
  double most = std::abs(neutral);
  for (const auto& z : phase) most = std::max(most, std::abs(z));
  if (!(most > 0)) return;
  static const char* const kName[] = {"R", "S", "T"};
  const Color colours[] = {pal::blue, pal::mediumGreen, pal::red};
  for (int p = 0; p < 3; ++p)
    arrow(cx, cy, r * std::abs(phase[p]) / most, std::arg(phase[p]) * 180 / kPi, colours[p], QLatin1String(kName[p]));
  arrow(cx, cy, r * std::abs(neutral) / most, std::arg(neutral) * 180 / kPi, pal::black,
        tx(QStringLiteral("Analysis.phasors.neutral")));
}

void AnalysisWindow::drawPulses(const PulseTrain& p, int n) {
  Surface& s = phasors_;
  labelsAt_.clear();
  s.setFontSpec(font::bold96);
  constexpr double left = 240, right = 6000, mid = 2100, half = 1500;
  s.line(left, mid, right, mid, pal::gridGrey);
  letter(s, 120, 60,
         tx(QStringLiteral("Analysis.phasors.pulses")).arg(n < 0 ? QStringLiteral("—") : QString::number(n)),
         pal::black);
  if (!std::isfinite(p.amplitude) || !(p.duty > 0 && p.duty < 1) || n < 0) return;
  double most = std::abs(p.amplitude) * 1.2;
  if (!(most > 0)) return;
  // Two periods, the train in black and the partial sum in red.
  const auto y = [&](double v) { return mid - half * v / most; };
  constexpr int kSteps = 1200;
  for (int pass = 0; pass < 2; ++pass) {
    const Color c = pass == 0 ? pal::black : pal::red;
    for (int k = 0; k < kSteps; ++k) {
      const double w0 = -2 * kPi + 4 * kPi * k / kSteps, w1 = -2 * kPi + 4 * kPi * (k + 1) / kSteps;
      const double v0 = pass == 0 ? pulseAt(p, w0) : partialSumAt(p, n, w0);
      const double v1 = pass == 0 ? pulseAt(p, w1) : partialSumAt(p, n, w1);
      const double x0 = left + (right - left) * k / kSteps, x1 = left + (right - left) * (k + 1) / kSteps;
      thickLine(s, x0, y(v0), x1, y(v1), c);
    }
  }
}

}  // namespace fv
