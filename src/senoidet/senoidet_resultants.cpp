// The resultant phase voltages and the neutral current of the three-phase
// window, drawn on the lower surface from the components drawn so far.
#include <cmath>

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
    if (this->*kComponents[k].drawn != 1) continue;
    const Fields& f = fields_[k];
    Term& term = terms[k].emplace(Term{orderOf(ComponentId(k)), {}, {}});
    for (Phase p : {R, S, T}) {
      term.amplitude[p] = num(currents ? *f.amps[p] : *f.volts[p]);
      term.degrees[p] = num(*f.degrees[p]);
    }
  }
  return terms;
}

AnalysisInput SenoideT::analysisInput() const {
  AnalysisInput in;
  in.kind = AnalysisInput::Kind::ThreePhase;
  static const char* const kParts[] = {"1", "2", "3", "i", "n"};
  static const char* const kPhases[] = {"R", "S", "T"};
  // A field that is not a number names itself and reads as NaN: what depends on it is left blank.
  auto read = [&](const TextField& f, const char* quantity, int k, int p) {
    if (const auto v = peek(f)) return *v;
    if (!in.badField.isEmpty()) return std::nan("");
    const QString what = tx(QLatin1String("Analysis.qty.") + QLatin1String(quantity));
    const QString part = tx(QLatin1String("Analysis.part.") + QLatin1String(kParts[k]));
    in.badField = p < 0 ? tx(QStringLiteral("Analysis.field")).arg(what, part)
                        : tx(QStringLiteral("Analysis.phaseField")).arg(what, part, QLatin1String(kPhases[p]));
    return std::nan("");
  };
  for (int k = Fundamental; k <= Nth; ++k) {
    if (this->*kComponents[k].drawn != 1) continue;
    const double order = k == Nth ? read(*orderN_, "order", k, -1) : kComponents[k].order;
    const Fields& f = fields_[k];
    for (Phase p : {R, S, T}) {
      const double v = read(*f.volts[p], "volts", k, p), i = read(*f.amps[p], "amps", k, p);
      const double angle = read(*f.degrees[p], "angle", k, p);
      in.phases[p].push_back({order, v, k == Fundamental ? 0 : angle, i, angle});
    }
  }
  return in;
}

void SenoideT::lowerGrid(const QString& title) {
  lowerPlot_->cls();
  lowerTitle_->setText(title);
  drawSineGrid(*lowerPlot_, kLowerGrid);
}

// The neutral carries the sum of all phase currents of all components drawn:
// the third-order components add up, the fundamental nearly cancels.
void SenoideT::neutro_Click() {
  lowerGrid(tx(QStringLiteral("SenoideT.Text2.neutral")));
  capturePhases(fields_[Fundamental].amps, IR, IS, IT);
  capturePhases(fields_[Fundamental].degrees, GR, GS, GT);
  neutralSweep(drawnTerms({double(IR), double(IS), double(IT)}, true), [&](double x, double y) {
    dot(*lowerPlot_, x, y, pal::blue);
    pause(2000);
  });
  reset_->setVisible(true);
}

// Each phase's resultant voltage: its fundamental, as last captured, plus the
// harmonic components drawn so far, each with its own angle field.
void SenoideT::resultante1_Click() {
  lowerGrid(tx(QStringLiteral("SenoideT.Text2.resultant")));
  resultantSweep(drawnTerms(capturedVolts(), false), [&](double x, const Phases& y) {
    drawPass(*lowerPlot_, kComponents[Fundamental], x, y);
    pause(2000);
  });
  reset_->setVisible(true);
}

}  // namespace fv
