// How long the analysis window takes to work out its figures and redraw its
// pictures after a handler of its work window ends: the single-phase window
// with its five components drawn, the three-phase with its fundamental and
// third, and the pulse train up to order 15 and 20. Prints the median of
// 50 refreshes, each refresh painted at once.
//   analysis_bench [pt|es]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "analysis/analysis.hpp"
#include "app/windows.hpp"
#include "application/app.hpp"

using namespace fv;

namespace {

double medianMs(AnalysisWindow& a) {
  std::vector<double> ms;
  for (int k = 0; k < 50; ++k) {
    QElapsedTimer t;
    t.start();
    a.refresh();
    a.repaint();
    ms.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  const Edition edition = argc > 1 && QByteArray(argv[1]) == "es" ? Edition::ES : Edition::PT;
  App app(edition);
  app.pacer().setInstant(true);
  registerWindows(app);
  app.start();

  Form& s = *app.show(QStringLiteral("Senoide"));
  for (const char* b : {"Fundamental", "segundaH(1)", "terceira", "inter", "executar"})
    static_cast<QAbstractButton&>(s.control(QLatin1String(b))).click();
  app.showAnalysis(s);
  std::printf("single-phase, five components: %.2f ms\n", medianMs(*analysisOf(s)));

  Form& t = *app.show(QStringLiteral("SenoideT"));
  for (const char* b : {"FUNDAMENTAL", "TERCEIRA"}) static_cast<QAbstractButton&>(t.control(QLatin1String(b))).click();
  app.showAnalysis(t);
  std::printf("three-phase, fundamental and third: %.2f ms\n", medianMs(*analysisOf(t)));

  Form& p = *app.show(QStringLiteral("HarmonicasPulsos"));
  app.showAnalysis(p);
  AnalysisWindow& a = *analysisOf(p);
  std::printf("pulse train to order 15: %.2f ms\n", medianMs(a));
  a.text(QStringLiteral("highest")).setText(QStringLiteral("20"));
  std::printf("pulse train to order 20: %.2f ms\n", medianMs(a));
  return 0;
}
