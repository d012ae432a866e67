#include "geracao/model.hpp"

#include <cmath>

namespace fv::geracao {

Point rotorMark(double a, double r) { return {kCx + r * std::sin(a), kCy + r * std::cos(a)}; }

double voltageY(double t) { return 2000 + 1200 * std::sin(t); }
double trailY(double t) { return 2000 + 1200 * std::sin(t + 0.2); }
double currentY(double t, double fi) { return 2000 + 600 * std::sin(t + fi); }
double powerY(double t, double fi) { return 4000 - std::abs(1200 * std::sin(t) * 600 * std::sin(t + fi)) / 400; }

double phaseAngle(int scrollValue) { return scrollValue / 100.0; }

Powers powers(double fi) {
  constexpr double va = 1200.0 * 600;
  return {va * 1 / 1000, va * std::cos(fi) / 1000, va * std::sin(fi) / 1000};
}

double powerFactor(double fi) { return std::cos(fi); }

Point triangleCorner(double fi) {
  return {kTriangleOrigin.x + 2500 * std::cos(fi), kTriangleOrigin.y - 2500 * std::sin(fi)};
}

double generatorSteps(std::optional<double> fi, const std::function<void(const Step&)>& visit) {
  double a = 4.75;
  double x = 1000;
  bool dipped = false;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    Step s{t, x, {}, {}, voltageY(t), trailY(t), std::nullopt};
    for (int k = 0; k < 4; ++k) {
      s.mark[k] = rotorMark(a, kMarkRadii[k]);
      s.erased[k] = rotorMark(a + 0.1, kMarkRadii[k]);
    }
    a = a - 0.01;
    if (fi) {
      const double current = currentY(t, *fi);
      if (current < 2000) dipped = true;
      s.curves = Step::Curves{current, !dipped, powerY(t, *fi)};
    }
    visit(s);
    x = x + 6;
  }
  return x;
}

double pulseTrain(const std::function<void(double x, double y, PulsePart part)>& point) {
  // A counter rising by 0.5 each half twip starts a pulse when it reaches 500.
  double x = 1000;
  double k = 0;
  while (x <= 5000) {
    k = k + 0.5;
    if (k == 500) {
      for (double y = 1100; y <= 1800; y += 0.5) point(x, y, PulsePart::LeadingEdge);
      for (double b = x; b <= x + 500; b += 0.5) point(b, 1800, PulsePart::Bottom);
      for (double y = 1100; y <= 1800; y += 0.5) point(x + 500.5, y, PulsePart::TrailingEdge);
      x = x + 500;
      k = 0;
    }
    point(x, 1100, PulsePart::Level);
    x = x + 0.5;
  }
  return x;
}

}  // namespace fv::geracao
