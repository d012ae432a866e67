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
  walkTimeGrid(g, [&](int x, int y, GridLine::Role role) { s.pset(x, y, colorOf(role)); });
}

}  // namespace

HarmonicasPulsos::HarmonicasPulsos(FormHost& host)
    : Form(host, QStringLiteral("HarmonicasPulsos"), 13080, 10944, pal::grey),
      built_((build(pulsosLayout()), true)),
      upperPlot_(surface(QStringLiteral("Picture1"))),
      lowerPlot_(surface(QStringLiteral("Picture3"))) {
  setTabOrder({"Inicio", "Picture1", "resultante", "Picture3", "FIM", "resultante2", "Picture2"});
  onClick("Inicio", [this] { Inicio_Click(); });
  onClick("resultante", [this] { resultante_Click(); });
  onClick("resultante2", [this] { resultante2_Click(); });
  onClick("FIM", [this] { FIM_Click(); });
}

void HarmonicasPulsos::Inicio_Click() {
  n = 0;
  A = 0;
  upperPlot_.cls();
  drawTimeGrid(upperPlot_, kSmallGrid);
  // The current point is the last grid point (10000, 0), so the time scale
  // falls right of the surface; "Volts" starts the next line at the left edge.
  upperPlot_.print(tx(QStringLiteral("HarmonicasPulsos.Picture1.time")));
  upperPlot_.print(tx(QStringLiteral("HarmonicasPulsos.Picture1.volts")));
  walkSinusoid([&](double x, double y) {
    upperPlot_.pset(x, y, pal::blue);
    pause(20000);
  });
}

void HarmonicasPulsos::plotResultant(Color c) {
  lowerPlot_.cls();
  drawTimeGrid(lowerPlot_, kLargeGrid);
  walkResultant(n, A, [&](double x, double y) {
    lowerPlot_.pset(x, y, c);
    pause(5000);
  });
}

void HarmonicasPulsos::resultante_Click() { plotResultant(pal::blue); }

void HarmonicasPulsos::resultante2_Click() { plotResultant(pal::white); }

void HarmonicasPulsos::FIM_Click() { host().showMenu(); }

std::unique_ptr<Form> makeHarmonicasPulsos(FormHost& host) { return std::make_unique<HarmonicasPulsos>(host); }

}  // namespace fv
