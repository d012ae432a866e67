#include "simula2/simula2.hpp"

#include <QPlainTextEdit>
#include <cmath>

#include "shell/app.hpp"
#include "shell/errors.hpp"
#include "simula2/simula2_field.hpp"

namespace fv {

namespace {

constexpr Color kCable1 = RGB(0, 161, 58);
constexpr Color kCable2 = RGB(0, 0, 150);

// Open trough.
constexpr Color kFieldOpen = RGB(0, 192, 255);
constexpr Color kAboveTrough = RGB(204, 218, 0);
constexpr Color kSteelOpen = RGB(210, 145, 153);
// Closed trough.
constexpr Color kPlasticClosed = RGB(255, 127, 127);
constexpr Color kSteelClosed = RGB(215, 247, 255);
// Aluminium in both troughs, and steel inside the right compartment.
constexpr Color kCompartment = RGB(0, 194, 192);

// 42 twips stand for 1 mm on Picture2.
constexpr double kTwipsPerMm = 42;

// Picture2 in twips, and how far beyond its edges a point can still leave a
// mark (a point is one pixel wide, several twips when the window is shrunk).
constexpr double kPictureWidth = 14655;
constexpr double kPictureHeight = 9495;
constexpr double kMargin = 600;
// Ring radii grow by whole twips and stay exact up to here; a ring farther
// off than this cannot be placed on the picture to the twip.
constexpr double kExactRadius = 4503599627370496.0;  // 2^52

}  // namespace

Simula2::Simula2(App& app) : Form(app, QStringLiteral("simula2"), 15060, 11112, sys::ButtonFace) {
  build(simula2Layout());
  pic_ = &surface(QStringLiteral("Picture2"));
  // Two-line labels keep their lines as written.
  for (TextField* t : findChildren<TextField*>())
    if (t->plainEdit()) t->plainEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
  onChange("HScroll1", [this] { HScroll1_Change(); });
  onChange("VScroll1", [this] { VScroll1_Change(); });
  onChange("HScroll4", [this] { HScroll4_Change(); });
  onChange("HScroll3", [this] { HScroll3_Change(); });
  onClick("Option1", [this] { Option1_Click(); });
  onClick("Option2", [this] { Option2_Click(); });
  onClick("Option3", [this] { Option3_Click(); });
  onClick("Command1", [this] { Command1_Click(); });
  onClick("Command2", [this] { Command2_Click(); });
  onClick("Command3", [this] { Command3_Click(); });
}

// ---- Scroll bars and material

// 2.5 mm per step, shown in whole millimetres.
void Simula2::HScroll1_Change() { write("Text22", fmt(scroll("HScroll1").value() * 250 / 100.0, "###")); }

// The height in millimetres; at 0 the pattern writes an empty text.
void Simula2::VScroll1_Change() { write("Text23", fmt(scroll("VScroll1").value(), "###")); }

// 5.5 V per step.
void Simula2::HScroll4_Change() { write("Text2", fmt(scroll("HScroll4").value() * 5.5, "###")); }

void Simula2::HScroll3_Change() { write("Text4", fmt(scroll("HScroll3").value(), "###")); }

void Simula2::Option1_Click() {
  write("Text10", QStringLiteral("0"));
  write("Text12", QStringLiteral("0"));
}

void Simula2::Option2_Click() {
  write("Text10", QStringLiteral("0"));
  write("Text12", QStringLiteral("0"));
}

void Simula2::Option3_Click() {
  write("Text10", QStringLiteral("0"));
  write("Text12", QStringLiteral("0"));
}

void Simula2::Command3_Click() { app().showMenu(); }

void Simula2::write(const char* field, const QString& value) { text(field).setText(value); }

// ---- Geometry

// A length field in millimetres, in twips.
double Simula2::twipsOf(const char* field) const {
  const double v = num(field) * kTwipsPerMm;
  if (!std::isfinite(v)) refuse(&text(field), tx("msg.overflow"), tx("msg.overflow"));
  return v;
}

// Cable 1 moves left from x = 8400 and up from the floor at y = 5000.
Simula2::Point Simula2::cable1(double W, double H) const {
  const double x1 = 8400 - (W * scroll("HScroll7").value() / 200) * 0.9;
  const double y1 = 5000 - H * scroll("VScroll3").value() / 100;
  return {x1, y1};
}

// Cable 2 moves right from x = 8600 and up from the floor.
Simula2::Point Simula2::cable2(double W, double H) const {
  const double x2 = 8600 + (W * scroll("HScroll8").value() / 200) * 0.9;
  const double y2 = 5000 - H * scroll("VScroll4").value() / 100;
  return {x2, y2};
}

// Millimetres between the two cable centres.
double Simula2::distance(Point c1, Point c2) {
  const double dy = std::fabs(c2.y - c1.y), dx = std::fabs(c2.x - c1.x);
  return std::sqrt(dy * dy + dx * dx) / kTwipsPerMm;
}

Simula2::Trough Simula2::trough(double W, double H) {
  Trough t;
  t.L = 8500 - W / 2 - 70;
  t.R = 8500 + W / 2;
  t.T = 5000 - H;
  t.B = 5100;
  t.M = t.L + (t.R - t.L) / 2;
  return t;
}

// Concentric circles of radius 10, 13, 16, ... 97.
void Simula2::drawCable(Point c, Color colour) {
  for (double r = 10; r < 100; r += 3) pic_->circle(c.x, c.y, r, colour);
}

// Six passes 10 twips apart: floor, left wall, right wall, divider.
void Simula2::openOutline(double W, double H) {
  const Trough t = trough(W, H);
  for (int a = 10; a <= 60; a += 10) {
    pic_->line(t.L + 10, t.B + a, t.R + 60, t.B + a);
    pic_->line(t.L + a, t.T, t.L + a, t.B + 20);
    pic_->line(t.R + a, t.T, t.R + a, t.B + 20);
    pic_->line(t.M + a, t.T, t.M + a, t.B + 20);
  }
}

// As the open outline, with the lid from T - 40 to T + 10 after the floor.
// The second drawing gives pass k the colour RGB(k, 0, 0).
void Simula2::closedOutline(double W, double H, bool darkRedPasses) {
  const Trough t = trough(W, H);
  for (int k = 0; k <= 5; ++k) {
    const int a = 10 * (k + 1);
    const Color c = darkRedPasses ? RGB(k, 0, 0) : pic_->foreColor();
    pic_->line(t.L + 10, t.B + a, t.R + 60, t.B + a, c);
    pic_->line(t.L + 10, t.T + a - 50, t.R + 60, t.T + a - 50, c);
    pic_->line(t.L + a, t.T, t.L + a, t.B + 20, c);
    pic_->line(t.R + a, t.T, t.R + a, t.B + 20, c);
    pic_->line(t.M + a, t.T, t.M + a, t.B + 20, c);
  }
}

// Typed widths can put both cables on one spot; the field value would divide by zero.
void Simula2::checkDistance(double D) {
  if (D > 0) return;
  refuse(&text("Text22"),
         QStringLiteral("Os dois cabos ficaram no mesmo ponto: a distância entre eles é zero. "
                        "Corrija a largura da canaleta e tente de novo."),
         QStringLiteral("Los dos cables quedaron en el mismo punto: la distancia entre ellos es cero. "
                        "Corrija el ancho de la canaleta e inténtelo de nuevo."));
}

// The field of cable 2: rings of radius 100, 100 + step, ... while
// r < 50 I 2, each traced as 631 points at angle theta, which starts at 4.75
// once and falls by 0.01 after every point, so that each ring starts where
// the previous one ended. Rings that cannot reach the picture are not
// traced, but theta moves on over them exactly as if they were.
template <class Plot>
void Simula2::fieldRings(Point c2, double I, double step, Plot&& plot) {
  const simula2::Reach reach = simula2::reach(c2.x, c2.y, kPictureWidth, kPictureHeight, kMargin);
  double theta = simula2::kThetaStart;
  double r = 100;
  while (r < 50 * I * 2) {
    // This ring and all larger ones enclose the whole picture.
    if (r > reach.farthest) return;
    if (r < reach.nearest) {
      if (reach.nearest > kExactRadius) return;
      const double rings = std::ceil((reach.nearest - r) / step);
      theta = simula2::thetaAfter(theta, static_cast<std::int64_t>(rings) * simula2::kPointsPerRing);
      r += rings * step;
      continue;
    }
    for (int k = 0; k < simula2::kPointsPerRing; ++k) {
      plot(c2.x + r * std::sin(theta), c2.y + r * std::cos(theta));
      theta -= simula2::kThetaStep;
    }
    r += step;
  }
}

// ---- Canaleta Aberta

void Simula2::Command1_Click() {
  pic_->cls();

  double I = num("Text4");
  const double V = num("Text2");
  const double H = twipsOf("Text23");
  const double W = twipsOf("Text22");

  const Point c1 = cable1(W, H);
  drawCable(c1, kCable1);
  const Point c2 = cable2(W, H);
  drawCable(c2, kCable2);

  const double D = distance(c1, c2);
  write("Text10", fmt(D, "##.##"));
  const double h1 = (5000 - c1.y) + 1;

  openOutline(W, H);

  I = num("Text4");
  const bool plastic = option("Option1").value();
  const bool steel = option("Option2").value();
  const bool aluminium = option("Option3").value();
  // e and e1 depend only on V, I, D and h1: every point of the field gets the
  // same value, so Text12 gets its text as the first point is reached.
  if (100 < 50 * I * 2) {
    checkDistance(D);
    const double e = V * I / (D * D) * 2;
    double e1 = 0;
    if (plastic) e1 = e * 500;
    if (steel) e1 = e * 500 / 2 + e * h1 * 0.1;
    if (aluminium) e1 = e * 500 / 4 + e * h1 * 0.1;
    write("Text12", fmt(e1, "##.###"));
  }
  const Color screen = steel ? kSteelOpen : kCompartment;
  const double right = 8500 + W / 2;
  fieldRings(c2, I, 30, [&](double x, double y) {
    Color colour = kFieldOpen;
    if (steel || aluminium) {
      if (x < 8500 && y < 5100) colour = screen;
      if (x < 8500 && y < 5100 - H) colour = kAboveTrough;
      if (x > right && y < 5100) colour = screen;
      if (x > right && y < 5100 - H) colour = kAboveTrough;
      if (y > 5100) colour = screen;
    }
    pic_->pset(x, y, colour);
  });

  openOutline(W, H);

  drawCable(cable1(W, H), kCable1);
}

// ---- Canaleta Fechada

void Simula2::Command2_Click() {
  pic_->cls();

  // The voltage comes from the scroll bar, 5.5 V per step.
  const double V = scroll("HScroll4").value() * 550.0 / 100;
  write("Text12", QStringLiteral("0"));

  double H = twipsOf("Text23");
  double W = twipsOf("Text22");

  const Point c1 = cable1(W, H);
  drawCable(c1, kCable1);
  const Point c2 = cable2(W, H);
  drawCable(c2, kCable2);

  const double D = distance(c1, c2);
  write("Text10", fmt(D, "##.##"));

  W = twipsOf("Text22");
  H = twipsOf("Text23");
  closedOutline(W, H, false);

  const double I = num("Text4");
  const bool plastic = option("Option1").value();
  const bool steel = option("Option2").value();
  const bool aluminium = option("Option3").value();
  // As in the open trough, every point gets the same e1.
  if (100 < 50 * I * 2) {
    checkDistance(D);
    const double e = V * I / (D * D) * 2;
    double e1 = 0;
    if (plastic) e1 = e * 500;
    if (steel) e1 = e * 500 / 12 + (e * 250 / 42) * 0.02;
    if (aluminium) e1 = e * 500 / 42 + (e * 250 / 42) * 0.01;
    write("Text12", fmt(e1, "##.###"));
  }
  const double right = 8500 + W / 2;
  auto inRightCompartment = [&](double x, double y) { return 8500 < x && x < right && 5000 - H < y && y < 5100; };
  fieldRings(c2, I, 25, [&](double x, double y) {
    if (plastic) pic_->pset(x, y, kPlasticClosed);
    if (steel) {
      pic_->pset(x, y, kSteelClosed);
      if (inRightCompartment(x, y)) pic_->pset(x, y, kCompartment);
    }
    if (aluminium && inRightCompartment(x, y)) pic_->pset(x, y, kCompartment);
  });

  closedOutline(W, H, true);

  drawCable(cable1(W, H), kCable1);
  drawCable(cable2(W, H), kCable2);
}

std::unique_ptr<Form> makeSimula2(App& app) { return std::make_unique<Simula2>(app); }

}  // namespace fv
