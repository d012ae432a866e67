#include "geracao/geracao.hpp"

#include "core/angles.hpp"
#include "geracao/model.hpp"
#include "geracao/picture.hpp"

// The pictures are compiled into the library; a static library has to
// register them itself.
static void initPictures() { Q_INIT_RESOURCE(geracao); }

namespace fv {

using namespace geracao;

std::unique_ptr<Form> makeGeracao(FormHost& host) { return std::make_unique<Geracao>(host); }

Geracao::Geracao(FormHost& host) : Form(host, QStringLiteral("Geração"), 15240, 11112, pal::grey) {
  initPictures();
  build(geracaoLayout());

  auto* logo = new FixedPicture(
      pt() ? QStringLiteral(":/geracao/logo_pt.svg") : QStringLiteral(":/geracao/logo_es.svg"), kGeracaoLogo.w, false);
  adopt(logo, QStringLiteral("logo"), kGeracaoLogo);
  logo->lower();
  for (const PictureBox& p : geracaoPictures())
    adopt(new FixedPicture(QString::fromUtf8(p.resource), p.r.w, true), QString::fromUtf8(p.name), p.r);

  setTabOrder({"volta",  "Picture1", "Picture2", "go",       "pulso",    "Text10",    "Text11",  "Text12",
               "Frame1", "HScroll1", "Text1",    "Text2",    "Text3",    "Frame2",    "Text4",   "geração",
               "Text5",  "Text6",    "Text8",    "Text9",    "Picture3", "CAPACITOR", "indutor", "Text13",
               "Text14", "Text15",   "Text16",   "Text17",   "Text18",   "Command1",  "Text19",  "Text7",
               "Text20", "Text21",   "Picture4", "Picture5", "Picture6"});
  // Frames hold a place in the order but never take the focus themselves.
  frame(QStringLiteral("Frame1")).setFocusPolicy(Qt::NoFocus);
  frame(QStringLiteral("Frame2")).setFocusPolicy(Qt::NoFocus);

  onClick(QStringLiteral("go"), [this] { go_Click(); });
  onClick(QStringLiteral("geração"), [this] { geracao_Click(); });
  onClick(QStringLiteral("pulso"), [this] { pulso_Click(); });
  onClick(QStringLiteral("volta"), [this] { volta_Click(); });
  setFocusHome({"go"});
  // Each change of the angle replays the animation: a drag of the thumb
  // raises one change, when it is released.
  scroll(QStringLiteral("HScroll1")).setTracking(false);
  onChange(QStringLiteral("HScroll1"), [this] { HScroll1_Change(); });
  // CAPACITOR, indutor and Command1 have no action.

  Form_Load();
}

void Geracao::Form_Load() {
  button(QStringLiteral("geração")).setVisible(false);
  surface(QStringLiteral("Picture3")).setVisible(false);
  frame(QStringLiteral("Frame1")).setVisible(false);
  frame(QStringLiteral("Frame2")).setVisible(false);
  text(QStringLiteral("Text10")).setVisible(false);
  text(QStringLiteral("Text11")).setVisible(false);
}

double Geracao::phi() const { return phaseAngle(scroll(QStringLiteral("HScroll1")).value()); }

void Geracao::drawGenerator() {
  Surface& p2 = surface(QStringLiteral("Picture2"));
  for (int r = kCore.from; r <= kCore.to; r += 5) p2.circle(kCx, kCy, r, pal::blue);
  for (int r = kRing.from; r <= kRing.to; r += 5) p2.circle(kCx, kCy, r, pal::red);
  for (int r = kRim.from; r <= kRim.to; r += 5) p2.circle(kCx, kCy, r, pal::cyan);
}

void Geracao::drawWaveformGrid() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.line(100, 2000, 9000, 2000, pal::green);  // voltage and current
  p1.line(100, 4000, 9000, 4000, pal::green);  // power
  for (int x : kDegreeLines) p1.line(x, 100, x, 5000, pal::green);
}

void Geracao::runGenerator(std::int64_t pauseCount, const std::function<void(double t)>& waveforms) {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  Surface& p2 = surface(QStringLiteral("Picture2"));
  double a = 4.75;
  X = 1000;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    // 1. The rotor mark, 2. the mark of ten steps before erased in the rim's
    // cyan, 3. a turn clockwise.
    for (double r : kMarkRadii) {
      const Point m = rotorMark(a, r);
      p2.pset(m.x, m.y, pal::blue);
    }
    for (double r : kMarkRadii) {
      const Point m = rotorMark(a + 0.1, r);
      p2.pset(m.x, m.y, pal::cyan);
    }
    a = a - 0.01;
    // 4. The voltage point, with the trail of twenty steps before in magenta.
    const double V = voltageY(t);
    const double W = trailY(t);
    for (double x : {4800.0, 4810.0, 4820.0}) {
      p1.pset(x, W, pal::magenta);
      p1.pset(x, V, pal::blue);
    }
    // 5. The waveforms, when asked for.
    if (waveforms) waveforms(t);
    // 6. Next x, 7. pause.
    X = X + 6;
    pause(pauseCount);
  }
}

void Geracao::fullGeneration(std::int64_t pauseCount, std::int64_t extraPause) {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.cls();
  surface(QStringLiteral("Picture2")).cls();
  int flag = 0;
  drawGenerator();
  drawWaveformGrid();
  runGenerator(pauseCount, [&](double t) {
    pause(extraPause);
    const double fi = phi();
    p1.pset(X, voltageY(t), pal::blue);
    const double I = currentY(t, fi);
    p1.pset(X, I, pal::magenta);
    // The phase mark on the axis, up to where the current first rises above it.
    if (I >= 2000) {
      if (flag == 0) p1.pset(X, 2000, pal::black);
    } else {
      flag = 1;
    }
    const Powers pw = powers(fi);
    writeNumber(text(QStringLiteral("Text5")), pw.apparent, "##.#");
    writeNumber(text(QStringLiteral("Text4")), pw.active, "##.#");
    writeNumber(text(QStringLiteral("Text21")), pw.reactive, "##.#");
    // The instantaneous power, in the surface's own foreground colour.
    p1.pset(X, powerY(t, fi));
  });
}

void Geracao::go_Click() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.cls();
  surface(QStringLiteral("Picture2")).cls();
  drawGenerator();
  p1.line(100, 2000, 9000, 2000, pal::white);
  p1.line(1000, 100, 1000, 5000, pal::black);
  runGenerator(200000, nullptr);
  button(QStringLiteral("geração")).setVisible(true);
  control(QStringLiteral("Picture5")).setVisible(false);
}

void Geracao::geracao_Click() {
  // The Portuguese edition lingers on each step.
  if (pt())
    fullGeneration(10000, 300000);
  else
    fullGeneration(200000, 0);
  surface(QStringLiteral("Picture3")).setVisible(true);
  frame(QStringLiteral("Frame1")).setVisible(true);
  frame(QStringLiteral("Frame2")).setVisible(true);
  text(QStringLiteral("Text10")).setVisible(true);
  text(QStringLiteral("Text11")).setVisible(true);
}

void Geracao::HScroll1_Change() {
  const double fi = phi();
  text(QStringLiteral("Text3")).setText(fmt(degrees(fi), "##.##"));
  text(QStringLiteral("Text8")).setText(fmt(powerFactor(fi), "#.###"));
  Surface& p3 = surface(QStringLiteral("Picture3"));
  p3.cls();
  text(QStringLiteral("Text14")).setText(tx(QStringLiteral("Geração.Text14.power")));
  text(QStringLiteral("Text15")).setText(tx(QStringLiteral("Geração.Text15.power")));
  text(QStringLiteral("Text16")).setText(tx(QStringLiteral("Geração.Text16.power")));
  text(QStringLiteral("Text17")).setText(tx(QStringLiteral("Geração.Text17.power")));
  text(QStringLiteral("Text13")).setText(tx(QStringLiteral("Geração.Text13.power")));
  // The angle again, formatted from the text just written; a text that is
  // not a number (the lone separator of zero, say) is kept as it stands.
  const QString angle = text(QStringLiteral("Text3")).text();
  const std::optional<double> value = parse(angle);
  text(QStringLiteral("Text18"))
      .setText(tx(QStringLiteral("Geração.Text18.power")) + (value ? fmt(*value, "##.##") : angle));
  // Active along the base (white), reactive upwards (soft green), apparent
  // the hypotenuse (magenta).
  const Point o = kTriangleOrigin;
  const Point c = triangleCorner(fi);
  p3.line(o.x, o.y, c.x, o.y, pal::white);
  p3.line(c.x, o.y, c.x, c.y, pal::softGreen);
  p3.line(o.x, o.y, c.x, c.y, pal::magenta);
  fullGeneration(10000, 0);
  control(QStringLiteral("Picture5")).setVisible(false);
}

void Geracao::pulso_Click() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.cls();
  p1.line(100, 2000, 9000, 2000, pal::green);
  p1.line(1000, 100, 1000, 5000, pal::green);
  // Edge and bottom of each pulse in red-orange; its trailing edge and the
  // level line in red.
  X = pulseTrain([&](double x, double y, PulsePart part) {
    const bool orange = part == PulsePart::LeadingEdge || part == PulsePart::Bottom;
    p1.pset(x, y, orange ? pal::redOrange : pal::red);
  });
}

void Geracao::volta_Click() { host().showMenu(); }

}  // namespace fv
