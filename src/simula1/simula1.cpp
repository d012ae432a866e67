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
  sideView_ = &surface("Picture1");
  crossSection_ = &surface("Picture2");
  phase1_ = &button("fase01");
  phase2_ = &button("Command2");
  phase3_ = &button("Command3");
  loadBar_ = &scroll("HScroll1");
  loadAmps_ = &text("Text6");
  supplyBar_ = &scroll("HScroll2");
  supplyVolts_ = &text("Text14");
  earthBar_ = &scroll("HScroll3");
  earthAmps_ = &text("Text17");
  earthUnit_ = &text("Text18");
  leftPost_ = &text("Text3");
  rightPost_ = &text("Text4");
  spacing_ = &text("Text10");
  induced_ = &text("Text12");
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
  phase2_->hide();
  phase3_->hide();
  earthBar_->hide();
  earthAmps_->hide();
  earthUnit_->hide();
  phase1_->show();
}

void Simula1::HScroll1_Change() { loadAmps_->setText(QString::number(loadBar_->value())); }
void Simula1::HScroll2_Change() { supplyVolts_->setText(QString::number(supplyBar_->value())); }
void Simula1::HScroll3_Change() { earthAmps_->setText(QString::number(earthBar_->value())); }

// The first conductor green, the second blue.
void Simula1::drawConductors() {
  const Color colours[] = {pal::emerald, pal::deepBlue};
  simula1::conductors([&](int c, double x, double y, double r) { crossSection_->circle(x, y, r, colours[c]); });
}

void Simula1::drawFieldRings(double amps) {
  simula1::fieldRings(amps, [&](double r) { crossSection_->circle(simula1::kX2, simula1::kY, r, pal::midnight); });
}

void Simula1::fase01_Click() {
  using namespace simula1;
  Surface& pic1 = *sideView_;
  crossSection_->cls();
  pic1.cls();
  phase2_->hide();
  phase3_->hide();

  rightPost_->setText(QStringLiteral("0"));
  const double I1 = num(*loadAmps_);
  const double V = num(*supplyVolts_);

  // The cable in grey, the end posts in red.
  for (const auto& s : kCable) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::gridGrey);
  for (const auto& s : kPosts) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::brick);

  leftPost_->setText(QStringLiteral("0"));

  fill(kCableBar, [&](double x, double y) { pic1.pset(x, y, pal::slate); });

  // The marker moves along the cable, leaving a row of circles.
  simula1::walk(kMarker, [&](double x, double y) {
    pic1.circle(x, y, kMarkerRadius, pal::deepTeal);
    pause(kMarkerPause);
  });

  drawConductors();
  drawFieldRings(I1);

  const Phase1 r = phase1(V, I1);
  spacing_->setText(str(r.spacing));
  induced_->setText(str(r.induced));
  rightPost_->setText(str(r.farEnd));

  phase2_->show();
}

void Simula1::Command2_Click() {
  using namespace simula1;
  Surface& pic1 = *sideView_;
  for (const Band& b : kEarthPath) fill(b, [&](double x, double y) { pic1.pset(x, y, pal::emerald); });
  for (const auto& s : kEarthSymbol) pic1.line(s.x1, s.y1, s.x2, s.y2, pal::emerald);

  phase3_->show();
  earthBar_->show();
  earthAmps_->show();
  earthUnit_->show();
}

void Simula1::Command3_Click() {
  using namespace simula1;
  Surface& pic1 = *sideView_;
  double I1 = num(*loadAmps_);
  const double V = num(*supplyVolts_);

  const auto current = [&](Color c) {
    return [&pic1, c, this](double x, double y) {
      pic1.circle(x, y, kMarkerRadius, c);
      pause(kCurrentPause);
    };
  };
  for (const Row& r : kEarthCurrent) simula1::walk(r, current(pal::emerald));
  simula1::walk(kCableCurrent, current(pal::deepTeal));

  crossSection_->cls();
  drawConductors();

  // Read again: the earth bar's current comes from its scroll bar, not Text17.
  I1 = num(*loadAmps_);
  const double I3 = earthBar_->value();
  drawFieldRings(I1 + I3);

  const Phase3 r = phase3(V, I1, I3);
  induced_->setText(str(r.tenth));
  rightPost_->setText(str(r.induced));
}

void Simula1::Command1_Click() {
  host().showMenu();
  phase2_->hide();
  phase3_->hide();
  phase1_->show();
}

std::unique_ptr<Form> makeSimula1(FormHost& host) { return std::make_unique<Simula1>(host); }

}  // namespace fv
