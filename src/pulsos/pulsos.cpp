#include "pulsos/pulsos.hpp"

#include <cmath>

#include "shell/app.hpp"
#include "shell/pacer.hpp"

namespace fv {

namespace {

constexpr FontSpec kButtonFont{"MS Sans Serif", 12, true};

const std::vector<Ctl>& pulsosLayout() {
  static const std::vector<Ctl> table = {
      {.kind = Kind::Surface, .name = "Picture1", .r = {120, 0, 7455, 4095}, .back = sys::ActiveBorder},
      {.kind = Kind::Surface, .name = "Picture3", .r = {120, 4080, 7455, 6615}, .back = sys::ActiveBorder},
      {.kind = Kind::Surface, .name = "Picture2", .r = {8040, 0, 4935, 4095}, .back = RGB(192, 192, 192)},
      {.kind = Kind::Button, .name = "Inicio", .r = {9120, 6960, 3375, 615}, .font = kButtonFont},
      {.kind = Kind::Button, .name = "resultante", .r = {9120, 7680, 3375, 615}, .font = kButtonFont},
      {.kind = Kind::Button, .name = "resultante2", .r = {9120, 8520, 3375, 615}, .font = kButtonFont},
      {.kind = Kind::Button, .name = "FIM", .r = {9120, 9240, 3375, 615}, .font = {"MS Sans Serif", 13.8, true}},
  };
  return table;
}

// Lines are runs of single points one twip apart, both ends included; the
// last point becomes the current point. What lies off the surface is clipped
// when it is painted.
void pointsAcross(Surface& s, int y, int x1, int x2, Color c) {
  for (int x = x1; x <= x2; ++x) s.pset(x, y, c);
}

void pointsDown(Surface& s, int x, int y1, int y2, Color c) {
  for (int y = y1; y <= y2; ++y) s.pset(x, y, c);
}

}  // namespace

HarmonicasPulsos::HarmonicasPulsos(App& app)
    : Form(app, QStringLiteral("HarmonicasPulsos"), 13080, 10944, sys::ButtonFace) {
  build(pulsosLayout());
  setTabOrder({"Inicio", "Picture1", "resultante", "Picture3", "FIM", "resultante2", "Picture2"});
  onClick("Inicio", [this] { Inicio_Click(); });
  onClick("resultante", [this] { resultante_Click(); });
  onClick("resultante2", [this] { resultante2_Click(); });
  onClick("FIM", [this] { FIM_Click(); });
}

void HarmonicasPulsos::drawTimeGrid(Surface& s, const TimeGrid& g) {
  // 1. Horizontal axis, 2. vertical axis.
  pointsAcross(s, g.axisY, 100, 10000, kAxis);
  pointsDown(s, 1000, 50, g.bottom, kAxis);
  // 3. Vertical grid lines every 475 twips from 1475 while x < 7000.
  int x = 1475;
  do {
    pointsDown(s, x, 50, g.bottom, kGrid);
    x = x + 475;
  } while (x < 7000);

  auto horizontalGrid = [&] {
    // Pairs around the axis, the one below it first.
    int a = g.axisY, b = g.axisY;
    while (a < g.gridLimit) {
      a = a + 500;
      pointsAcross(s, a, 100, 10000, kGrid);
      b = b - 500;
      pointsAcross(s, b, 100, 10000, kGrid);
    }
  };
  auto markers = [&] {
    pointsDown(s, 2900, 50, g.markerBottom, kMarker);
    pointsDown(s, 4800, 50, g.markerBottom, kMarker);
  };
  if (g.markersFirst) {
    markers();
    horizontalGrid();
  } else {
    horizontalGrid();
    markers();
  }
}

void HarmonicasPulsos::Inicio_Click() {
  n = 0;
  A = 0;
  Surface& pic = surface(QStringLiteral("Picture1"));
  pic.cls();
  drawTimeGrid(pic, kSmallGrid);
  // The current point is the last grid point (10000, 0), so the time scale
  // falls right of the surface; "Volts" starts the next line at the left edge.
  pic.print(QStringLiteral("0          30s          60s"));
  pic.print(QStringLiteral("Volts"));
  double x = 1000;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    pic.pset(x, 2000 + 1500 * std::sin(t), kBlue);
    x = x + 6;
    Pacer::pause(20000);
  }
}

void HarmonicasPulsos::plotResultant(Color c) {
  Surface& pic = surface(QStringLiteral("Picture3"));
  double x = 1000;
  double t = 6.3;
  const double step = 6.0 / 10.0;
  while (t > -0.001) {
    pic.pset(x, 3200 + 1500 * std::sin(t) + 10.0 * A * std::sin(n * t), c);
    x = x + step;
    t = t - 0.001;
    Pacer::pause(5000);
  }
}

void HarmonicasPulsos::resultante_Click() {
  Surface& pic = surface(QStringLiteral("Picture3"));
  pic.cls();
  drawTimeGrid(pic, kLargeGrid);
  plotResultant(kBlue);
}

void HarmonicasPulsos::resultante2_Click() {
  Surface& pic = surface(QStringLiteral("Picture3"));
  pic.cls();
  drawTimeGrid(pic, kLargeGrid);
  plotResultant(kWhite);
}

void HarmonicasPulsos::FIM_Click() { app().showMenu(); }

std::unique_ptr<Form> makeHarmonicasPulsos(App& app) { return std::make_unique<HarmonicasPulsos>(app); }

}  // namespace fv
