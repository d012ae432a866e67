#include "simula1/simula1.hpp"

#include "simula1/model.hpp"

namespace fv {

namespace {

constexpr std::int64_t kMarkerPause = 200000;
constexpr std::int64_t kCurrentPause = 20000;

}  // namespace

Simula1::Simula1(FormHost& host)
    : Form(host, QStringLiteral("simula1"), host.edition() == Edition::ES ? kWidthEs : kWidthPt, kHeight, pal::grey) {
  build(simula1Layout());
  setTabOrder(
      {"fase01", "Command2", "Command3", "Command1", "HScroll2", "Text14", "HScroll1", "Text6", "HScroll3", "Text17"});
  onChange("HScroll1", [this] { HScroll1_Change(); });
  onChange("HScroll2", [this] { HScroll2_Change(); });
  onChange("HScroll3", [this] { HScroll3_Change(); });
  onClick("fase01", [this] { fase01_Click(); });
  onClick("Command2", [this] { Command2_Click(); });
  onClick("Command3", [this] { Command3_Click(); });
  onClick("Command1", [this] { Command1_Click(); });
  Form_Load();
}

void Simula1::Form_Load() {
  button("Command2").hide();
  button("Command3").hide();
  scroll("HScroll3").hide();
  text("Text17").hide();
  text("Text18").hide();
  button("fase01").show();
}

void Simula1::HScroll1_Change() { text("Text6").setText(QString::number(scroll("HScroll1").value())); }
void Simula1::HScroll2_Change() { text("Text14").setText(QString::number(scroll("HScroll2").value())); }
void Simula1::HScroll3_Change() { text("Text17").setText(QString::number(scroll("HScroll3").value())); }

// Each conductor is a disc of circles of radius 10, 13, ... 97: the first
// green, the second blue.
void Simula1::drawConductors(Surface& pic) {
  using namespace simula1;
  for (int r = 10; r < 100; r += 3) pic.circle(kX1, kY, r, pal::emerald);
  for (int r = 10; r < 100; r += 3) pic.circle(kX2, kY, r, pal::deepBlue);
}

void Simula1::drawFieldRings(Surface& pic, double amps) {
  for (double r : simula1::fieldRings(amps)) pic.circle(simula1::kX2, simula1::kY, r, pal::midnight);
}

void Simula1::fase01_Click() {
  Surface& pic1 = surface("Picture1");
  Surface& pic2 = surface("Picture2");
  pic2.cls();
  pic1.cls();
  button("Command2").hide();
  button("Command3").hide();

  text("Text4").setText(QStringLiteral("0"));
  const double I1 = num(text("Text6"));
  const double V = num(text("Text14"));

  // The cable in grey, the end posts in red.
  for (const auto& s : simula1::kCable) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::gridGrey);
  for (const auto& s : simula1::kPosts) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::brick);

  text("Text3").setText(QStringLiteral("0"));

  // The bar fills the band between the grey lines from x = 200 on.
  for (int x = 200; x < 14000; x += 10)
    for (int y = 1000; y <= 1080; ++y) pic1.pset(x, y, pal::slate);

  // The marker moves along the cable, leaving a row of circles.
  for (int x = 200; x < 14000; x += 100) {
    pic1.circle(x, 950, 50, pal::deepTeal);
    pause(kMarkerPause);
  }

  drawConductors(pic2);
  drawFieldRings(pic2, I1);

  const double d = simula1::conductorDistance();
  text("Text10").setText(str(d));
  text("Text12").setText(str(simula1::inducedVoltage(V, I1, d)));
  text("Text4").setText(str(simula1::farEndVoltage(I1)));

  button("Command2").show();
}

void Simula1::Command2_Click() {
  Surface& pic1 = surface("Picture1");

  // The earth bar in green: down the left post, along the bottom, up the
  // right post.
  for (int y = 1080; y < 3000; y += 10)
    for (int x = 500; x <= 580; ++x) pic1.pset(x, y, pal::emerald);
  for (int x = 500; x < 13500; x += 10)
    for (int y = 3000; y <= 3080; ++y) pic1.pset(x, y, pal::emerald);
  for (int y = 3080; y > 1080; y -= 10)
    for (int x = 13420; x <= 13500; ++x) pic1.pset(x, y, pal::emerald);

  for (const auto& s : simula1::kEarthSymbol) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::emerald);

  button("Command3").show();
  scroll("HScroll3").show();
  text("Text17").show();
  text("Text18").show();
}

void Simula1::Command3_Click() {
  Surface& pic1 = surface("Picture1");
  Surface& pic2 = surface("Picture2");
  double I1 = num(text("Text6"));
  const double V = num(text("Text14"));

  // The current runs down the left riser, along the earth bar, up the right
  // riser, back under the cable and along the cable.
  for (int y = 1080; y < 2900; y += 100) {
    pic1.circle(650, y, 50, pal::emerald);
    pause(kCurrentPause);
  }
  for (int x = 600; x < 13300; x += 100) {
    pic1.circle(x, 2900, 50, pal::emerald);
    pause(kCurrentPause);
  }
  for (int y = 2900; y > 1080; y -= 100) {
    pic1.circle(13300, y, 50, pal::emerald);
    pause(kCurrentPause);
  }
  for (int x = 13300; x > 600; x -= 100) {
    pic1.circle(x, 1150, 50, pal::emerald);
    pause(kCurrentPause);
  }
  for (int x = 200; x < 14500; x += 100) {
    pic1.circle(x, 950, 50, pal::deepTeal);
    pause(kCurrentPause);
  }

  pic2.cls();
  drawConductors(pic2);

  I1 = num(text("Text6"));
  const double I3 = scroll("HScroll3").value();
  drawFieldRings(pic2, I1 + I3);

  const double d = simula1::conductorDistance();
  text("Text12").setText(str(simula1::inducedVoltage(V, I1 + I3, d) / 10));
  text("Text4").setText(str(simula1::inducedVoltage(V, I1 + I3, d)));
}

void Simula1::Command1_Click() {
  host().showMenu();
  button("Command2").hide();
  button("Command3").hide();
  button("fase01").show();
}

std::unique_ptr<Form> makeSimula1(FormHost& host) { return std::make_unique<Simula1>(host); }

}  // namespace fv
