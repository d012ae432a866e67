// Memory of the drawing surfaces. Every window of an edition is opened and
// every drawing button pressed in turn, with the fields set for the longest
// drawings (order 10922 in the single-phase window, order 50 in the
// three-phase one, a current of 1e9 in simulation 2); for each surface it
// prints the largest display list seen (operations, bytes, bytes per
// operation), the raster while drawing and once idle, and the time to render
// it all anew (a zoom change, or a paint after the idle raster was dropped).
//   surface_bench [pt|es]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QThread>
#include <cstdio>
#include <map>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "bench/timing.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"

using namespace fv;
using namespace fv::bench;

namespace {

struct Peak {
  std::size_t ops = 0, list = 0, total = 0;
  QString after;
};

double mib(std::size_t bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setQuitOnLastWindowClosed(false);
  const Edition edition = argc > 1 && QByteArray(argv[1]) == "es" ? Edition::ES : Edition::PT;
  App app(edition);
  app.onQuit = [] {};
  registerWindows(app);
  app.start();
  app.pacer().setInstant(true);
  const std::map<QString, std::pair<QString, QString>> longest = {
      {"Senoide", {"numero", "10922"}}, {"SenoideT", {"varIn", "50"}}, {"simula2", {"Text4", "1e9"}}};

  std::printf("list limit %.0f MiB a surface\n", mib(Surface::kListLimit));
  std::printf("%-16s %-9s %9s %10s %9s %7s %10s %10s %9s  %s\n", "window", "surface", "pixels", "operations",
              "list MiB", "B/op", "raster MiB", "idle MiB", "render ms", "largest after");
  std::size_t all = 0;
  for (const QString name : {"Senoide", "SenoideT", "HarmonicasPulsos", "Geração", "simula1", "simula2"}) {
    Form* f = app.show(name);
    if (!f) continue;
    QApplication::processEvents();
    if (auto it = longest.find(name); it != longest.end()) f->text(it->second.first).setText(it->second.second);
    std::map<Surface*, Peak> peaks;
    auto measure = [&](const QString& after) {
      QApplication::processEvents();
      for (Surface* s : f->findChildren<Surface*>()) {
        Peak& p = peaks[s];
        if (s->listBytes() > p.list || p.after.isEmpty()) p = {s->opCount(), s->listBytes(), s->memoryBytes(), after};
      }
    };
    measure("opening");
    for (auto* b : f->findChildren<QAbstractButton*>()) {
      if (!b->isVisible() || b->objectName().isEmpty() || isReturn(b->text()) || b->inherits("QRadioButton")) continue;
      b->click();
      measure(b->objectName());
    }
    for (auto& [s, p] : peaks) {
      // The whole list rendered anew, as a change of zoom does.
      QElapsedTimer t;
      t.start();
      s->setZoom(s->zoom() * 2);
      s->image();
      const double ms = t.nsecsElapsed() / 1e6;
      s->setZoom(s->zoom() / 2);
      s->image();
      // Left alone, the raster of a short list is dropped.
      for (t.start(); t.elapsed() < Surface::kIdleDelayMs + 200;) {
        QApplication::processEvents();
        QThread::msleep(10);
      }
      const std::size_t idle = s->memoryBytes() - s->listBytes();
      std::printf("%-16s %-9s %4dx%-4d %10zu %9.2f %7.2f %10.2f %10.3f %9.1f  %s\n", qPrintable(name),
                  qPrintable(s->objectName()), s->width(), s->height(), p.ops, mib(p.list),
                  p.ops ? double(p.list) / double(p.ops) : 0.0, mib(p.total - p.list), mib(idle), ms,
                  qPrintable(p.after));
      all += s->memoryBytes();
    }
  }
  // A fold while the window has no area: the longest drawing goes into a base at the surface's usual size.
  if (Form* f = app.window("Senoide")) {
    f->text("numero").setText("10922");
    f->button("executar").click();
    QApplication::processEvents();
    Surface& s = *f->findChild<Surface*>("Picture1");
    const QSize size = s.size();
    const std::size_t ops = s.opCount();
    s.resize(0, 0);
    s.setListLimit(0);
    QElapsedTimer t;
    t.start();
    s.pset(0, 0);
    std::printf("Senoide Picture1: %zu operations folded at no area in %.0f ms\n", ops, t.nsecsElapsed() / 1e6);
    s.resize(size);
  }
  std::printf("surfaces as they stand at the end: %.1f MiB; peak resident memory %.1f MiB\n", mib(all), peakMiB());
  return 0;
}
