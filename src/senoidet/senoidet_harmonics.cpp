// The harmonic component curves of the three-phase window: each button
// overlays the three phase voltages of one component on the upper surface,
// over the same stretch as one period of the fundamental.
#include <cmath>

#include "senoidet/senoidet.hpp"
#include "shell/pacer.hpp"

namespace fv {

// One phase of a component at time t: 5 twips a volt, the phase's offset
// taken on the component's own time scale, its typed angle in degrees.
double SenoideT::harmonicPhase(double t, const char* volts, const char* degrees, double offset) const {
  return 5 * num(volts) * std::sin((t - offset) + num(degrees) * kRad);
}

// The phase offsets 2.1 and 4.2 apply on the component's own time scale, so
// its three curves stand a third of its own period apart.
void SenoideT::SEGUNDA_Click() {
  Surface& pic = surface("Picture1");
  double x = 1000;
  const double y0 = 2000;
  for (double t = 12.56; t >= 0; t += -0.01) {
    const double yR = y0 + harmonicPhase(t, "FVR2", "FGR2", 0);
    const double yS = y0 + harmonicPhase(t, "FVS2", "FGS2", 2.1);
    const double yT = y0 + harmonicPhase(t, "FVT2", "FGT2", 4.2);
    // Here S takes the reddish colour and T the greenish one.
    dot(pic, x, yR, RGB(50, 50, 255));
    dot(pic, x, yT, RGB(50, 255, 50));
    dot(pic, x, yS, RGB(255, 50, 50));
    x = x + 3;
    Pacer::pause(10000);
  }
  tem2 = 1;
}

void SenoideT::TERCEIRA_Click() {
  Surface& pic = surface("Picture1");
  double x = 1000;
  const double y0 = 2000;
  for (double t = 18.84; t >= 0; t += -0.01) {
    const double yR = y0 + harmonicPhase(t, "fvr3", "FGR3", 0);
    const double yS = y0 + harmonicPhase(t, "FVS3", "FGS3", 2.1);
    const double yT = y0 + harmonicPhase(t, "FVT3", "FGT3", 4.2);
    dot(pic, x, yR, RGB(200, 10, 255));
    dot(pic, x, yS, RGB(200, 255, 200));
    dot(pic, x, yT, RGB(255, 200, 200));
    x = x + 2;
    Pacer::pause(10000);
  }
  tem3 = 1;
}

void SenoideT::inter_Click() {
  Surface& pic = surface("Picture1");
  double x = 1000;
  const double y0 = 2000;
  for (double t = 9.42; t >= 0; t += -0.01) {
    const double yR = y0 + harmonicPhase(t, "FVRI", "FGRI", 0);
    const double yS = y0 + harmonicPhase(t, "FVSI", "FGSI", 2.1);
    const double yT = y0 + harmonicPhase(t, "FVTI", "FGTI", 4.2);
    dot(pic, x, yR, RGB(200, 200, 255));
    dot(pic, x, yS, RGB(200, 255, 100));
    dot(pic, x, yT, RGB(255, 200, 100));
    x = x + 6 / 1.5;
    Pacer::pause(5000);
  }
  temInter = 1;
}

// N periods over the stretch of one fundamental period. A negative order
// draws nothing but still flags the component. An order of 0 would divide
// by zero, and orders above kMaxOrder only fill a solid band (a very high one
// for hours): both are refused before anything is drawn.
void SenoideT::NHARMO_Click() {
  Surface& pic = surface("Picture1");
  double x = 1000;
  const double y0 = 2000;
  const double order = num("varIn");
  if (order == 0)
    refuse(
        &text("varIn"),
        QStringLiteral("A ordem da harmônica não pode ser 0. Escreva outra ordem no campo destacado e tente de novo."),
        QStringLiteral(
            "El orden del armónico no puede ser 0. Escriba otro orden en el campo resaltado e inténtelo de nuevo."));
  if (order > kMaxOrder)
    refuse(
        &text("varIn"),
        QStringLiteral(
            "A ordem %1 é alta demais para ser desenhada. Escreva no campo destacado uma ordem até %2 e tente de novo.")
            .arg(str(order), str(kMaxOrder)),
        QStringLiteral("El orden %1 es demasiado alto para dibujarlo. Escriba en el campo resaltado un orden de hasta "
                       "%2 e inténtelo de nuevo.")
            .arg(str(order), str(kMaxOrder)));
  for (double t = num("varIn") * 6.3; t >= 0; t += -0.01) {
    const double yR = y0 + harmonicPhase(t, "FVRN", "FGRN", 0);
    const double yS = y0 + harmonicPhase(t, "FVSN", "FGSN", 2.1);
    const double yT = y0 + harmonicPhase(t, "FVTN", "FGTN", 4.2);
    dot(pic, x, yR, RGB(200, 200, 255));
    dot(pic, x, yS, RGB(200, 255, 100));
    dot(pic, x, yT, RGB(255, 200, 100));
    x = x + 6 / num("varIn");
    Pacer::pause(5000);
  }
  temN = 1;
}

}  // namespace fv
