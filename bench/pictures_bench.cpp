// Memory of the pictures of a long drawing: the single-phase harmonic of
// order 10922 (6.9 million points) copied, and saved as SVG and PNG. For
// each it prints the time, the peak resident memory while it ran (the peak
// is reset before each), the memory kept afterwards, and the file's size;
// then what holding the list decoded, as the pictures once did, keeps.
//   pictures_bench [pt|es] [order]
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/windows.hpp"
#include "application/app.hpp"
#include "application/pacer.hpp"
#include "application/picturemenu.hpp"
#include "bench/timing.hpp"
#include "drawing/pictures.hpp"
#include "drawing/surface.hpp"
#include "forms/form.hpp"

using namespace fv;
using namespace fv::bench;

namespace {

// VmRSS or VmHWM of the process, in MiB.
double statusMiB(const char* key) {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::strlen(key) + 1)) / 1024.0;
  return 0;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

template <class F>
void measure(const char* what, F&& run, const QString& file = {}) {
  QApplication::processEvents();
  const double before = statusMiB("VmRSS");
  resetPeak();
  const auto t0 = Clock::now();
  run();
  const double took = ms(Clock::now() - t0);
  const double peak = statusMiB("VmHWM");
  QApplication::processEvents();
  std::printf("%-22s %9.0f %9.1f %9.1f %9.1f %11.2f\n", what, took, before, peak, statusMiB("VmRSS"),
              file.isEmpty() ? 0.0 : double(QFile(file).size()) / (1 << 20));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setQuitOnLastWindowClosed(false);
  const Edition edition = argc > 1 && QByteArray(argv[1]) == "es" ? Edition::ES : Edition::PT;
  const QString order = argc > 2 ? QString::fromLatin1(argv[2]) : QStringLiteral("10922");
  App app(edition);
  app.onQuit = [] {};
  registerWindows(app);
  app.start();
  app.pacer().setInstant(true);
  Form* f = app.show(QStringLiteral("Senoide"));
  if (!f) return 1;
  QApplication::processEvents();
  f->text(QStringLiteral("numero")).setText(order);
  f->button(QStringLiteral("executar")).click();
  QApplication::processEvents();
  Surface& s = f->surface(QStringLiteral("Picture1"));
  std::printf("order %s: %zu operations, list %.1f MiB\n", qPrintable(order), s.opCount(),
              double(s.listBytes()) / (1 << 20));
  std::printf("%-22s %9s %9s %9s %9s %11s\n", "", "ms", "RSS MiB", "peak MiB", "after MiB", "file MiB");

  QTemporaryDir dir;
  QMenu* menu = pictureMenu(app, *f, s);
  measure("copy the figure", [&] { menu->actions().first()->trigger(); });
  measure(
      "save as SVG", [&] { savePicture(s, dir.filePath("long.svg")); }, dir.filePath("long.svg"));
  measure(
      "save as PNG", [&] { savePicture(s, dir.filePath("long.png")); }, dir.filePath("long.png"));
  // What a picture kept when it read the drawing through the decoded list.
  measure("list held decoded", [&] { (void)s.ops(); });
  delete menu;
  return 0;
}
