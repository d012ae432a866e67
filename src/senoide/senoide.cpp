#include "senoide/senoide.hpp"

#include <cmath>

#include "core/angles.hpp"
#include "drawing/palette.hpp"
#include "drawing/sinegrid.hpp"
#include "senoide/model.hpp"

namespace fv {

using namespace senoide;

namespace {

// The resultant's frame: the axis lies at y = 3000.
const SineGrid kResultantGrid{3000, 6000, 6000, {2500, 2000, 1500, 1000, 500, 3500, 4000, 4500, 5000, 5500}};

// The axis of Picture1 and Picture2, and of Picture3.
constexpr double kAxis = 2000;
constexpr double kResultantAxis = 3000;

}  // namespace

Senoide::Senoide(FormHost& host)
    : Form(host, QStringLiteral("Senoide"), 15240, 11016, pal::grey),
      built_((build(senoideLayout()), true)),
      voltagePlot_(surface(QStringLiteral("Picture1"))),
      powerPlot_(surface(QStringLiteral("Picture2"))),
      resultantPlot_(surface(QStringLiteral("Picture3"))),
      speed_(scroll(QStringLiteral("VScroll1"))),
      fundamentalVolts_(scroll(QStringLiteral("VScroll3"))),
      fundamentalAmps_(scroll(QStringLiteral("VScroll2"))),
      fundamentalVoltsText_(text(QStringLiteral("Text11"))),
      fundamentalAmpsText_(text(QStringLiteral("Text12"))),
      fundamentalAngle_(text(QStringLiteral("Text8"))),
      secondVolts_(scroll(QStringLiteral("HScroll1"))),
      secondVAngle_(scroll(QStringLiteral("HScroll2"))),
      secondAmps_(scroll(QStringLiteral("HScroll3"))),
      secondIAngle_(scroll(QStringLiteral("HScroll4"))),
      secondVoltsText_(text(QStringLiteral("Text4"))),
      secondVAngleText_(text(QStringLiteral("Text6"))),
      secondAmpsText_(text(QStringLiteral("Text5"))),
      secondIAngleText_(text(QStringLiteral("Text19"))),
      thirdVolts_(text(QStringLiteral("Text14"))),
      thirdVAngle_(text(QStringLiteral("Text20"))),
      thirdAmps_(text(QStringLiteral("Text17"))),
      thirdIAngle_(text(QStringLiteral("Text21"))),
      interVolts_(text(QStringLiteral("Text22"))),
      interAmps_(text(QStringLiteral("Text23"))),
      interAngle_(text(QStringLiteral("Text26"))),
      order_(text(QStringLiteral("numero"))),
      nthVolts_(text(QStringLiteral("tensao"))),
      nthAmps_(text(QStringLiteral("Text1"))),
      nthAngle_(text(QStringLiteral("Text3"))),
      fundamentalPower_(text(QStringLiteral("Text15"))),
      secondPower_(text(QStringLiteral("Text16"))),
      interPower_(text(QStringLiteral("Text10"))),
      thirdPower_(text(QStringLiteral("Text37"))),
      nthPower_(text(QStringLiteral("Text38"))),
      resultantPower_(text(QStringLiteral("Text39"))),
      banner_(text(QStringLiteral("Text36"))),
      drawingButtons_{&button(QStringLiteral("Fundamental")), &button(QStringLiteral("segundaH(1)")),
                      &button(QStringLiteral("executar")),    &button(QStringLiteral("terceira")),
                      &button(QStringLiteral("resultante1")), &button(QStringLiteral("inter"))},
      reset_(button(QStringLiteral("reset"))) {
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
  for (TextField* f : {&fundamentalPower_, &secondPower_, &thirdPower_, &nthPower_, &resultantPower_})
    f->setText(fmt(0, "0.0"));
  reset_.setVisible(false);
}

// ---- Scroll bars: each writes its value into its field; the speed bar sets the pace.

void Senoide::VScroll3_Change() { fundamentalVoltsText_.setText(fmt(fundamentalVolts_.value(), "###.#")); }
void Senoide::VScroll2_Change() { fundamentalAmpsText_.setText(fmt(fundamentalAmps_.value(), "###.#")); }
void Senoide::HScroll1_Change() { secondVoltsText_.setText(fmt(secondVolts_.value(), "###.#")); }
void Senoide::HScroll2_Change() { secondVAngleText_.setText(fmt(secondVAngle_.value(), "###.#")); }
void Senoide::HScroll3_Change() { secondAmpsText_.setText(fmt(secondAmps_.value(), "###.#")); }
void Senoide::HScroll4_Change() { secondIAngleText_.setText(fmt(secondIAngle_.value(), "###.#")); }

// The bar's value as written with "###.#" reads back as the value itself.
void Senoide::VScroll1_Change() { velocidade = cint(double(speed_.value())); }

// ---- Fields: each stores its whole number.

void Senoide::numero_Change() { ordemN = cint(order_); }
void Senoide::tensao_Change() { tensaoN = cint(nthVolts_); }
void Senoide::Text1_Change() { correnteN = cint(nthAmps_); }
void Senoide::Text3_Change() { anguloN = cint(nthAngle_); }
void Senoide::Text14_Change() { tensao3 = cint(thirdVolts_); }
void Senoide::Text17_Change() { corrente3 = cint(thirdAmps_); }
void Senoide::Text20_Change() { angTensao3 = cint(thirdVAngle_); }
void Senoide::Text21_Change() { angCorrente3 = cint(thirdIAngle_); }
void Senoide::Text22_Change() { tensaoI = cint(interVolts_); }
void Senoide::Text23_Change() { correnteI = cint(interAmps_); }
void Senoide::Text26_Change() { anguloI = cint(interAngle_); }
void Senoide::Text5_Change() { corrente2 = cint(secondAmpsText_); }
void Senoide::Text6_Change() { angTensao2 = cint(secondVAngleText_); }
void Senoide::Text19_Change() { angCorrente2 = cint(secondIAngleText_); }

// ---- Surfaces: a click clears the one clicked.

void Senoide::Picture1_Click() { voltagePlot_.cls(); }
void Senoide::Picture2_Click() { powerPlot_.cls(); }
void Senoide::Picture3_Click() { resultantPlot_.cls(); }

// A typed angle in degrees, in radians.
double Senoide::fieldRadians(TextField& field) {
  const double r = radians(num(field));
  if (!std::isfinite(r)) refuse(&field, tx(QStringLiteral("msg.senoide.angleTooLarge")));
  return r;
}

// A pause whose count is a quotient: the busy count runs while it is below it.
void Senoide::pauseBelow(double count) {
  if (count > 0) pause(static_cast<std::int64_t>(std::ceil(count)));
}

// ---- The fundamental: one period, voltage on Picture1, |V x A| on Picture2.

// Nothing else runs while a handler draws, so the bars and the angle read
// before the sweep hold for all of it.
void Senoide::FUNDAMENTAL_Click() {
  voltagePlot_.cls();
  powerPlot_.cls();
  banner_.setText(QStringLiteral("    "));
  fundamentalPower_.setText(fmt(0, "0.0"));
  ordemN = 0;
  feitoF = 0;

  drawSineGrid(voltagePlot_, upperSineGrid());
  drawSineGrid(powerPlot_, upperSineGrid());

  const double volts = fundamentalVolts_.value();
  const double amps = fundamentalAmps_.value();
  // The angle is read after the first voltage point is drawn: a bad angle
  // stops the run with that point on show.
  double angle = 0;
  try {
    angle = fieldRadians(fundamentalAngle_);
  } catch (...) {
    voltagePlot_.pset(1000, kAxis + fundamentalVoltage(fundamentalSweep().from, volts), pal::blue);
    throw;
  }
  const std::int16_t speed = cint(double(speed_.value()));
  const double S = walkFundamental(volts, amps, angle, [&](double x, double v, double p) {
    voltagePlot_.pset(x, kAxis + v, pal::blue);
    powerPlot_.pset(x, kAxis - p, pal::blue);
    pause(200000);
    velocidade = speed;
    pause(velocidade);
  });
  fundamentalPower_.setText(fmt(S, "###.#"));
  feitoF = 1;
  drawnSinceReset_ |= DrawnF;
}

// ---- Harmonic components, drawn on top of what the surfaces show.

// Each point of a harmonic: its voltage on Picture1 and its power above the
// axis of Picture2, then the pause.
senoide::PlotComponent Senoide::harmonicPlot(Color c, double pace) {
  return [this, c, pace](double x, double v, double p) {
    voltagePlot_.pset(x, kAxis + v, c);
    powerPlot_.pset(x, kAxis - p, c);
    pauseBelow(pace);
  };
}

// The second harmonic. Its angles enter twice, in the range of t and in the
// sine, so the voltage is shifted by twice its bar's angle.
void Senoide::segundaH_Click(int) {
  secondPower_.setText(str(0));
  feito2 = 0;
  const double S = walkSecond(secondVolts_.value(), radians(secondVAngle_.value()), secondAmps_.value(),
                              radians(secondIAngle_.value()), harmonicPlot(pal::magenta, velocidade / 2.0));
  secondPower_.setText(fmt(S, "###.#"));
  feito2 = 1;
  drawnSinceReset_ |= Drawn2;
}

// The third harmonic. Its angles come from the values stored by the change
// handlers of Text20 and Text21.
void Senoide::TERCEIRA_Click() {
  useKept({"Text20", "Text21"});
  feito3 = 0;
  thirdPower_.setText(fmt(0, "0.0"));
  corrente3 = cint(thirdAmps_);
  tensao3 = cint(thirdVolts_);
  const double S = walkThird(tensao3, radians(angTensao3), corrente3, radians(angCorrente3),
                             harmonicPlot(pal::black, velocidade / 3.0));
  thirdPower_.setText(fmt(S, "###.#"));
  feito3 = 1;
  drawnSinceReset_ |= Drawn3;
}

// The inter-harmonic of order 1.5. A blue line grows along the top edge of Picture2.
void Senoide::inter_Click() {
  useKept({"Text26"});
  feitoI = 0;
  tensaoI = cint(interVolts_);
  correnteI = cint(interAmps_);
  const double pace = velocidade / 1.5;
  const double S = walkInter(tensaoI, correnteI, radians(anguloI), [&](double x, double v, double p) {
    voltagePlot_.pset(x, kAxis + v, pal::gold);
    powerPlot_.pset(x, kAxis - p, pal::gold);
    powerPlot_.pset(x, 0, pal::blue);
    pauseBelow(pace);
  });
  interPower_.setText(fmt(S, "###.#"));
  feitoI = 1;
  drawnSinceReset_ |= DrawnI;
}

// The harmonic of order n. Its angle is kept as a whole number of radians.
void Senoide::executar_Click() {
  banner_.setText(fmt(0, "###.#"));
  feitoN = 0;
  tensaoN = 0;
  correnteN = 0;
  ordemN = cint(order_);
  tensaoN = cint(nthVolts_);
  anguloN = cint(radians(num(nthAngle_)), &nthAngle_);
  correnteN = cint(nthAmps_);

  // Order 0 would step x by 6 / 0, and a negative order would draw nothing
  // yet read as a harmonic drawn, with power 0.
  if (ordemN < 1) refuse(&order_, tx(QStringLiteral("msg.senoide.orderBelowOne")).arg(ordemN));
  if (ordemN > kHighestOrder) refuse(&order_, tx(QStringLiteral("msg.senoide.orderTooHigh")).arg(ordemN));

  // 3 × n is a 16-bit whole number.
  const double pace = velocidade / double(static_cast<std::int16_t>(3 * ordemN));
  const double S = walkNth(ordemN, tensaoN, correnteN, radians(anguloN), harmonicPlot(pal::red, pace));
  nthPower_.setText(str(S));
  feitoN = 1;
  drawnSinceReset_ |= DrawnN;
}

// ---- The resultant of the components drawn since the last resultant.

void Senoide::resultante1_Click() {
  if (feito3 == 1) useKept({"Text14", "Text17", "Text20", "Text21"});
  if (feitoI == 1) useKept({"Text22", "Text23", "Text26"});
  if (feitoN == 1) useKept({"numero", "tensao", "Text1", "Text3"});
  resultantPlot_.cls();
  drawSineGrid(resultantPlot_, kResultantGrid);

  Drawn d;
  d.n = ordemN;
  if (feitoF == 1) {
    const double volts = fundamentalVolts_.value();
    d.fundamental = Wave{volts, 0, double(fundamentalAmps_.value()), fieldRadians(fundamentalAngle_)};
  }
  if (feito2 == 1)
    d.second = Wave{double(secondVolts_.value()), radians(secondVAngle_.value()), double(secondAmps_.value()),
                    radians(secondIAngle_.value())};
  if (feito3 == 1) d.third = Wave{double(tensao3), radians(angTensao3), double(corrente3), radians(angCorrente3)};
  if (feitoI == 1) d.inter = Wave{double(tensaoI), 0, double(correnteI), radians(anguloI)};
  if (feitoN == 1) d.nth = Wave{double(tensaoN), 0, double(correnteN), radians(anguloN)};
  walkResultant(d, [&](double x, const Resultant& r, double readout) {
    writeNumber(resultantPower_, readout, "###.#");
    resultantPlot_.pset(x, kResultantAxis + r.volts, pal::blue);
    resultantPlot_.pset(x, kResultantAxis + 5 * r.amps, pal::red);
    pause(1000);
  });
  feitoF = 0;
  feito2 = 0;
  feito3 = 0;
  feitoI = 0;
  feitoN = 0;
  banner_.setBackColor(pal::yellow);
  banner_.setText(tx(QStringLiteral("Senoide.Text36.locked")));
  setDrawingButtons(false);
}

void Senoide::reset_Click() {
  drawnSinceReset_ = 0;
  for (TextField* f : {&fundamentalPower_, &secondPower_, &thirdPower_, &nthPower_, &resultantPower_, &interPower_})
    f->setText(fmt(0, "0.0"));
  voltagePlot_.cls();
  powerPlot_.cls();
  resultantPlot_.cls();
  banner_.setBackColor(pal::green);
  banner_.setText(tx(QStringLiteral("Senoide.Text36.reset")));
  setDrawingButtons(true);
}

// Normal state: the six drawing buttons shown and reset hidden; locked: the reverse.
void Senoide::setDrawingButtons(bool normal) {
  for (Button* b : drawingButtons_) b->setVisible(normal);
  reset_.setVisible(!normal);
}

void Senoide::FIM_Click() {
  setDrawingButtons(true);
  // The window's own background carries no drawing: clearing it changes nothing.
  host().showMenu();
}

AnalysisInput Senoide::analysisInput() const {
  AnalysisInput in;
  in.kind = AnalysisInput::Kind::SinglePhase;
  // A field that is not a number names itself and reads as NaN: what depends on it is left blank.
  auto read = [&](const TextField& f, const char* quantity, const char* part) {
    if (const auto v = peek(f)) return *v;
    if (in.badField.isEmpty())
      in.badField = tx(QStringLiteral("Analysis.field"))
                        .arg(tx(QLatin1String("Analysis.qty.") + QLatin1String(quantity)),
                             tx(QLatin1String("Analysis.part.") + QLatin1String(part)));
    return std::nan("");
  };
  if (drawnSinceReset_ & DrawnF)
    in.components.push_back({1, double(fundamentalVolts_.value()), 0, double(fundamentalAmps_.value()),
                             read(fundamentalAngle_, "iAngle", "1")});
  if (drawnSinceReset_ & Drawn2)
    in.components.push_back({2, double(secondVolts_.value()), double(secondVAngle_.value()),
                             double(secondAmps_.value()), double(secondIAngle_.value())});
  if (drawnSinceReset_ & Drawn3) {
    const double v = read(thirdVolts_, "volts", "3"), va = read(thirdVAngle_, "vAngle", "3");
    const double i = read(thirdAmps_, "amps", "3"), ia = read(thirdIAngle_, "iAngle", "3");
    in.components.push_back({3, v, va, i, ia});
  }
  if (drawnSinceReset_ & DrawnI) {
    const double v = read(interVolts_, "volts", "i"), i = read(interAmps_, "amps", "i");
    in.components.push_back({1.5, v, 0, i, read(interAngle_, "iAngle", "i")});
  }
  if (drawnSinceReset_ & DrawnN) {
    const double n = read(order_, "order", "n"), v = read(nthVolts_, "volts", "n");
    const double i = read(nthAmps_, "amps", "n");
    in.components.push_back({n, v, 0, i, read(nthAngle_, "iAngle", "n")});
  }
  return in;
}

std::unique_ptr<Form> makeSenoide(FormHost& host) { return std::make_unique<Senoide>(host); }

}  // namespace fv
