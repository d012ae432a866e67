// Timings of the generation window: the pulse train, which has no pauses,
// drawn and painted; and the scroll-bar re-run at real speed against its
// nominal length.
#include <QApplication>
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

namespace {}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  App app(Edition::PT);
  registerWindows(app);
  app.start();
  Form* f = app.show(QStringLiteral("Geração"));
  if (!f) return 1;
  app.pacer().setInstant(false);

  const ClickTimes t = timeClicks(*f, "pulso", "Picture1", 25);
  std::printf("pulso: handler median %.2f ms, max %.2f ms; paint median %.2f ms, max %.2f ms; %zu points\n",
              median(t.handler), maxOf(t.handler), median(t.paint), maxOf(t.paint), f->surface("Picture1").opCount());

  // The scroll bar's re-run: 631 steps of 10000 counts.
  f->control("Frame1").setVisible(true);
  const double nominal = 631 * 10000 * 75e-6;
  auto t0 = Clock::now();
  f->scroll("HScroll1").setValue(50);
  const double wall = ms(Clock::now() - t0);
  std::printf("HScroll1 at real speed: %.1f ms for a nominal %.1f ms (%+.2f %%)\n", wall, nominal,
              100.0 * (wall - nominal) / nominal);
  return 0;
}
