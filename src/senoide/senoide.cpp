#include "senoide/senoide.hpp"

#include <cmath>
#include <limits>

#include "shell/app.hpp"
#include "shell/pacer.hpp"

namespace fv {

namespace {

constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kGridGrey = RGB(150, 150, 150);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kMagenta = RGB(255, 0, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kGold = RGB(238, 207, 0);

// The banner's texts written by the handlers (the same in both editions).
const QString kBannerLocked = QStringLiteral("TECLE   RESET");
const QString kBannerReset = QStringLiteral("VELMORA - Energia limpa para quem ensina");

// The six buttons that draw; hidden while the resultant is on show.
const char* const kDrawingButtons[] = {"Fundamental", "segundaH(1)", "executar", "terceira", "resultante1", "inter"};

// A pause whose count is a quotient: the busy count runs while it is below it.
void pauseBelow(double count) {
  if (count > 0) Pacer::pause(static_cast<std::int64_t>(std::ceil(count)));
}

// One point of a harmonic member: its voltage on Picture1 and the magnitude
// of its power, a tenth of |v x i|, above the axis of Picture2. Returns that
// magnitude, which the member adds up.
double plotMember(Surface& p1, Surface& p2, double x, double y0, double vv, double ii, Color c) {
  p1.pset(x, y0 + vv, c);
  const double p = std::fabs(ii * vv) / 10;
  p2.pset(x, y0 - p, c);
  return p;
}

}  // namespace

Senoide::Senoide(App& app) : Form(app, QStringLiteral("Senoide"), 15240, 11016, RGB(192, 192, 192)) {
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
double Senoide::radians(const char* field) {
  const double r = num(field) * 3.1416 / 180;
  if (!std::isfinite(r))
    refuse(&text(field), QStringLiteral("O ângulo do campo destacado é grande demais. Escreva um ângulo menor."),
           QStringLiteral("El ángulo del campo resaltado es demasiado grande. Escriba un ángulo menor."));
  return r;
}

// ---- Plot frames.

// Axes through (1000, 2000) and a grid of pi/4 by one unit of the scale marks.
void Senoide::drawFrame(Surface& s) {
  s.line(100, 2000, 9000, 2000, kGreen);
  s.line(1000, 50, 1000, 4700, kGreen);
  for (int x = 1475; x <= 4800; x += 475) s.line(x, 50, x, 4700, kGridGrey);
  for (int y : {1500, 2500, 1000, 3000, 500, 3500, 0, 4000}) s.line(100, y, 10000, y, kGridGrey);
}

// The resultant's frame: the axis lies at y = 3000.
void Senoide::drawFrame3(Surface& s) {
  s.line(100, 3000, 9000, 3000, kGreen);
  s.line(1000, 50, 1000, 6000, kGreen);
  for (int x = 1475; x <= 4800; x += 475) s.line(x, 50, x, 6000, kGridGrey);
  for (int y : {2500, 2000, 1500, 1000, 500, 3500, 4000, 4500, 5000, 5500}) s.line(100, y, 10000, y, kGridGrey);
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

  drawFrame(p1);
  drawFrame(p2);

  double x = 1000, y0 = 2000, S = 0;
  // t runs down while x runs right: the sine is seen to start on the axis and rise.
  for (double t = 6.28; t >= 0; t += -0.01) {
    const double V = scroll("VScroll3").value();
    const double vv = std::sin(t) * V * 10;
    p1.pset(x, y0 + vv, kBlue);
    const double I = scroll("VScroll2").value();
    const double fi = radians("Text8");
    const double ii = std::sin(fi + t) * I;
    const double p = std::fabs(vv * ii);
    p2.pset(x, y0 - p / 10, kBlue);
    S = S + p;
    x = x + 6;
    Pacer::pause(200000);
    velocidade = cint(double(scroll("VScroll1").value()));
    Pacer::pause(velocidade);
  }
  text("Text15").setText(fmt(S / 10000, "###.#"));
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
  double a = scroll("HScroll2").value() * 3.1416 / 180;
  const double b = scroll("HScroll4").value() * 3.1416 / 180;
  const double end = a + 0;
  for (double t = a + 12.6; t >= end; t += -0.01) {
    const double V = scroll("HScroll1").value();
    a = scroll("HScroll2").value() * 3.1416 / 180;
    const double vv = std::sin(a + t) * V * 10;
    const double I = scroll("HScroll3").value();
    const double b1 = scroll("HScroll4").value() * 3.1416 / 180;
    const double ii = std::sin(b1 + (b + t)) * I;
    const double p = plotMember(p1, p2, x, y0, vv, ii, kMagenta);
    S = S + p;
    x = x + 3;
    pauseBelow(velocidade / 2.0);
  }
  text("Text16").setText(fmt(S / 10000, "###.#"));
  feito2 = 1;
}

// The third harmonic. Its angles come from the values stored by the change
// handlers of Text20 and Text21, and are turned into radians twice in the sine.
void Senoide::TERCEIRA_Click() {
  useKept({"Text20", "Text21"});
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  feito3 = 0;
  text("Text37").setText(fmt(0, "0.0"));
  corrente3 = cint("Text17");
  tensao3 = cint("Text14");
  double x = 1000, y0 = 2000, S = 0;
  const double a = angTensao3 * 3.1416 / 180;
  const double b = angCorrente3 * 3.1416 / 180;
  for (double t = a + 18.84; t >= a; t += -0.01) {
    const double vv = std::sin(t + a * 3.1416 / 180) * tensao3 * 10;
    const double ii = std::sin((t + b) + b * 3.1416 / 180) * corrente3;
    const double p = plotMember(p1, p2, x, y0, vv, ii, kBlack);
    S = S + p;
    x = x + 2;
    pauseBelow(velocidade / 3.0);
  }
  text("Text37").setText(fmt(S / 10000, "###.#"));
  feito3 = 1;
}

// The inter-harmonic of order 1.5: one and a half periods over the
// fundamental's width. A blue line grows along the top edge of Picture2.
void Senoide::inter_Click() {
  useKept({"Text26"});
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  feitoI = 0;
  tensaoI = cint("Text22");
  correnteI = cint("Text23");
  double x = 1000, y0 = 2000, S = 0;
  const double c = anguloI * 3.1416 / 180;
  const double top = 0;
  for (double t = 9.42; t >= 0; t += -0.01) {
    const double vv = std::sin(t) * tensaoI * 10;
    const double ii = std::sin(c + t) * correnteI;
    const double p = plotMember(p1, p2, x, y0, vv, ii, kGold);
    p2.pset(x, top, kBlue);
    S = S + p;
    x = x + 6 / 1.5;
    pauseBelow(velocidade / 1.5);
  }
  text("Text10").setText(fmt(S / 10000, "###.#"));
  feitoI = 1;
}

// The harmonic of order n: n periods over the fundamental's width, its voltage
// drawn at half the scale of the others. Its angle is kept as a whole number
// of radians.
void Senoide::executar_Click() {
  Surface& p1 = surface("Picture1");
  Surface& p2 = surface("Picture2");
  text("Text36").setText(fmt(0, "###.#"));
  feitoN = 0;
  tensaoN = 0;
  correnteN = 0;
  ordemN = cint("numero");
  tensaoN = cint("tensao");
  anguloN = cint(num("Text3") * 3.1416 / 180, &text("Text3"));
  correnteN = cint("Text1");

  // Order 0 would step x by 6 / 0; and the pause divides by 3 x n as a 16-bit
  // whole number, so n must stay within 10922.
  if (ordemN == 0)
    refuse(&text("numero"), QStringLiteral("A ordem da harmônica não pode ser 0. Escreva uma ordem de 1 em diante."),
           QStringLiteral("El orden del armónico no puede ser 0. Escriba un orden de 1 en adelante."));
  if (ordemN > 0 && 3 * ordemN > std::numeric_limits<std::int16_t>::max())
    refuse(&text("numero"),
           QStringLiteral("A ordem %1 é grande demais: a ordem da harmônica vai no máximo até 10922.").arg(ordemN),
           QStringLiteral("El orden %1 es demasiado grande: el orden del armónico llega como máximo a 10922.")
               .arg(ordemN));

  double x = 1000, y0 = 2000, S = 0;
  const double d = anguloN * 3.1416 / 180;
  const double volts = tensaoN * 5.0;
  for (double t = ordemN * 6.3; t >= 0; t += -0.01) {
    const double vv = std::sin(t) * volts;
    const double ii = std::sin(d + t) * correnteN;
    const double p = plotMember(p1, p2, x, y0, vv, ii, kRed);
    S = S + p;
    x = x + 6.0 / ordemN;
    const std::int16_t n3 = static_cast<std::int16_t>(3 * ordemN);
    pauseBelow(velocidade / double(n3));
  }
  text("Text38").setText(str(S / 10000));
  feitoN = 1;
}

// ---- The resultant of the components drawn since the last resultant.

void Senoide::resultante1_Click() {
  if (feito3 == 1) useKept({"Text14", "Text17", "Text20", "Text21"});
  if (feitoI == 1) useKept({"Text22", "Text23", "Text26"});
  if (feitoN == 1) useKept({"numero", "tensao", "Text1", "Text3"});
  Surface& p3 = surface("Picture3");
  p3.cls();
  drawFrame3(p3);

  double x = 1000, y0 = 3000, t = 6.28, S = 0;
  double vF = 0, iF = 0, v2 = 0, i2 = 0, v3 = 0, i3 = 0, vI = 0, iI = 0, vN = 0, iN = 0;
  const double n = ordemN;
  while (t > -0.00001) {
    if (feitoF == 1) {
      vF = std::sin(t) * 10 * scroll("VScroll3").value();
      const double fi = radians("Text8");
      iF = std::sin(fi + t) * scroll("VScroll2").value();
    }
    if (feito2 == 1) {
      const double a = scroll("HScroll2").value() * 3.1416 / 180;
      v2 = std::sin(a + 2 * t) * scroll("HScroll1").value() * 10;
      const double b = scroll("HScroll4").value() * 3.1416 / 180;
      i2 = std::sin(b + 2 * t) * scroll("HScroll3").value();
    }
    if (feito3 == 1) {
      v3 = std::sin(angTensao3 * 3.1416 / 180 + 3 * t) * 10 * tensao3;
      i3 = std::sin(angCorrente3 * 3.1416 / 180 + 3 * t) * corrente3;
    }
    if (feitoI == 1) {
      vI = std::sin(1.5 * t) * 10 * tensaoI;
      iI = std::sin(anguloI * 3.1416 / 180 + 1.5 * t) * correnteI;
    }
    if (feitoN == 1) {
      vN = std::sin(n * t) * 10 * tensaoN;
      iN = std::sin(anguloN * 3.1416 / 180 + n * t) * correnteN;
    }
    const double Vsum = vN + vI + v3 + v2 + vF;
    const double Isum = 5 * iF + 5 * i2 + 5 * i3 + 5 * iI + 5 * iN;
    const double Iw = 10 * iF + 2 * i2 + 3 * i3 + 1.5 * iI + n * iN;
    S = S + std::fabs(Iw * Vsum);
    writeNumber(text("Text39"), S / 1000000, "###.#");
    p3.pset(x, y0 + Vsum, kBlue);
    p3.pset(x, y0 + 5 * Isum, kRed);
    x = x + 6.0 / 10;
    t = t - 0.001;
    Pacer::pause(1000);
  }
  feitoF = 0;
  feito2 = 0;
  feito3 = 0;
  feitoI = 0;
  feitoN = 0;
  TextField& banner = text("Text36");
  banner.setBackColor(QBColor(14));
  banner.setText(kBannerLocked);
  setDrawingButtons(false);
}

void Senoide::reset_Click() {
  for (const char* f : {"Text15", "Text16", "Text37", "Text38", "Text39", "Text10"}) text(f).setText(fmt(0, "0.0"));
  surface("Picture1").cls();
  surface("Picture2").cls();
  surface("Picture3").cls();
  TextField& banner = text("Text36");
  banner.setBackColor(QBColor(10));
  banner.setText(kBannerReset);
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
  app().showMenu();
}

std::unique_ptr<Form> makeSenoide(App& app) { return std::make_unique<Senoide>(app); }

}  // namespace fv
