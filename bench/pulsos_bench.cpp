// Timings of the pulse harmonics window: the handlers with the pauses taken
// out (grid and curve drawing into the display list), the first paint of
// the grids, and the handlers at real speed against their nominal length.
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "bench/timing.hpp"
#include "forms/form.hpp"

using namespace fv;
using namespace fv::bench;

namespace {

void handlerTime(Form& f, const char* button, const char* surface) {
  const ClickTimes t = timeClicks(f, button, surface, 15);
  std::printf("%-12s handler without pauses (grid + curve): median %.2f ms, max %.2f ms; %zu points listed\n", button,
              median(t.handler), maxOf(t.handler), f.surface(surface).opCount());
  std::printf("%-12s first paint of the drawing:            median %.2f ms, max %.2f ms\n", button, median(t.paint),
              maxOf(t.paint));
}

void realSpeed(Pacer& pacer, Form& f, const char* button, double nominalMs) {
  pacer.setInstant(false);
  const auto frames0 = pacer.frames();
  auto t0 = Clock::now();
  f.button(button).click();
  const double wall = ms(Clock::now() - t0);
  std::printf("%-12s at real speed: %.1f ms for a nominal %.1f ms (%+.2f %%), %lld frames\n", button, wall, nominalMs,
              100.0 * (wall - nominalMs) / nominalMs, static_cast<long long>(pacer.frames() - frames0));
  pacer.setInstant(true);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  App app(Edition::PT);
  registerWindows(app);
  app.start();
  Form* f = app.show(QStringLiteral("HarmonicasPulsos"));
  if (!f) return 1;
  QApplication::processEvents();

  app.pacer().setInstant(true);
  handlerTime(*f, "Inicio", "Picture1");
  handlerTime(*f, "resultante", "Picture3");
  const double count = std::chrono::duration<double, std::milli>(Pacer::kCountDuration).count();
  realSpeed(app.pacer(), *f, "Inicio", 631 * 20000 * count);
  realSpeed(app.pacer(), *f, "resultante2", 6301 * 5000 * count);
  return 0;
}
