#include "simula1/simula1.hpp"

#include <algorithm>
#include <cmath>

#include "shell/app.hpp"
#include "shell/pacer.hpp"

namespace fv {

namespace {

constexpr Color kGrey = RGB(150, 150, 150);
constexpr Color kRed = RGB(215, 40, 37);
constexpr Color kBar = RGB(117, 128, 134);
constexpr Color kMarker = RGB(0, 128, 134);
constexpr Color kGreen = RGB(0, 161, 58);
constexpr Color kBlue = RGB(0, 0, 150);
constexpr Color kField = RGB(0, 0, 58);

// The cross-section: conductor centres, 35 twips to the millimetre.
constexpr double kX1 = 7000, kX2 = 8000, kY = 2700;
constexpr double kTwipsPerMm = 35;

// Size of the lower surface in twips. A field ring larger than the distance
// from the second conductor to the surface's farthest corner (plus one pen
// width) lies wholly outside it and is not drawn, so a huge typed current
// neither hangs the window nor fills the memory with invisible rings.
constexpr double kPic2W = 14535, kPic2H = 4335;
const double kOutermostRing = std::hypot(std::max(kX2, kPic2W - kX2), std::max(kY, kPic2H - kY)) + 15;

constexpr std::int64_t kMarkerPause = 200000;
constexpr std::int64_t kCurrentPause = 20000;

}  // namespace

Simula1::Simula1(App& app)
    : Form(app, QStringLiteral("simula1"), app.edition() == Edition::ES ? kWidthEs : kWidthPt, kHeight,
           sys::ButtonFace) {
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

void Simula1::drawConductors(Surface& pic) {
  for (int r = 10; r < 100; r += 3) pic.circle(kX1, kY, r, kGreen);
  for (int r = 10; r < 100; r += 3) pic.circle(kX2, kY, r, kBlue);
}

void Simula1::drawFieldRings(Surface& pic, double edge) {
  for (double r = 120; r < edge && r <= kOutermostRing; r += 40) pic.circle(kX2, kY, r, kField);
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

  // The cable as two grey lines, the end posts in red.
  pic1.line(100, 1000, 10000, 1000, kGrey);
  pic1.line(100, 1080, 10000, 1080, kGrey);
  pic1.line(500, 1080, 500, 600, kRed);
  pic1.line(510, 1080, 510, 600, kRed);
  pic1.line(13500, 1080, 13500, 600, kRed);

  text("Text3").setText(QStringLiteral("0"));

  // The bar fills the band between the grey lines from x = 200 on.
  for (int x = 200; x < 14000; x += 10)
    for (int y = 1000; y <= 1080; ++y) pic1.pset(x, y, kBar);

  // The marker moves along the cable, leaving a row of circles.
  for (int x = 200; x < 14000; x += 100) {
    pic1.circle(x, 950, 50, kMarker);
    Pacer::pause(kMarkerPause);
  }

  drawConductors(pic2);
  drawFieldRings(pic2, 50 * I1);

  const double d = (kX2 - kX1) / kTwipsPerMm;
  text("Text10").setText(str(d));
  text("Text12").setText(str(V * I1 / (d * d)));
  text("Text4").setText(str(I1 * 0.1));

  button("Command2").show();
}

void Simula1::Command2_Click() {
  Surface& pic1 = surface("Picture1");

  // Down the left post, along the earth bar, up the right post.
  for (int y = 1080; y < 3000; y += 10)
    for (int x = 500; x <= 580; ++x) pic1.pset(x, y, kGreen);
  for (int x = 500; x < 13500; x += 10)
    for (int y = 3000; y <= 3080; ++y) pic1.pset(x, y, kGreen);
  for (int y = 3080; y > 1080; y -= 10)
    for (int x = 13420; x <= 13500; ++x) pic1.pset(x, y, kGreen);

  // The earth symbol: three bars narrowing downwards on a stem.
  pic1.line(3500, 3300, 4000, 3300, kGreen);
  pic1.line(3500, 3310, 4000, 3310, kGreen);
  pic1.line(3600, 3400, 3900, 3400, kGreen);
  pic1.line(3600, 3420, 3900, 3420, kGreen);
  pic1.line(3700, 3500, 3800, 3500, kGreen);
  pic1.line(3700, 3510, 3800, 3510, kGreen);
  pic1.line(3750, 3000, 3750, 3510, kGreen);
  pic1.line(3740, 3000, 3740, 3510, kGreen);

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
    pic1.circle(650, y, 50, kGreen);
    Pacer::pause(kCurrentPause);
  }
  for (int x = 600; x < 13300; x += 100) {
    pic1.circle(x, 2900, 50, kGreen);
    Pacer::pause(kCurrentPause);
  }
  for (int y = 2900; y > 1080; y -= 100) {
    pic1.circle(13300, y, 50, kGreen);
    Pacer::pause(kCurrentPause);
  }
  for (int x = 13300; x > 600; x -= 100) {
    pic1.circle(x, 1150, 50, kGreen);
    Pacer::pause(kCurrentPause);
  }
  for (int x = 200; x < 14500; x += 100) {
    pic1.circle(x, 950, 50, kMarker);
    Pacer::pause(kCurrentPause);
  }

  pic2.cls();
  drawConductors(pic2);

  I1 = num(text("Text6"));
  const double I3 = scroll("HScroll3").value();
  drawFieldRings(pic2, 50 * (I1 + I3));

  const double d = (kX2 - kX1) / kTwipsPerMm;
  text("Text12").setText(str(V * (I1 + I3) / (d * d) / 10));
  text("Text4").setText(str(V * (I1 + I3) / (d * d)));
}

void Simula1::Command1_Click() {
  app().showMenu();
  button("Command2").hide();
  button("Command3").hide();
  button("fase01").show();
}

std::unique_ptr<Form> makeSimula1(App& app) { return std::make_unique<Simula1>(app); }

}  // namespace fv
