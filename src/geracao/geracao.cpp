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
  waves_ = &surface(QStringLiteral("Picture1"));
  generator_ = &surface(QStringLiteral("Picture2"));
  triangle_ = &surface(QStringLiteral("Picture3"));
  angle_ = &scroll(QStringLiteral("HScroll1"));
  angleText_ = &text(QStringLiteral("Text3"));
  factor_ = &text(QStringLiteral("Text8"));
  apparent_ = &text(QStringLiteral("Text5"));
  active_ = &text(QStringLiteral("Text4"));
  reactive_ = &text(QStringLiteral("Text21"));
  generation_ = &button(QStringLiteral("geração"));
  frame1_ = &frame(QStringLiteral("Frame1"));
  frame2_ = &frame(QStringLiteral("Frame2"));
  text10_ = &text(QStringLiteral("Text10"));
  text11_ = &text(QStringLiteral("Text11"));
  for (const char* name : {"Text14", "Text15", "Text16", "Text17", "Text13"})
    triangleCaptions_.push_back(&text(QString::fromUtf8(name)));
  angleCaption_ = &text(QStringLiteral("Text18"));

  auto* logo = new FixedPicture(
      pt() ? QStringLiteral(":/geracao/logo_pt.svg") : QStringLiteral(":/geracao/logo_es.svg"), kGeracaoLogo.w, false);
  adopt(logo, QStringLiteral("logo"), kGeracaoLogo);
  logo->lower();
  for (const PictureBox& p : geracaoPictures())
    adopt(new FixedPicture(QString::fromUtf8(p.resource), p.r.w, true), QString::fromUtf8(p.name), p.r);
  picture5_ = &control(QStringLiteral("Picture5"));

  setTabOrder({"volta",  "Picture1", "Picture2", "go",       "pulso",    "Text10",    "Text11",  "Text12",
               "Frame1", "HScroll1", "Text1",    "Text2",    "Text3",    "Frame2",    "Text4",   "geração",
               "Text5",  "Text6",    "Text8",    "Text9",    "Picture3", "CAPACITOR", "indutor", "Text13",
               "Text14", "Text15",   "Text16",   "Text17",   "Text18",   "Command1",  "Text19",  "Text7",
               "Text20", "Text21",   "Picture4", "Picture5", "Picture6"});
  // Frames hold a place in the order but never take the focus themselves.
  frame1_->setFocusPolicy(Qt::NoFocus);
  frame2_->setFocusPolicy(Qt::NoFocus);

  onClick(QStringLiteral("go"), [this] { go_Click(); });
  onClick(QStringLiteral("geração"), [this] { geracao_Click(); });
  onClick(QStringLiteral("pulso"), [this] { pulso_Click(); });
  onClick(QStringLiteral("volta"), [this] { volta_Click(); });
  setFocusHome({"go"});
  // Each change of the angle replays the animation: a drag of the thumb
  // raises one change, when it is released.
  angle_->setTracking(false);
  onChange(QStringLiteral("HScroll1"), [this] { HScroll1_Change(); });
  // CAPACITOR, indutor and Command1 have no action.

  Form_Load();
}

void Geracao::Form_Load() {
  generation_->setVisible(false);
  triangle_->setVisible(false);
  frame1_->setVisible(false);
  frame2_->setVisible(false);
  text10_->setVisible(false);
  text11_->setVisible(false);
}

double Geracao::phi() const { return phaseAngle(angle_->value()); }

void Geracao::drawGenerator() {
  Surface& p2 = *generator_;
  for (int r = kCore.from; r <= kCore.to; r += 5) p2.circle(kCx, kCy, r, pal::blue);
  for (int r = kRing.from; r <= kRing.to; r += 5) p2.circle(kCx, kCy, r, pal::red);
  for (int r = kRim.from; r <= kRim.to; r += 5) p2.circle(kCx, kCy, r, pal::cyan);
}

void Geracao::drawWaveformGrid() {
  Surface& p1 = *waves_;
  p1.line(100, 2000, 9000, 2000, pal::green);  // voltage and current
  p1.line(100, 4000, 9000, 4000, pal::green);  // power
  for (int x : kDegreeLines) p1.line(x, 100, x, 5000, pal::green);
}

// 1. The rotor mark, 2. the mark of ten steps before erased in the rim's
// cyan, 3. the voltage point, with the trail of twenty steps before in magenta.
void Geracao::drawGeneratorStep(const Step& s) {
  for (const Point& m : s.mark) generator_->pset(m.x, m.y, pal::blue);
  for (const Point& m : s.erased) generator_->pset(m.x, m.y, pal::cyan);
  for (double x : {4800.0, 4810.0, 4820.0}) {
    waves_->pset(x, s.trail, pal::magenta);
    waves_->pset(x, s.voltage, pal::blue);
  }
}

void Geracao::fullGeneration(std::int64_t pauseCount, std::int64_t extraPause) {
  Surface& p1 = *waves_;
  p1.cls();
  generator_->cls();
  drawGenerator();
  drawWaveformGrid();
  const double fi = phi();
  const Powers pw = powers(fi);
  X = generatorSteps(fi, [&](const Step& s) {
    X = s.x;
    drawGeneratorStep(s);
    pause(extraPause);
    p1.pset(X, s.voltage, pal::blue);
    p1.pset(X, s.curves->current, pal::magenta);
    if (s.curves->phaseMark) p1.pset(X, 2000, pal::black);
    writeNumber(*apparent_, pw.apparent, "##.#");
    writeNumber(*active_, pw.active, "##.#");
    writeNumber(*reactive_, pw.reactive, "##.#");
    // The instantaneous power, in the surface's own foreground colour.
    p1.pset(X, s.curves->power);
    pause(pauseCount);
  });
}

void Geracao::go_Click() {
  Surface& p1 = *waves_;
  p1.cls();
  generator_->cls();
  drawGenerator();
  p1.line(100, 2000, 9000, 2000, pal::white);
  p1.line(1000, 100, 1000, 5000, pal::black);
  X = generatorSteps(std::nullopt, [&](const Step& s) {
    X = s.x;
    drawGeneratorStep(s);
    pause(200000);
  });
  generation_->setVisible(true);
  picture5_->setVisible(false);
}

void Geracao::geracao_Click() {
  // The Portuguese edition lingers on each step.
  if (pt())
    fullGeneration(10000, 300000);
  else
    fullGeneration(200000, 0);
  triangle_->setVisible(true);
  frame1_->setVisible(true);
  frame2_->setVisible(true);
  text10_->setVisible(true);
  text11_->setVisible(true);
}

void Geracao::HScroll1_Change() {
  const double fi = phi();
  angleText_->setText(fmt(degrees(fi), "##.##"));
  factor_->setText(fmt(powerFactor(fi), "#.###"));
  Surface& p3 = *triangle_;
  p3.cls();
  for (TextField* t : triangleCaptions_) t->setText(tx(QStringLiteral("Geração.%1.power").arg(t->objectName())));
  // The angle again, formatted from the text just written; a text that is
  // not a number (the lone separator of zero, say) is kept as it stands.
  const QString angle = angleText_->text();
  const std::optional<double> value = parse(angle);
  angleCaption_->setText(tx(QStringLiteral("Geração.Text18.power")) + (value ? fmt(*value, "##.##") : angle));
  // Active along the base (white), reactive upwards (soft green), apparent
  // the hypotenuse (magenta).
  const Point o = kTriangleOrigin;
  const Point c = triangleCorner(fi);
  p3.line(o.x, o.y, c.x, o.y, pal::white);
  p3.line(c.x, o.y, c.x, c.y, pal::softGreen);
  p3.line(o.x, o.y, c.x, c.y, pal::magenta);
  fullGeneration(10000, 0);
  picture5_->setVisible(false);
}

void Geracao::pulso_Click() {
  Surface& p1 = *waves_;
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
