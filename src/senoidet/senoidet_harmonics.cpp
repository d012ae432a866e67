// The harmonic component curves of the three-phase window: each button
// overlays the three phase voltages of one component on the upper surface,
// over the same stretch as one period of the fundamental.
#include "senoidet/senoidet.hpp"

namespace fv {

using namespace senoidet;

double SenoideT::orderOf(ComponentId k) const { return k == Nth ? num(*orderN_) : kComponents[k].order; }

// The phase lags apply on the component's own time scale, so its three
// curves stand a third of its own period apart.
void SenoideT::drawComponent(ComponentId k, double order) {
  const Component& c = kComponents[k];
  const Fields& f = fields_[k];
  const auto fields = [&] {
    ComponentFields cf;
    for (Phase p : {R, S, T}) {
      cf.volts[p] = num(*f.volts[p]);
      cf.degrees[p] = num(*f.degrees[p]);
    }
    return cf;
  };
  componentSweep(order, c.period, fields, [&](double x, const Phases& y) {
    drawPass(*upperPlot_, c, x, y);
    pause(c.pause);
  });
}

void SenoideT::SEGUNDA_Click() {
  drawComponent(Second, kComponents[Second].order);
  tem2 = 1;
}

void SenoideT::TERCEIRA_Click() {
  drawComponent(Third, kComponents[Third].order);
  tem3 = 1;
}

void SenoideT::inter_Click() {
  drawComponent(Inter, kComponents[Inter].order);
  temInter = 1;
}

// N periods over the stretch of one fundamental period. A negative order
// draws nothing but still flags the component. An order of 0 would divide
// by zero, and orders above kMaxOrder only fill a solid band (a very high one
// for hours): both are refused before anything is drawn.
void SenoideT::NHARMO_Click() {
  const double order = orderOf(Nth);
  if (order == 0) refuse(orderN_, tx(QStringLiteral("msg.senoidet.orderZero")));
  if (order > kMaxOrder)
    refuse(orderN_, tx(QStringLiteral("msg.senoidet.orderTooHigh")).arg(str(order), str(kMaxOrder)));
  drawComponent(Nth, order);
  temN = 1;
}

}  // namespace fv
