// The resultant phase voltages and the neutral current of the three-phase
// window, drawn on the lower surface from the components drawn so far.
#include "senoidet/senoidet.hpp"
#include "shell/palette.hpp"
#include "shell/sinegrid.hpp"

namespace fv {

using namespace senoidet;

namespace {

// The lower plot's frame: the axis at 3200, rows 500 twips apart from 2700
// and 3700 outwards.
const SineGrid kLowerGrid{3200, 6000, 6400, {2700, 3700, 2200, 4200, 1700, 4700, 1200, 5200, 700, 5700}};

}  // namespace

Phases SenoideT::lowerTerms(const Component& c, const char* const (&amplitude)[3], double scale, double t) const {
  const double order = orderOf(c);
  Phases v;
  for (Phase p : {R, S, T}) {
    const double a = num(amplitude[p]);
    const double degrees = num(c.degrees[p]);
    v[p] = resultantTerm(p, scale, a, order, degrees, t);
  }
  return v;
}

// The neutral carries the sum of all phase currents of all components drawn:
// the third-order components add up, the fundamental nearly cancels.
void SenoideT::neutro_Click() {
  Surface& pic = surface("Picture3");
  pic.cls();
  text("Text2").setText(tx(QStringLiteral("SenoideT.Text2.neutral")));
  drawSineGrid(pic, kLowerGrid);
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  const Component& fund = kComponents[Fundamental];
  capturePhases(fund.amps, IR, IS, IT);
  capturePhases(fund.degrees, GR, GS, GT);
  const Phases amps{double(IR), double(IS), double(IT)}, degrees{double(GR), double(GS), double(GT)};
  while (t > -0.001) {
    Components i{};
    if (temFund == 1)
      for (Phase p : {R, S, T}) i[Fundamental][p] = resultantTerm(p, 20, amps[p], 1, degrees[p], t);
    for (int k = Second; k <= Nth; ++k)
      if (this->*kComponents[k].drawn == 1) i[k] = lowerTerms(kComponents[k], kComponents[k].amps, 20, t);
    const double y = neutral(i) + y0;
    dot(pic, x, y, pal::blue);
    x = x + 6.0 / 10;
    t = t - 0.001;
    pause(2000);
  }
  button("reset").setVisible(true);
}

// Each phase's resultant voltage: its fundamental, as last captured, plus the
// harmonic components drawn so far, each with its own angle field.
void SenoideT::resultante1_Click() {
  Surface& pic = surface("Picture3");
  pic.cls();
  text("Text2").setText(tx(QStringLiteral("SenoideT.Text2.resultant")));
  drawSineGrid(pic, kLowerGrid);
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  const Phases volts{double(VR), double(VS), double(VT)}, degrees{double(GR), double(GS), double(GT)};
  while (t > -0.001) {
    Components v{};
    if (temFund == 1)
      for (Phase p : {R, S, T}) v[Fundamental][p] = resultantTerm(p, 5, volts[p], 1, degrees[p], t);
    for (int k = Second; k <= Nth; ++k)
      if (this->*kComponents[k].drawn == 1) v[k] = lowerTerms(kComponents[k], kComponents[k].volts, 5, t);
    for (const Trace& tr : kComponents[Fundamental].traces) dot(pic, x, resultant(y0, v, tr.phase), tr.colour);
    x = x + 0.6;
    t = t - 0.001;
    pause(2000);
  }
  button("reset").setVisible(true);
}

}  // namespace fv
