// Pace and cost of an animation, and start-up of the main menu, in a real window.
//   shell_bench animation   629 points with a 200000-count pause after each
//   shell_bench startup     time from the start of main to the first painted menu
// Run under an X server (xvfb-run -a build/bench/shell_bench animation).
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "bench/timing.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"

using namespace fv;
using namespace fv::bench;

namespace {

// Counts the paints of a widget.
struct PaintCounter : QObject {
  int paints = 0;
  QElapsedTimer* clock = nullptr;
  qint64 firstPaintNs = -1;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++paints;
      if (firstPaintNs < 0 && clock) firstPaintNs = clock->nsecsElapsed();
    }
    return false;
  }
};

int animation(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  App program(Edition::PT);
  program.onQuit = [] {};
  Form form(program, "Bench", 7000, 4500, pal::grey);
  form.build({{.kind = Kind::Surface, .name = "Picture1", .r = {0, 0, 6015, 4335}, .back = pal::paper}});
  Surface& s = form.surface("Picture1");
  PaintCounter counter;
  s.installEventFilter(&counter);
  form.show();
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  counter.paints = 0;

  const int points = 629;
  const std::int64_t count = 200000;
  const double nominal = points * count * Pacer::kCountDuration.count() / 1e9;
  QElapsedTimer wall;
  double cpu0 = 0;
  form.run([&] {
    wall.start();
    cpu0 = cpuSeconds();
    double x = 1000, t = 6.28;
    for (int i = 0; i < points; ++i, t -= 0.01, x += 6) {
      s.pset(x, 2000 + std::sin(t) * 1500, pal::blue);
      program.pacer().pause(count);
    }
  });
  const double seconds = wall.nsecsElapsed() / 1e9;
  const double cpu = cpuSeconds() - cpu0;
  std::printf("animation: %d points, pause %lld counts each\n", points, static_cast<long long>(count));
  std::printf("  nominal %.3f s  measured %.3f s  ratio %.4f\n", nominal, seconds, seconds / nominal);
  std::printf("  frames painted %d (%.1f per second)\n", counter.paints, counter.paints / seconds);
  std::printf("  cpu %.3f s = %.1f %% of one core\n", cpu, 100.0 * cpu / seconds);
  std::printf("  peak memory %.1f MiB\n", peakMiB());
  return 0;
}

int startup(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setQuitOnLastWindowClosed(false);
  App program(Edition::PT);
  registerWindows(program);
  PaintCounter counter;
  counter.clock = &clock;
  program.start();
  program.menu().installEventFilter(&counter);
  while (counter.firstPaintNs < 0 && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 5);
  std::printf("startup: main menu painted after %.1f ms (from the start of main)\n", counter.firstPaintNs / 1e6);
  std::printf("  peak memory %.1f MiB\n", peakMiB());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("animation");
  if (mode == "startup") return startup(argc, argv);
  return animation(argc, argv);
}
