// Timings of simulation 2: "Canaleta Aberta" and "Canaleta Fechada" (no
// pauses) at the initial values, at I = 100 and with a huge typed current;
// median handler time over several runs, and the paint that follows.
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

void runs(Form& f, const char* button, const char* current) {
  f.text(QStringLiteral("Text4")).setText(QString::fromLatin1(current));
  const ClickTimes t = timeClicks(f, QString::fromLatin1(button), QStringLiteral("Picture2"), 15);
  std::printf(
      "%-8s I = %-5s handler: median %6.2f ms, max %6.2f ms; paint: median %6.2f ms; %zu operations, Text12 %s\n",
      button, current, median(t.handler), maxOf(t.handler), median(t.paint),
      f.surface(QStringLiteral("Picture2")).opCount(), qPrintable(f.text(QStringLiteral("Text12")).text()));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  App app(Edition::PT);
  registerWindows(app);
  app.start();
  Form* f = app.show(QStringLiteral("simula2"));
  if (!f) return 1;
  QApplication::processEvents();
  app.pacer().setInstant(true);
  std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
  for (const char* button : {"Command1", "Command2"})
    for (const char* current : {"40", "100", "1e9"}) runs(*f, button, current);
  return 0;
}
