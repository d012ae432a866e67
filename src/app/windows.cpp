#include "app/windows.hpp"

#include <QMenu>
#include <memory>

#include "analysis/analysis.hpp"
#include "application/app.hpp"
#include "application/picturemenu.hpp"
#include "menu/menu.hpp"

#ifdef FERVANO_WITH_SENOIDE
#include "senoide/senoide.hpp"
#endif
#ifdef FERVANO_WITH_SENOIDET
#include "senoidet/senoidet.hpp"
#endif
#ifdef FERVANO_WITH_PULSOS
#include "pulsos/pulsos.hpp"
#endif
#ifdef FERVANO_WITH_GERACAO
#include "geracao/geracao.hpp"
#endif
#ifdef FERVANO_WITH_SIMULA1
#include "simula1/simula1.hpp"
#endif
#ifdef FERVANO_WITH_SIMULA2
#include "simula2/simula2.hpp"
#endif

namespace fv {

namespace {

// What a work window gives its analysis, when it has one.
AnalysisWindow::Provider analysisProvider(const Form& f) {
#ifdef FERVANO_WITH_SENOIDE
  if (auto* w = qobject_cast<const Senoide*>(&f)) return [w] { return w->analysisInput(); };
#endif
#ifdef FERVANO_WITH_SENOIDET
  if (auto* w = qobject_cast<const SenoideT*>(&f)) return [w] { return w->analysisInput(); };
#endif
#ifdef FERVANO_WITH_PULSOS
  if (auto* w = qobject_cast<const HarmonicasPulsos*>(&f)) return [w] { return w->analysisInput(); };
#endif
  (void)f;
  return nullptr;
}

// Ties a work window to its analysis window: F2 and the pictures' menu open
// it, and its own pictures have the program's menu.
void attachAnalysis(App& app) {
  app.hasAnalysis = [](const Form& f) { return bool(analysisProvider(f)); };
  app.showAnalysis = [&app](Form& work) {
    const bool made = analysisOf(work) != nullptr;
    AnalysisWindow& a = showAnalysis(app, work, analysisProvider(work));
    if (!made)
      QObject::connect(&a, &Form::pictureMenuRequested, &a, [&app, &a](Surface* s, const QPoint& at) {
        pictureMenu(app, a, *s)->popup(s->mapToGlobal(at));
      });
  };
}

}  // namespace

void registerWindows(App& app) {
  attachAnalysis(app);
  app.setMenu([](App& program) { return std::make_unique<Analise>(program); });
#ifdef FERVANO_WITH_SENOIDE
  app.registerWindow(QStringLiteral("Senoide"), makeSenoide);
#endif
#ifdef FERVANO_WITH_SENOIDET
  app.registerWindow(QStringLiteral("SenoideT"), makeSenoideT);
#endif
#ifdef FERVANO_WITH_PULSOS
  app.registerWindow(QStringLiteral("HarmonicasPulsos"), makeHarmonicasPulsos);
#endif
#ifdef FERVANO_WITH_GERACAO
  app.registerWindow(QStringLiteral("Geração"), makeGeracao);
#endif
#ifdef FERVANO_WITH_SIMULA1
  app.registerWindow(QStringLiteral("simula1"), makeSimula1);
#endif
#ifdef FERVANO_WITH_SIMULA2
  app.registerWindow(QStringLiteral("simula2"), makeSimula2);
#endif
}

}  // namespace fv
