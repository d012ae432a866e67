#include "senoide/senoide.hpp"

#include <cmath>

#include "core/angles.hpp"
#include "drawing/palette.hpp"
#include "drawing/sinegrid.hpp"
#include "senoide/model.hpp"

namespace fv {

using namespace senoide;

namespace {

// The six buttons that draw; hidden while the resultant is on show.
const char* const kDrawingButtons[] = {"Fundamental", "segundaH(1)", "executar", "terceira", "resultante1", "inter"};

// The resultant's frame: the axis lies at y = 3000.
const SineGrid kResultantGrid{3000, 6000, 6000, {2500, 2000, 1500, 1000, 500, 3500, 4000, 4500, 5000, 5500}};

// One point of a harmonic: its voltage on Picture1 and its power above the
// axis of Picture2. Returns that power, which the harmonic adds up.
double plotMember(Surface& p1, Surface& p2, double x, double y0, Point pt, Color c) {
  p1.pset(x, y0 + pt.v, c);
  const double p = harmonicPower(pt);
  p2.pset(x, y0 - p, c);
  return p;
}

}  // namespace

Senoide::Senoide(FormHost& host) : Form(host, QStringLiteral("Senoide"), 15240, 11016, pal::grey) {
  build(senoideLayout());
  setTabOrder({"Fundamental", "segundaH(1)", "terceira", "inter", "executar", "resultante1", "fim"});

  onChange("VScroll1", [this] { VScroll1_Change(); });
  onChange("VScroll2", [this] { VScroll2_Change(); });
  onChange("VScroll3", [this] { VScroll3_Change(); });
  onChange("HScroll1", [this] { HScroll1_Change(); });
  onChange("HScroll2", [this] { HScroll2_Change(); });
  onChange("HScroll3", [this] { HScroll3_Change(); });
  onChange("HScroll4", [this] { HScroll4_Change(); });

  onChange("numero", [this] { numero_Change(); });
  onChange("tensao", [this] { tensao_Change(); });
  onChange("Text1", [this] { Text1_Change(); });
  onChange("Text3", [this] { Text3_Change(); });
  onChange("Text14", [this] { Text14_Change(); });
  onChange("Text17", [this] { Text17_Change(); });
  onChange("Text20", [this] { Text20_Change(); });
  onChange("Text21", [this] { Text21_Change(); });
  onChange("Text22", [this] { Text22_Change(); });
  onChange("Text23", [this] { Text23_Change(); });
  onChange("Text26", [this] { Text26_Change(); });
  onChange("Text5", [this] { Text5_Change(); });
  onChange("Text6", [this] { Text6_Change(); });
  onChange("Text19", [this] { Text19_Change(); });

  onClick("Picture1", [this] { Picture1_Click(); });
  onClick("Picture2", [this] { Picture2_Click(); });
  onClick("Picture3", [this] { Picture3_Click(); });

  onClick("Fundamental", [this] { FUNDAMENTAL_Click(); });
  onClick("segundaH(1)", [this] { segundaH_Click(1); });
  onClick("terceira", [this] { TERCEIRA_Click(); });
  onClick("inter", [this] { inter_Click(); });
  onClick("executar", [this] { executar_Click(); });
  onClick("resultante1", [this] { resultante1_Click(); });
  onClick("reset", [this] { reset_Click(); });
  onClick("fim", [this] { FIM_Click(); });

  run([this] { Form_Load(); });
}

void Senoide::Form_Load() {
  for (const char* f : {"Text15", "Text16", "Text37", "Text38", "Text39"}) text(f).setText(fmt(0, "0.0"));
  button("reset").setVisible(false);
}

// ---- Scroll bars: each writes its value into its field; the speed bar sets the pace.

void Senoide::VScroll3_Change() { text("Text11").setText(fmt(scroll("VScroll3").value(), "###.#")); }
void Senoide::VScroll2_Change() { text("Text12").setText(fmt(scroll("VScroll2").value(), "###.#")); }
void Senoide::HScroll1_Change() { text("Text4").setText(fmt(scroll("HScroll1").value(), "###.#")); }
void Senoide::HScroll2_Change() { text("Text6").setText(fmt(scroll("HScroll2").value(), "###.#")); }
void Senoide::HScroll3_Change() { text("Text5").setText(fmt(scroll("HScroll3").value(), "###.#")); }
void Senoide::HScroll4_Change() { text("Text19").setText(fmt(scroll("HScroll4").value(), "###.#")); }

// The bar's value as written with "###.#" reads back as the value itself.
void Senoide::VScroll1_Change() { velocidade = cint(double(scroll("VScroll1").value())); }

// ---- Fields: each stores its whole number.

void Senoide::numero_Change() { ordemN = cint("numero"); }
void Senoide::tensao_Change() { tensaoN = cint("tensao"); }
void Senoide::Text1_Change() { correnteN = cint("Text1"); }
void Senoide::Text3_Change() { anguloN = cint("Text3"); }
void Senoide::Text14_Change() { tensao3 = cint("Text14"); }
void Senoide::Text17_Change() { corrente3 = cint("Text17"); }
void Senoide::Text20_Change() { angTensao3 = cint("Text20"); }
void Senoide::Text21_Change() { angCorrente3 = cint("Text21"); }
void Senoide::Text22_Change() { tensaoI = cint("Text22"); }
void Senoide::Text23_Change() { correnteI = cint("Text23"); }
void Senoide::Text26_Change() { anguloI = cint("Text26"); }
void Senoide::Text5_Change() { corrente2 = cint("Text5"); }
void Senoide::Text6_Change() { angTensao2 = cint("Text6"); }
void Senoide::Text19_Change() { angCorrente2 = cint("Text19"); }

// ---- Surfaces: a click clears the one clicked.

void Senoide::Picture1_Click() { surface("Picture1").cls(); }
void Senoide::Picture2_Click() { surface("Picture2").cls(); }
void Senoide::Picture3_Click() { surface("Picture3").cls(); }

// A typed angle in degrees, in radians.
double Senoide::fieldRadians(const char* field) {
  const double r = radians(num(field));
  if (!std::isfinite(r)) refuse(&text(field), tx(QStringLiteral("msg.senoide.angleTooLarge")));
  return r;
}

// A pause whose count is a quotient: the busy count runs while it is below it.
void Senoide::pauseBelow(double count) {
  if (count > 0) pause(static_cast<std::int64_t>(std::ceil(count)));
}

// ---- The fundamental: one period, voltage on Picture1, |V x A| on Picture2.

void Senoide::FUNDAMENTAL_Click() {
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  p1.cls();
  p2.cls();
  text("Text36").setText(QStringLiteral("    "));
  text("Text15").setText(fmt(0, "0.0"));
  ordemN = 0;
  feitoF = 0;

  drawSineGrid(p1, upperSineGrid());
  drawSineGrid(p2, upperSineGrid());

  double x = 1000, y0 = 2000, S = 0;
  const Sweep sweep = fundamentalSweep();
  for (double t = sweep.from; t >= sweep.to; t += -kStep) {
    const double vv = fundamentalVoltage(t, scroll("VScroll3").value());
    p1.pset(x, y0 + vv, pal::blue);
    const double I = scroll("VScroll2").value();
    const double ii = fundamentalCurrent(t, I, fieldRadians("Text8"));
    const double p = fundamentalPower(vv, ii);
    p2.pset(x, y0 - p / 10, pal::blue);
    S = S + p;
    x = x + sweep.dx;
    pause(200000);
    velocidade = cint(double(scroll("VScroll1").value()));
    pause(velocidade);
  }
  text("Text15").setText(fmt(powerReadout(S), "###.#"));
  feitoF = 1;
}

// ---- Harmonic components, drawn on top of what the surfaces show.

// The second harmonic. Its angles enter twice, in the range of t and in the
// sine, so the voltage is shifted by twice its bar's angle.
void Senoide::segundaH_Click(int) {
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  text("Text16").setText(str(0));
  feito2 = 0;
  double x = 1000, y0 = 2000, S = 0;
  const Sweep sweep = secondSweep(radians(scroll("HScroll2").value()));
  const double b = radians(scroll("HScroll4").value());
  for (double t = sweep.from; t >= sweep.to; t += -kStep) {
    // The bars are read at every point: an arrow held down moves them meanwhile.
    const double V = scroll("HScroll1").value();
    const double a = radians(scroll("HScroll2").value());
    const double I = scroll("HScroll3").value();
    const double b1 = radians(scroll("HScroll4").value());
    const double p = plotMember(p1, p2, x, y0, second(t, V, a, I, b1, b), pal::magenta);
    S = S + p;
    x = x + sweep.dx;
    pauseBelow(velocidade / 2.0);
  }
  text("Text16").setText(fmt(powerReadout(S), "###.#"));
  feito2 = 1;
}

// The third harmonic. Its angles come from the values stored by the change
// handlers of Text20 and Text21.
void Senoide::TERCEIRA_Click() {
  useKept({"Text20", "Text21"});
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  feito3 = 0;
  text("Text37").setText(fmt(0, "0.0"));
  corrente3 = cint("Text17");
  tensao3 = cint("Text14");
  double x = 1000, y0 = 2000, S = 0;
  const double a = radians(angTensao3);
  const double b = radians(angCorrente3);
  const Sweep sweep = thirdSweep(a);
  for (double t = sweep.from; t >= sweep.to; t += -kStep) {
    const double p = plotMember(p1, p2, x, y0, third(t, tensao3, a, corrente3, b), pal::black);
    S = S + p;
    x = x + sweep.dx;
    pauseBelow(velocidade / 3.0);
  }
  text("Text37").setText(fmt(powerReadout(S), "###.#"));
  feito3 = 1;
}

// The inter-harmonic of order 1.5. A blue line grows along the top edge of Picture2.
void Senoide::inter_Click() {
  useKept({"Text26"});
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  feitoI = 0;
  tensaoI = cint("Text22");
  correnteI = cint("Text23");
  double x = 1000, y0 = 2000, S = 0;
  const double c = radians(anguloI);
  const double top = 0;
  const Sweep sweep = interSweep();
  for (double t = sweep.from; t >= sweep.to; t += -kStep) {
    const double p = plotMember(p1, p2, x, y0, inter(t, tensaoI, correnteI, c), pal::gold);
    p2.pset(x, top, pal::blue);
    S = S + p;
    x = x + sweep.dx;
    pauseBelow(velocidade / 1.5);
  }
  text("Text10").setText(fmt(powerReadout(S), "###.#"));
  feitoI = 1;
}

// The harmonic of order n. Its angle is kept as a whole number of radians.
void Senoide::executar_Click() {
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  text("Text36").setText(fmt(0, "###.#"));
  feitoN = 0;
  tensaoN = 0;
  correnteN = 0;
  ordemN = cint("numero");
  tensaoN = cint("tensao");
  anguloN = cint(radians(num("Text3")), &text("Text3"));
  correnteN = cint("Text1");

  // Order 0 would step x by 6 / 0, and a negative order would draw nothing
  // yet read as a harmonic drawn, with power 0.
  if (ordemN < 1) refuse(&text("numero"), tx(QStringLiteral("msg.senoide.orderBelowOne")).arg(ordemN));
  if (ordemN > kHighestOrder) refuse(&text("numero"), tx(QStringLiteral("msg.senoide.orderTooHigh")).arg(ordemN));

  double x = 1000, y0 = 2000, S = 0;
  const double d = radians(anguloN);
  const Sweep sweep = nthSweep(ordemN);
  for (double t = sweep.from; t >= sweep.to; t += -kStep) {
    const double p = plotMember(p1, p2, x, y0, nth(t, tensaoN, correnteN, d), pal::red);
    S = S + p;
    x = x + sweep.dx;
    const std::int16_t n3 = static_cast<std::int16_t>(3 * ordemN);
    pauseBelow(velocidade / double(n3));
  }
  text("Text38").setText(str(powerReadout(S)));
  feitoN = 1;
}

// ---- The resultant of the components drawn since the last resultant.

void Senoide::resultante1_Click() {
  if (feito3 == 1) useKept({"Text14", "Text17", "Text20", "Text21"});
  if (feitoI == 1) useKept({"Text22", "Text23", "Text26"});
  if (feitoN == 1) useKept({"numero", "tensao", "Text1", "Text3"});
  Surface& p3 = surface("Picture3");
  p3.cls();
  drawSineGrid(p3, kResultantGrid);

  double x = 1000, y0 = 3000, t = 6.28, S = 0;
  Components c;
  const double n = ordemN;
  while (t > -0.00001) {
    if (feitoF == 1) {
      const double V = scroll("VScroll3").value();
      const double fi = fieldRadians("Text8");
      c.fundamental = resultantFundamental(t, V, scroll("VScroll2").value(), fi);
    }
    if (feito2 == 1) {
      const double a = radians(scroll("HScroll2").value());
      const double b = radians(scroll("HScroll4").value());
      c.second = resultantSecond(t, scroll("HScroll1").value(), a, scroll("HScroll3").value(), b);
    }
    if (feito3 == 1) c.third = resultantThird(t, tensao3, radians(angTensao3), corrente3, radians(angCorrente3));
    if (feitoI == 1) c.inter = resultantInter(t, tensaoI, correnteI, radians(anguloI));
    if (feitoN == 1) c.nth = resultantNth(t, n, tensaoN, correnteN, radians(anguloN));
    const Resultant r = resultant(c, n);
    S = S + r.power;
    writeNumber(text("Text39"), resultantReadout(S), "###.#");
    p3.pset(x, y0 + r.volts, pal::blue);
    p3.pset(x, y0 + 5 * r.amps, pal::red);
    x = x + 6.0 / 10;
    t = t - 0.001;
    pause(1000);
  }
  feitoF = 0;
  feito2 = 0;
  feito3 = 0;
  feitoI = 0;
  feitoN = 0;
  TextField& banner = text("Text36");
  banner.setBackColor(pal::yellow);
  banner.setText(tx(QStringLiteral("Senoide.Text36.locked")));
  setDrawingButtons(false);
}

void Senoide::reset_Click() {
  for (const char* f : {"Text15", "Text16", "Text37", "Text38", "Text39", "Text10"}) text(f).setText(fmt(0, "0.0"));
  surface("Picture1").cls();
  surface("Picture2").cls();
  surface("Picture3").cls();
  TextField& banner = text("Text36");
  banner.setBackColor(pal::green);
  banner.setText(tx(QStringLiteral("Senoide.Text36.reset")));
  setDrawingButtons(true);
}

// Normal state: the six drawing buttons shown and reset hidden; locked: the reverse.
void Senoide::setDrawingButtons(bool normal) {
  for (const char* b : kDrawingButtons) button(b).setVisible(normal);
  button("reset").setVisible(!normal);
}

void Senoide::FIM_Click() {
  setDrawingButtons(true);
  // The window's own background carries no drawing: clearing it changes nothing.
  host().showMenu();
}

std::unique_ptr<Form> makeSenoide(FormHost& host) { return std::make_unique<Senoide>(host); }

}  // namespace fv
