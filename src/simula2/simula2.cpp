#include "simula2/simula2.hpp"

#include <QPlainTextEdit>

#include "forms/errors.hpp"

namespace fv {

using simula2::Material;
using simula2::Point;
using simula2::Trough;

Simula2::Simula2(FormHost& host) : Form(host, QStringLiteral("simula2"), 15060, 11112, pal::grey) {
  build(simula2Layout());
  section_ = &surface(QStringLiteral("Picture2"));
  widthBar_ = &scroll("HScroll1");
  heightBar_ = &scroll("VScroll1");
  width_ = &text("Text22");
  height_ = &text("Text23");
  voltsBar_ = &scroll("HScroll4");
  volts_ = &text("Text2");
  ampsBar_ = &scroll("HScroll3");
  amps_ = &text("Text4");
  across1_ = &scroll("HScroll7");
  up1_ = &scroll("VScroll3");
  across2_ = &scroll("HScroll8");
  up2_ = &scroll("VScroll4");
  steel_ = &option("Option2");
  aluminium_ = &option("Option3");
  distance_ = &text("Text10");
  induced_ = &text("Text12");
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
void Simula2::HScroll1_Change() { width_->setText(fmt(simula2::widthOfBar(widthBar_->value()), "###")); }

// The height in millimetres; at 0 the pattern writes an empty text.
void Simula2::VScroll1_Change() { height_->setText(fmt(heightBar_->value(), "###")); }

void Simula2::HScroll4_Change() { volts_->setText(fmt(simula2::voltsOfBar(voltsBar_->value()), "###")); }

void Simula2::HScroll3_Change() { amps_->setText(fmt(ampsBar_->value(), "###")); }

// A new material clears both results; the drawing stays.
void Simula2::resetResults() {
  distance_->setText(QStringLiteral("0"));
  induced_->setText(QStringLiteral("0"));
}

void Simula2::Option1_Click() { resetResults(); }
void Simula2::Option2_Click() { resetResults(); }
void Simula2::Option3_Click() { resetResults(); }

void Simula2::Command3_Click() { host().showMenu(); }

// ---- Reading the controls

// A size of the trough in millimetres, in twips; refused beyond its bar's span.
double Simula2::troughTwips(const TextField& field, simula2::Span span, const char* message) const {
  const double mm = num(field);
  if (!span.holds(mm)) refuse(&field, tx(QString::fromUtf8(message)));
  return simula2::twips(mm);
}

double Simula2::width() const { return troughTwips(*width_, simula2::kWidthMm, "msg.simula2.width"); }

double Simula2::height() const { return troughTwips(*height_, simula2::kHeightMm, "msg.simula2.height"); }

// Each cable is placed by the two bars of its own frame.
Point Simula2::cable1(double W, double H) const { return simula2::cable1(W, H, across1_->value(), up1_->value()); }

Point Simula2::cable2(double W, double H) const { return simula2::cable2(W, H, across2_->value(), up2_->value()); }

// The options form one group: exactly one of them is checked.
Material Simula2::material() const {
  if (aluminium_->value()) return Material::aluminium;
  if (steel_->value()) return Material::steel;
  return Material::plastic;
}

// ---- Drawing

void Simula2::drawCable(Point c, Color colour) {
  simula2::cableDisc([&](double r) { section_->circle(c.x, c.y, r, colour); });
}

// ---- Canaleta Aberta

void Simula2::Command1_Click() {
  Surface& pic = *section_;
  pic.cls();

  double I = num(*amps_);
  const double V = num(*volts_);
  const double H = height();
  const double W = width();

  // Cable 1 green, cable 2 blue.
  const Point c1 = cable1(W, H);
  drawCable(c1, pal::emerald);
  const Point c2 = cable2(W, H);
  drawCable(c2, pal::deepBlue);

  const double D = simula2::distance(c1, c2);
  distance_->setText(fmt(D, "##.##"));
  const double h1 = simula2::heightAboveFloor(c1);

  // The outline in the surface's own colour, before and after the field.
  const auto line = [&](int, const simula2::Segment& s) { pic.line(s.x1, s.y1, s.x2, s.y2); };
  simula2::outline(Trough::open, W, H, line);

  I = num(*amps_);
  const Material m = material();
  // The induced voltage is the same at every point of the field: Text12
  // gets its text as the first point is reached. With no field drawn it
  // shows 0, as the closed trough does, rather than the last run's value.
  if (simula2::hasRings(I))
    induced_->setText(fmt(simula2::inducedVoltage(Trough::open, m, V, I, D, h1), "##.###"));
  else
    induced_->setText(QStringLiteral("0"));
  // The field sky blue; steel screens it in dusty rose, aluminium in
  // turquoise, and beside the trough above its walls it shows chartreuse.
  const Color shades[] = {pal::skyBlue, m == Material::steel ? pal::dustyRose : pal::turquoise, pal::chartreuse};
  simula2::openField(c2, I, W, H, m,
                     [&](double x, double y, simula2::Shade s) { pic.pset(x, y, shades[static_cast<int>(s)]); });

  simula2::outline(Trough::open, W, H, line);

  drawCable(cable1(W, H), pal::emerald);
}

// ---- Canaleta Fechada

void Simula2::Command2_Click() {
  Surface& pic = *section_;
  pic.cls();

  // The voltage comes from the scroll bar.
  const double V = simula2::voltsOfBar(voltsBar_->value());
  induced_->setText(QStringLiteral("0"));

  double H = height();
  double W = width();

  const Point c1 = cable1(W, H);
  drawCable(c1, pal::emerald);
  const Point c2 = cable2(W, H);
  drawCable(c2, pal::deepBlue);

  const double D = simula2::distance(c1, c2);
  distance_->setText(fmt(D, "##.##"));

  W = width();
  H = height();
  simula2::outline(Trough::closed, W, H,
                   [&](int, const simula2::Segment& s) { pic.line(s.x1, s.y1, s.x2, s.y2, pic.foreColor()); });

  const double I = num(*amps_);
  const Material m = material();
  // As in the open trough, every point gets the same voltage.
  if (simula2::hasRings(I)) induced_->setText(fmt(simula2::inducedVoltage(Trough::closed, m, V, I, D, 0), "##.###"));
  // Plastic lets the field through in salmon; steel screens it in ice blue
  // and aluminium not at all, both turquoise inside the right compartment.
  simula2::closedField(c2, I, W, H, [&](double x, double y, bool inside) {
    if (m == Material::plastic) pic.pset(x, y, pal::salmon);
    if (m == Material::steel) pic.pset(x, y, pal::iceBlue);
    if (m != Material::plastic && inside) pic.pset(x, y, pal::turquoise);
  });

  // Drawn again, pass k in RGB(k, 0, 0): black and five reds too dark to
  // tell from it.
  simula2::outline(Trough::closed, W, H,
                   [&](int k, const simula2::Segment& s) { pic.line(s.x1, s.y1, s.x2, s.y2, RGB(k, 0, 0)); });

  drawCable(cable1(W, H), pal::emerald);
  drawCable(cable2(W, H), pal::deepBlue);
}

std::unique_ptr<Form> makeSimula2(FormHost& host) { return std::make_unique<Simula2>(host); }

}  // namespace fv
