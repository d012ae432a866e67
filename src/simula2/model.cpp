#include "simula2/model.hpp"

namespace fv::simula2 {

namespace {

// How a material weakens the field: e × 500 is divided by `shield`, and
// `wall` weighs the walls' term (0: no such term).
struct Screening {
  double shield;
  double wall;
};
// clang-format off
constexpr Screening kScreening[2][3] = {
    // plastic  steel       aluminium
    {{1, 0},    {2, 0.1},   {4, 0.1}},    // open
    {{1, 0},    {12, 0.02}, {42, 0.01}},  // closed
};
// clang-format on

}  // namespace

double twips(double mm) { return mm * kTwipsPerMm; }

double widthOfBar(int step) { return step * 250 / 100.0; }

double voltsOfBar(int step) { return step * 550.0 / 100; }

Point cable1(double W, double H, int across, int up) { return {8400 - (W * across / 200) * 0.9, 5000 - H * up / 100}; }

Point cable2(double W, double H, int across, int up) { return {8600 + (W * across / 200) * 0.9, 5000 - H * up / 100}; }

double distance(Point c1, Point c2) {
  const double dy = std::fabs(c2.y - c1.y), dx = std::fabs(c2.x - c1.x);
  return std::sqrt(dy * dy + dx * dx) / kTwipsPerMm;
}

double heightAboveFloor(Point c1) { return (5000 - c1.y) + 1; }

Walls walls(double W, double H) {
  Walls w;
  w.left = 8500 - W / 2 - 70;
  w.right = 8500 + W / 2;
  w.top = 5000 - H;
  w.floor = 5100;
  w.divider = w.left + (w.right - w.left) / 2;
  return w;
}

bool hasRings(double amps) { return 100 < 50 * amps * 2; }

double inducedVoltage(Trough t, Material m, double volts, double amps, double mm, double h1) {
  const double e = volts * amps / (mm * mm) * 2;
  const Screening s = kScreening[static_cast<int>(t)][static_cast<int>(m)];
  // Dividing by a shield of 1 leaves e × 500 as it is, to the bit.
  double e1 = e * 500 / s.shield;
  if (s.wall != 0) e1 += (t == Trough::open ? e * h1 : e * 250 / 42) * s.wall;
  return e1;
}

Shade openShade(double x, double y, double W, double H) {
  const double right = 8500 + W / 2;
  // Later rules win, as the trough was first coloured.
  Shade s = Shade::free;
  if (x < 8500 && y < 5100) s = Shade::screened;
  if (x < 8500 && y < 5100 - H) s = Shade::above;
  if (x > right && y < 5100) s = Shade::screened;
  if (x > right && y < 5100 - H) s = Shade::above;
  if (y > 5100) s = Shade::screened;
  return s;
}

bool inRightCompartment(double x, double y, double W, double H) {
  const double right = 8500 + W / 2;
  return 8500 < x && x < right && 5000 - H < y && y < 5100;
}

}  // namespace fv::simula2
