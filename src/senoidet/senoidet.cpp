// The three-phase window: life cycle, the fundamental, the phase currents,
// the voltage/current toggle and the total reset.
#include "senoidet/senoidet.hpp"

#include <QFontMetrics>
#include <cmath>
#include <cstdlib>

#include "shell/app.hpp"
#include "shell/pacer.hpp"

namespace fv {

SenoideT::SenoideT(App& app) : Form(app, QStringLiteral("SenoideT"), 15240, 11112, RGB(192, 192, 192)) {
  build(layout());
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

std::unique_ptr<Form> makeSenoideT(App& app) { return std::make_unique<SenoideT>(app); }

void SenoideT::Form_Load() { button("reset").setVisible(false); }

void SenoideT::FIM_Click() { app().showMenu(); }

void SenoideT::Picture1_Click() { surface("Picture1").cls(); }

void SenoideT::dot(Surface& s, double x, double y, Color c) {
  if (std::isfinite(x) && std::isfinite(y)) s.pset(x, y, c);
}

void SenoideT::upperGrid() {
  Surface& pic = surface("Picture1");
  pic.cls();
  pic.line(100, 2000, 9000, 2000, RGB(0, 255, 0));
  pic.line(1000, 50, 1000, 4700, RGB(0, 255, 0));
  for (int k = 0; k <= 7; ++k) pic.line(1475 + 475 * k, 50, 1475 + 475 * k, 4700, RGB(150, 150, 150));
  for (int y : {1500, 2500, 1000, 3000, 500, 3500, 0, 4000}) pic.line(100, y, 10000, y, RGB(150, 150, 150));
}

void SenoideT::phaseVoltages(double t, double x, double y0) {
  Surface& pic = surface("Picture1");
  const double yR = 5 * VR * std::sin(t) + y0;
  const double yS = 5 * VS * std::sin(t - 2.1) + y0;
  const double yT = 5 * VT * std::sin(t - 4.2) + y0;
  dot(pic, x, yR, RGB(0, 0, 255));
  dot(pic, x, yS, RGB(0, 255, 0));
  dot(pic, x, yT, RGB(255, 0, 0));
}

// Only phase R takes its angle; S and T are drawn a third and two thirds of a
// period behind, whatever their angle fields say.
void SenoideT::phaseCurrents(double t, double x, double y0) {
  Surface& pic = surface("Picture1");
  const double iR = num("FAR") * std::sin(t + num("FGR") * kRad);
  const double iS = num("FAS") * std::sin(t - 6.2832 / 3);
  const double iT = num("FAT") * std::sin(t - 12.5664 / 3);
  dot(pic, x, 20 * iR + y0, RGB(0, 0, 255));
  dot(pic, x, 20 * iS + y0, RGB(0, 255, 0));
  dot(pic, x, 20 * iT + y0, RGB(255, 0, 0));
}

void SenoideT::FUNDAMENTAL_Click() {
  upperGrid();
  double x = 1000;
  const double y0 = 2000;
  VR = cint("FVR");
  VS = cint("FVS");
  VT = cint("FVT");
  GR = cint("FGR");
  GS = cint("FGS");
  GT = cint("FGT");
  double SR = 0, SS = 0, ST = 0;
  // t runs down while x grows, so phase R starts on the axis and rises first.
  for (double t = 6.2832; t >= 0; t += -0.01) {
    phaseVoltages(t, x, y0);
    // The powers add up over the passes and grow while the curves are drawn.
    SR = SR + num("FAR") * num("FVR") / 100000;
    SS = SS + num("FAS") * num("FVS") / 100000;
    ST = ST + num("FAT") * num("FVT") / 100000;
    text("Text23").setText(fmt(SR, "###.#"));
    text("Text24").setText(fmt(SS, "###.#"));
    text("Text25").setText(fmt(ST, "###.#"));
    text("Text26").setText(fmt(SR * std::cos(num("FGR") * kRad), "###.#"));
    text("Text27").setText(fmt(SS * std::cos(num("FGS") * kRad), "###.#"));
    text("Text31").setText(fmt(ST * std::cos(num("FGT") * kRad), "###.#"));
    text("Text32").setText(fmt(SR * std::sin(num("FGR") * kRad), "###.#"));
    text("Text33").setText(fmt(SS * std::sin(num("FGS") * kRad), "###.#"));
    text("Text34").setText(fmt(ST * std::sin(num("FGT") * kRad), "###.#"));
    x = x + 6;
    Pacer::pause(20000);
  }
  temFund = 1;
  modoCorr = 0;
}

void SenoideT::corrente_Click() {
  double x = 1000;
  const double y0 = 2000;
  for (double t = 6.2832; t >= 0; t += -0.01) {
    phaseCurrents(t, x, y0);
    x = x + 6;
    Pacer::pause(20000);
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
    VR = cint("FVR");
    VS = cint("FVS");
    VT = cint("FVT");
    GR = cint("FGR");
    GS = cint("FGS");
    GT = cint("FGT");
    for (double t = 6.2832; t >= 0; t += -0.01) {
      phaseVoltages(t, x, y0);
      x = x + 6;
    }
    modoCorr = 1;
  } else {
    for (double t = 6.2832; t >= 0; t += -0.01) {
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
  text("Text2").setText(QStringLiteral(" "));
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
