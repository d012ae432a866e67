// The three-phase window: life cycle, its components, the fundamental, the
// phase currents, the voltage/current toggle and the total reset.
#include "senoidet/senoidet.hpp"

#include <cmath>

#include "drawing/palette.hpp"
#include "drawing/sinegrid.hpp"

namespace fv {

using namespace senoidet;

// Each component: its voltage, current and angle fields, its flag; then its
// order, order field, period, pause and upper curves.
// clang-format off
constexpr SenoideT::Component SenoideT::kComponents[5] = {
    // The fundamental's curves are drawn by its own handlers, from the values they capture.
    {{"FVR", "FVS", "FVT"},    {"FAR", "FAS", "FAT"},    {"FGR", "FGS", "FGT"},    &SenoideT::temFund,
     1,   nullptr, kPeriod, 20000, {{R, pal::blue},      {S, pal::green},      {T, pal::red}}},
    // Here S takes the reddish colour and T the greenish one, and T is drawn before S.
    {{"FVR2", "FVS2", "FVT2"}, {"FAR2", "FAS2", "FAT2"}, {"FGR2", "FGS2", "FGT2"}, &SenoideT::tem2,
     2,   nullptr, 6.28,    10000, {{R, pal::vividBlue}, {T, pal::vividGreen}, {S, pal::vividRed}}},
    {{"fvr3", "FVS3", "FVT3"}, {"FAR3", "FAS3", "FAT3"}, {"FGR3", "FGS3", "FGT3"}, &SenoideT::tem3,
     3,   nullptr, 6.28,    10000, {{R, pal::violet},    {S, pal::mint},       {T, pal::rosePink}}},
    {{"FVRI", "FVSI", "FVTI"}, {"FARI", "FASI", "FATI"}, {"FGRI", "FGSI", "FGTI"}, &SenoideT::temInter,
     1.5, nullptr, 6.28,    5000,  {{R, pal::lavender},  {S, pal::lime},       {T, pal::apricot}}},
    {{"FVRN", "FVSN", "FVTN"}, {"FARN", "FASN", "FATN"}, {"FGRN", "FGSN", "FGTN"}, &SenoideT::temN,
     0,   "varIn", 6.3,     5000,  {{R, pal::lavender},  {S, pal::lime},       {T, pal::apricot}}},
};
// clang-format on

SenoideT::SenoideT(FormHost& host) : Form(host, QStringLiteral("SenoideT"), 15240, 11112, pal::grey) {
  build(layout());
  upperPlot_ = &surface("Picture1");
  lowerPlot_ = &surface("Picture3");
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

void SenoideT::Form_Load() { button("reset").setVisible(false); }

void SenoideT::FIM_Click() { host().showMenu(); }

void SenoideT::Picture1_Click() { surface("Picture1").cls(); }

void SenoideT::dot(Surface& s, double x, double y, Color c) {
  if (std::isfinite(x) && std::isfinite(y)) s.pset(x, y, c);
}

void SenoideT::upperGrid() {
  Surface& pic = *upperPlot_;
  pic.cls();
  drawSineGrid(pic, upperSineGrid());
}

void SenoideT::capturePhases(const char* const (&fields)[3], std::int16_t& r, std::int16_t& s, std::int16_t& t) {
  r = cint(fields[R]);
  s = cint(fields[S]);
  t = cint(fields[T]);
}

void SenoideT::captureVoltages() {
  const Component& c = kComponents[Fundamental];
  capturePhases(c.volts, VR, VS, VT);
  capturePhases(c.degrees, GR, GS, GT);
}

void SenoideT::phaseVoltages(double t, double x, double y0) {
  Surface& pic = *upperPlot_;
  const Phases volts{double(VR), double(VS), double(VT)};
  Phases y;
  for (Phase p : {R, S, T}) y[p] = fundamentalVolts(p, volts[p], t) + y0;
  for (const Trace& tr : kComponents[Fundamental].traces) dot(pic, x, y[tr.phase], tr.colour);
}

// Only phase R takes its angle; S and T are drawn a third and two thirds of a
// period behind, whatever their angle fields say.
void SenoideT::phaseCurrents(double t, double x, double y0) {
  Surface& pic = *upperPlot_;
  const Component& c = kComponents[Fundamental];
  Phases y;
  const double ampsR = num(c.amps[R]);
  const double degreesR = num(c.degrees[R]);
  y[R] = currentR(ampsR, degreesR, t) + y0;
  y[S] = currentLagging(S, num(c.amps[S]), t) + y0;
  y[T] = currentLagging(T, num(c.amps[T]), t) + y0;
  for (const Trace& tr : c.traces) dot(pic, x, y[tr.phase], tr.colour);
}

void SenoideT::FUNDAMENTAL_Click() {
  upperGrid();
  double x = 1000;
  const double y0 = 2000;
  captureVoltages();
  const Component& c = kComponents[Fundamental];
  Phases apparent{};
  // t runs down while x grows, so phase R starts on the axis and rises first.
  for (double t = kPeriod; t >= 0; t += -0.01) {
    phaseVoltages(t, x, y0);
    // The powers add up over the passes and grow while the curves are drawn.
    for (Phase p : {R, S, T}) {
      const double amps = num(c.amps[p]);
      const double volts = num(c.volts[p]);
      apparent[p] = apparent[p] + apparentStep(amps, volts);
    }
    writeNumber(text("Text23"), apparent[R], "###.#");
    writeNumber(text("Text24"), apparent[S], "###.#");
    writeNumber(text("Text25"), apparent[T], "###.#");
    writeNumber(text("Text26"), active(apparent[R], num(c.degrees[R])), "###.#");
    writeNumber(text("Text27"), active(apparent[S], num(c.degrees[S])), "###.#");
    writeNumber(text("Text31"), active(apparent[T], num(c.degrees[T])), "###.#");
    writeNumber(text("Text32"), reactive(apparent[R], num(c.degrees[R])), "###.#");
    writeNumber(text("Text33"), reactive(apparent[S], num(c.degrees[S])), "###.#");
    writeNumber(text("Text34"), reactive(apparent[T], num(c.degrees[T])), "###.#");
    x = x + 6;
    pause(c.pause);
  }
  temFund = 1;
  modoCorr = 0;
}

void SenoideT::corrente_Click() {
  double x = 1000;
  const double y0 = 2000;
  for (double t = kPeriod; t >= 0; t += -0.01) {
    phaseCurrents(t, x, y0);
    x = x + 6;
    pause(kComponents[Fundamental].pause);
  }
  // The fundamental now counts in the resultants, though its voltages were
  // not captured here.
  temFund = 1;
  modoCorr = 1;
}

// Redraws the upper surface at once, alternately with the voltages alone and
// with the voltages and currents together.
void SenoideT::reset_corr_Click() {
  upperGrid();
  double x = 1000;
  const double y0 = 2000;
  if (modoCorr != 1) {
    captureVoltages();
    for (double t = kPeriod; t >= 0; t += -0.01) {
      phaseVoltages(t, x, y0);
      x = x + 6;
    }
    modoCorr = 1;
  } else {
    for (double t = kPeriod; t >= 0; t += -0.01) {
      phaseVoltages(t, x, y0);
      phaseCurrents(t, x, y0);
      x = x + 6;
    }
    modoCorr = 0;
  }
  temFund = 1;
}

void SenoideT::reset_Click() {
  surface("Picture1").cls();
  surface("Picture3").cls();
  text("Text2").setText(tx(QStringLiteral("SenoideT.Text2.reset")));
  for (const char* name : {"Text23", "Text24", "Text25", "Text26", "Text27", "Text31", "Text32", "Text33", "Text34"})
    text(name).setText(fmt(0, "###.#"));
  temFund = 0;
  tem2 = 0;
  tem3 = 0;
  temInter = 0;
  temN = 0;
  button("reset").setVisible(false);
}

}  // namespace fv
