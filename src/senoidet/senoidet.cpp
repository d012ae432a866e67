// The three-phase window: life cycle, its components, the fundamental, the
// phase currents, the voltage/current toggle and the total reset.
#include "senoidet/senoidet.hpp"

#include <cmath>

#include "drawing/palette.hpp"
#include "drawing/sinegrid.hpp"

namespace fv {

using namespace senoidet;

// Each component: its voltage, current and angle fields, its flag; then its
// order, period, pause and upper curves.
// clang-format off
constexpr SenoideT::Component SenoideT::kComponents[5] = {
    // The fundamental's curves are drawn by its own handlers, from the values they capture.
    {{"FVR", "FVS", "FVT"},    {"FAR", "FAS", "FAT"},    {"FGR", "FGS", "FGT"},    &SenoideT::temFund,
     1,   kPeriod, 20000, {{R, pal::blue},      {S, pal::green},      {T, pal::red}}},
    // Here S takes the reddish colour and T the greenish one, and T is drawn before S.
    {{"FVR2", "FVS2", "FVT2"}, {"FAR2", "FAS2", "FAT2"}, {"FGR2", "FGS2", "FGT2"}, &SenoideT::tem2,
     2,   kTurn,   10000, {{R, pal::vividBlue}, {T, pal::vividGreen}, {S, pal::vividRed}}},
    {{"fvr3", "FVS3", "FVT3"}, {"FAR3", "FAS3", "FAT3"}, {"FGR3", "FGS3", "FGT3"}, &SenoideT::tem3,
     3,   kTurn,   10000, {{R, pal::violet},    {S, pal::mint},       {T, pal::rosePink}}},
    {{"FVRI", "FVSI", "FVTI"}, {"FARI", "FASI", "FATI"}, {"FGRI", "FGSI", "FGTI"}, &SenoideT::temInter,
     1.5, kTurn,   5000,  {{R, pal::lavender},  {S, pal::lime},       {T, pal::apricot}}},
    {{"FVRN", "FVSN", "FVTN"}, {"FARN", "FASN", "FATN"}, {"FGRN", "FGSN", "FGTN"}, &SenoideT::temN,
     0,   6.3,     5000,  {{R, pal::lavender},  {S, pal::lime},       {T, pal::apricot}}},
};
// clang-format on

SenoideT::SenoideT(FormHost& host) : Form(host, QStringLiteral("SenoideT"), 15240, 11112, pal::grey) {
  build(layout());
  upperPlot_ = &surface("Picture1");
  lowerPlot_ = &surface("Picture3");
  lowerTitle_ = &text("Text2");
  for (int k = Fundamental; k <= Nth; ++k)
    for (Phase p : {R, S, T}) {
      fields_[k].volts[p] = &text(kComponents[k].volts[p]);
      fields_[k].amps[p] = &text(kComponents[k].amps[p]);
      fields_[k].degrees[p] = &text(kComponents[k].degrees[p]);
    }
  orderN_ = &text("varIn");
  apparent_ = {&text("Text23"), &text("Text24"), &text("Text25")};
  active_ = {&text("Text26"), &text("Text27"), &text("Text31")};
  reactive_ = {&text("Text32"), &text("Text33"), &text("Text34")};
  reset_ = &button("reset");
  setTabOrder({"FVR",         "FAR",         "FGR",        "FVS",     "FAS",      "FGS",   "FVT",   "FAT",    "FGT",
               "FUNDAMENTAL", "corrente",    "reset_corr", "FVR2",    "FAR2",     "FGR2",  "FVS2",  "FAS2",   "FGS2",
               "FVT2",        "FAT2",        "FGT2",       "SEGUNDA", "fvr3",     "FAR3",  "FGR3",  "FVS3",   "FAS3",
               "FGS3",        "FVT3",        "FAT3",       "FGT3",    "TERCEIRA", "FVRI",  "FARI",  "FGRI",   "FVSI",
               "FASI",        "FGSI",        "FVTI",       "FATI",    "FGTI",     "inter", "FVRN",  "FARN",   "FGRN",
               "FVSN",        "FASN",        "FGSN",       "FVTN",    "FATN",     "FGTN",  "varIn", "NHARMO", "reset",
               "neutro",      "resultante1", "fim"});
  onClick("fim", [this] { FIM_Click(); });
  onClick("Picture1", [this] { Picture1_Click(); });
  onClick("FUNDAMENTAL", [this] { FUNDAMENTAL_Click(); });
  onClick("SEGUNDA", [this] { SEGUNDA_Click(); });
  onClick("TERCEIRA", [this] { TERCEIRA_Click(); });
  onClick("inter", [this] { inter_Click(); });
  onClick("NHARMO", [this] { NHARMO_Click(); });
  onClick("resultante1", [this] { resultante1_Click(); });
  onClick("neutro", [this] { neutro_Click(); });
  onClick("corrente", [this] { corrente_Click(); });
  onClick("reset_corr", [this] { reset_corr_Click(); });
  onClick("reset", [this] { reset_Click(); });
  Form_Load();
}

std::unique_ptr<Form> makeSenoideT(FormHost& host) { return std::make_unique<SenoideT>(host); }

void SenoideT::Form_Load() { reset_->setVisible(false); }

void SenoideT::FIM_Click() { host().showMenu(); }

void SenoideT::Picture1_Click() { upperPlot_->cls(); }

void SenoideT::dot(Surface& s, double x, double y, Color c) {
  if (std::isfinite(x) && std::isfinite(y)) s.pset(x, y, c);
}

void SenoideT::drawPass(Surface& s, const Component& c, double x, const Phases& y) {
  for (const Trace& tr : c.traces) dot(s, x, y[tr.phase], tr.colour);
}

void SenoideT::upperGrid() {
  Surface& pic = *upperPlot_;
  pic.cls();
  drawSineGrid(pic, upperSineGrid());
}

void SenoideT::capturePhases(const PhaseFields& f, std::int16_t& r, std::int16_t& s, std::int16_t& t) {
  r = cint(*f[R]);
  s = cint(*f[S]);
  t = cint(*f[T]);
}

void SenoideT::captureVoltages() {
  capturePhases(fields_[Fundamental].volts, VR, VS, VT);
  capturePhases(fields_[Fundamental].degrees, GR, GS, GT);
}

// Only phase R takes its angle; S and T are drawn a third and two thirds of a
// period behind, whatever their angle fields say.
Currents SenoideT::currentFields() const {
  const Fields& f = fields_[Fundamental];
  Currents c;
  c.amps[R] = num(*f.amps[R]);
  c.degreesR = num(*f.degrees[R]);
  c.amps[S] = num(*f.amps[S]);
  c.amps[T] = num(*f.amps[T]);
  return c;
}

void SenoideT::FUNDAMENTAL_Click() {
  upperGrid();
  captureVoltages();
  const Component& c = kComponents[Fundamental];
  const Fields& f = fields_[Fundamental];
  // The powers are worked from the fields as typed, not from the whole volts drawn.
  const auto fields = [&] {
    PowerFields pf;
    for (Phase p : {R, S, T}) {
      pf.amps[p] = num(*f.amps[p]);
      pf.volts[p] = num(*f.volts[p]);
    }
    for (Phase p : {R, S, T}) pf.degrees[p] = num(*f.degrees[p]);
    return pf;
  };
  // t runs down while x grows, so phase R starts on the axis and rises first.
  powerSweep(
      capturedVolts(), fields, [&](double x, const Phases& y) { drawPass(*upperPlot_, c, x, y); },
      [&](const PowerReadOut& r) {
        for (Phase p : {R, S, T}) writeNumber(*apparent_[p], r.apparent[p], "###.#");
        for (Phase p : {R, S, T}) writeNumber(*active_[p], r.active[p], "###.#");
        for (Phase p : {R, S, T}) writeNumber(*reactive_[p], r.reactive[p], "###.#");
        pause(c.pause);
      });
  temFund = 1;
  modoCorr = 0;
}

void SenoideT::corrente_Click() {
  const Component& c = kComponents[Fundamental];
  currentSweep(currentFields(), [&](double x, const Phases& y) {
    drawPass(*upperPlot_, c, x, y);
    pause(c.pause);
  });
  // The fundamental now counts in the resultants, though its voltages were
  // not captured here.
  temFund = 1;
  modoCorr = 1;
}

// Redraws the upper surface at once, alternately with the voltages alone and
// with the voltages and currents together.
void SenoideT::reset_corr_Click() {
  upperGrid();
  const Component& c = kComponents[Fundamental];
  const auto draw = [&](double x, const Phases& y) { drawPass(*upperPlot_, c, x, y); };
  if (modoCorr != 1) {
    captureVoltages();
    voltageSweep(capturedVolts(), draw);
    modoCorr = 1;
  } else {
    voltageAndCurrentSweep(
        capturedVolts(), [&] { return currentFields(); }, draw, draw);
    modoCorr = 0;
  }
  temFund = 1;
}

void SenoideT::reset_Click() {
  upperPlot_->cls();
  lowerPlot_->cls();
  lowerTitle_->setText(tx(QStringLiteral("SenoideT.Text2.reset")));
  for (const PhaseFields* powers : {&apparent_, &active_, &reactive_})
    for (TextField* f : *powers) f->setText(fmt(0, "###.#"));
  temFund = 0;
  tem2 = 0;
  tem3 = 0;
  temInter = 0;
  temN = 0;
  reset_->setVisible(false);
}

}  // namespace fv
