// Pace and cost of every drawing handler of every window, in real windows.
// For each window of an edition, every visible button is pressed in turn
// (return buttons excepted); per handler it prints the nominal duration
// (total pause count x 75 ns), the measured wall time, their ratio, the frames
// the pacer let the screen paint, the CPU time, and for handlers without pauses the handler time;
// then the peak memory so far. At the end: the memory once the surfaces are
// idle, and the peak with every window open and drawn.
//   handlers_bench [pt|es] [--size WxH] [--longest] [window ...]
// --size enlarges every work window (1600x1200: a projector) before drawing;
// --longest makes the longest drawing of each window (the single-phase
// harmonic of order 10922; the other windows' drawings have a fixed length).
// Run under an X server (bench/run.sh takes care of it).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "bench/timing.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"

using namespace fv;
using namespace fv::bench;

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setQuitOnLastWindowClosed(false);
  const Edition edition = argc > 1 && QByteArray(argv[1]) == "es" ? Edition::ES : Edition::PT;
  QStringList wanted;
  QSize size;
  bool longest = false;
  for (int i = 2; i < argc; ++i) {
    const QString arg = QString::fromUtf8(argv[i]);
    if (arg == "--longest") {
      longest = true;
    } else if (arg == "--size" && i + 1 < argc) {
      const QStringList wh = QString::fromUtf8(argv[++i]).split('x');
      if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
    } else {
      wanted << arg;
    }
  }
  if (wanted.isEmpty()) wanted = {"Senoide", "SenoideT", "HarmonicasPulsos", "Geração", "simula1", "simula2"};

  App app(edition);
  app.onQuit = [] {};
  registerWindows(app);
  app.start();
  std::printf("%-18s %-24s %10s %10s %7s %7s %8s %6s %9s\n", "window", "button", "nominal s", "wall s", "ratio",
              "frames", "cpu s", "cpu %", "peak MiB");
  for (const QString& name : wanted) {
    Form* f = app.show(name);
    if (!f) continue;
    if (size.isValid()) f->resize(size);
    if (longest && name == "Senoide") f->text("numero").setText("10922");
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    for (auto* b : f->findChildren<QAbstractButton*>()) {
      if (!b->isVisible() || b->objectName().isEmpty() || isReturn(b->text())) continue;
      if (qobject_cast<QAbstractButton*>(b)->inherits("QRadioButton")) continue;
      app.pacer().resetTotal();
      const auto frames0 = app.pacer().frames();
      QElapsedTimer wall;
      wall.start();
      const double cpu0 = cpuSeconds();
      b->click();
      const double seconds = wall.nsecsElapsed() / 1e9;
      const double cpu = cpuSeconds() - cpu0;
      const double nominal = app.pacer().totalCount() * Pacer::kCountDuration.count() / 1e9;
      for (int i = 0; i < 5; ++i) QApplication::processEvents();
      const auto frames = app.pacer().frames() - frames0;
      const QString label = b->objectName() + " \"" + b->text().simplified().left(14) + "\"";
      if (nominal > 0)
        std::printf("%-18s %-24s %10.3f %10.3f %7.4f %7d %8.3f %6.1f %9.1f\n", qPrintable(name), qPrintable(label),
                    nominal, seconds, seconds / nominal, int(frames), cpu, 100.0 * cpu / seconds, peakMiB());
      else
        std::printf("%-18s %-24s %10s %10.4f %7s %7d %8.3f %6s %9.1f\n", qPrintable(name), qPrintable(label), "-",
                    seconds, "-", int(frames), cpu, "-", peakMiB());
      std::fflush(stdout);
    }
  }
  // Where the memory stands once every surface has been idle: the surfaces'
  // share, and the process's resident memory by kind (anonymous, mapped
  // files such as the libraries, shared such as the window buffers).
  for (int i = 0; i < 10; ++i) {
    QApplication::processEvents();
    QThread::msleep(100);
  }
  QApplication::processEvents();
  std::size_t surfaces = 0, lists = 0;
  for (Form* f : app.windows()) {
    for (Surface* s : f->findChildren<Surface*>()) {
      surfaces += s->memoryBytes();
      lists += s->listBytes();
    }
  }
  std::printf("at the end: surfaces %.1f MiB (lists %.1f);", surfaces / 1048576.0, lists / 1048576.0);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("Rss", 0) == 0) std::printf(" %s", QString::fromStdString(line).simplified().toUtf8().constData());
  std::printf("\n");
  std::printf("peak memory with the windows open and drawn%s: %.1f MiB\n",
              size.isValid() ? qPrintable(QStringLiteral(" at %1 x %2").arg(size.width()).arg(size.height())) : "",
              peakMiB());
  return 0;
}
