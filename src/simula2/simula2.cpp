#include "simula2/simula2.hpp"

#include <QPlainTextEdit>

#include "forms/errors.hpp"

namespace fv {

using simula2::Material;
using simula2::Point;
using simula2::Trough;

Simula2::Simula2(FormHost& host) : Form(host, QStringLiteral("simula2"), 15060, 11112, pal::grey) {
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

// The width in whole millimetres.
void Simula2::HScroll1_Change() { write("Text22", fmt(simula2::widthOfBar(scroll("HScroll1").value()), "###")); }

// The height in millimetres; at 0 the pattern writes an empty text.
void Simula2::VScroll1_Change() { write("Text23", fmt(scroll("VScroll1").value(), "###")); }

void Simula2::HScroll4_Change() { write("Text2", fmt(simula2::voltsOfBar(scroll("HScroll4").value()), "###")); }

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

void Simula2::Command3_Click() { host().showMenu(); }

void Simula2::write(const char* field, const QString& value) { text(field).setText(value); }

// ---- Reading the controls

// A size of the trough in millimetres, in twips; refused beyond its bar's span.
double Simula2::troughTwips(const char* field, simula2::Span span, const char* message) const {
  const double mm = num(field);
  if (!span.holds(mm)) refuse(&text(field), tx(QString::fromUtf8(message)));
  return simula2::twips(mm);
}

double Simula2::width() const { return troughTwips("Text22", simula2::kWidthMm, "msg.simula2.width"); }

double Simula2::height() const { return troughTwips("Text23", simula2::kHeightMm, "msg.simula2.height"); }

// Each cable is placed by the two bars of its own frame.
Point Simula2::cable1(double W, double H) const {
  return simula2::cable1(W, H, scroll("HScroll7").value(), scroll("VScroll3").value());
}

Point Simula2::cable2(double W, double H) const {
  return simula2::cable2(W, H, scroll("HScroll8").value(), scroll("VScroll4").value());
}

// The options form one group: exactly one of them is checked.
Material Simula2::material() const {
  if (option("Option3").value()) return Material::aluminium;
  if (option("Option2").value()) return Material::steel;
  return Material::plastic;
}

// ---- Drawing

// Concentric circles of radius 10, 13, 16, ... 97.
void Simula2::drawCable(Point c, Color colour) {
  for (double r = 10; r < 100; r += 3) pic_->circle(c.x, c.y, r, colour);
}

// Six passes 10 twips apart: floor, left wall, right wall, divider.
void Simula2::openOutline(double W, double H) {
  const simula2::Walls t = simula2::walls(W, H);
  for (int a = 10; a <= 60; a += 10) {
    pic_->line(t.left + 10, t.floor + a, t.right + 60, t.floor + a);
    pic_->line(t.left + a, t.top, t.left + a, t.floor + 20);
    pic_->line(t.right + a, t.top, t.right + a, t.floor + 20);
    pic_->line(t.divider + a, t.top, t.divider + a, t.floor + 20);
  }
}

// As the open outline, with the lid from top - 40 to top + 10 after the floor.
// The second drawing gives pass k the colour RGB(k, 0, 0): black and five
// reds too dark to tell from it.
void Simula2::closedOutline(double W, double H, bool darkRedPasses) {
  const simula2::Walls t = simula2::walls(W, H);
  for (int k = 0; k <= 5; ++k) {
    const int a = 10 * (k + 1);
    const Color c = darkRedPasses ? RGB(k, 0, 0) : pic_->foreColor();
    pic_->line(t.left + 10, t.floor + a, t.right + 60, t.floor + a, c);
    pic_->line(t.left + 10, t.top + a - 50, t.right + 60, t.top + a - 50, c);
    pic_->line(t.left + a, t.top, t.left + a, t.floor + 20, c);
    pic_->line(t.right + a, t.top, t.right + a, t.floor + 20, c);
    pic_->line(t.divider + a, t.top, t.divider + a, t.floor + 20, c);
  }
}

// ---- Canaleta Aberta

void Simula2::Command1_Click() {
  pic_->cls();

  double I = num("Text4");
  const double V = num("Text2");
  const double H = height();
  const double W = width();

  // Cable 1 green, cable 2 blue.
  const Point c1 = cable1(W, H);
  drawCable(c1, pal::emerald);
  const Point c2 = cable2(W, H);
  drawCable(c2, pal::deepBlue);

  const double D = simula2::distance(c1, c2);
  write("Text10", fmt(D, "##.##"));
  const double h1 = simula2::heightAboveFloor(c1);

  openOutline(W, H);

  I = num("Text4");
  const Material m = material();
  // The induced voltage is the same at every point of the field: Text12
  // gets its text as the first point is reached. With no field drawn it
  // shows 0, as the closed trough does, rather than the last run's value.
  if (simula2::hasRings(I))
    write("Text12", fmt(simula2::inducedVoltage(Trough::open, m, V, I, D, h1), "##.###"));
  else
    write("Text12", QStringLiteral("0"));
  // The field sky blue; steel screens it in dusty rose, aluminium in
  // turquoise, and beside the trough above its walls it shows chartreuse.
  const Color shades[] = {pal::skyBlue, m == Material::steel ? pal::dustyRose : pal::turquoise, pal::chartreuse};
  simula2::traceField(c2, I, 30, [&](double x, double y) {
    const auto shade = m == Material::plastic ? simula2::Shade::free : simula2::openShade(x, y, W, H);
    pic_->pset(x, y, shades[static_cast<int>(shade)]);
  });

  openOutline(W, H);

  drawCable(cable1(W, H), pal::emerald);
}

// ---- Canaleta Fechada

void Simula2::Command2_Click() {
  pic_->cls();

  // The voltage comes from the scroll bar.
  const double V = simula2::voltsOfBar(scroll("HScroll4").value());
  write("Text12", QStringLiteral("0"));

  double H = height();
  double W = width();

  const Point c1 = cable1(W, H);
  drawCable(c1, pal::emerald);
  const Point c2 = cable2(W, H);
  drawCable(c2, pal::deepBlue);

  const double D = simula2::distance(c1, c2);
  write("Text10", fmt(D, "##.##"));

  W = width();
  H = height();
  closedOutline(W, H, false);

  const double I = num("Text4");
  const Material m = material();
  // As in the open trough, every point gets the same voltage.
  if (simula2::hasRings(I)) write("Text12", fmt(simula2::inducedVoltage(Trough::closed, m, V, I, D, 0), "##.###"));
  // Plastic lets the field through in salmon; steel screens it in ice blue
  // and aluminium not at all, both turquoise inside the right compartment.
  simula2::traceField(c2, I, 25, [&](double x, double y) {
    switch (m) {
      case Material::plastic:
        pic_->pset(x, y, pal::salmon);
        break;
      case Material::steel:
        pic_->pset(x, y, pal::iceBlue);
        if (simula2::inRightCompartment(x, y, W, H)) pic_->pset(x, y, pal::turquoise);
        break;
      case Material::aluminium:
        if (simula2::inRightCompartment(x, y, W, H)) pic_->pset(x, y, pal::turquoise);
        break;
    }
  });

  closedOutline(W, H, true);

  drawCable(cable1(W, H), pal::emerald);
  drawCable(cable2(W, H), pal::deepBlue);
}

std::unique_ptr<Form> makeSimula2(FormHost& host) { return std::make_unique<Simula2>(host); }

}  // namespace fv
