#include "pulsos/pulsos.hpp"

#include "pulsos/model.hpp"

namespace fv {

using namespace pulsos;

namespace {

// The axes in green, the grid in charcoal, the marker lines in leaf green.
Color colorOf(GridLine::Role role) {
  switch (role) {
    case GridLine::Axis:
      return pal::green;
    case GridLine::Grid:
      return pal::charcoal;
    case GridLine::Marker:
      break;
  }
  return pal::leafGreen;
}

// Lines are runs of single points; the last point becomes the current point.
// What lies off the surface is clipped when it is painted.
void drawTimeGrid(Surface& s, const TimeGrid& g) {
  for (const GridLine& l : timeGridLines(g)) {
    const Color c = colorOf(l.role);
    for (int v = l.from; v <= l.to; ++v) {
      if (l.across)
        s.pset(v, l.at, c);
      else
        s.pset(l.at, v, c);
    }
  }
}

}  // namespace

HarmonicasPulsos::HarmonicasPulsos(FormHost& host)
    : Form(host, QStringLiteral("HarmonicasPulsos"), 13080, 10944, pal::grey) {
  build(pulsosLayout());
  setTabOrder({"Inicio", "Picture1", "resultante", "Picture3", "FIM", "resultante2", "Picture2"});
  onClick("Inicio", [this] { Inicio_Click(); });
  onClick("resultante", [this] { resultante_Click(); });
  onClick("resultante2", [this] { resultante2_Click(); });
  onClick("FIM", [this] { FIM_Click(); });
}

void HarmonicasPulsos::Inicio_Click() {
  n = 0;
  A = 0;
  Surface& pic = surface(QStringLiteral("Picture1"));
  pic.cls();
  drawTimeGrid(pic, kSmallGrid);
  // The current point is the last grid point (10000, 0), so the time scale
  // falls right of the surface; "Volts" starts the next line at the left edge.
  pic.print(tx(QStringLiteral("HarmonicasPulsos.Picture1.time")));
  pic.print(tx(QStringLiteral("HarmonicasPulsos.Picture1.volts")));
  double x = 1000;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    pic.pset(x, sinusoidY(t), pal::blue);
    x = x + 6;
    pause(20000);
  }
}

void HarmonicasPulsos::plotResultant(Color c) {
  Surface& pic = surface(QStringLiteral("Picture3"));
  double x = 1000;
  double t = 6.3;
  const double step = 6.0 / 10.0;
  while (t > -0.001) {
    pic.pset(x, resultantY(t, n, A), c);
    x = x + step;
    t = t - 0.001;
    pause(5000);
  }
}

void HarmonicasPulsos::resultante_Click() {
  Surface& pic = surface(QStringLiteral("Picture3"));
  pic.cls();
  drawTimeGrid(pic, kLargeGrid);
  plotResultant(pal::blue);
}

void HarmonicasPulsos::resultante2_Click() {
  Surface& pic = surface(QStringLiteral("Picture3"));
  pic.cls();
  drawTimeGrid(pic, kLargeGrid);
  plotResultant(pal::white);
}

void HarmonicasPulsos::FIM_Click() { host().showMenu(); }

std::unique_ptr<Form> makeHarmonicasPulsos(FormHost& host) { return std::make_unique<HarmonicasPulsos>(host); }

}  // namespace fv
