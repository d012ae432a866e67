#include "geracao/geracao.hpp"
#include "pulsos/pulsos.hpp"
#include "senoide/senoide.hpp"
#include "senoidet/senoidet.hpp"
#include "shell/app.hpp"
#include "simula1/simula1.hpp"
#include "simula2/simula2.hpp"

namespace fv {

void registerWindows(App& app) {
  app.registerWindow(QStringLiteral("Senoide"), makeSenoide);
  app.registerWindow(QStringLiteral("SenoideT"), makeSenoideT);
  app.registerWindow(QStringLiteral("HarmonicasPulsos"), makeHarmonicasPulsos);
  app.registerWindow(QStringLiteral("Geração"), makeGeracao);
  app.registerWindow(QStringLiteral("simula1"), makeSimula1);
  app.registerWindow(QStringLiteral("simula2"), makeSimula2);
}

}  // namespace fv
