#include "geracao/geracao.hpp"

namespace fv {

std::unique_ptr<Form> makeGeracao(App&) { return nullptr; }

}  // namespace fv
