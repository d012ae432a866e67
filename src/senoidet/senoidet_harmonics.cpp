// The harmonic component curves of the three-phase window: each button
// overlays the three phase voltages of one component on the upper surface,
// over the same stretch as one period of the fundamental.
#include "senoidet/senoidet.hpp"

namespace fv {

using namespace senoidet;

double SenoideT::orderOf(const Component& c) const { return c.orderField ? num(c.orderField) : c.order; }

// The phase lags apply on the component's own time scale, so its three
// curves stand a third of its own period apart.
void SenoideT::drawComponent(const Component& c, double order) {
  Surface& pic = *upperPlot_;
  double x = 1000;
  const double y0 = 2000;
  for (double t = sweepStart(order, c.period); t >= 0; t += -0.01) {
    Phases y;
    for (Phase p : {R, S, T}) {
      const double volts = num(c.volts[p]);
      const double degrees = num(c.degrees[p]);
      y[p] = y0 + componentVolts(p, volts, degrees, t);
    }
    for (const Trace& tr : c.traces) dot(pic, x, y[tr.phase], tr.colour);
    x = x + sweepStep(order);
    pause(c.pause);
  }
}

void SenoideT::SEGUNDA_Click() {
  drawComponent(kComponents[Second], kComponents[Second].order);
  tem2 = 1;
}

void SenoideT::TERCEIRA_Click() {
  drawComponent(kComponents[Third], kComponents[Third].order);
  tem3 = 1;
}

void SenoideT::inter_Click() {
  drawComponent(kComponents[Inter], kComponents[Inter].order);
  temInter = 1;
}

// N periods over the stretch of one fundamental period. A negative order
// draws nothing but still flags the component. An order of 0 would divide
// by zero, and orders above kMaxOrder only fill a solid band (a very high one
// for hours): both are refused before anything is drawn.
void SenoideT::NHARMO_Click() {
  const double order = orderOf(kComponents[Nth]);
  if (order == 0) refuse(&text("varIn"), tx(QStringLiteral("msg.senoidet.orderZero")));
  if (order > kMaxOrder)
    refuse(&text("varIn"), tx(QStringLiteral("msg.senoidet.orderTooHigh")).arg(str(order), str(kMaxOrder)));
  drawComponent(kComponents[Nth], order);
  temN = 1;
}

}  // namespace fv
