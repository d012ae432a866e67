#include "geracao/geracao.hpp"

#include <cmath>

#include "geracao/picture.hpp"
#include "shell/app.hpp"
#include "shell/numtext.hpp"
#include "shell/pacer.hpp"

// The pictures are compiled into the library; a static library has to
// register them itself.
static void initPictures() { Q_INIT_RESOURCE(geracao); }

namespace fv {

namespace {

// The three pictures and the logo were drawn at 12 twips to a pixel; the
// picture boxes add a border of 24 twips on each side.
struct PictureBox {
  const char* name;
  const char* resource;
  Rect r;
};
constexpr PictureBox kPictures[] = {
    {"Picture4", ":/geracao/gerador.svg", {12120, 4800, 2244, 2532}},
    {"Picture5", ":/geracao/eletroima.svg", {3600, 6120, 6180, 3132}},
    {"Picture6", ":/geracao/maquina.svg", {11400, 8040, 2808, 2448}},
};
constexpr Rect kLogo{0, 0, 191 * 12, 54 * 12};

}  // namespace

std::unique_ptr<Form> makeGeracao(App& app) { return std::make_unique<Geracao>(app); }

Geracao::Geracao(App& app) : Form(app, QStringLiteral("Geração"), 15240, 11112, RGB(192, 192, 192)) {
  initPictures();
  build(geracaoLayout());

  // The maker's logo lies on the window's background, at its top-left corner.
  auto* logo = new FixedPicture(
      pt() ? QStringLiteral(":/geracao/logo_pt.svg") : QStringLiteral(":/geracao/logo_es.svg"), kLogo.w, false);
  adopt(logo, QStringLiteral("logo"), kLogo);
  logo->lower();
  for (const PictureBox& p : kPictures)
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
  onClick(QStringLiteral("geração"), [this] { geração_Click(); });
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

double Geracao::phi() const { return scroll(QStringLiteral("HScroll1")).value() / 100.0; }

void Geracao::drawGenerator() {
  Surface& p2 = surface(QStringLiteral("Picture2"));
  for (int r = 10; r <= 900; r += 5) p2.circle(kCx, kCy, r, kBlue);     // the core
  for (int r = 900; r <= 1200; r += 5) p2.circle(kCx, kCy, r, kRed);    // the ring
  for (int r = 1200; r <= 1300; r += 5) p2.circle(kCx, kCy, r, kCyan);  // the rim
}

void Geracao::drawWaveformGrid() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.line(100, 2000, 9000, 2000, kGreen);  // voltage and current
  p1.line(100, 4000, 9000, 4000, kGreen);  // power
  // 0° to 360°, as the scale under the surface names them.
  for (int x : {1000, 1476, 1952, 2428, 2904, 3380, 3856, 4332, 4810}) p1.line(x, 100, x, 5000, kGreen);
}

void Geracao::runGenerator(std::int64_t pauseCount, const std::function<void(double t)>& waveforms) {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  Surface& p2 = surface(QStringLiteral("Picture2"));
  constexpr double kRadii[] = {1300, 0.98 * 1300, 0.96 * 1300, 0.94 * 1300};
  double a = 4.75;
  X = 1000;
  for (double t = 6.3; t >= 0; t = t - 0.01) {
    // 1. The rotor mark, 2. the mark of ten steps before erased, 3. a turn clockwise.
    for (double r : kRadii) p2.pset(kCx + r * std::sin(a), kCy + r * std::cos(a), kBlue);
    for (double r : kRadii) p2.pset(kCx + r * std::sin(a + 0.1), kCy + r * std::cos(a + 0.1), kCyan);
    a = a - 0.01;
    // 4. The voltage point, with the trail of twenty steps before in magenta.
    const double V = 2000 + 1200 * std::sin(t);
    const double W = 2000 + 1200 * std::sin(t + 0.2);
    for (double x : {4800.0, 4810.0, 4820.0}) {
      p1.pset(x, W, kMagenta);
      p1.pset(x, V, kBlue);
    }
    // 5. The waveforms, when asked for.
    if (waveforms) waveforms(t);
    // 6. Next x, 7. pause.
    X = X + 6;
    Pacer::pause(pauseCount);
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
    Pacer::pause(extraPause);
    // Voltage.
    p1.pset(X, 2000 + 1200 * std::sin(t), kBlue);
    // Current, shifted by the phase angle.
    double fi = phi();
    const double I = 2000 + 600 * std::sin(t + fi);
    p1.pset(X, I, kMagenta);
    // The phase mark on the axis, up to where the current first rises above it.
    if (I >= 2000) {
      if (flag == 0) p1.pset(X, 2000, kBlack);
    } else {
      flag = 1;
    }
    // Apparent, active and reactive power.
    fi = phi();
    text(QStringLiteral("Text5")).setText(fmt((1200.0 * 600) * 1 / 1000, "##.#"));
    text(QStringLiteral("Text4")).setText(fmt((1200.0 * 600) * std::cos(fi) / 1000, "##.#"));
    text(QStringLiteral("Text21")).setText(fmt((1200.0 * 600) * std::sin(fi) / 1000, "##.#"));
    // Instantaneous power, in the surface's own foreground colour.
    const double p = std::abs(1200 * std::sin(t) * 600 * std::sin(t + fi)) / 400;
    p1.pset(X, 4000 - p);
  });
}

void Geracao::go_Click() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.cls();
  surface(QStringLiteral("Picture2")).cls();
  drawGenerator();
  p1.line(100, 2000, 9000, 2000, kWhite);
  p1.line(1000, 100, 1000, 5000, kBlack);
  runGenerator(200000, nullptr);
  button(QStringLiteral("geração")).setVisible(true);
  control(QStringLiteral("Picture5")).setVisible(false);
}

void Geracao::geração_Click() {
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
  text(QStringLiteral("Text3")).setText(fmt(fi * 180 / 3.1416, "##.##"));
  text(QStringLiteral("Text8")).setText(fmt(std::cos(fi), "#.###"));
  Surface& p3 = surface(QStringLiteral("Picture3"));
  p3.cls();
  text(QStringLiteral("Text14")).setText(QStringLiteral("Potencia Reativa"));
  text(QStringLiteral("Text15")).setText(QStringLiteral("Q=V*I*sen Ø"));
  text(QStringLiteral("Text16")).setText(QStringLiteral("Potencia Aparente"));
  text(QStringLiteral("Text17")).setText(QStringLiteral("S=V*I"));
  text(QStringLiteral("Text13")).setText(QStringLiteral("Potencia Ativa = V*I*Cos Ø"));
  // The angle again, formatted from the text just written; a text that is
  // not a number (the lone separator of zero, say) is kept as it stands.
  const QString angle = text(QStringLiteral("Text3")).text();
  const QByteArray utf8 = angle.toUtf8();
  const char sep = App::decimalSeparator().toLatin1() ? App::decimalSeparator().toLatin1() : '.';
  const auto value = numtext::parse(std::string_view(utf8.constData(), size_t(utf8.size())), sep);
  text(QStringLiteral("Text18")).setText(QStringLiteral("Ø =") + (value ? fmt(*value, "##.##") : angle));
  // The power triangle: active along the base, reactive upwards, apparent the hypotenuse.
  const double cx = 300 + 2500 * std::cos(fi);
  const double cy = 2500 - 2500 * std::sin(fi);
  p3.line(300, 2500, cx, 2500, kWhite);
  p3.line(cx, 2500, cx, cy, kTriangleQ);
  p3.line(300, 2500, cx, cy, kMagenta);
  fullGeneration(10000, 0);
  control(QStringLiteral("Picture5")).setVisible(false);
}

void Geracao::pulso_Click() {
  Surface& p1 = surface(QStringLiteral("Picture1"));
  p1.cls();
  p1.line(100, 2000, 9000, 2000, kGreen);
  p1.line(1000, 100, 1000, 5000, kGreen);
  X = 1000;
  double k = 0;
  while (X <= 5000) {
    k = k + 0.5;
    if (k == 500) {
      // A pulse: leading edge down, bottom, trailing edge.
      for (double y = 1100; y <= 1800; y += 0.5) p1.pset(X, y, kOrange);
      for (double x = X; x <= X + 500; x += 0.5) p1.pset(x, 1800, kOrange);
      for (double y = 1100; y <= 1800; y += 0.5) p1.pset(X + 500.5, y, kRed);
      X = X + 500;
      k = 0;
    }
    p1.pset(X, 1100, kRed);
    X = X + 0.5;
  }
}

void Geracao::volta_Click() { app().showMenu(); }

}  // namespace fv
