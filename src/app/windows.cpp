#include "app/windows.hpp"

#include <memory>

#include "application/app.hpp"
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

void registerWindows(App& app) {
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
