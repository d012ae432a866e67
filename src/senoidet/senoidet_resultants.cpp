// The resultant phase voltages and the neutral current of the three-phase
// window, drawn on the lower surface from the components drawn so far.
#include <array>
#include <cmath>

#include "senoidet/senoidet.hpp"
#include "shell/pacer.hpp"

namespace fv {

namespace {

// The values of one component in the phases R, S and T.
using Phases = std::array<double, 3>;

// A harmonic component's fields: amplitude (voltage or current) and angle of R, S, T.
struct Fields {
  const char* amplitude[3];
  const char* angle[3];
};

constexpr Fields kVolts2{{"FVR2", "FVS2", "FVT2"}, {"FGR2", "FGS2", "FGT2"}};
constexpr Fields kVolts3{{"fvr3", "FVS3", "FVT3"}, {"FGR3", "FGS3", "FGT3"}};
constexpr Fields kVoltsI{{"FVRI", "FVSI", "FVTI"}, {"FGRI", "FGSI", "FGTI"}};
constexpr Fields kVoltsN{{"FVRN", "FVSN", "FVTN"}, {"FGRN", "FGSN", "FGTN"}};
constexpr Fields kAmps2{{"FAR2", "FAS2", "FAT2"}, {"FGR2", "FGS2", "FGT2"}};
constexpr Fields kAmps3{{"FAR3", "FAS3", "FAT3"}, {"FGR3", "FGS3", "FGT3"}};
constexpr Fields kAmpsI{{"FARI", "FASI", "FATI"}, {"FGRI", "FGSI", "FGTI"}};
constexpr Fields kAmpsN{{"FARN", "FASN", "FATN"}, {"FGRN", "FGSN", "FGTN"}};

// scale · amplitude · sin(h · t_p + angle) for each phase p, the fields read
// as they stand now. The phase offsets are multiplied by the order h here.
Phases harmonic(const Form& f, const Fields& k, double scale, double h, const Phases& tp) {
  Phases v{};
  for (int p = 0; p < 3; ++p)
    v[p] = scale * f.num(k.amplitude[p]) * std::sin(h * tp[p] + f.num(k.angle[p]) * SenoideT::kRad);
  return v;
}

}  // namespace

void SenoideT::lowerGridLines() {
  Surface& pic = surface("Picture3");
  pic.line(100, 3200, 9000, 3200, RGB(0, 255, 0));
  pic.line(1000, 50, 1000, 6000, RGB(0, 255, 0));
  for (int k = 0; k <= 7; ++k) pic.line(1475 + 475 * k, 50, 1475 + 475 * k, 6400, RGB(150, 150, 150));
  for (int k = 1; k <= 5; ++k) {
    pic.line(100, 3200 - 500 * k, 10000, 3200 - 500 * k, RGB(150, 150, 150));
    pic.line(100, 3200 + 500 * k, 10000, 3200 + 500 * k, RGB(150, 150, 150));
  }
}

// The neutral carries the sum of all phase currents of all components drawn:
// the third-order components add up, the fundamental nearly cancels.
void SenoideT::neutro_Click() {
  Surface& pic = surface("Picture3");
  pic.cls();
  text("Text2").setText(QStringLiteral("Corrente"));
  lowerGridLines();
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  IR = cint("FAR");
  IS = cint("FAS");
  IT = cint("FAT");
  GR = cint("FGR");
  GS = cint("FGS");
  GT = cint("FGT");
  while (t > -0.001) {
    const Phases tp{t, t - 2.1, t - 4.2};
    // Fundamental, 2nd, 3rd, inter-harmonic and N-th order; 0 when not drawn.
    Phases i[5]{};
    if (temFund == 1)
      i[0] = {20 * IR * std::sin(tp[0] + GR * kRad), 20 * IS * std::sin(tp[1] + GS * kRad),
              20 * IT * std::sin(tp[2] + GT * kRad)};
    if (tem2 == 1) i[1] = harmonic(*this, kAmps2, 20, 2, tp);
    if (tem3 == 1) i[2] = harmonic(*this, kAmps3, 20, 3, tp);
    if (temInter == 1) i[3] = harmonic(*this, kAmpsI, 20, 1.5, tp);
    if (temN == 1) i[4] = harmonic(*this, kAmpsN, 20, num("varIn"), tp);
    const double n = (i[0][2] + i[1][2] + i[2][2] + i[3][2] + i[4][2]) +
                     (i[0][1] + i[1][1] + i[2][1] + i[3][1] + i[4][1]) +
                     (i[0][0] + i[1][0] + i[2][0] + i[3][0] + i[4][0]);
    const double y = n + y0;
    dot(pic, x, y, RGB(0, 0, 255));
    x = x + 6.0 / 10;
    t = t - 0.001;
    Pacer::pause(2000);
  }
  button("reset").setVisible(true);
}

// Each phase's resultant voltage: its fundamental, as last captured, plus the
// harmonic components drawn so far, each with its own angle field.
void SenoideT::resultante1_Click() {
  Surface& pic = surface("Picture3");
  pic.cls();
  text("Text2").setText(QStringLiteral("Tensão/Corrente"));
  lowerGridLines();
  double x = 1000;
  const double y0 = 3200;
  double t = 6.28;
  while (t > -0.001) {
    const Phases tp{t, t - 2.1, t - 4.2};
    Phases v[5]{};
    if (temFund == 1)
      v[0] = {5 * VR * std::sin(tp[0] + GR * kRad), 5 * VS * std::sin(tp[1] + GS * kRad),
              5 * VT * std::sin(tp[2] + GT * kRad)};
    if (tem2 == 1) v[1] = harmonic(*this, kVolts2, 5, 2, tp);
    if (tem3 == 1) v[2] = harmonic(*this, kVolts3, 5, 3, tp);
    if (temInter == 1) v[3] = harmonic(*this, kVoltsI, 5, 1.5, tp);
    if (temN == 1) v[4] = harmonic(*this, kVoltsN, 5, num("varIn"), tp);
    Phases y;
    for (int p = 0; p < 3; ++p) y[p] = y0 + v[0][p] + v[1][p] + v[2][p] + v[3][p] + v[4][p];
    dot(pic, x, y[0], RGB(0, 0, 255));
    dot(pic, x, y[1], RGB(0, 255, 0));
    dot(pic, x, y[2], RGB(255, 0, 0));
    x = x + 0.6;
    t = t - 0.001;
    Pacer::pause(2000);
  }
  button("reset").setVisible(true);
}

}  // namespace fv
