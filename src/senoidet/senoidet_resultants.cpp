// The resultant phase voltages and the neutral current of the three-phase
// window, drawn on the lower surface from the components drawn so far.
#include "drawing/palette.hpp"
#include "drawing/sinegrid.hpp"
#include "senoidet/senoidet.hpp"

namespace fv {

using namespace senoidet;

namespace {

// The lower plot's frame: the axis at 3200, rows 500 twips apart from 2700
// and 3700 outwards.
const SineGrid kLowerGrid{3200, 6000, 6400, {2700, 3700, 2200, 4200, 1700, 4700, 1200, 5200, 700, 5700}};

}  // namespace

// Every field is read once, before the sweep, in the order the sums take
// them: of each harmonic drawn, its order, then R, S and T, each amplitude
// before its angle. The first field that is not a number is the one a message
// names, and nothing of the curve is drawn yet.
Terms SenoideT::drawnTerms(const Phases& fundamental, bool currents) const {
  Terms terms;
  if (temFund == 1) terms[Fundamental] = Term{1, fundamental, {double(GR), double(GS), double(GT)}};
  for (int k = Second; k <= Nth; ++k) {
    const Component& c = kComponents[k];
    if (this->*c.drawn != 1) continue;
    Term& term = terms[k].emplace(Term{orderOf(c), {}, {}});
    for (Phase p : {R, S, T}) {
      term.amplitude[p] = num(currents ? c.amps[p] : c.volts[p]);
      term.degrees[p] = num(c.degrees[p]);
    }
  }
  return terms;
}

// The neutral carries the sum of all phase currents of all components drawn:
// the third-order components add up, the fundamental nearly cancels.
void SenoideT::neutro_Click() {
  Surface& pic = *lowerPlot_;
  pic.cls();
  text("Text2").setText(tx(QStringLiteral("SenoideT.Text2.neutral")));
  drawSineGrid(pic, kLowerGrid);
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  const Component& fund = kComponents[Fundamental];
  capturePhases(fund.amps, IR, IS, IT);
  capturePhases(fund.degrees, GR, GS, GT);
  const Terms terms = drawnTerms({double(IR), double(IS), double(IT)}, true);
  while (t > -0.001) {
    const double y = neutral(resultantTerms(terms, 20, t)) + y0;
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
  Surface& pic = *lowerPlot_;
  pic.cls();
  text("Text2").setText(tx(QStringLiteral("SenoideT.Text2.resultant")));
  drawSineGrid(pic, kLowerGrid);
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  const Terms terms = drawnTerms({double(VR), double(VS), double(VT)}, false);
  while (t > -0.001) {
    const Components v = resultantTerms(terms, 5, t);
    for (const Trace& tr : kComponents[Fundamental].traces) dot(pic, x, resultant(y0, v, tr.phase), tr.colour);
    x = x + 0.6;
    t = t - 0.001;
    pause(2000);
  }
  button("reset").setVisible(true);
}

}  // namespace fv
